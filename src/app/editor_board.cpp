// Drawing and input of the editor's grid, in the board's classic colours.
#include "app/editor_board.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace app {
namespace {

constexpr int kBoardRoom = 560; // the larger side of the grid fits in this many pixels

} // namespace

EditorBoard::EditorBoard(const game::PuzzleEditor &editor, QWidget *parent)
    : QWidget(parent), editor_(editor), palette_(view::BoardPalette::classic())
{
    setObjectName(QStringLiteral("pbEditor"));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Puzzle grid"));
    gridChanged();
}

void EditorBoard::gridChanged()
{
    const game::EditorGrid &grid = editor_.grid();
    cellSize_ = std::clamp(kBoardRoom / std::max(grid.width, grid.height), 18, 40);
    setFixedSize(grid.width * cellSize_ + 1, grid.height * cellSize_ + 1);
    select(std::min(selected_.x(), grid.width), std::min(selected_.y(), grid.height));
    update();
}

void EditorBoard::select(int col, int row)
{
    const game::EditorGrid &grid = editor_.grid();
    if (!grid.isInGrid(col, row) || QPoint(col, row) == selected_)
        return;
    selected_ = QPoint(col, row);
    update();
    Q_EMIT selectionChanged();
}

void EditorBoard::setLitCells(const QList<QPoint> &cells)
{
    lit_ = cells;
    update();
}

QPoint EditorBoard::cellAt(QPoint at) const
{
    return {at.x() / cellSize_ + 1, at.y() / cellSize_ + 1};
}

void EditorBoard::paintEvent(QPaintEvent *)
{
    const game::EditorGrid &grid = editor_.grid();
    QPainter painter(this);
    QFont sumFont = font();
    sumFont.setPixelSize(std::max(7, cellSize_ * 3 / 10));
    painter.setFont(sumFont);
    const int cs = cellSize_;
    for (int row = 1; row <= grid.height; ++row) {
        for (int col = 1; col <= grid.width; ++col) {
            const QRect cell((col - 1) * cs, (row - 1) * cs, cs, cs);
            const game::EditorCell &c = grid.at(col, row);
            if (!c.block) {
                painter.fillRect(cell, lit_.contains(QPoint(col, row)) ? palette_.hint : palette_.entry);
                continue;
            }
            painter.fillRect(cell, palette_.clue);
            const bool startsAcross = grid.runLength(col, row, true) >= 2;
            const bool startsDown = grid.runLength(col, row, false) >= 2;
            if (!startsAcross && !startsDown)
                continue;
            painter.setPen(palette_.lightLine);
            painter.drawLine(cell.topLeft(), cell.bottomRight());
            painter.setPen(palette_.sum);
            const int half = cs / 2;
            if (startsAcross && c.across)
                painter.drawText(QRect(cell.x() + half, cell.y(), half, half), Qt::AlignCenter,
                                 QString::number(c.across));
            if (startsDown && c.down)
                painter.drawText(QRect(cell.x(), cell.y() + half, half, half), Qt::AlignCenter,
                                 QString::number(c.down));
        }
    }
    painter.setPen(palette_.darkLine);
    for (int col = 0; col <= grid.width; ++col)
        painter.drawLine(col * cs, 0, col * cs, grid.height * cs);
    for (int row = 0; row <= grid.height; ++row)
        painter.drawLine(0, row * cs, grid.width * cs, row * cs);
    QPen frame(palette_.errorMark);
    frame.setWidth(2);
    painter.setPen(frame);
    painter.drawRect(QRect((selected_.x() - 1) * cs + 1, (selected_.y() - 1) * cs + 1, cs - 2, cs - 2));
}

void EditorBoard::mousePressEvent(QMouseEvent *event)
{
    const QPoint cell = cellAt(event->position().toPoint());
    if (!editor_.grid().isInGrid(cell.x(), cell.y()))
        return;
    setFocus();
    select(cell.x(), cell.y());
    if (event->button() == Qt::RightButton)
        Q_EMIT toggleRequested(cell.x(), cell.y());
}

void EditorBoard::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QPoint cell = cellAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && editor_.grid().isInGrid(cell.x(), cell.y()))
        Q_EMIT toggleRequested(cell.x(), cell.y());
}

void EditorBoard::keyPressEvent(QKeyEvent *event)
{
    const int col = selected_.x();
    const int row = selected_.y();
    switch (event->key()) {
    case Qt::Key_Left:
        select(col - 1, row);
        break;
    case Qt::Key_Right:
        select(col + 1, row);
        break;
    case Qt::Key_Up:
        select(col, row - 1);
        break;
    case Qt::Key_Down:
        select(col, row + 1);
        break;
    case Qt::Key_Space:
        Q_EMIT toggleRequested(col, row);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

} // namespace app
