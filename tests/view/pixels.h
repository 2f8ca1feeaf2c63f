// Reading drawn images back in tests: pixel maps as text, and where a colour's pixels lie.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QStringList>

namespace pixels {

// A fresh image of `width` x `height` at `dpi`, filled with `background`.
inline QImage blankImage(int width, int height, const QColor &background = Qt::white, int dpi = 96)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(background);
    return image;
}

inline bool same(QRgb pixel, const QColor &colour) { return (pixel & 0xffffff) == (colour.rgb() & 0xffffff); }

// `region` as text, one string per row: '#' where the pixel is `ink`, '.' elsewhere.
inline QStringList art(const QImage &image, const QRect &region, const QColor &ink)
{
    QStringList rows;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        QString row;
        for (int x = region.left(); x <= region.right(); ++x)
            row += same(image.pixel(x, y), ink) ? QLatin1Char('#') : QLatin1Char('.');
        rows << row;
    }
    return rows;
}

// How many pixels of `region` (all of `image` when null) are exactly `colour`, and the smallest
// rectangle holding them.
inline int countColour(const QImage &image, const QColor &colour, QRect region = QRect(), QRect *bounds = nullptr)
{
    region = region.isNull() ? image.rect() : region & image.rect();
    int n = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (same(image.pixel(x, y), colour)) {
                ++n;
                if (bounds)
                    *bounds |= QRect(x, y, 1, 1);
            }
    return n;
}

// The smallest rectangle of `region` holding every pixel that is not `background`.
inline QRect inkBounds(const QImage &image, const QColor &background, QRect region = QRect())
{
    region = region.isNull() ? image.rect() : region & image.rect();
    QRect found;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (!same(image.pixel(x, y), background))
                found |= QRect(x, y, 1, 1);
    return found;
}

} // namespace pixels
