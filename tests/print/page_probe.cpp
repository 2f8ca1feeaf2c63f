// Image pages and pixel readers for the printing tests.
#include "page_probe.h"

namespace probe {

ImagePage::ImagePage(std::shared_ptr<PageRecord> record, QSize size, FailAt failAt)
    : record_(std::move(record)), failAt_(failAt)
{
    record_->image = QImage(size, QImage::Format_RGB32);
    const int dotsPerMetre = qRound(dotsPerInch / 0.0254);
    record_->image.setDotsPerMeterX(dotsPerMetre);
    record_->image.setDotsPerMeterY(dotsPerMetre);
    record_->image.fill(Qt::white);
}

bool ImagePage::startDocument(const QString &jobName)
{
    record_->jobName = jobName;
    ++record_->documentsStarted;
    if (failAt_ == FailAt::Document)
        return false;
    return painter_.begin(&record_->image);
}

bool ImagePage::startPage()
{
    record_->pageStarted = failAt_ != FailAt::Page;
    return record_->pageStarted;
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

namespace {
QRect clipTo(const QImage &image, QRect area) { return area.isNull() ? image.rect() : area & image.rect(); }
} // namespace

int countOf(const QImage &image, const QColor &colour, QRect area)
{
    area = clipTo(image, area);
    const QRgb want = colour.rgb();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x)
            n += line[x] == want;
    }
    return n;
}

QRect boundsOf(const QImage &image, const QColor &colour, QRect area)
{
    area = clipTo(image, area);
    const QRgb want = colour.rgb();
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x)
            if (line[x] == want)
                bounds |= QRect(x, y, 1, 1);
    }
    return bounds;
}

QList<QPoint> maskOf(const QImage &image, const QColor &colour, const QRect &area)
{
    const QRect a = clipTo(image, area);
    const QRgb want = colour.rgb();
    QList<QPoint> points;
    for (int y = a.top(); y <= a.bottom(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = a.left(); x <= a.right(); ++x)
            if (line[x] == want)
                points.append(QPoint(x - a.left(), y - a.top()));
    }
    return points;
}

QRect cellInside(int col, int row, int cellSize, int margin)
{
    return QRect(col * cellSize + margin, row * cellSize + margin, cellSize - 2 * margin, cellSize - 2 * margin);
}

} // namespace probe
