// The GDI-style canvas: which pixels lines, outlines, fills and text cover on an image, and the
// same shapes in a PDF's own pixels.
#include "view/gdi_canvas.h"
#include "view/pixels.h"

#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using view::GdiCanvas;

namespace {
const QColor kInk(10, 120, 30);
} // namespace

class TestGdiCanvas : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void shapes_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<int>("width");
        QTest::addColumn<QRect>("points"); // (x1, y1, x2, y2) packed as x, y, width, height
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("line leaves out its end point") << "line" << 1 << QRect(1, 1, 5, 1)
                                                       << QStringList{"......", ".####.", "......"};
        QTest::newRow("line drawn leftwards") << "line" << 1 << QRect(5, 1, 1, 1)
                                              << QStringList{"......", "..####", "......"};
        QTest::newRow("45 degrees down") << "line" << 1 << QRect(0, 0, 4, 4)
                                         << QStringList{"#....", ".#...", "..#..", "...#.", "....."};
        QTest::newRow("45 degrees up") << "line" << 1 << QRect(4, 0, 0, 4)
                                       << QStringList{"....#", "...#.", "..#..", ".#...", "....."};
        QTest::newRow("wide pen, centred with round ends")
            << "line" << 3 << QRect(2, 3, 8, 3)
            << QStringList{"...........", "...........", ".#########.", ".#########.", ".#########.", "..........."};
        QTest::newRow("outline leaves out right column and bottom row")
            << "rectangle" << 1 << QRect(1, 1, 6, 5)
            << QStringList{"........", ".#####..", ".#...#..", ".#...#..", ".#####..", "........"};
        QTest::newRow("fill leaves out right column and bottom row")
            << "fill" << 1 << QRect(1, 1, 4, 3) << QStringList{".....", ".###.", ".###.", "....."};
        QTest::newRow("fill given right to left") << "fill" << 1 << QRect(4, 3, 1, 1)
                                                  << QStringList{".....", ".###.", ".###.", "....."};
    }
    void shapes()
    {
        QFETCH(QString, shape);
        QFETCH(int, width);
        QFETCH(QRect, points);
        QFETCH(QStringList, expected);
        QImage image = pixels::blankImage(12, 10);
        GdiCanvas dc(&image);
        dc.selectPen({kInk, width});
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
        QCOMPARE(pixels::countColour(image, kInk), int(expected.join(QString()).count(QLatin1Char('#'))));
    }

    // One line of unsmoothed text, placed by its flags and clipped to its rectangle.
    void text_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("centred");
        QTest::newRow("centred digit") << "8" << true;
        QTest::newRow("left and top") << "8" << false;
        QTest::newRow("centred, cut on both sides") << "888888888" << true;
        QTest::newRow("line break shown as a space") << "12\n34" << false;
    }
    void text()
    {
        QFETCH(QString, text);
        QFETCH(bool, centred);
        const QRect box(10, 10, 40, 30);
        QImage image = pixels::blankImage(70, 50);
        GdiCanvas dc(&image);
        dc.setFontPointSize(11);
        dc.setTextColour(kInk);
        dc.drawText(text, 10, 10, 50, 40, centred ? view::textFlags::BoardText : view::textFlags::SingleLine);
        dc.end();
        QRect ink;
        const int inked = pixels::countColour(image, kInk, QRect(), &ink);
        QVERIFY(box.contains(ink));
        QCOMPARE(inked + pixels::countColour(image, Qt::white), image.width() * image.height()); // no smoothing
        QVERIFY(ink.height() <= QFontMetrics(dc.font(), &image).ascent());                        // one line
        if (centred)
            QVERIFY(qAbs(ink.center().x() - box.center().x()) <= 2 && qAbs(ink.center().y() - box.center().y()) <= 3);
        else
            QVERIFY(ink.left() <= 12 && ink.top() <= 14);
    }

    // On a PDF the same calls give the same shapes in the device's pixels: rasterised back at its
    // resolution, the fill leaves out its right and bottom, a thin line is one pixel, a wide pen
    // its width, and a point size is the device's points.
    void pdfDevice()
    {
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (tool.isEmpty())
            QSKIP("pdftoppm (poppler-utils) is needed to look at the PDF");
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
        {
            QPdfWriter writer(pdf);
            writer.setResolution(150);
            writer.setPageSize(QPageSize(QSizeF(120, 100), QPageSize::Millimeter));
            writer.setPageMargins(QMarginsF(0, 0, 0, 0));
            GdiCanvas dc(&writer);
            dc.fillRect(100, 100, 200, 150, Qt::red);
            dc.selectPen({Qt::blue, 1});
            dc.moveTo(100, 300);
            dc.lineTo(400, 300);
            dc.selectPen({Qt::blue, 9});
            dc.moveTo(100, 400);
            dc.lineTo(400, 400);
            dc.setFontPointSize(24);
            dc.drawText(QStringLiteral("8"), 500, 100, 700, 300, view::textFlags::BoardText);
        }
        QCOMPARE(QProcess::execute(tool, {"-r", "150", "-aa", "no", "-aaVector", "no", "-singlefile", "-png", pdf, pdf}), 0);
        const QImage page = QImage(pdf + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
        const auto boundsOf = [&](const QColor &c, const QRect &region) {
            QRect found;
            pixels::countColour(page, c, region, &found);
            return found;
        };
        const auto near = [](int value, int expected, int slack = 1) { return qAbs(value - expected) <= slack; };
        const QRect fill = boundsOf(Qt::red, QRect(0, 0, 300, 250));
        QVERIFY2(near(fill.left(), 100) && near(fill.top(), 100) && near(fill.right(), 199) && near(fill.bottom(), 149),
                 qPrintable(QDebug::toString(fill)));
        const QRect thin = boundsOf(Qt::blue, QRect(0, 280, 500, 40));
        QVERIFY(thin.height() <= 2 && near(thin.top(), 300) && near(thin.left(), 100) && near(thin.right(), 399));
        const QRect wide = boundsOf(Qt::blue, QRect(0, 370, 500, 60));
        QVERIFY(near(wide.height(), 9) && near(wide.center().y(), 400));
        const QRect glyph = boundsOf(Qt::black, QRect(450, 50, 300, 300));
        QVERIFY(glyph.height() >= 30 && glyph.height() <= 42 && near(glyph.center().x(), 600, 3));
    }
};

QTEST_MAIN(TestGdiCanvas)
#include "test_gdi_canvas.moc"
