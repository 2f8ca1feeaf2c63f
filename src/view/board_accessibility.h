// The board as screen readers meet it: a table whose row and column are the board's own, each
// cell named for what it shows, the selected cell focused, and every change told as it happens.
#pragma once

#include <QString>

#include <functional>

class QAccessibleEvent;

namespace puzzle {
class Entries;
class Puzzle;
} // namespace puzzle

namespace view {

class BoardView;

// What cell (col, row) shows, 0 <= col <= width, 0 <= row <= height: "7 in pen", "3 in pencil" or
// "empty" with ", marked wrong" and the marks of an empty cell for an entry cell; the sums for a
// clue cell ("across 16, down 7"); "block" for any other cell.
QString cellAccessibleName(const puzzle::Puzzle &puzzle, const puzzle::Entries &entries, int col, int row);
// The runs through an entry cell, or headed by a clue cell, with their lengths
// ("across 16 in 2, down 7 in 3"); empty for any other cell.
QString cellAccessibleDescription(const puzzle::Puzzle &puzzle, int col, int row);

// Has screen readers see `board` as the table of its cells, and tells them when the selection
// moves, a cell changes and a puzzle opens. Run once per board, when its own connections are made.
void makeBoardAccessible(BoardView &board);

// Test seam: every event told of a board also goes to `listener`, before Qt, which passes it on
// only while an assistive technology listens (never on the offscreen platform). An empty function
// removes it.
void setAccessibilityListener(std::function<void(QAccessibleEvent &)> listener);

} // namespace view
