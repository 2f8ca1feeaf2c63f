// The board's placement formulas.
#include "view/board_layout.h"

#include <algorithm>

BoardLayout computeBoardLayout(const BoardLayoutInput &in)
{
    BoardLayout g;
    const int cs = in.cellSize;
    g.picture = QRect(in.numberBarWidth, in.toolbarHeight, (in.gridWidth + 1) * cs + 1,
                      (in.gridHeight + 1) * cs + 1);
    g.viewWidth = windowWidthPx - in.numberBarWidth - in.vScrollWidth - 20;
    g.viewHeight = windowHeightPx - in.toolbarHeight - in.hScrollHeight - 20 - 30;

    g.vScroll = QRect(windowWidthPx - (in.vScrollWidth + 5), in.toolbarHeight, in.vScrollWidth,
                      std::max(0, g.viewHeight - in.hScrollHeight));
    g.hScroll = QRect(in.numberBarWidth, windowHeightPx - (in.vScrollWidth + 55),
                      std::max(0, g.viewWidth - in.vScrollWidth), in.hScrollHeight);

    g.vScrollMax = (in.gridHeight + 1) * cs - g.viewHeight + 20;
    g.hScrollMax = (in.gridWidth + 1) * cs - g.viewWidth + 20;
    g.vScrollVisible = g.picture.height() > g.viewHeight;
    g.hScrollVisible = g.picture.width() > g.viewWidth;

    const int right = g.vScrollVisible ? g.vScroll.left() : in.client.width();
    const int bottom = g.hScrollVisible ? g.hScroll.top() : in.client.height();
    g.view = QRect(in.numberBarWidth, in.toolbarHeight, std::max(0, right - in.numberBarWidth),
                   std::max(0, bottom - in.toolbarHeight));
    return g;
}
