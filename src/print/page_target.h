// Where a printed page goes: the default printer, a PDF file, or (in tests) an image. The page
// printer draws the same page through the same code on each of them.
#pragma once

#include <QBuffer>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

namespace print {

// One document of one page. The calls come in the order startDocument, startPage, drawing on
// painter(), endPage, endDocument; abortDocument may replace any call after a successful
// startDocument and leaves nothing open.
class PageTarget {
public:
    virtual ~PageTarget() = default;

    // The printable area in device pixels; the page's origin is its top-left corner.
    virtual QSize printableSize() const = 0;
    // Device pixels per inch, which turns point sizes into pixels.
    virtual int resolution() const = 0;

    // False when the device refuses the document.
    virtual bool startDocument(const QString &jobName) = 0;
    // False when the device refuses the page.
    virtual bool startPage() = 0;
    // Active between a successful startPage and endPage.
    virtual QPainter &painter() = 0;
    virtual bool endPage() = 0;
    // Hands the document over; false when that failed and the page did not get through.
    virtual bool endDocument() = 0;
    virtual void abortDocument() = 0;

    // What the player is told when endDocument fails: by default, that a printer took the
    // document but the job then failed.
    virtual QString endFailureText() const;
};

// A page on any paint device of fixed size (an image, in tests).
class DevicePageTarget : public PageTarget {
public:
    explicit DevicePageTarget(QPaintDevice &device) : device_(device) {}

    QSize printableSize() const override;
    int resolution() const override;
    bool startDocument(const QString &jobName) override;
    bool startPage() override;
    QPainter &painter() override { return painter_; }
    bool endPage() override;
    bool endDocument() override;
    void abortDocument() override;

protected:
    QPaintDevice &device_;
    QPainter painter_;
};

// A page on a printer. The printer is set up by the caller (normally the default printer at its
// own resolution); the job name becomes the printer's document name.
class PrinterPageTarget : public PageTarget {
public:
    explicit PrinterPageTarget(std::unique_ptr<QPrinter> printer);

    QPrinter &printer() { return *printer_; }
    QSize printableSize() const override;
    int resolution() const override;
    bool startDocument(const QString &jobName) override;
    bool startPage() override;
    QPainter &painter() override { return painter_; }
    bool endPage() override;
    bool endDocument() override;
    void abortDocument() override;

private:
    bool printerFailed() const;

    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
};

// A page in a PDF file at 600 dpi on `pageSize` paper with 10 mm margins. The document is made in
// memory and the file replaced only when all of it is written; a failed or abandoned one leaves no
// file behind and an earlier file as it was.
class PdfPageTarget : public PageTarget {
public:
    explicit PdfPageTarget(const QPageSize &pageSize, const QString &path = QString());

    // The file to write; set before startDocument.
    void setFileName(const QString &path) { path_ = path; }

    static constexpr int dotsPerInch = 600;

    QSize printableSize() const override;
    int resolution() const override;
    bool startDocument(const QString &jobName) override;
    bool startPage() override;
    QPainter &painter() override { return painter_; }
    bool endPage() override;
    bool endDocument() override;
    void abortDocument() override;
    QString endFailureText() const override;

private:
    QString path_;
    QBuffer document_;
    QPdfWriter writer_;
    QPainter painter_;
};

// A4, or Letter where the locale measures in US units.
QPageSize pdfPageSizeFor(const QLocale &locale);

// The system's default printer as a page target, or nothing when no printer is installed.
std::unique_ptr<PageTarget> openDefaultPrinter();

// Test seam: replaces the default printer; an empty function restores the real one.
using PrinterProvider = std::function<std::unique_ptr<PageTarget>()>;
void setPrinterProvider(PrinterProvider provider);

} // namespace print
