// The board painter.
#include "view/board_painter.h"

namespace modGDI {
namespace {
DrawingTools &toolSet()
{
    static DrawingTools t;
    return t;
}
} // namespace

void createDrawingTools(const QColor &entryColour, const QColor &clueColour, int lineWidth)
{
    DrawingTools &t = toolSet();
    t.entryBrush = entryColour;
    t.clueBrush = clueColour;
    t.lightLinePen = {QColor(150, 150, 150), lineWidth};
    t.darkLinePen = {QColor(0, 0, 0), lineWidth};
    t.errorPen = {QColor(200, 20, 20), 1};
    t.penDigitColour = QColor(20, 20, 240);
    t.pencilDigitColour = QColor(150, 150, 150);
    t.solutionDigitColour = QColor(0, 0, 0);
}

const DrawingTools &tools() { return toolSet(); }

void setSolutionDigitColour(const QColor &colour) { toolSet().solutionDigitColour = colour; }

// TODO(painter): the drawing operations.
void paintBoard(BoardCanvas &, const modData::Board &, bool, bool, int) {}
void paintSums(BoardCanvas &, const modData::Board &, const QColor &) {}
void drawSum(BoardCanvas &, int, int, const QString &, const QColor &, int) {}
void drawCellDigit(BoardCanvas &, int, int, const QString &, const QColor &) {}
void paintEntryCell(BoardCanvas &, const modData::Board &, int, int) {}
void drawSelectionFrame(BoardCanvas &, int, int) {}
void drawErrorMark(BoardCanvas &, int, int, const GdiPen &) {}
void drawCross(BoardCanvas &, int, int, const GdiPen &) {}
void drawRightEdge(BoardCanvas &, int, int, const GdiPen &) {}
void drawBottomEdge(BoardCanvas &, int, int, const GdiPen &) {}
QRect sumRect(int, int, int, int) { return {}; }

} // namespace modGDI
