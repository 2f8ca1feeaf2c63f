// The board's accessible table and cells, and the events that keep screen readers up to date.
#include "view/board_accessibility.h"

#include "game/game.h"
#include "game/run_rules.h"
#include "puzzle/entries.h"
#include "puzzle/puzzle.h"
#include "view/board_picture.h"
#include "view/board_view.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHash>
#include <QPointer>
#include <QStringList>

#include <algorithm>
#include <functional>
#include <utility>

namespace view {
namespace {

class ScreenReaderText {
    Q_DECLARE_TR_FUNCTIONS(view::BoardAccessibility)
};

// The across and down runs that an entry cell lies in, or that a clue cell heads.
struct CellRuns {
    const puzzle::Run *across = nullptr;
    const puzzle::Run *down = nullptr;
};

const puzzle::Run *runHeadedBy(const std::vector<puzzle::Run> &runs, int col, int row)
{
    const auto it = std::find_if(runs.begin(), runs.end(), [&](const puzzle::Run &run) {
        return run.clueCol == col && run.clueRow == row;
    });
    return it == runs.end() ? nullptr : &*it;
}

CellRuns runsOf(const puzzle::Puzzle &p, int col, int row)
{
    if (!p.isEntry(col, row))
        return {runHeadedBy(p.acrossRuns(), col, row), runHeadedBy(p.downRuns(), col, row)};
    const int i = p.cellIndex(col, row);
    const int across = p.acrossRunOf(i);
    const int down = p.downRunOf(i);
    return {across >= 0 ? &p.acrossRuns()[std::size_t(across)] : nullptr,
            down >= 0 ? &p.downRuns()[std::size_t(down)] : nullptr};
}

// An entry cell's digit, its error mark, and the marks shown in it (they are hidden under a digit).
QString entryName(const puzzle::Entries &e, int i)
{
    QString name = e.pen(i) != 0      ? ScreenReaderText::tr("%1 in pen").arg(e.pen(i))
                   : e.pencil(i) != 0 ? ScreenReaderText::tr("%1 in pencil").arg(e.pencil(i))
                                      : ScreenReaderText::tr("empty");
    if (e.hasErrorMark(i))
        name = ScreenReaderText::tr("%1, marked wrong").arg(name);
    if (e.digit(i) == 0 && e.marks(i) != 0) {
        const QString marks = game::digitsOf(kakuro::DigitSet(e.marks(i))).join(QLatin1Char(' '));
        name = ScreenReaderText::tr("%1, marks %2").arg(name, marks);
    }
    return name;
}

bool isOnBoard(const puzzle::Puzzle &p, int col, int row)
{
    return col >= 0 && row >= 0 && col <= p.width() && row <= p.height();
}

class BoardCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    BoardCellAccessible(BoardView *board, int col, int row) : board_(board), col_(col), row_(row) {}

    // A cell stands while its board lives, shows its cells and still reaches this far.
    bool isValid() const override
    {
        return board_ && !board_->game().paused() && isOnBoard(board_->game().puzzle(), col_, row_);
    }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return board_ ? board_->window()->windowHandle() : nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(board_.data());
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
        const game::Game &game = board_->game();
        if (t == QAccessible::Name)
            return cellAccessibleName(game.puzzle(), game.entries(), col_, row_);
        if (t == QAccessible::Description)
            return cellAccessibleDescription(game.puzzle(), col_, row_);
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
        s.focused = s.selected && board_->hasFocus();
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
    int columnIndex() const override { return col_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

private:
    QPointer<BoardView> board_;
    int col_;
    int row_;
};

// The board view as a table: row and column are the board's own, row 0 and column 0 included.
// While the game is paused the table has no cells, as the cover hides them from the eye.
class BoardTableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BoardTableAccessible(BoardView *board) : QAccessibleWidget(board, QAccessible::Table) {}
    ~BoardTableAccessible() override { dropCells(); }
    BoardTableAccessible(const BoardTableAccessible &) = delete;
    BoardTableAccessible &operator=(const BoardTableAccessible &) = delete;

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        return board().game().paused() ? ScreenReaderText::tr("Board, paused")
                                       : ScreenReaderText::tr("Board");
    }

    // The board takes the focus through its picture.
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = true;
        return s;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface *focusChild() const override
    {
        return cellAt(board().selectedRow(), board().selectedCol());
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QPoint at = board().picture()->mapFromGlobal(QPoint(x, y));
        const int side = board().cellSize();
        return at.x() < 0 || at.y() < 0 ? nullptr : cellAt(at.y() / side, at.x() / side);
    }

    int childCount() const override { return rowCount() * columnCount(); }

