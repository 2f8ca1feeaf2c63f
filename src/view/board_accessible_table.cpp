// The board picture's accessible table and its cells.
#include "view/board_accessible_table.h"

#include "core/puzzle.h"
#include "game/game.h"
#include "view/board_accessibility.h"
#include "view/board_picture.h"
#include "view/board_view.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

#include <utility>

namespace view {
namespace {

BoardView *boardOf(QObject *picture)
{
    for (QObject *up = picture ? picture->parent() : nullptr; up; up = up->parent()) {
        if (auto *board = qobject_cast<BoardView *>(up))
            return board;
    }
    return nullptr;
}

// A cell of the grid: (col, row) with 1 <= col <= width, 1 <= row <= height.
class BoardCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    BoardCellAccessible(BoardView *board, int col, int row) : board_(board), col_(col), row_(row) {}

    // A cell stands while its board lives, shows its cells and still reaches this far.
    bool isValid() const override
    {
        return board_ && !board_->game().paused() && board_->game().puzzle().isInGrid(col_, row_);
    }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return board_ ? board_->window()->windowHandle() : nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override
    {
        return board_ ? QAccessible::queryAccessibleInterface(board_->picture()) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    void setText(QAccessible::Text, const QString &) override {}
    QAccessible::Role role() const override { return QAccessible::Cell; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        if (t == QAccessible::Name)
            return boardCellName(*board_, col_, row_);
        if (t == QAccessible::Description)
            return boardCellDescription(*board_, col_, row_);
        return {};
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const int side = board_->cellSize();
        return {board_->picture()->mapToGlobal(QPoint(col_ * side, row_ * side)), QSize(side, side)};
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.focusable = s.selectable = board_->game().puzzle().isEntry(col_, row_);
        s.selected = isSelected();
        s.focused = s.selected && board_->picture()->hasFocus();
        s.offscreen = !board_->showsCell(col_, row_);
        return s;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface *>(this)
                                                       : nullptr;
    }

    bool isSelected() const override
    {
        return board_ && board_->selectedCol() == col_ && board_->selectedRow() == row_;
    }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return col_ - 1; }
    int rowIndex() const override { return row_ - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

private:
    QPointer<BoardView> board_;
    int col_;
    int row_;
};

// The board picture, which holds the keyboard focus, as the table of the grid's cells. While the
// game is paused the table has no cells, as the cover hides them from the eye.
class BoardTableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    BoardTableAccessible(BoardPicture *picture, BoardView *board)
        : QAccessibleWidget(picture, QAccessible::Table), board_(board)
    {
    }
    ~BoardTableAccessible() override { dropCells(); }
    BoardTableAccessible(const BoardTableAccessible &) = delete;
    BoardTableAccessible &operator=(const BoardTableAccessible &) = delete;

    bool isValid() const override { return QAccessibleWidget::isValid() && board_; }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !board_)
            return QAccessibleWidget::text(t);
        return boardTableName(*board_);
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface *focusChild() const override
    {
        return board_ ? cellAt(board_->selectedRow() - 1, board_->selectedCol() - 1) : nullptr;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QPoint at = widget()->mapFromGlobal(QPoint(x, y));
        const int side = board_ ? board_->cellSize() : 0;
        return side == 0 || at.x() < 0 || at.y() < 0 ? nullptr : cellAt(at.y() / side - 1, at.x() / side - 1);
    }

    int childCount() const override { return rowCount() * columnCount(); }

    QAccessibleInterface *child(int index) const override
    {
        const int columns = columnCount();
        return columns == 0 || index < 0 ? nullptr : cellAt(index / columns, index % columns);
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const auto *cell = dynamic_cast<const BoardCellAccessible *>(child);
        if (!cell || cell->table() != this || !cell->isValid())
            return -1;
        return cell->rowIndex() * columnCount() + cell->columnIndex();
    }

    QAccessibleInterface *cellAt(int row, int column) const override
    {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
            return nullptr;
        const std::pair<int, int> key(column + 1, row + 1);
        if (const auto known = cells_.constFind(key); known != cells_.cend())
            return QAccessible::accessibleInterface(*known);
        auto *cell = new BoardCellAccessible(board_, column + 1, row + 1);
        cells_.insert(key, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }

    int rowCount() const override
    {
        return !board_ || board_->game().paused() ? 0 : board_->game().puzzle().height();
    }
    int columnCount() const override
    {
        return !board_ || board_->game().paused() ? 0 : board_->game().puzzle().width();
    }
    int selectedCellCount() const override { return int(selectedCells().size()); }
    QList<QAccessibleInterface *> selectedCells() const override
    {
        QAccessibleInterface *selected = focusChild();
        return selected ? QList<QAccessibleInterface *>{selected} : QList<QAccessibleInterface *>{};
    }

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }

    // A new puzzle or a pause: the cells made so far are let go and made again when asked for.
    void modelChange(QAccessibleTableModelChangeEvent *) override { dropCells(); }

    void renewCell(int col, int row)
    {
        if (const auto known = cells_.constFind({col, row}); known != cells_.cend()) {
            QAccessible::deleteAccessibleInterface(*known);
            cells_.erase(known);
        }
    }

    void dropCells()
    {
        for (QAccessible::Id id : std::as_const(cells_))
            QAccessible::deleteAccessibleInterface(id);
        cells_.clear();
    }

private:
    QPointer<BoardView> board_;
    mutable QHash<std::pair<int, int>, QAccessible::Id> cells_; // by (column, row)
};

QAccessibleInterface *boardTableFactory(const QString &className, QObject *object)
{
    if (className != QLatin1String(BoardPicture::staticMetaObject.className()))
        return nullptr;
    auto *picture = qobject_cast<BoardPicture *>(object);
    BoardView *board = boardOf(picture);
    return board ? new BoardTableAccessible(picture, board) : nullptr;
}

} // namespace

void installBoardTableFactory()
{
    static const bool installed = (QAccessible::installFactory(boardTableFactory), true);
    Q_UNUSED(installed);
}

int boardChildIndex(const BoardView &board, int col, int row)
{
    const kakuro::Puzzle &p = board.game().puzzle();
    if (board.game().paused() || !p.isInGrid(col, row))
        return -1;
    return (row - 1) * p.width() + col - 1;
}

void renewBoardCells(BoardView &board, int col, int row)
{
    auto *table =
        dynamic_cast<BoardTableAccessible *>(QAccessible::queryAccessibleInterface(board.picture()));
    if (!table)
        return;
    if (col < 0)
        table->dropCells();
    else
        table->renewCell(col, row);
}

} // namespace view
