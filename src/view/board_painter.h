// The board painter: draws the board model on any canvas, on screen and on paper alike.
#pragma once

#include "puzzle/board_model.h"
#include "view/gdi_canvas.h"

#include <QColor>
#include <QString>

// The surface one board is drawn on and the side of one cell in its units.
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

void paintBoard(BoardCanvas &c, const modData::Board &b, bool showSolution, bool showClueDiagonals,
                int fillInset);
void paintSums(BoardCanvas &c, const modData::Board &b, const QColor &colour);
void drawSum(BoardCanvas &c, int col, int row, const QString &text, const QColor &colour, int direction);
void drawCellDigit(BoardCanvas &c, int col, int row, const QString &text, const QColor &colour);
void paintEntryCell(BoardCanvas &c, const modData::Board &b, int col, int row);
void drawSelectionFrame(BoardCanvas &c, int col, int row);
void drawErrorMark(BoardCanvas &c, int col, int row, const GdiPen &pen);
void drawCross(BoardCanvas &c, int col, int row, const GdiPen &pen);
void drawRightEdge(BoardCanvas &c, int col, int row, const GdiPen &pen);
void drawBottomEdge(BoardCanvas &c, int col, int row, const GdiPen &pen);

// The rectangle of a sum box, rounded as the painter rounds it (left, top, right, bottom).
QRect sumRect(int col, int row, int cellSize, int direction);

} // namespace modGDI
