// The GDI-style canvas on an image: which pixels lines, outlines, fills and text cover.
#include "pixels.h"
#include "view/board_picture.h"
#include "view/gdi_canvas.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QTest>

namespace {
const QColor kInk(10, 120, 30);
} // namespace

class TestGdiCanvas : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lineExcludesItsEndPoint_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("rightwards") << QPoint(1, 1) << QPoint(6, 1)
                                    << QStringList{"........", ".#####..", "........"};
        QTest::newRow("leftwards") << QPoint(6, 1) << QPoint(1, 1)
                                   << QStringList{"........", "..#####.", "........"};
        QTest::newRow("downwards") << QPoint(1, 0) << QPoint(1, 3) << QStringList{".#.", ".#.", ".#.", "..."};
        QTest::newRow("upwards") << QPoint(1, 3) << QPoint(1, 0) << QStringList{"...", ".#.", ".#.", ".#."};
        QTest::newRow("diagonal down-right")
            << QPoint(0, 0) << QPoint(4, 4) << QStringList{"#....", ".#...", "..#..", "...#.", "....."};
        QTest::newRow("diagonal up-left")
            << QPoint(4, 4) << QPoint(0, 0) << QStringList{".....", ".#...", "..#..", "...#.", "....#"};
        QTest::newRow("anti-diagonal down-left")
            << QPoint(4, 0) << QPoint(0, 4) << QStringList{"....#", "...#.", "..#..", ".#...", "....."};
        QTest::newRow("zero length") << QPoint(2, 2) << QPoint(2, 2) << QStringList{"...", "...", "..."};
    }
    void lineExcludesItsEndPoint()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QStringList, expected);
        QImage image = pixels::blankImage(10, 10);
        {
            GdiCanvas dc(&image);
            dc.selectPen({kInk, 1});
            dc.moveTo(from.x(), from.y());
            dc.lineTo(to.x(), to.y());
        }
        const QRect region(0, 0, int(expected.first().size()), int(expected.size()));
        QCOMPARE(pixels::art(image, region, kInk), expected);
        QCOMPARE(pixels::countColour(image, image.rect(), kInk),
                 int(expected.join(QString()).count(QLatin1Char('#'))));
    }

    void lineToMovesTheCurrentPosition()
    {
        QImage image = pixels::blankImage(6, 4);
        {
            GdiCanvas dc(&image);
            dc.selectPen({kInk, 1});
            dc.moveTo(0, 1);
            dc.lineTo(3, 1);
            dc.lineTo(3, 3); // continues from (3, 1): the corner is drawn once, by the second line
        }
        QCOMPARE(pixels::art(image, QRect(0, 0, 5, 4), kInk),
                 (QStringList{".....", "####.", "...#.", "....."}));
    }

    void rectangleAndFillExcludeRightAndBottom_data()
    {
        QTest::addColumn<bool>("outline");
        QTest::addColumn<QRect>("ltrb"); // left, top, right, bottom as x, y, width, height
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("outline") << true << QRect(1, 1, 6, 5)
                                 << QStringList{"........", ".#####..", ".#...#..", ".#...#..", ".#####..",
                                                "........"};
        QTest::newRow("outline two wide") << true << QRect(1, 1, 3, 4)
                                          << QStringList{"....", ".##.", ".##.", ".##.", "...."};
        QTest::newRow("outline one wide") << true << QRect(1, 1, 2, 4)
                                          << QStringList{"...", ".#.", ".#.", ".#.", "..."};
        QTest::newRow("empty outline") << true << QRect(2, 2, 2, 5) << QStringList{"....", "....", "...."};
        QTest::newRow("fill") << false << QRect(1, 1, 4, 3) << QStringList{".....", ".###.", ".###.", "....."};
        QTest::newRow("fill given right to left") << false << QRect(4, 3, 1, 1)
                                                  << QStringList{".....", ".###.", ".###.", "....."};
        QTest::newRow("empty fill") << false << QRect(1, 1, 1, 3) << QStringList{"...", "...", "..."};
    }
    void rectangleAndFillExcludeRightAndBottom()
    {
        QFETCH(bool, outline);
        QFETCH(QRect, ltrb);
        QFETCH(QStringList, expected);
        QImage image = pixels::blankImage(10, 10);
        {
            GdiCanvas dc(&image);
            dc.selectPen({kInk, 1});
            if (outline)
                dc.rectangle(ltrb.x(), ltrb.y(), ltrb.width(), ltrb.height());
            else
                dc.fillRect(ltrb.x(), ltrb.y(), ltrb.width(), ltrb.height(), kInk);
        }
        const QRect region(0, 0, int(expected.first().size()), int(expected.size()));
        QCOMPARE(pixels::art(image, region, kInk), expected);
    }

    void widePenIsCentredWithRoundEnds()
    {
        QImage image = pixels::blankImage(20, 12);
        {
            GdiCanvas dc(&image);
            dc.selectPen({kInk, 5});
            dc.moveTo(5, 6);
            dc.lineTo(14, 6);
        }
        const QRect ink = pixels::boundsWhere(image, {}, [](QRgb p) { return pixels::same(p, kInk); });
        QCOMPARE(ink.top(), 4);
        QCOMPARE(ink.bottom(), 8);
        QVERIFY2(ink.left() < 5 && ink.right() > 14, "round ends reach past both points");
        QVERIFY(ink.left() >= 2 && ink.right() <= 17);
        QVERIFY(!pixels::same(image.pixel(ink.left(), 4), kInk)); // rounded, not square
    }

    void textIsPlacedByItsRectangle_data()
    {
        QTest::addColumn<unsigned>("format");
        QTest::addColumn<QString>("text");
        QTest::newRow("centred") << dt::BoardText << "8";
        QTest::newRow("centred, two digits") << dt::BoardText << "45";
        QTest::newRow("left and top") << dt::SingleLine << "8";
    }
    void textIsPlacedByItsRectangle()
    {
        QFETCH(unsigned, format);
        QFETCH(QString, text);
        const QRect box(10, 10, 40, 30); // (10, 10)-(50, 40)
        QImage image = pixels::blankImage(60, 50);
        GdiCanvas dc(&image);
        dc.setFontPointSize(11);
        dc.setTextColour(kInk);
        dc.drawText(text, 10, 10, 50, 40, format);
        dc.end();
        const QRect ink = pixels::inkBounds(image, Qt::white);
        QVERIFY(!ink.isEmpty());
        QVERIFY2(box.contains(ink), "ink stays in the rectangle");
        QCOMPARE(pixels::countColour(image, ink, kInk) + pixels::countColour(image, ink, Qt::white),
                 ink.width() * ink.height()); // drawn in the text colour only, without smoothing
        const QFontMetrics fm(dc.font(), &image);
        if (format & dt::Center) {
            QVERIFY(qAbs(ink.center().x() - box.center().x()) <= 2);
            QVERIFY(qAbs(ink.center().y() - box.center().y()) <= 3);
        } else {
            QVERIFY(ink.left() >= 10 && ink.left() <= 12);
            const int capTop = 10 + fm.ascent() - fm.capHeight();
            QVERIFY2(qAbs(ink.top() - capTop) <= 1, qPrintable(QString::number(ink.top())));
        }
    }

    void textIsClippedToItsRectangle_data()
    {
        QTest::addColumn<unsigned>("format");
        QTest::newRow("centred") << dt::BoardText;
        QTest::newRow("left and top") << dt::SingleLine;
    }
    void textIsClippedToItsRectangle()
    {
        QFETCH(unsigned, format);
        QImage image = pixels::blankImage(80, 40);
        {
            GdiCanvas dc(&image);
            dc.setFontPointSize(14);
            dc.setTextColour(kInk);
            dc.drawText(QStringLiteral("88888888"), 20, 10, 40, 24, format);
        }
        const QRect ink = pixels::inkBounds(image, Qt::white);
        QVERIFY(QRect(20, 10, 20, 14).contains(ink));
        if (format & dt::Center)
            QCOMPARE(ink.left(), 20); // cut on both sides
        else
            QVERIFY(ink.left() <= 22); // starts at the left edge, cut on the right
        QCOMPARE(ink.right(), 39);
    }

    void noClipLetsTextOut()
    {
        QImage image = pixels::blankImage(80, 40);
        {
            GdiCanvas dc(&image);
            dc.setFontPointSize(14);
            dc.setTextColour(kInk);
            dc.drawText(QStringLiteral("88888888"), 30, 10, 50, 24, dt::BoardText | dt::NoClip);
        }
        const QRect ink = pixels::inkBounds(image, Qt::white);
        QVERIFY(ink.left() < 25 && ink.right() > 55);
    }

    void lineBreaksAreNotHonoured()
    {
        QImage image = pixels::blankImage(120, 80);
        GdiCanvas dc(&image);
        dc.setFontPointSize(11);
        dc.setTextColour(kInk);
        dc.drawText(QStringLiteral("12\n34"), 0, 0, 120, 80, dt::SingleLine);
        dc.end();
        const QRect ink = pixels::inkBounds(image, Qt::white);
        const QFontMetrics fm(dc.font(), &image);
        QVERIFY(ink.height() <= fm.height());
        QVERIFY(ink.width() > fm.horizontalAdvance(QStringLiteral("1234")) - 4);
    }

    void arialIsMetricCompatible()
    {
        GdiCanvas dc;
        QCOMPARE(dc.font().family(), QStringLiteral("Arial"));
        QCOMPARE(QFontInfo(dc.font()).family(), QStringLiteral("Liberation Sans"));
    }

    void pointSizesArePixelsAt96Dpi_data()
    {
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("pixels");
        QTest::newRow("12 pt") << 12.0 << 16;
        QTest::newRow("9 pt") << 9.0 << 12;
        QTest::newRow("18 pt") << 18.0 << 24;
    }
    void pointSizesArePixelsAt96Dpi()
    {
        QFETCH(double, points);
        QFETCH(int, pixels);
        BoardPicture picture;
        picture.resizePicture(50, 50);
        QCOMPARE(picture.image().logicalDpiY(), 96);
        GdiCanvas &dc = picture.canvas();
        dc.setFontPointSize(points);
        QFont byPixels = dc.font();
        byPixels.setPixelSize(pixels);
        QCOMPARE(QFontMetrics(dc.font(), &picture.image()).height(), QFontMetrics(byPixels).height());
        QCOMPARE(QFontMetrics(dc.font(), &picture.image()).horizontalAdvance(QStringLiteral("4567")),
                 QFontMetrics(byPixels).horizontalAdvance(QStringLiteral("4567")));
    }

    void fractionalPointSizesAreKept()
    {
        GdiCanvas dc;
        dc.setFontPointSize(8.6);
        QCOMPARE(dc.font().pointSizeF(), 8.6);
        dc.setFontPointSize(0); // refused, as a size of nothing
        QCOMPARE(dc.font().pointSizeF(), 8.6);
    }

    void selectionsSurviveANewDevice()
    {
        QImage first = pixels::blankImage(10, 10);
        QImage second = pixels::blankImage(10, 10);
        GdiCanvas dc(&first);
        dc.selectPen({kInk, 1});
        dc.setTextColour(Qt::red);
        dc.setFontPointSize(13);
        dc.begin(&second);
        QCOMPARE(dc.selectedPen(), (GdiPen{kInk, 1}));
        QCOMPARE(dc.textColour(), QColor(Qt::red));
        QCOMPARE(dc.font().pointSizeF(), 13.0);
        dc.moveTo(0, 0);
        dc.lineTo(3, 0);
        dc.end();
        QCOMPARE(pixels::countColour(second, second.rect(), kInk), 3);
        QCOMPARE(pixels::countColour(first, first.rect(), kInk), 0);
    }

    void drawnAreaIsCollectedForTheRefresh()
    {
        QImage image = pixels::blankImage(100, 100);
        GdiCanvas dc(&image);
        QVERIFY(dc.takeDirtyRect().isEmpty());
        dc.fillRect(10, 10, 20, 20, kInk);
        dc.selectPen({kInk, 1});
        dc.moveTo(50, 60);
        dc.lineTo(40, 70);
        dc.setTextColour(kInk);
        dc.drawText(QStringLiteral("7"), 70, 5, 90, 25, dt::BoardText);
        QCOMPARE(dc.takeDirtyRect(), QRect(QPoint(10, 5), QPoint(89, 69)));
        QVERIFY(dc.takeDirtyRect().isEmpty());
    }
};

QTEST_MAIN(TestGdiCanvas)
#include "test_gdi_canvas.moc"
