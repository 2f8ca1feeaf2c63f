// The board's placement in its space.
#include "view/board_layout.h"

#include <algorithm>

namespace view {

BoardLayout computeBoardLayout(QSize space, QSize picture, int vScrollWidth, int hScrollHeight)
{
    BoardLayout g;
    // Each shown bar narrows the other direction, which may call for the other bar in turn; two
    // rounds settle it.
    for (int round = 0; round < 2; ++round) {
        g.hScrollVisible = picture.width() > space.width() - (g.vScrollVisible ? vScrollWidth : 0);
        g.vScrollVisible = picture.height() > space.height() - (g.hScrollVisible ? hScrollHeight : 0);
    }
    const int viewWidth = std::max(0, space.width() - (g.vScrollVisible ? vScrollWidth : 0));
    const int viewHeight = std::max(0, space.height() - (g.hScrollVisible ? hScrollHeight : 0));
    g.view = QRect(0, 0, viewWidth, viewHeight);
    g.vScroll = QRect(viewWidth, 0, vScrollWidth, viewHeight);
    g.hScroll = QRect(0, viewHeight, viewWidth, hScrollHeight);
    g.vScrollMax = std::max(0, picture.height() - viewHeight);
    g.hScrollMax = std::max(0, picture.width() - viewWidth);
    return g;
}

QSize pictureSizeAt(QSize cells, int zoomLevel)
{
    const int side = cellSizeAt(zoomLevel);
    return {(cells.width() + 1) * side + 1, (cells.height() + 1) * side + 1};
}

int fittingZoom(QSize space, QSize cells, int minZoom, int maxZoom)
{
    for (int zoom = maxZoom; zoom > minZoom; --zoom) {
        const QSize picture = pictureSizeAt(cells, zoom);
        if (picture.width() <= space.width() && picture.height() <= space.height())
            return zoom;
    }
    return minZoom;
}

} // namespace view
