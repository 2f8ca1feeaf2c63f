// The board as screen readers meet it: a table of the grid's cells, each named for what it shows,
// the selected cell focused whenever the board has the focus, every change told as the focus on
// a cell made anew, and the outcomes nothing else tells spoken as notices.
#pragma once

#include <QString>

#include <functional>

class QAccessibleEvent;

namespace kakuro {
class Puzzle;
}
namespace puzzle {
class Entries;
}

namespace view {

class BoardView;

// What the board shows of an entry cell beyond the player's entries.
struct CellOnShow {
    bool conflict = false; // its digit breaks a run's rules, drawn in the conflict colour
    int solution = 0;      // the solution's digit drawn over it, 0 for none
};

// What grid cell (col, row) shows: "7 in pen", "3 in pencil" or "empty", with ", marked wrong",
// the marks of an empty cell, ", conflict" and the solution on show, for an entry cell; the sums
// for a clue cell ("across 16, down 7"); "block" for any other cell.
QString cellAccessibleName(const kakuro::Puzzle &puzzle, const puzzle::Entries &entries, int col, int row,
                           CellOnShow onShow = {});
// The runs through an entry cell, or headed by a clue cell, with their lengths
// ("across 16 in 2, down 7 in 3"); empty for any other cell.
QString cellAccessibleDescription(const kakuro::Puzzle &puzzle, int col, int row);

// The same for a cell of `board` as it shows now; the description ends with the cell's
// combinations while the board speaks them.
QString boardCellName(const BoardView &board, int col, int row);
QString boardCellDescription(const BoardView &board, int col, int row);
// "Board", or "Board, paused" while the game is paused.
QString boardTableName(const BoardView &board);

// Has screen readers see `board` as the table of its cells, and tells them what changes. Run
// once per board, when its own connections are made.
void makeBoardAccessible(BoardView &board);

// Test seam: every event told of a board, notices included, also goes to `listener`, before Qt,
// which passes it on only while an assistive technology listens (never on the offscreen
// platform). A listener stands for a screen reader. An empty function removes it.
void setAccessibilityListener(std::function<void(QAccessibleEvent &)> listener);

} // namespace view
