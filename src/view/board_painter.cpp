// The board painter: the whole board, the sums, one entry cell and the marks drawn over cells.
#include "view/board_painter.h"

#include <algorithm>
#include <cmath>

namespace modGDI {
namespace {

DrawingTools makeTools(const QColor &entryColour, const QColor &clueColour, int lineWidth)
{
    DrawingTools t;
    t.entryBrush = entryColour;
    t.clueBrush = clueColour;
    t.lightLinePen = {QColor(150, 150, 150), lineWidth};
    t.darkLinePen = {QColor(0, 0, 0), lineWidth};
    t.errorPen = {QColor(200, 20, 20), 1};
    t.penDigitColour = QColor(20, 20, 240);
    t.pencilDigitColour = QColor(150, 150, 150);
    t.solutionDigitColour = QColor(0, 0, 0);
    return t;
}

DrawingTools &toolSet()
{
    // Until start-up makes them, the tools are the screen's.
    static DrawingTools t = makeTools(QColor(255, 255, 255), QColor(0, 0, 0), 1);
    return t;
}

GdiCanvas &dcOf(BoardCanvas &c)
{
    Q_ASSERT(c.hdc);
    return *c.hdc;
}

// Row 0, column 0 and every cell without a solution digit are drawn as blocks.
bool isBlockPosition(const modData::Board &b, int col, int row)
{
    return !modData::isInGrid(b, col, row) || b.layoutAt(col, row) == 0;
}

// The darker line goes before and above entry cells and along the far edges of the grid.
const GdiPen &edgePenBefore(const modData::Board &b, int col, int row)
{
    const bool dark = !modData::isInGrid(b, col, row) || b.layoutAt(col, row) != 0;
    return dark ? tools().darkLinePen : tools().lightLinePen;
}

} // namespace

void createDrawingTools(const QColor &entryColour, const QColor &clueColour, int lineWidth)
{
    toolSet() = makeTools(entryColour, clueColour, lineWidth);
}

const DrawingTools &tools() { return toolSet(); }

void setSolutionDigitColour(const QColor &colour) { toolSet().solutionDigitColour = colour; }

void paintBoard(BoardCanvas &c, const modData::Board &b, bool showSolution, bool showClueDiagonals,
                int fillInset)
{
    GdiCanvas &dc = dcOf(c);
    const int cs = c.cellSize;
    const DrawingTools &t = tools();
    const int right = (b.gridWidth + 1) * cs;
    const int bottom = (b.gridHeight + 1) * cs;
    // The whole board is first filled with the entry colour; the cell fills below then cover all
    // of it but the strips of fillInset pixels at each cell's top and left, so only those strips
    // are filled here: the same pixels, without filling a large board twice.
    const int strip = std::clamp(fillInset, 0, cs);
    if (strip == cs) {
        dc.fillRect(0, 0, right, bottom, t.entryBrush);
    } else if (strip > 0) {
        for (int row = 0; row <= b.gridHeight; ++row)
            dc.fillRect(0, row * cs, right, row * cs + strip, t.entryBrush);
        for (int col = 0; col <= b.gridWidth; ++col)
            dc.fillRect(col * cs, 0, col * cs + strip, bottom, t.entryBrush);
    }

    for (int row = 0; row <= b.gridHeight; ++row) {
        for (int col = 0; col <= b.gridWidth; ++col) {
            const QColor &brush = isBlockPosition(b, col, row) ? t.clueBrush : t.entryBrush;
            dc.fillRect(col * cs + fillInset, row * cs + fillInset, (col + 1) * cs, (row + 1) * cs, brush);
        }
    }

    for (int row = 0; row <= b.gridHeight; ++row) {
        for (int col = 0; col <= b.gridWidth; ++col) {
            if (isBlockPosition(b, col, row)) {
                if (showClueDiagonals && modData::isClueCell(b, col, row)) {
                    dc.selectPen(t.lightLinePen);
                    dc.moveTo(col * cs + 1, row * cs + 1);
                    dc.lineTo((col + 1) * cs, (row + 1) * cs);
                }
            } else {
                const auto i = std::size_t(b.cellIndex(col, row));
                if (showSolution || b.penEntries[i] != 0 || b.pencilEntries[i] != 0)
                    drawCellDigit(c, col, row, QString::number(b.layoutGrid[i]), t.solutionDigitColour);
            }

            if (!modData::isInGrid(b, col, row)) {
                drawBottomEdge(c, col, row, t.lightLinePen);
                drawRightEdge(c, col, row, t.lightLinePen);
            } else {
                drawRightEdge(c, col, row, edgePenBefore(b, col + 1, row));
                drawBottomEdge(c, col, row, edgePenBefore(b, col, row + 1));
            }
        }
    }
}

void paintSums(BoardCanvas &c, const modData::Board &b, const QColor &colour)
{
    for (int k = 0; k < b.acrossRunCount; ++k) {
        const modData::RunRecord &run = b.acrossRuns[std::size_t(k)];
        drawSum(c, run.clueCol, run.clueRow, QString::number(run.sum), colour, Across);
    }
    for (int k = 0; k < b.downRunCount; ++k) {
        const modData::RunRecord &run = b.downRuns[std::size_t(k)];
        drawSum(c, run.clueCol, run.clueRow, QString::number(run.sum), colour, Down);
    }
}

QRect sumRect(int col, int row, int cellSize, int direction)
{
    const double cs = cellSize;
    double left = 0;
    double top = 0;
    if (direction == Down) {
        left = col * cs + cs / 5;
        top = row * cs + 0.6 * cs;
    } else {
        left = col * cs + 0.6 * cs;
        top = row * cs + cs / 5;
    }
    const long l = std::lround(left);
    const long t = std::lround(top);
    const long r = std::lround(double(l) + cs / 3);
    const long bottom = std::lround(double(t) + cs / 3);
    return QRect(int(l), int(t), int(r - l), int(bottom - t));
}

void drawSum(BoardCanvas &c, int col, int row, const QString &text, const QColor &colour, int direction)
{
    GdiCanvas &dc = dcOf(c);
    const QRect box = sumRect(col, row, c.cellSize, direction);
    dc.setTextColour(colour);
    const int right = box.x() + box.width();
    const int bottom = box.y() + box.height();
    dc.fillRect(box.x(), box.y(), right, bottom, tools().clueBrush);
    dc.drawText(text, box.x(), box.y(), right, bottom, dt::BoardText);
}

void drawCellDigit(BoardCanvas &c, int col, int row, const QString &text, const QColor &colour)
{
    GdiCanvas &dc = dcOf(c);
    const int cs = c.cellSize;
    dc.setTextColour(colour);
    dc.drawText(text, col * cs + 3, row * cs + 3, (col + 1) * cs - 3, (row + 1) * cs - 3, dt::BoardText);
}

void paintEntryCell(BoardCanvas &c, const modData::Board &b, int col, int row)
{
    GdiCanvas &dc = dcOf(c);
    const int cs = c.cellSize;
    const DrawingTools &t = tools();
    dc.fillRect(col * cs + 3, row * cs + 3, (col + 1) * cs - 3, (row + 1) * cs - 3, t.entryBrush);
    const auto i = std::size_t(b.cellIndex(col, row));
    if (b.penEntries[i] != 0)
        drawCellDigit(c, col, row, QString::number(b.penEntries[i]), t.penDigitColour);
    else if (b.pencilEntries[i] != 0)
        drawCellDigit(c, col, row, QString::number(b.pencilEntries[i]), t.pencilDigitColour);
    if (b.errorMarks[i] != 0)
        drawErrorMark(c, col, row, t.errorPen);
}

void drawSelectionFrame(BoardCanvas &c, int col, int row)
{
    GdiCanvas &dc = dcOf(c);
    const int cs = c.cellSize;
    dc.selectPen(tools().lightLinePen);
    dc.rectangle(col * cs + 3, row * cs + 3, (col + 1) * cs - 3, (row + 1) * cs - 3);
}

void drawErrorMark(BoardCanvas &c, int col, int row, const GdiPen &pen)
{
    GdiCanvas &dc = dcOf(c);
    const int l = (col + 1) * c.cellSize - 7;
    const int t = row * c.cellSize + 2;
    dc.selectPen(pen);
    dc.rectangle(l, t, l + 6, t + 6);
    dc.rectangle(l + 1, t + 1, l + 4, t + 6);
}

void drawCross(BoardCanvas &c, int col, int row, const GdiPen &pen)
{
    GdiCanvas &dc = dcOf(c);
    const int cs = c.cellSize;
    const int a = col * cs + 4;
    const int b = row * cs + 4;
    const int cc = (col + 1) * cs - 4;
    const int d = (row + 1) * cs - 4;
    dc.selectPen(pen);
    dc.moveTo(a, b);
    dc.lineTo(cc, d);
    dc.moveTo(cc, b);
    dc.lineTo(a, d);
}

void drawRightEdge(BoardCanvas &c, int col, int row, const GdiPen &pen)
{
    GdiCanvas &dc = dcOf(c);
    const int cs = c.cellSize;
    dc.selectPen(pen);
    dc.moveTo((col + 1) * cs, row * cs);
    dc.lineTo((col + 1) * cs, (row + 1) * cs);
}

void drawBottomEdge(BoardCanvas &c, int col, int row, const GdiPen &pen)
{
    GdiCanvas &dc = dcOf(c);
    const int cs = c.cellSize;
    dc.selectPen(pen);
    dc.moveTo(col * cs, (row + 1) * cs);
    dc.lineTo((col + 1) * cs, (row + 1) * cs);
}

} // namespace modGDI
