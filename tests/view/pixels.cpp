// Reading drawn images back in tests.
#include "pixels.h"

namespace pixels {

QImage blankImage(int width, int height, const QColor &background)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(background);
    return image;
}

bool same(QRgb pixel, const QColor &colour)
{
    return (pixel & 0xffffff) == (colour.rgb() & 0xffffff);
}

QStringList art(const QImage &image, const QRect &region, const QColor &ink)
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

QRect boundsWhere(const QImage &image, const QRect &region, const std::function<bool(QRgb)> &test)
{
    const QRect area = (region.isNull() ? image.rect() : region) & image.rect();
    QRect found;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(image.pixel(x, y)))
                found |= QRect(x, y, 1, 1);
    return found;
}

QRect inkBounds(const QImage &image, const QColor &background, const QRect &region)
{
    return boundsWhere(image, region, [&](QRgb p) { return !same(p, background); });
}

int countColour(const QImage &image, const QRect &region, const QColor &colour)
{
    int n = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            n += same(image.pixel(x, y), colour);
    return n;
}

bool onlyColours(const QImage &image, const QRect &region, const QColor &a, const QColor &b)
{
    return countColour(image, region, a) + countColour(image, region, b) == region.width() * region.height();
}

} // namespace pixels
