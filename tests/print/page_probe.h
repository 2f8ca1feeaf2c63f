// Blank pages for the printing tests and small readers of what landed on them.
#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QRect>

namespace probe {

// A white page of `size` pixels at 600 dpi.
inline QImage blankPage(QSize size)
{
    QImage page(size, QImage::Format_RGB32);
    page.setDotsPerMeterX(23622);
    page.setDotsPerMeterY(23622);
    page.fill(Qt::white);
    return page;
}

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

// The inside of cell (col, row) at `cellSize`, `margin` pixels in from each side.
inline QRect cellInside(int col, int row, int cellSize, int margin = 4)
{
    return QRect(col * cellSize + margin, row * cellSize + margin, cellSize - 2 * margin,
                 cellSize - 2 * margin);
}

} // namespace probe
