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

// `region` as text, one string per row: '#' where the pixel is `ink`, '.' elsewhere.
QStringList art(const QImage &image, const QRect &region, const QColor &ink);

// The smallest rectangle holding every pixel of `region` (all of `image` when null) for which
// `test` holds; empty when there is none.
QRect boundsWhere(const QImage &image, const QRect &region, const std::function<bool(QRgb)> &test);

// The smallest rectangle holding every pixel that is not `background`.
QRect inkBounds(const QImage &image, const QColor &background, const QRect &region = QRect());

// How many pixels of `region` are exactly `colour`.
int countColour(const QImage &image, const QRect &region, const QColor &colour);

// Whether every pixel of `region` is `a` or `b`: text drawn in one colour, unsmoothed.
bool onlyColours(const QImage &image, const QRect &region, const QColor &a, const QColor &b);

bool same(QRgb pixel, const QColor &colour);

// Where a cell's digit may go: the cell of side `cs` at (col, row) less a 3-pixel margin.
inline QRect digitBox(int col, int row, int cs) { return {col * cs + 3, row * cs + 3, cs - 6, cs - 6}; }

} // namespace pixels
