// Pages rendered into images for the printing tests, a target that can be told to fail, and
// small readers of what landed on a page.
#pragma once

#include "print/page_target.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

#include <memory>

namespace probe {

inline constexpr int dotsPerInch = 600;

// What happened to one page: the image it was drawn on and the calls that reached the target.
struct PageRecord {
    QImage image;
    QString jobName;
    int documentsStarted = 0;
    bool pageStarted = false;
    bool ended = false;
    bool aborted = false;
};

// A white page of `size` pixels at 600 dpi that records into `record`, and fails where told.
class ImagePage : public modPrint::PageTarget {
public:
    enum class FailAt { Nowhere, Document, Page, End };

    ImagePage(std::shared_ptr<PageRecord> record, QSize size, FailAt failAt = FailAt::Nowhere);

    QSize printableSize() const override { return record_->image.size(); }
    int resolution() const override { return dotsPerInch; }
    bool startDocument(const QString &jobName) override;
    bool startPage() override;
    QPainter &painter() override { return painter_; }
    bool endPage() override { return painter_.isActive(); }
    bool endDocument() override;
    void abortDocument() override;

    // True while a document is open on it.
    bool isOpen() const { return painter_.isActive(); }

private:
    std::shared_ptr<PageRecord> record_;
    FailAt failAt_;
    QPainter painter_;
};

// Exact-colour pixel readers; `area` defaults to the whole image.
int countOf(const QImage &image, const QColor &colour, QRect area = QRect());
QRect boundsOf(const QImage &image, const QColor &colour, QRect area = QRect());
// The pixels of `colour` inside `area`, relative to its top-left corner.
QList<QPoint> maskOf(const QImage &image, const QColor &colour, const QRect &area);

// The inside of cell (col, row) at `cellSize`, `margin` pixels in from each side.
QRect cellInside(int col, int row, int cellSize, int margin = 4);

} // namespace probe
