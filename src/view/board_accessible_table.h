// The board picture as screen readers see it: a table with one cell per grid cell, row 1 and
// column 1 being the grid's first, as the hints count them.
#pragma once

#include <QAccessible>

class QWidget;

namespace view {

class BoardView;

// Has Qt make the board picture's accessible table. Run once, before the first is asked for.
void installBoardTableFactory();

// The table index of grid cell (col, row) of `board`, -1 for a place outside the grid or while
// the table is empty.
int boardChildIndex(const BoardView &board, int col, int row);

// Makes the accessible object of grid cell (col, row) anew, or of every cell for (-1, -1): a
// screen reader then meets it as a new object and reads all of it again on its next focus.
void renewBoardCells(BoardView &board, int col = -1, int row = -1);

} // namespace view
