// Where the board picture, its view and its scroll bars go in the main window's client area, worked
// out from the grid, the cell size and the measured sizes of the controls around the board.
#pragma once

#include <QRect>
#include <QSize>

// The window's fixed size; the client area's coordinates are laid out as if it were all client.
inline constexpr int windowWidthPx = 775;
inline constexpr int windowHeightPx = 575;

struct BoardLayoutInput {
    int gridWidth = 0;
    int gridHeight = 0;
    int cellSize = 0;
    int toolbarHeight = 0;     // height of tb
    int numberBarWidth = 0;    // width of tbNumButns
    int vScrollWidth = 0;      // width of VScroll1
    int hScrollHeight = 0;     // height of HScroll1
    QSize client;              // the client area the picture may show in
};

struct BoardLayout {
    QRect picture;             // the picture before scrolling: at (width of tbNumButns, height of tb)
    int viewWidth = 0;
    int viewHeight = 0;
    QRect vScroll;
    QRect hScroll;
    int vScrollMax = 0;        // as computed: negative when the picture is much smaller than the view
    int hScrollMax = 0;
    bool vScrollVisible = false;
    bool hScrollVisible = false;
    // The area the picture shows through: from the toolbars to the scroll bars that are shown,
    // or to the client area's edge where a scroll bar is hidden.
    QRect view;
};

BoardLayout computeBoardLayout(const BoardLayoutInput &in);
