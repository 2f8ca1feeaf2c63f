// Image pages and pixel readers for the printing tests.
#include "page_probe.h"

namespace probe {

ImagePage::ImagePage(std::shared_ptr<PageRecord> record, QSize size, FailAt failAt)
    : record_(std::move(record)), failAt_(failAt)
{
    record_->image = QImage(size, QImage::Format_RGB32);
    record_->image.setDotsPerMeterX(qRound(600 / 0.0254));
    record_->image.setDotsPerMeterY(qRound(600 / 0.0254));
    record_->image.fill(Qt::white);
}

bool ImagePage::startDocument(const QString &jobName)
{
    record_->jobName = jobName;
    ++record_->documentsStarted;
    return failAt_ != FailAt::Document && painter_.begin(&record_->image);
}

bool ImagePage::endDocument()
{
    painter_.end();
    record_->ended = true;
    return failAt_ != FailAt::End;
}

void ImagePage::abortDocument()
{
    if (painter_.isActive())
        painter_.end();
    record_->aborted = true;
}

QList<QPoint> maskOf(const QImage &image, const QColor &colour, QRect area)
{
    area = area.isNull() ? image.rect() : area & image.rect();
    const QRgb want = colour.rgb();
    QList<QPoint> points;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x)
            if (line[x] == want)
                points.append(QPoint(x - area.left(), y - area.top()));
    }
    return points;
}

QRect boundsOf(const QImage &image, const QColor &colour)
{
    QRect bounds;
    for (const QPoint p : maskOf(image, colour))
        bounds |= QRect(p, QSize(1, 1));
    return bounds;
}

} // namespace probe
