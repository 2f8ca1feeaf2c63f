// Reading drawn images back in tests: pixel maps as text, and where a colour's pixels lie.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QStringList>

#include <functional>

namespace pixels {

// A fresh 96-dpi image filled with `background`, like the board picture's.
QImage blankImage(int width, int height, const QColor &background = Qt::white);

// The area `region` of `image` as text, one string per row: '#' where the pixel is `ink`,
// '.' where it is anything else.
QStringList art(const QImage &image, const QRect &region, const QColor &ink);

// The smallest rectangle holding every pixel of `image` inside `region` for which `test` holds;
// empty when there is none.
QRect boundsWhere(const QImage &image, const QRect &region, const std::function<bool(QRgb)> &test);

// The smallest rectangle holding every pixel that is not `background`.
QRect inkBounds(const QImage &image, const QColor &background, const QRect &region = QRect());

// How many pixels of `region` are exactly `colour`.
int countColour(const QImage &image, const QRect &region, const QColor &colour);

bool same(QRgb pixel, const QColor &colour);

} // namespace pixels
