// The board view's keys and mouse: each becomes a call on the game or a move of the selection.
#include "view/board_view.h"

#include "game/game.h"
#include "view/board_painter.h"
#include "view/board_picture.h"
#include "view/key_codes.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <cmath>

namespace view {

void BoardView::writeDigit(int digit)
{
    game_.write(selCol_, selRow_, digit);
}

void BoardView::eraseSelectedCell()
{
    game_.erase(selCol_, selRow_);
}

// Selects the nearest entry cell from the selection in the direction (dCol, dRow); at the edge of
// the grid the selection stays where it is.
void BoardView::moveSelection(int dCol, int dRow)
{
    const kakuro::Puzzle &p = game_.puzzle();
    for (int col = selCol_ + dCol, row = selRow_ + dRow; p.isInGrid(col, row); col += dCol, row += dRow) {
        if (p.isEntry(col, row)) {
            selectCell(col, row);
            scrollToCell(col, row);
            return;
        }
    }
}

void BoardView::selectFirstEntryCell()
{
    const kakuro::Puzzle &p = game_.puzzle();
    if (p.entryCellCount() > 0) {
        selectCell(p.colOf(0), p.rowOf(0));
        scrollToCell(p.colOf(0), p.rowOf(0));
    }
}

void BoardView::handleKey(int code, KeySource source)
{
    if (code == keyCode::Escape) {
        Q_EMIT minimiseRequested();
        return;
    }
    if (game_.paused()) {
        // Under the cover the board takes no keys; a digit only lifts the cover.
        if ((code >= keyCode::Digit0 && code <= keyCode::Digit9) ||
            (code >= keyCode::Numpad0 && code <= keyCode::Numpad9))
            Q_EMIT resumeRequested();
        return;
    }
    if (code == keyCode::Home) {
        selectFirstEntryCell();
        return;
    }
    const bool selected = game_.puzzle().isInGrid(selCol_, selRow_);
    // F9 that reaches the window shows the solution with or without a selected cell.
    if (code == keyCode::F9 && (selected || source == KeySource::Window)) {
        game_.revealSolution();
        return;
    }
    if (!selected)
        return;
    if (code == keyCode::F12)
        Q_EMIT printRequested();
    else if (code > keyCode::Digit0 && code <= keyCode::Digit9)
        writeDigit(code - keyCode::Digit0);
    else if (code > keyCode::Numpad0 && code <= keyCode::Numpad9)
        writeDigit(code - keyCode::Numpad0);
    else if (code == keyCode::Digit0 || code == keyCode::Numpad0 || code == keyCode::Space ||
             code == keyCode::Delete || code == keyCode::Back)
        eraseSelectedCell();
    else if (code == keyCode::Left)
        moveSelection(-1, 0);
    else if (code == keyCode::Up)
        moveSelection(0, -1);
    else if (code == keyCode::Right)
        moveSelection(1, 0);
    else if (code == keyCode::Down)
        moveSelection(0, 1);
}

void BoardView::mousePressed(Qt::MouseButton button, QPointF at)
{
    if (button == Qt::RightButton) {
        setNumberTool(kNoTool);
        return;
    }
    const int col = int(std::nearbyint(at.x())) / cellSize_;
    const int row = int(std::nearbyint(at.y())) / cellSize_;
    if (col == selCol_ && row == selRow_)
        return;
    BoardPainter board = painter();
    if (game_.puzzle().isInGrid(selCol_, selRow_))
        paintCell(board, selCol_, selRow_);
    if (!game_.puzzle().isEntry(col, row)) {
        // A click on a block cell or the margin clears the selection and puts the tool down.
        setSelection(-1, -1);
        setNumberTool(kNoTool);
        picture_->refresh();
        return;
    }
    setSelection(col, row);
    board.drawSelectionFrame(col, row);
    picture_->refresh();
}

void BoardView::mouseReleased(Qt::MouseButton button)
{
    if (button == Qt::RightButton || numberTool_ == kNoTool || !game_.puzzle().isInGrid(selCol_, selRow_))
        return;
    if (numberTool_ == kEraser)
        eraseSelectedCell();
    else
        writeDigit(numberTool_);
}

bool BoardView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == pauseCover_ && event->type() == QEvent::MouseButtonPress) {
        Q_EMIT resumeRequested();
        return true;
    }
    if (watched != picture_)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        handleKey(virtualKeyCode(*static_cast<QKeyEvent *>(event)), KeySource::Board);
        return true; // handled once, here: it must not reach the window's handler too
    case QEvent::MouseButtonPress: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        mousePressed(mouse->button(), mouse->position());
        return true;
    }
    case QEvent::MouseMove:
        showBoardPointer();
        return true;
    case QEvent::MouseButtonRelease:
        mouseReleased(static_cast<QMouseEvent *>(event)->button());
        return true;
    default:
        return false;
    }
}

} // namespace view
