// The board painter: draws the board model on any canvas, on screen and on paper alike.
#pragma once

#include "puzzle/board_model.h"
#include "view/gdi_canvas.h"

#include <QColor>
#include <QString>

// The surface one board is drawn on and the side of one cell in its units. Cell (col, row) covers
// (col * cellSize, row * cellSize) to ((col + 1) * cellSize, (row + 1) * cellSize); row 0 and
// column 0 lie outside the grid and carry the clues of runs that start at its edges.
struct BoardCanvas {
    GdiCanvas *hdc = nullptr;
    int cellSize = 33;
};

namespace modGDI {

// The module-wide drawing tools shared by screen and printer drawing.
struct DrawingTools {
    QColor entryBrush;
    QColor clueBrush;
    GdiPen lightLinePen;
    GdiPen darkLinePen;
    GdiPen errorPen;
    QColor penDigitColour;
    QColor pencilDigitColour;
    QColor solutionDigitColour;
};

inline constexpr int Down = 1;
inline constexpr int Across = 2;

// Replaces the tools for all later drawing.
void createDrawingTools(const QColor &entryColour, const QColor &clueColour, int lineWidth);
const DrawingTools &tools();
// Lets the page printer draw the solution digits of paintBoard in its own colour.
void setSolutionDigitColour(const QColor &colour);

// Every operation draws at once on c.hdc with the font selected there; showing the result is the
// caller's business. Positions are (col, row).

// Fills, clue diagonals, digits of filled cells (or of every cell with showSolution) in the
// solution colour, and the grid lines.
void paintBoard(BoardCanvas &c, const modData::Board &b, bool showSolution, bool showClueDiagonals,
                int fillInset);
// Every across sum, then every down sum, in run order.
void paintSums(BoardCanvas &c, const modData::Board &b, const QColor &colour);
void drawSum(BoardCanvas &c, int col, int row, const QString &text, const QColor &colour, int direction);
void drawCellDigit(BoardCanvas &c, int col, int row, const QString &text, const QColor &colour);
// Wipes the inside of one entry cell (a selection frame too) and draws its pen or pencil digit
// and its error mark.
void paintEntryCell(BoardCanvas &c, const modData::Board &b, int col, int row);
void drawSelectionFrame(BoardCanvas &c, int col, int row);
void drawErrorMark(BoardCanvas &c, int col, int row, const GdiPen &pen);
void drawCross(BoardCanvas &c, int col, int row, const GdiPen &pen);
void drawRightEdge(BoardCanvas &c, int col, int row, const GdiPen &pen);
void drawBottomEdge(BoardCanvas &c, int col, int row, const GdiPen &pen);

// The pixels of a sum box, rounded as the painter rounds it: the box runs from (x, y) to the
// exclusive corner (x + width, y + height).
QRect sumRect(int col, int row, int cellSize, int direction);

} // namespace modGDI
