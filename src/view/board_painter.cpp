// The board painter: the whole board, the sums, one entry cell and the marks drawn over cells.
#include "view/board_painter.h"

#include <algorithm>
#include <cmath>

namespace view {

BoardPainter::BoardPainter(GdiCanvas &canvas, int cellSize, const kakuro::Puzzle &puzzle,
                           const puzzle::Entries &entries, const BoardPalette &palette)
    : canvas_(canvas), cellSize_(cellSize), puzzle_(puzzle), entries_(entries),
      palette_(palette), lightLine_{palette.lightLine, palette.lineWidth},
      darkLine_{palette.darkLine, palette.lineWidth}, errorPen_{palette.errorMark, 1}
{
}

// Row 0, column 0 and every cell without a solution digit are drawn as blocks.
bool BoardPainter::isBlock(int col, int row) const
{
    return !puzzle_.isEntry(col, row);
}

const GdiPen &BoardPainter::edgePenBefore(int col, int row) const
{
    const bool dark = !puzzle_.isInGrid(col, row) || puzzle_.isEntry(col, row);
    return dark ? darkLine_ : lightLine_;
}

void BoardPainter::paintBoard(BoardDigits digits, ClueDiagonals diagonals, int fillInset)
{
    const int cs = cellSize_;
    const int right = (puzzle_.width() + 1) * cs;
    const int bottom = (puzzle_.height() + 1) * cs;
    // The whole board is first filled with the entry colour; the cell fills below then cover all
    // of it but the strips of fillInset device pixels at each cell's top and left, so only those
    // strips are filled here: the same pixels, without filling a large board twice.
    const int strip = std::clamp(fillInset, 0, cs);
    if (strip == cs) {
        canvas_.fillRect(0, 0, right, bottom, palette_.entry);
    } else if (strip > 0) {
        for (int row = 0; row <= puzzle_.height(); ++row)
            canvas_.fillRect(0, row * cs, right, CanvasEdge(row * cs, strip), palette_.entry);
        for (int col = 0; col <= puzzle_.width(); ++col)
            canvas_.fillRect(col * cs, 0, CanvasEdge(col * cs, strip), bottom, palette_.entry);
    }

    for (int row = 0; row <= puzzle_.height(); ++row) {
        for (int col = 0; col <= puzzle_.width(); ++col) {
            const QColor &brush = isBlock(col, row) ? palette_.clue : palette_.entry;
            canvas_.fillRect(CanvasEdge(col * cs, strip), CanvasEdge(row * cs, strip), (col + 1) * cs,
                             (row + 1) * cs, brush);
        }
    }

    for (int row = 0; row <= puzzle_.height(); ++row) {
        for (int col = 0; col <= puzzle_.width(); ++col) {
            if (isBlock(col, row)) {
                if (diagonals == ClueDiagonals::Drawn && puzzle_.isClueCell(col, row)) {
                    canvas_.selectPen(lightLine_);
                    canvas_.moveTo(col * cs + 1, row * cs + 1);
                    canvas_.lineTo((col + 1) * cs, (row + 1) * cs);
                }
            } else if (digits != BoardDigits::None) {
                const int i = puzzle_.cellAt(col, row);
                const int digit = digits == BoardDigits::Solution ? puzzle_.solution(i) : entries_.digit(i);
                if (digit != 0)
                    drawCellDigit(col, row, QString::number(digit), palette_.solution);
            }

            if (!puzzle_.isInGrid(col, row)) {
                drawBottomEdge(col, row, lightLine_);
                drawRightEdge(col, row, lightLine_);
            } else {
                drawRightEdge(col, row, edgePenBefore(col + 1, row));
                drawBottomEdge(col, row, edgePenBefore(col, row + 1));
            }
        }
    }
}

void BoardPainter::paintSums()
{
    for (const kakuro::Run &run : puzzle_.runs())
        drawSum(run.clueCol, run.clueRow, QString::number(run.sum),
                run.direction == kakuro::Direction::Across ? SumDirection::Across : SumDirection::Down);
}

QRect sumRect(int col, int row, int cellSize, SumDirection direction)
{
    const double cs = cellSize;
    double left = 0;
    double top = 0;
    if (direction == SumDirection::Down) {
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

void BoardPainter::drawSum(int col, int row, const QString &text, SumDirection direction)
{
    const QRect box = sumRect(col, row, cellSize_, direction);
    canvas_.setTextColour(palette_.sum);
    const int right = box.x() + box.width();
    const int bottom = box.y() + box.height();
    canvas_.fillRect(box.x(), box.y(), right, bottom, palette_.clue);
    canvas_.drawText(text, box.x(), box.y(), right, bottom, textFlags::BoardText);
}

void BoardPainter::drawCellDigit(int col, int row, const QString &text, const QColor &colour)
{
    const int cs = cellSize_;
    canvas_.setTextColour(colour);
    canvas_.drawText(text, col * cs + 3, row * cs + 3, (col + 1) * cs - 3, (row + 1) * cs - 3,
                     textFlags::BoardText);
}

void BoardPainter::paintEntryCell(int col, int row)
{
    const int cs = cellSize_;
    const int i = puzzle_.cellAt(col, row);
    const bool highlighted = highlighted_ && (*highlighted_)[std::size_t(i)] != 0;
    canvas_.fillRect(col * cs + 3, row * cs + 3, (col + 1) * cs - 3, (row + 1) * cs - 3,
                     highlighted ? palette_.hint : palette_.entry);
    const bool conflict = conflicts_ && (*conflicts_)[std::size_t(i)] != 0;
    if (entries_.pen(i) != 0)
        drawCellDigit(col, row, QString::number(entries_.pen(i)),
                      conflict ? palette_.conflict : palette_.pen);
    else if (entries_.pencil(i) != 0)
        drawCellDigit(col, row, QString::number(entries_.pencil(i)),
                      conflict ? palette_.conflict : palette_.pencil);
    else if (entries_.marks(i) != 0)
        drawMarks(col, row, entries_.marks(i));
    if (entries_.hasErrorMark(i))
        drawErrorMark(col, row);
}

// Mark d sits in the ((d - 1) mod 3, (d - 1) div 3) ninth of the digit box, in a font as tall as
// a third of the box.
void BoardPainter::drawMarks(int col, int row, int marks)
{
    const int cs = cellSize_;
    const int left = col * cs + 3;
    const int top = row * cs + 3;
    const int box = cs - 6;
    const double digitPoints = canvas_.font().pointSizeF();
    canvas_.setFontPointSize(
        std::max(1.0, box / 3.0 * 0.75 * 0.8)); // pixels to points at 96 dpi, less a margin
    canvas_.setTextColour(palette_.mark);
    for (int d = 1; d <= 9; ++d) {
        if (!(marks & (1 << (d - 1))))
            continue;
        const int c = (d - 1) % 3;
        const int r = (d - 1) / 3;
        canvas_.drawText(QString::number(d), left + c * box / 3, top + r * box / 3, left + (c + 1) * box / 3,
                         top + (r + 1) * box / 3, textFlags::BoardText);
    }
    canvas_.setFontPointSize(digitPoints);
}

void BoardPainter::drawSelectionFrame(int col, int row)
{
    const int cs = cellSize_;
    canvas_.selectPen(GdiPen{palette_.frame, 1});
    canvas_.rectangle(col * cs + 3, row * cs + 3, (col + 1) * cs - 3, (row + 1) * cs - 3);
}

void BoardPainter::drawErrorMark(int col, int row)
{
    const int l = (col + 1) * cellSize_ - 7;
    const int t = row * cellSize_ + 2;
    canvas_.selectPen(errorPen_);
    canvas_.rectangle(l, t, l + 6, t + 6);
    canvas_.rectangle(l + 1, t + 1, l + 4, t + 6);
}

void BoardPainter::drawCross(int col, int row)
{
    const int cs = cellSize_;
    const int left = col * cs + 4;
    const int top = row * cs + 4;
    const int right = (col + 1) * cs - 4;
    const int bottom = (row + 1) * cs - 4;
    canvas_.selectPen(errorPen_);
    canvas_.moveTo(left, top);
    canvas_.lineTo(right, bottom);
    canvas_.moveTo(right, top);
    canvas_.lineTo(left, bottom);
}

void BoardPainter::drawRightEdge(int col, int row, const GdiPen &pen)
{
    const int cs = cellSize_;
    canvas_.selectPen(pen);
    canvas_.moveTo((col + 1) * cs, row * cs);
    canvas_.lineTo((col + 1) * cs, (row + 1) * cs);
}

void BoardPainter::drawBottomEdge(int col, int row, const GdiPen &pen)
{
    const int cs = cellSize_;
    canvas_.selectPen(pen);
    canvas_.moveTo(col * cs, (row + 1) * cs);
    canvas_.lineTo((col + 1) * cs, (row + 1) * cs);
}

} // namespace view