    QAccessibleInterface *child(int index) const override
    {
        const int columns = columnCount();
        return columns == 0 ? nullptr : cellAt(index / columns, index % columns);
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
        const std::pair<int, int> key(column, row);
        if (const auto known = cells_.constFind(key); known != cells_.cend())
            return QAccessible::accessibleInterface(*known);
        auto *cell = new BoardCellAccessible(&board(), column, row);
        cells_.insert(key, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }

    int rowCount() const override
    {
        return board().game().paused() ? 0 : board().game().puzzle().height() + 1;
    }
    int columnCount() const override
    {
        return board().game().paused() ? 0 : board().game().puzzle().width() + 1;
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

private:
    BoardView &board() const { return *static_cast<BoardView *>(widget()); }

    void dropCells()
    {
        for (QAccessible::Id id : std::as_const(cells_))
            QAccessible::deleteAccessibleInterface(id);
        cells_.clear();
    }

    mutable QHash<std::pair<int, int>, QAccessible::Id> cells_; // by (column, row)
};

QAccessibleInterface *boardTableFactory(const QString &className, QObject *object)
{
    if (className != QLatin1String(BoardView::staticMetaObject.className()))
        return nullptr;
    auto *board = qobject_cast<BoardView *>(object);
    return board ? new BoardTableAccessible(board) : nullptr;
}

std::function<void(QAccessibleEvent &)> &accessibilityListener()
{
    static std::function<void(QAccessibleEvent &)> listener;
    return listener;
}

// Qt passes the event on only while an assistive technology listens.
void tell(QAccessibleEvent &event)
{
    if (accessibilityListener())
        accessibilityListener()(event);
    if (QAccessible::isActive())
        QAccessible::updateAccessibility(&event);
}

// Tells screen readers that cell (col, row) of `board` took the focus or changed its name.
void tellCell(BoardView &board, QAccessible::Event type, int col, int row)
{
    const puzzle::Puzzle &p = board.game().puzzle();
    if (board.game().paused() || !isOnBoard(p, col, row))
        return;
    QAccessibleEvent event(&board, type);
    event.setChild(row * (p.width() + 1) + col);
    tell(event);
}

} // namespace

QString cellAccessibleName(const puzzle::Puzzle &puzzle, const puzzle::Entries &entries, int col, int row)
{
    if (puzzle.isEntry(col, row))
        return entryName(entries, puzzle.cellIndex(col, row));
    const CellRuns runs = runsOf(puzzle, col, row);
    if (runs.across && runs.down)
        return ScreenReaderText::tr("across %1, down %2").arg(runs.across->sum).arg(runs.down->sum);
    if (runs.across)
        return ScreenReaderText::tr("across %1").arg(runs.across->sum);
    if (runs.down)
        return ScreenReaderText::tr("down %1").arg(runs.down->sum);
    return ScreenReaderText::tr("block");
}

QString cellAccessibleDescription(const puzzle::Puzzle &puzzle, int col, int row)
{
    const CellRuns runs = runsOf(puzzle, col, row);
    if (runs.across && runs.down)
        return ScreenReaderText::tr("across %1 in %2, down %3 in %4")
            .arg(runs.across->sum)
            .arg(runs.across->length)
            .arg(runs.down->sum)
            .arg(runs.down->length);
    if (runs.across)
        return ScreenReaderText::tr("across %1 in %2").arg(runs.across->sum).arg(runs.across->length);
    if (runs.down)
        return ScreenReaderText::tr("down %1 in %2").arg(runs.down->sum).arg(runs.down->length);
    return {};
}

void setAccessibilityListener(std::function<void(QAccessibleEvent &)> listener)
{
    accessibilityListener() = std::move(listener);
}

void makeBoardAccessible(BoardView &board)
{
    static const bool factoryInstalled = (QAccessible::installFactory(boardTableFactory), true);
    Q_UNUSED(factoryInstalled);
    board.picture()->setAccessibleName(ScreenReaderText::tr("Board"));

    const game::Game &game = board.game();
    QObject::connect(&board, &BoardView::selectionChanged, &board,
                     [&board](int col, int row) { tellCell(board, QAccessible::Focus, col, row); });
    QObject::connect(&game, &game::Game::cellChanged, &board,
                     [&board](int col, int row) { tellCell(board, QAccessible::NameChanged, col, row); });
    // A check's error marks change the names of the cells it found wrong.
    QObject::connect(&game, &game::Game::wrongCellsFound, &board, [&board](const QList<int> &cells) {
        const puzzle::Puzzle &p = board.game().puzzle();
        for (int i : cells)
            tellCell(board, QAccessible::NameChanged, p.colOf(i), p.rowOf(i));
    });
    const auto tellTableReset = [&board] {
        QAccessibleTableModelChangeEvent event(&board, QAccessibleTableModelChangeEvent::ModelReset);
        tell(event);
    };
    QObject::connect(&game, &game::Game::puzzleOpened, &board, tellTableReset);
    // A pause hides every cell and renames the table; going on shows them again.
    QObject::connect(&game, &game::Game::pausedChanged, &board, [&board, tellTableReset] {
        tellTableReset();
        QAccessibleEvent renamed(&board, QAccessible::NameChanged);
        tell(renamed);
    });
}

} // namespace view
