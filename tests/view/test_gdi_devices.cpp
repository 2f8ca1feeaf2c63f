// The canvas on paper: a QPdfWriter and a QPrinter get the same shapes, in their own pixels, as an
// image does. The PDF is rasterised back at the device's resolution to look at it.
#include "pixels.h"
#include "view/gdi_canvas.h"

#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int kDpi = 150;
const QColor kRed(220, 0, 0);
const QColor kBlue(0, 0, 220);

// The test page, in device pixels: the same calls a board page makes.
void drawPage(GdiCanvas &dc)
{
    dc.fillRect(100, 100, 200, 150, kRed);
    dc.selectPen({kBlue, 1});
    dc.moveTo(100, 300);
    dc.lineTo(400, 300);
    dc.selectPen({kBlue, 9});
    dc.moveTo(100, 400);
    dc.lineTo(400, 400);
    dc.setFontPointSize(24); // 50 device pixels at 150 dpi
    dc.setTextColour(Qt::black);
    dc.drawText(QStringLiteral("8"), 500, 100, 700, 300, dt::BoardText);
}

QImage rasterise(const QString &pdf)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (tool.isEmpty())
        return {};
    const QString out = pdf + QStringLiteral("-page");
    QProcess p;
    p.start(tool, {QStringLiteral("-r"), QString::number(kDpi), QStringLiteral("-aa"), QStringLiteral("no"),
                   QStringLiteral("-aaVector"), QStringLiteral("no"), QStringLiteral("-singlefile"),
                   QStringLiteral("-png"), pdf, out});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QImage(out + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

bool nearly(QRgb pixel, const QColor &colour)
{
    return qAbs(qRed(pixel) - colour.red()) < 40 && qAbs(qGreen(pixel) - colour.green()) < 40 &&
           qAbs(qBlue(pixel) - colour.blue()) < 40;
}

QRect boundsOf(const QImage &page, const QColor &colour, const QRect &region)
{
    return pixels::boundsWhere(page, region, [&](QRgb p) { return nearly(p, colour); });
}

} // namespace

class TestGdiDevices : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void paperGetsTheSameShapes_data()
    {
        QTest::addColumn<QString>("device");
        QTest::newRow("pdf writer") << "pdfwriter";
        QTest::newRow("printer") << "printer";
    }
    void paperGetsTheSameShapes()
    {
        QFETCH(QString, device);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("pdftoppm (poppler-utils) is needed to look at the PDF");
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
        const QPageSize size(QSizeF(120, 100), QPageSize::Millimeter);
        if (device == QLatin1String("pdfwriter")) {
            QPdfWriter writer(pdf);
            writer.setResolution(kDpi);
            writer.setPageSize(size);
            writer.setPageMargins(QMarginsF(0, 0, 0, 0));
            GdiCanvas dc(&writer);
            QVERIFY(dc.isActive());
            drawPage(dc);
        } else {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setResolution(kDpi);
            printer.setPageSize(size);
            printer.setFullPage(true);
            QPainter painter(&printer); // the page printer brings its own painter
            QVERIFY(painter.isActive());
            GdiCanvas dc(&painter);
            drawPage(dc);
        }
        const QImage page = rasterise(pdf);
        QVERIFY(!page.isNull());

        const QRect fill = boundsOf(page, kRed, QRect(0, 0, 300, 250));
        QVERIFY2(qAbs(fill.left() - 100) <= 1 && qAbs(fill.top() - 100) <= 1, "fill starts at its corner");
        QVERIFY2(qAbs(fill.right() - 199) <= 1 && qAbs(fill.bottom() - 149) <= 1, "right and bottom excluded");

        const QRect thin = boundsOf(page, kBlue, QRect(0, 280, 500, 40));
        QVERIFY2(thin.height() <= 2, "a one-pixel pen is one device pixel thick");
        QVERIFY(qAbs(thin.top() - 300) <= 1);
        QVERIFY(qAbs(thin.left() - 100) <= 1 && qAbs(thin.right() - 399) <= 1);

        const QRect wide = boundsOf(page, kBlue, QRect(0, 370, 500, 60));
        QVERIFY2(qAbs(wide.height() - 9) <= 1, "a wide pen is its width thick");
        QVERIFY(qAbs(wide.center().y() - 400) <= 1);

        const QRect glyph = boundsOf(page, Qt::black, QRect(450, 50, 300, 300));
        QVERIFY2(glyph.height() >= 30 && glyph.height() <= 42, "points are the device's points");
        QVERIFY(qAbs(glyph.center().x() - 600) <= 3);
        QVERIFY(qAbs(glyph.center().y() - 200) <= 5);
    }
};

QTEST_MAIN(TestGdiDevices)
#include "test_gdi_devices.moc"
