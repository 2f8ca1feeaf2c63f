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

QImage rasterise(const QString &tool, const QString &pdf)
{
    QProcess p;
    p.start(tool, QStringLiteral("-r %1 -aa no -aaVector no -singlefile -png").arg(kDpi).split(' ') << pdf << pdf);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QImage(pdf + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

// Where the pixels near `colour` lie inside `region` of the page.
QRect boundsOf(const QImage &page, const QColor &colour, const QRect &region)
{
    return pixels::boundsWhere(page, region, [&](QRgb p) {
        return qAbs(qRed(p) - colour.red()) < 40 && qAbs(qGreen(p) - colour.green()) < 40 &&
               qAbs(qBlue(p) - colour.blue()) < 40;
    });
}

bool near(int value, int expected, int slack = 1) { return qAbs(value - expected) <= slack; }

} // namespace

class TestGdiDevices : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void paperGetsTheSameShapes_data()
    {
        QTest::addColumn<bool>("printer");
        QTest::newRow("pdf writer") << false;
        QTest::newRow("printer") << true;
    }
    void paperGetsTheSameShapes()
    {
        QFETCH(bool, printer);
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (tool.isEmpty())
            QSKIP("pdftoppm (poppler-utils) is needed to look at the PDF");
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
        const QPageSize size(QSizeF(120, 100), QPageSize::Millimeter);
        if (!printer) {
            QPdfWriter writer(pdf);
            writer.setResolution(kDpi);
            writer.setPageSize(size);
            writer.setPageMargins(QMarginsF(0, 0, 0, 0));
            GdiCanvas dc(&writer);
            QVERIFY(dc.isActive());
            drawPage(dc);
        } else {
            QPrinter device(QPrinter::HighResolution);
            device.setOutputFormat(QPrinter::PdfFormat);
            device.setOutputFileName(pdf);
            device.setResolution(kDpi);
            device.setPageSize(size);
            device.setFullPage(true);
            QPainter painter(&device); // the page printer brings its own painter
            QVERIFY(painter.isActive());
            GdiCanvas dc(&painter);
            drawPage(dc);
        }
        const QImage page = rasterise(tool, pdf);
        QVERIFY(!page.isNull());

        const QRect fill = boundsOf(page, kRed, QRect(0, 0, 300, 250)); // right and bottom excluded
        QVERIFY(near(fill.left(), 100) && near(fill.top(), 100) && near(fill.right(), 199) && near(fill.bottom(), 149));
        const QRect thin = boundsOf(page, kBlue, QRect(0, 280, 500, 40)); // one device pixel thick
        QVERIFY(thin.height() <= 2 && near(thin.top(), 300) && near(thin.left(), 100) && near(thin.right(), 399));
        const QRect wide = boundsOf(page, kBlue, QRect(0, 370, 500, 60)); // its width thick
        QVERIFY(near(wide.height(), 9) && near(wide.center().y(), 400));
        const QRect glyph = boundsOf(page, Qt::black, QRect(450, 50, 300, 300)); // the device's points
        QVERIFY(glyph.height() >= 30 && glyph.height() <= 42);
        QVERIFY(near(glyph.center().x(), 600, 3) && near(glyph.center().y(), 200, 5));
    }
};

QTEST_MAIN(TestGdiDevices)
#include "test_gdi_devices.moc"
