// The board painter: draws a puzzle and the player's entries on any canvas, on screen and on paper
// alike, in the colours of the palette it is given.
#pragma once

#include "core/puzzle.h"
#include "puzzle/entries.h"
#include "view/board_palette.h"
#include "view/gdi_canvas.h"

#include <QRect>
#include <QString>

#include <cstdint>
#include <vector>

namespace view {

// Which digits a full paint puts in the entry cells, all in the palette's solution colour.
enum class BoardDigits {
    None,     // none: the screen draws each cell's own digit over the paint
    Player,   // the digit the player wrote, pen before pencil
    Solution, // the solution digit of every entry cell
};

// Whether the clue cells' diagonals are drawn: the screen always, paper only with the sums.
enum class ClueDiagonals { Hidden, Drawn };

// The device pixels each cell fill leaves at its top and left for a one-pixel grid line.
inline constexpr int kOneLineInset = 1;

enum class SumDirection { Down, Across };

// Cell (col, row) covers (col * cellSize, row * cellSize) to ((col + 1) * cellSize,
// (row + 1) * cellSize) in the canvas's pixels; row 0 and column 0 carry the clues of runs that
// start at the grid's edge. Every operation draws at once with the font selected on the canvas;
// showing the result is the caller's business.
class BoardPainter {
public:
    BoardPainter(GdiCanvas &canvas, int cellSize, const kakuro::Puzzle &puzzle,
                 const puzzle::Entries &entries, const BoardPalette &palette);

    // Fills, clue diagonals (when asked), `digits` and the grid lines. Cell fills leave a strip of
    // `fillInset` device pixels at each cell's top and left in the entry colour: kOneLineInset is
    // the room of a one-pixel line, at any device pixel ratio.
    void paintBoard(BoardDigits digits, ClueDiagonals diagonals, int fillInset);
    // Every across sum, then every down sum, in run order.
    void paintSums();
    void drawSum(int col, int row, const QString &text, SumDirection direction);
    void drawCellDigit(int col, int row, const QString &text, const QColor &colour);
    // Wipes the inside of one entry cell (a selection frame too) and draws its pen or pencil digit,
    // or its candidate marks when it has no digit, and its error mark. Candidate marks use a
    // font a third of the cell's; the digit font stays selected.
    void paintEntryCell(int col, int row);
    // Cells (by index) whose digit is drawn in the conflict colour; none when not given. The
    // vector must outlive the painter.
    void showConflicts(const std::vector<std::uint8_t> *conflicts) { conflicts_ = conflicts; }
    // Cells (by index) filled in the hint colour; none when not given. The vector must outlive the
    // painter.
    void showHighlights(const std::vector<std::uint8_t> *highlighted) { highlighted_ = highlighted; }
    void drawSelectionFrame(int col, int row);
    void drawErrorMark(int col, int row);
    // The cross of Check All's flash.
    void drawCross(int col, int row);

private:
    void drawMarks(int col, int row, int marks);
    void drawRightEdge(int col, int row, const GdiPen &pen);
    void drawBottomEdge(int col, int row, const GdiPen &pen);
    bool isBlock(int col, int row) const;
    // The darker line goes before and above entry cells and along the far edges of the grid.
    const GdiPen &edgePenBefore(int col, int row) const;

    GdiCanvas &canvas_;
    int cellSize_;
    const kakuro::Puzzle &puzzle_;
    const puzzle::Entries &entries_;
    const BoardPalette &palette_;
    GdiPen lightLine_;
    GdiPen darkLine_;
    GdiPen errorPen_;
    const std::vector<std::uint8_t> *conflicts_ = nullptr;
    const std::vector<std::uint8_t> *highlighted_ = nullptr;
};

// The pixels of a sum box, rounded as the painter rounds it: the box runs from (x, y) to the
// exclusive corner (x + width, y + height).
QRect sumRect(int col, int row, int cellSize, SumDirection direction);

} // namespace view
