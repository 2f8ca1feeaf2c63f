// The GDI-style canvas: which pixels lines, outlines, fills and text cover on an image, and the
// same shapes in a PDF's own pixels.
#include "view/gdi_canvas.h"
#include "view/pixels.h"

#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using view::GdiCanvas;

class TestGdiCanvas : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Shape (x1, y1)-(x2, y2) and the pixels it inks, '#', row by row from the image's corner.
    void shapes_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QRect>("points"); // x1, y1, x2, y2 as x, y, width, height
        QTest::addColumn<QString>("inked");
        QTest::newRow("line leaves out its end point") << "line" << QRect(1, 1, 5, 1) << "|.####";
        QTest::newRow("line drawn leftwards") << "line" << QRect(5, 1, 1, 1) << "|..####";
        QTest::newRow("45 degrees down") << "line" << QRect(0, 0, 3, 3) << "#|.#|..#";
        QTest::newRow("45 degrees up") << "line" << QRect(3, 0, 0, 3) << "...#|..#|.#";
        QTest::newRow("wide pen, centred with round ends")
            << "wide line" << QRect(2, 3, 8, 3) << "||.#########|.#########|.#########";
        QTest::newRow("outline leaves out right and bottom")
            << "rectangle" << QRect(1, 1, 6, 5) << "|.#####|.#...#|.#...#|.#####";
        QTest::newRow("fill leaves out right and bottom") << "fill" << QRect(1, 1, 4, 3) << "|.###|.###";
        QTest::newRow("fill given right to left") << "fill" << QRect(4, 3, 1, 1) << "|.###|.###";
    }
    void shapes()
    {
        QFETCH(QString, shape);
        QFETCH(QRect, points);
        QImage image = pixels::blankImage(12, 10);
        GdiCanvas dc(&image);
        dc.selectPen({Qt::red, shape == "wide line" ? 3 : 1});
        if (shape.endsWith("line")) {
            dc.moveTo(points.x(), points.y());
            dc.lineTo(points.width(), points.height());
        } else if (shape == "rectangle") {
            dc.rectangle(points.x(), points.y(), points.width(), points.height());
        } else {
            dc.fillRect(points.x(), points.y(), points.width(), points.height(), Qt::red);
        }
        dc.end();
        QStringList inked;
        for (int y = 0; y < image.height(); ++y) {
            QString row;
            for (int x = 0; x < image.width(); ++x)
                row += pixels::same(image.pixel(x, y), Qt::red) ? '#' : '.';
            inked << row.left(row.lastIndexOf('#') + 1);
        }
        QTEST(inked.join('|').remove(QRegularExpression("\\|+$")), "inked");
    }

    // One line of unsmoothed text, placed by its flags in (10, 10)-(50, 40) and clipped to it.
    void text_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<unsigned>("flags");
        QTest::newRow("centred, cut on both sides") << "888888888" << view::textFlags::BoardText;
        QTest::newRow("left and top, line break shown as a space") << "12\n34" << view::textFlags::SingleLine;
    }
    void text()
    {
        QFETCH(QString, text);
        QFETCH(unsigned, flags);
        QImage image = pixels::blankImage(70, 50);
        GdiCanvas dc(&image);
        dc.setFontPointSize(11);
        dc.setTextColour(Qt::red);
        dc.drawText(text, 10, 10, 50, 40, flags);
        dc.end();
        QRect ink;
        const int inked = pixels::countColour(image, Qt::red, QRect(), &ink);
        QCOMPARE(inked + pixels::countColour(image, Qt::white), image.width() * image.height());
        QVERIFY(QRect(10, 10, 40, 30).contains(ink) &&
                ink.height() <= QFontMetrics(dc.font(), &image).ascent());
        QVERIFY(flags == view::textFlags::BoardText
                    ? qAbs(ink.center().x() - 29) <= 2 && qAbs(ink.center().y() - 24) <= 3
                    : ink.left() <= 12 && ink.top() <= 14 && ink.width() > 30);
    }

    // On a PDF, rasterised back at its resolution: a fill leaves out its right and bottom, a thin
    // line is one device pixel, a wide pen its width, and a point size is the device's points.
    void pdfDevice()
    {
        const QString tool = QStandardPaths::findExecutable("pdftoppm");
        if (tool.isEmpty())
            QSKIP("pdftoppm (poppler-utils) is needed to look at the PDF");
        QTemporaryDir dir;
        const QString pdf = dir.filePath("page.pdf");
        {
            QPdfWriter writer(pdf);
            writer.setResolution(150);
            writer.setPageSize(QPageSize(QSizeF(120, 100), QPageSize::Millimeter));
            writer.setPageMargins({});
            GdiCanvas dc(&writer);
            dc.fillRect(100, 100, 200, 150, Qt::red);
            for (const int width : {1, 9}) {
                dc.selectPen({Qt::blue, width});
                dc.moveTo(100, 300 + 10 * width);
                dc.lineTo(400, 300 + 10 * width);
            }
            dc.setFontPointSize(24);
            dc.drawText("8", 500, 100, 700, 300, view::textFlags::BoardText);
        }
        const QStringList args{"-r", "150", "-aa", "no", "-aaVector", "no", "-singlefile", "-png", pdf, pdf};
        QCOMPARE(QProcess::execute(tool, args), 0);
        const QImage page = QImage(pdf + ".png").convertToFormat(QImage::Format_RGB32);
        const auto bounds = [&](const QColor &c, const QRect &region) {
            QRect found;
            pixels::countColour(page, c, region, &found);
            return found;
        };
        const auto near = [&](const QColor &c, const QRect &region, const QRect &expected) {
            const QRect r = bounds(c, region);
            const int off = (r.topLeft() - expected.topLeft()).manhattanLength();
            return off + (r.bottomRight() - expected.bottomRight()).manhattanLength() <= 2;
        };
        QVERIFY(near(Qt::red, {0, 0, 300, 250}, {100, 100, 100, 50}));
        QVERIFY(near(Qt::blue, {0, 300, 500, 20}, {100, 310, 300, 1}));
        QVERIFY(near(Qt::blue, {0, 360, 500, 60}, {QPoint(96, 386), QPoint(404, 394)})); // round ends
        const QRect glyph = bounds(Qt::black, {450, 50, 300, 300});
        QVERIFY(glyph.height() >= 30 && glyph.height() <= 42 && qAbs(glyph.center().x() - 600) <= 3);
    }
};

QTEST_MAIN(TestGdiCanvas)
#include "test_gdi_canvas.moc"
