// Pages rendered into images for the printing tests, a target that can be told to fail, and
// small readers of what landed on a page.
#pragma once

#include "print/page_target.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QRect>

#include <memory>

namespace probe {

// What happened to one page: the image it was drawn on and the calls that reached the target.
struct PageRecord {
    QImage image;
    QString jobName;
    int documentsStarted = 0;
    bool ended = false, aborted = false;
};

// A white page of `size` pixels at 600 dpi that records into `record`, and fails where told.
class ImagePage : public modPrint::DevicePageTarget {
public:
    enum class FailAt { Nowhere, Document, Page, End };

    ImagePage(std::shared_ptr<PageRecord> record, QSize size, FailAt failAt = FailAt::Nowhere)
        : DevicePageTarget(record->image), record_(record), failAt_(failAt)
    {
        record_->image = QImage(size, QImage::Format_RGB32);
        record_->image.setDotsPerMeterX(23622); // 600 dpi
        record_->image.setDotsPerMeterY(23622);
        record_->image.fill(Qt::white);
    }
    bool startDocument(const QString &jobName) override
    {
        record_->jobName = jobName;
        ++record_->documentsStarted;
        return failAt_ != FailAt::Document && DevicePageTarget::startDocument(jobName);
    }
    bool startPage() override { return failAt_ != FailAt::Page && DevicePageTarget::startPage(); }
    bool endDocument() override
    {
        record_->ended = true;
        return DevicePageTarget::endDocument() && failAt_ != FailAt::End;
    }
    void abortDocument() override
    {
        record_->aborted = true;
        DevicePageTarget::abortDocument();
    }

private:
    std::shared_ptr<PageRecord> record_;
    FailAt failAt_;
};

// The pixels of exactly `colour` inside `area` (the whole image when null), relative to its
// top-left corner.
inline QList<QPoint> maskOf(const QImage &image, const QColor &colour, QRect area = QRect())
{
    area = area.isNull() ? image.rect() : area & image.rect();
    QList<QPoint> points;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) == colour.rgb())
                points.append(QPoint(x, y) - area.topLeft());
    return points;
}
inline qsizetype countOf(const QImage &image, const QColor &colour, QRect area = QRect())
{
    return maskOf(image, colour, area).size();
}
inline QRect boundsOf(const QImage &image, const QColor &colour)
{
    QRect bounds;
    for (const QPoint p : maskOf(image, colour))
        bounds |= QRect(p, QSize(1, 1));
    return bounds;
}

// The inside of cell (col, row) at `cellSize`, `margin` pixels in from each side.
inline QRect cellInside(int col, int row, int cellSize, int margin = 4)
{
    return QRect(col * cellSize + margin, row * cellSize + margin, cellSize - 2 * margin,
                 cellSize - 2 * margin);
}

} // namespace probe
