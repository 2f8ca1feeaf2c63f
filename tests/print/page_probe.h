// Pages rendered into images for the printing tests, a target that can be told to fail, and
// small readers of what landed on a page.
#pragma once

#include "print/page_target.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>

#include <memory>

namespace probe {

// What happened to one page: the image it was drawn on and the calls that reached the target.
struct PageRecord {
    QImage image;
    QString jobName;
    int documentsStarted = 0;
    bool ended = false;
    bool aborted = false;
};

// A white page of `size` pixels at 600 dpi that records into `record`, and fails where told.
class ImagePage : public modPrint::PageTarget {
public:
    enum class FailAt { Nowhere, Document, Page, End };

    ImagePage(std::shared_ptr<PageRecord> record, QSize size, FailAt failAt = FailAt::Nowhere);

    QSize printableSize() const override { return record_->image.size(); }
    int resolution() const override { return 600; }
    bool startDocument(const QString &jobName) override;
    bool startPage() override { return failAt_ != FailAt::Page; }
    QPainter &painter() override { return painter_; }
    bool endPage() override { return painter_.isActive(); }
    bool endDocument() override;
    void abortDocument() override;

private:
    std::shared_ptr<PageRecord> record_;
    FailAt failAt_;
    QPainter painter_;
};

// The pixels of exactly `colour` inside `area` (the whole image when null), relative to its
// top-left corner.
QList<QPoint> maskOf(const QImage &image, const QColor &colour, QRect area = QRect());
inline qsizetype countOf(const QImage &image, const QColor &colour, QRect area = QRect())
{
    return maskOf(image, colour, area).size();
}
QRect boundsOf(const QImage &image, const QColor &colour);

// The inside of cell (col, row) at `cellSize`, `margin` pixels in from each side.
inline QRect cellInside(int col, int row, int cellSize, int margin = 4)
{
    return QRect(col * cellSize + margin, row * cellSize + margin, cellSize - 2 * margin,
                 cellSize - 2 * margin);
}

} // namespace probe
