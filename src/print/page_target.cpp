// The page targets: printer, PDF file and plain paint device.
#include "print/page_target.h"

#include "platform/app_identity.h"
#include "platform/whole_file.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPrinterInfo>

namespace print {

QString PageTarget::endFailureText() const
{
    return QCoreApplication::translate(
        "print::PageTarget", "The page could not be handed to the printer, so nothing was printed.");
}

// --- Any paint device ---

QSize DevicePageTarget::printableSize() const
{
    return {device_.width(), device_.height()};
}

int DevicePageTarget::resolution() const
{
    return device_.logicalDpiY();
}

bool DevicePageTarget::startDocument(const QString &)
{
    return painter_.begin(&device_);
}

bool DevicePageTarget::startPage()
{
    return painter_.isActive();
}

bool DevicePageTarget::endPage()
{
    return painter_.isActive();
}

bool DevicePageTarget::endDocument()
{
    return painter_.end();
}

void DevicePageTarget::abortDocument()
{
    if (painter_.isActive())
        painter_.end();
}

// --- A printer ---

PrinterPageTarget::PrinterPageTarget(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {}

// QPrinter's own width and height are those of the printable area (full-page mode is off).
QSize PrinterPageTarget::printableSize() const
{
    return {printer_->width(), printer_->height()};
}

int PrinterPageTarget::resolution() const
{
    return printer_->resolution();
}

bool PrinterPageTarget::printerFailed() const
{
    const QPrinter::PrinterState state = printer_->printerState();
    return state == QPrinter::Error || state == QPrinter::Aborted;
}

bool PrinterPageTarget::startDocument(const QString &jobName)
{
    printer_->setDocName(jobName);
    printer_->setCreator(platform::appTitle);
    // Beginning to paint on a printer opens the job and its first page together.
    return painter_.begin(printer_.get()) && !printerFailed();
}

bool PrinterPageTarget::startPage()
{
    return painter_.isActive() && !printerFailed();
}

bool PrinterPageTarget::endPage()
{
    return painter_.isActive() && !printerFailed();
}

bool PrinterPageTarget::endDocument()
{
    const bool ended = painter_.end();
    return ended && !printerFailed();
}

void PrinterPageTarget::abortDocument()
{
    if (painter_.isActive()) {
        printer_->abort();
        painter_.end();
    }
}

// --- A PDF file ---

PdfPageTarget::PdfPageTarget(const QPageSize &pageSize, const QString &path)
    : path_(path), writer_(&document_)
{
    writer_.setResolution(dotsPerInch);
    writer_.setPageLayout(
        QPageLayout(pageSize, QPageLayout::Portrait, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    writer_.setCreator(platform::appTitle);
}

QSize PdfPageTarget::printableSize() const
{
    return {writer_.width(), writer_.height()};
}

int PdfPageTarget::resolution() const
{
    return writer_.resolution();
}

bool PdfPageTarget::startDocument(const QString &jobName)
{
    writer_.setTitle(jobName);
    document_.setData(QByteArray());
    if (!document_.open(QIODevice::WriteOnly))
        return false;
    if (!painter_.begin(&writer_)) {
        document_.close();
        return false;
    }
    return true;
}

bool PdfPageTarget::startPage()
{
    return painter_.isActive();
}

bool PdfPageTarget::endPage()
{
    return painter_.isActive();
}

bool PdfPageTarget::endDocument()
{
    const bool ended = painter_.end();
    document_.close();
    // Every byte is checked on its way to the disk: a full disk keeps the earlier file.
    return ended && platform::writeWholeFile(path_, document_.data(), nullptr);
}

void PdfPageTarget::abortDocument()
{
    if (painter_.isActive())
        painter_.end();
    document_.close();
}

QString PdfPageTarget::endFailureText() const
{
    return QCoreApplication::translate("print::PageTarget", "The PDF file could not be written:\n%1")
        .arg(path_);
}

// --- Choosing ---

QPageSize pdfPageSizeFor(const QLocale &locale)
{
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                             : QPageSize::A4);
}

namespace {
PrinterProvider &providerSlot()
{
    static PrinterProvider slot;
    return slot;
}
} // namespace

void setPrinterProvider(PrinterProvider provider)
{
    providerSlot() = std::move(provider);
}

std::unique_ptr<PageTarget> openDefaultPrinter()
{
    if (providerSlot())
        return providerSlot()();
    // Without a printer QPrinter would quietly become a PDF writer with no file, so look first.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    return std::make_unique<PrinterPageTarget>(std::make_unique<QPrinter>(info, QPrinter::HighResolution));
}

} // namespace print
