// Reading drawn images back in tests.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

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

inline bool same(QRgb pixel, const QColor &colour)
{
    return (pixel & 0xffffff) == (colour.rgb() & 0xffffff);
}

// How many pixels of `region` (all of `image` when null) are exactly `colour`, and the smallest
// rectangle holding them.
inline int countColour(const QImage &image, const QColor &colour, QRect region = QRect(),
                       QRect *bounds = nullptr)
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

} // namespace pixels
