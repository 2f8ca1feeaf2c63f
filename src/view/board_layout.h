// Where the board picture's view and the scroll bars go in the space the window leaves for the
// board, and how far each bar scrolls.
#pragma once

#include <QRect>
#include <QSize>

namespace view {

// The inside of the main window, menu bar included; the window manager adds its frame around it.
inline constexpr int windowWidthPx = 775;
inline constexpr int windowHeightPx = 575;

struct BoardLayout {
    QRect view; // where the picture shows, from the space's top left
    QRect vScroll;
    QRect hScroll;
    bool vScrollVisible = false;
    bool hScrollVisible = false;
    int vScrollMax = 0; // picture height - view height, at least 0
    int hScrollMax = 0;
};

// A bar shows exactly when the picture is larger than the view in its direction, a shown bar
// taking its thickness from the other direction's room. At the maximum the picture's last pixel
// touches the view's edge.
BoardLayout computeBoardLayout(QSize space, QSize picture, int vScrollWidth, int hScrollHeight);

// The side of a cell at zoom step `zoomLevel`, and the board picture of a grid of `cells` at it:
// one more row and column for the edge clues, and one pixel for the last grid line.
inline constexpr int cellSizeAt(int zoomLevel)
{
    return zoomLevel * 5 + 20;
}
QSize pictureSizeAt(QSize cells, int zoomLevel);

// The largest zoom step from `minZoom` to `maxZoom` whose picture of `cells` fits `space`
// without a scroll bar; `minZoom` when none does, where the board scrolls.
int fittingZoom(QSize space, QSize cells, int minZoom, int maxZoom);

} // namespace view
