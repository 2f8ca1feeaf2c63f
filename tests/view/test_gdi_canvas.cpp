// The GDI-style canvas on an image: which pixels lines, outlines, fills and text cover.
#include "pixels.h"
#include "view/board_picture.h"
#include "view/gdi_canvas.h"

#include <QFontInfo>
#include <QTest>

namespace {
const QColor kInk(10, 120, 30);
} // namespace

class TestGdiCanvas : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void shapesExcludeTheirEnd_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QRect>("points"); // (x1, y1, x2, y2) packed as x, y, width, height
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("line rightwards") << "line" << QRect(1, 1, 5, 1) << QStringList{"......", ".####.", "......"};
        QTest::newRow("line leftwards") << "line" << QRect(5, 1, 1, 1) << QStringList{"......", "..####", "......"};
        QTest::newRow("line upwards") << "line" << QRect(1, 3, 1, 0) << QStringList{"...", ".#.", ".#.", ".#."};
        QTest::newRow("diagonal") << "line" << QRect(0, 0, 4, 4) << QStringList{"#....", ".#...", "..#..", "...#.", "....."};
        QTest::newRow("anti-diagonal") << "line" << QRect(4, 0, 0, 4) << QStringList{"....#", "...#.", "..#..", ".#...", "....."};
        QTest::newRow("zero length") << "line" << QRect(2, 2, 2, 2) << QStringList{"...", "...", "..."};
        QTest::newRow("outline") << "rectangle" << QRect(1, 1, 6, 5)
                                 << QStringList{"........", ".#####..", ".#...#..", ".#...#..", ".#####..", "........"};
        QTest::newRow("outline one wide") << "rectangle" << QRect(1, 1, 2, 4) << QStringList{"...", ".#.", ".#.", ".#.", "..."};
        QTest::newRow("empty outline") << "rectangle" << QRect(2, 2, 2, 5) << QStringList{"....", "....", "...."};
        QTest::newRow("fill") << "fill" << QRect(1, 1, 4, 3) << QStringList{".....", ".###.", ".###.", "....."};
        QTest::newRow("fill right to left") << "fill" << QRect(4, 3, 1, 1) << QStringList{".....", ".###.", ".###.", "....."};
    }
    void shapesExcludeTheirEnd()
    {
        QFETCH(QString, shape);
        QFETCH(QRect, points);
        QFETCH(QStringList, expected);
        QImage image = pixels::blankImage(10, 10);
        GdiCanvas dc(&image);
        dc.selectPen({kInk, 1});
        if (shape == QLatin1String("line")) {
            dc.moveTo(points.x(), points.y());
            dc.lineTo(points.width(), points.height());
        } else if (shape == QLatin1String("rectangle")) {
            dc.rectangle(points.x(), points.y(), points.width(), points.height());
        } else {
            dc.fillRect(points.x(), points.y(), points.width(), points.height(), kInk);
        }
        dc.end();
        QCOMPARE(pixels::art(image, QRect(0, 0, int(expected.first().size()), int(expected.size())), kInk), expected);
        QCOMPARE(pixels::countColour(image, image.rect(), kInk), int(expected.join(QString()).count(QLatin1Char('#'))));
    }

    void textStaysInItsRectangle_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<unsigned>("format");
        QTest::addColumn<int>("xFromCentre"); // where the ink's middle may be: -1 left-aligned
        QTest::newRow("centred digit") << "8" << dt::BoardText << 2;
        QTest::newRow("centred number") << "45" << dt::BoardText << 2;
        QTest::newRow("left and top") << "8" << dt::SingleLine << -1;
        QTest::newRow("centred, cut on both sides") << "888888888" << dt::BoardText << 1;
        QTest::newRow("left, cut on the right") << "888888888" << dt::SingleLine << -1;
        QTest::newRow("line break shown as a space") << "12\n34" << dt::SingleLine << -1;
    }
    void textStaysInItsRectangle()
    {
        QFETCH(QString, text);
        QFETCH(unsigned, format);
        QFETCH(int, xFromCentre);
        const QRect box(10, 10, 40, 30); // (10, 10)-(50, 40)
        QImage image = pixels::blankImage(70, 50);
        GdiCanvas dc(&image);
        dc.setFontPointSize(11);
        dc.setTextColour(kInk);
        dc.drawText(text, 10, 10, 50, 40, format);
        dc.end();
        const QRect ink = pixels::inkBounds(image, Qt::white);
        QVERIFY(box.contains(ink));
        QVERIFY(pixels::onlyColours(image, ink, kInk, Qt::white)); // no smoothing
        const QFontMetrics fm(dc.font(), &image);
        QVERIFY(ink.height() <= fm.ascent()); // one line
        if (xFromCentre >= 0) {
            QVERIFY(qAbs(ink.center().x() - box.center().x()) <= xFromCentre);
            QVERIFY(qAbs(ink.center().y() - box.center().y()) <= 3);
        } else {
            QVERIFY(ink.left() >= 10 && ink.left() <= 12);
            QVERIFY(qAbs(ink.top() - (10 + fm.ascent() - fm.capHeight())) <= 1);
        }
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
        QTest::newRow("18 pt") << 18.0 << 24;
        QTest::newRow("8.6 pt, kept fractional") << 8.6 << 11;
    }
    void pointSizesArePixelsAt96Dpi()
    {
        QFETCH(double, points);
        QFETCH(int, pixels);
        BoardPicture picture;
        picture.resizePicture(50, 50);
        GdiCanvas &dc = *picture.canvas();
        dc.setFontPointSize(points);
        QFont byPixels = dc.font();
        byPixels.setPixelSize(pixels);
        const QFontMetrics onPicture(dc.font(), &picture.image());
        QCOMPARE(onPicture.height(), QFontMetrics(byPixels).height());
        QCOMPARE(onPicture.horizontalAdvance("4567"), QFontMetrics(byPixels).horizontalAdvance("4567"));
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
        dc.fillRect(10, 10, 20, 20, kInk);
        dc.selectPen({kInk, 1});
        dc.moveTo(50, 60);
        dc.lineTo(40, 70);
        dc.drawText(QStringLiteral("7"), 70, 5, 90, 25, dt::BoardText);
        QCOMPARE(dc.takeDirtyRect(), QRect(QPoint(10, 5), QPoint(89, 69)));
        QVERIFY(dc.takeDirtyRect().isEmpty());
    }
};

QTEST_MAIN(TestGdiCanvas)
#include "test_gdi_canvas.moc"
