// The board's accessible names, and the events that keep screen readers up to date.
#include "view/board_accessibility.h"

#include "core/puzzle.h"
#include "game/digit_text.h"
#include "game/game.h"
#include "game/hint.h"
#include "puzzle/entries.h"
#include "view/board_accessible_table.h"
#include "view/board_picture.h"
#include "view/board_view.h"
#include "view/combination_window.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QEvent>
#include <QStringList>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace view {
namespace {

class ScreenReaderText {
    Q_DECLARE_TR_FUNCTIONS(view::BoardAccessibility)
};

// The across and down runs that an entry cell lies in, or that a clue cell heads.
struct CellRuns {
    const kakuro::Run *across = nullptr;
    const kakuro::Run *down = nullptr;
};

CellRuns runsOf(const kakuro::Puzzle &p, int col, int row)
{
    const auto runAt = [&](int index) { return index == kakuro::kNoRun ? nullptr : &p.run(index); };
    if (const int cell = p.cellAt(col, row); cell >= 0)
        return {runAt(p.acrossRunOf(cell)), runAt(p.downRunOf(cell))};
    CellRuns runs;
    for (const kakuro::Run &run : p.runs()) {
        if (run.clueCol == col && run.clueRow == row)
            (run.direction == kakuro::Direction::Across ? runs.across : runs.down) = &run;
    }
    return runs;
}

// An entry cell's digit, its error mark, the marks shown in it (hidden under a digit), and what
// the board draws over it.
QString entryName(const puzzle::Entries &e, int i, CellOnShow onShow)
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
    if (onShow.conflict)
        name = ScreenReaderText::tr("%1, conflict").arg(name);
    if (onShow.solution != 0)
        name = ScreenReaderText::tr("%1, solution %2").arg(name).arg(onShow.solution);
    return name;
}

std::function<void(QAccessibleEvent &)> &accessibilityListener()
{
    static std::function<void(QAccessibleEvent &)> listener;
    return listener;
}

// A screen reader is there to hear the board, or a test stands for one.
bool readerListens()
{
    return QAccessible::isActive() || accessibilityListener();
}

// Qt passes the event on only while an assistive technology listens.
void tell(QAccessibleEvent &event)
{
    if (accessibilityListener())
        accessibilityListener()(event);
    if (QAccessible::isActive())
        QAccessible::updateAccessibility(&event);
}

// The focus on the selected cell, or on the board itself when no cell is selected; told only
// while the board holds the keyboard focus.
void tellFocus(BoardView &board)
{
    if (!board.picture()->hasFocus())
        return;
    QAccessibleEvent event(board.picture(), QAccessible::Focus);
    if (const int index = boardChildIndex(board, board.selectedCol(), board.selectedRow()); index >= 0)
        event.setChild(index);
    tell(event);
}

// A cell's content changed: the selected cell is read again in full, which screen readers do
// for a new object that takes the focus (a changed name of a table cell they pass over).
void tellChanged(BoardView &board, int col, int row)
{
    renewBoardCells(board, col, row);
    if (col == board.selectedCol() && row == board.selectedRow() && board.picture()->hasFocus()) {
        tellFocus(board);
        return;
    }
    if (const int index = boardChildIndex(board, col, row); index >= 0) {
        QAccessibleEvent event(board.picture(), QAccessible::NameChanged);
        event.setChild(index);
        tell(event);
    }
}

// The notice: a widget of no size whose showing screen readers speak, as they speak a desktop
// notification, without moving the focus.
constexpr const char *kNoticeName = "boardNotice";

QAccessibleInterface *noticeFactory(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (className != QLatin1String("QWidget") || !widget ||
        widget->objectName() != QLatin1String(kNoticeName))
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Notification);
}

void announce(BoardView &board, const QString &text)
{
    auto *notice = board.findChild<QWidget *>(QLatin1String(kNoticeName), Qt::FindDirectChildrenOnly);
    notice->setAccessibleName(text);
    notice->hide();
    notice->show(); // Qt tells the showing to screen readers
    if (accessibilityListener()) {
        QAccessibleEvent shown(notice, QAccessible::ObjectShow);
        accessibilityListener()(shown);
    }
}

void resetTable(BoardView &board)
{
    QAccessibleTableModelChangeEvent event(board.picture(), QAccessibleTableModelChangeEvent::ModelReset);
    tell(event); // Qt lets the table drop its cells
    renewBoardCells(board);
}

// A screen reader's player starts on the first entry cell, as Home starts, where a sighted player
// starts from nothing selected. True when it selected the cell, which tells the focus on it.
bool selectForReader(BoardView &board)
{
    if (!readerListens() || board.game().paused() || board.selectedCol() >= 0)
        return false;
    board.selectFirstEntryCell();
    return true;
}

void focusBoard(BoardView &board)
{
    if (!selectForReader(board))
        tellFocus(board);
}

// The focus reaches the board: the selected cell is told after the board itself, which Qt tells
// when it hands the focus on.
class FocusFollower : public QObject {
public:
    explicit FocusFollower(BoardView &board) : QObject(&board), board_(board) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn)
            QTimer::singleShot(0, &board_, [board = &board_] { focusBoard(*board); });
        return QObject::eventFilter(watched, event);
    }

private:
    BoardView &board_;
};

} // namespace

QString cellAccessibleName(const kakuro::Puzzle &puzzle, const puzzle::Entries &entries, int col, int row,
                           CellOnShow onShow)
{
    if (const int cell = puzzle.cellAt(col, row); cell >= 0)
        return entryName(entries, cell, onShow);
    const CellRuns runs = runsOf(puzzle, col, row);
    if (runs.across && runs.down)
        return ScreenReaderText::tr("across %1, down %2").arg(runs.across->sum).arg(runs.down->sum);
    if (runs.across)
        return ScreenReaderText::tr("across %1").arg(runs.across->sum);
    if (runs.down)
        return ScreenReaderText::tr("down %1").arg(runs.down->sum);
    return ScreenReaderText::tr("block");
}

QString cellAccessibleDescription(const kakuro::Puzzle &puzzle, int col, int row)
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

QString boardCellName(const BoardView &board, int col, int row)
{
    const game::Game &game = board.game();
    CellOnShow onShow;
    if (const int i = game.puzzle().cellAt(col, row); i >= 0) {
        onShow = {board.showsConflictAt(i), board.showsSolutionAt(i) ? game.puzzle().solution(i) : 0};
    }
    return cellAccessibleName(game.puzzle(), game.entries(), col, row, onShow);
}

QString boardCellDescription(const BoardView &board, int col, int row)
{
    const QString runs = cellAccessibleDescription(board.game().puzzle(), col, row);
    if (!board.speaksCombinations() || !board.game().puzzle().isEntry(col, row))
        return runs;
    return ScreenReaderText::tr("%1. %2").arg(runs, spokenCombinations(board.game(), col, row));
}

QString boardTableName(const BoardView &board)
{
    return board.game().paused() ? ScreenReaderText::tr("Board, paused") : ScreenReaderText::tr("Board");
}

void setAccessibilityListener(std::function<void(QAccessibleEvent &)> listener)
{
    accessibilityListener() = std::move(listener);
}

void makeBoardAccessible(BoardView &board)
{
    installBoardTableFactory();
    static const bool noticeFactoryInstalled = (QAccessible::installFactory(noticeFactory), true);
    Q_UNUSED(noticeFactoryInstalled);
    board.picture()->setAccessibleName(ScreenReaderText::tr("Board"));
    auto *notice = new QWidget(&board);
    notice->setObjectName(QLatin1String(kNoticeName));
    notice->setGeometry(0, 0, 0, 0);
    notice->hide();
    board.picture()->installEventFilter(new FocusFollower(board));

    const game::Game &game = board.game();
    QObject::connect(&board, &BoardView::selectionChanged, &board, [&board] { tellFocus(board); });
    QObject::connect(&game, &game::Game::cellChanged, &board,
                     [&board](int col, int row) { tellChanged(board, col, row); });
    // A check's error marks change the names of the cells it found wrong.
    QObject::connect(&game, &game::Game::wrongCellsFound, &board, [&board](const QList<int> &cells) {
        const kakuro::Puzzle &p = board.game().puzzle();
        for (int i : cells)
            tellChanged(board, p.colOf(i), p.rowOf(i));
        // One wrong digit has a text of its own, since without a translation %n takes no plural.
        announce(board, cells.size() == 1
                            ? ScreenReaderText::tr("1 wrong digit, marked")
                            : ScreenReaderText::tr("%n wrong digits, marked", nullptr, int(cells.size())));
    });
    // The hint's panel does not take the focus, which stays on the board (on the hint's cell, which
    // the board selects first); its words are spoken as a notice.
    QObject::connect(&game, &game::Game::hintShown, &board,
                     [&board](const game::Hint &hint) { announce(board, hint.text); });
    QObject::connect(&game, &game::Game::puzzleOpened, &board, [&board](int number) {
        resetTable(board);
        selectForReader(board);
        const kakuro::Puzzle &p = board.game().puzzle();
        announce(board,
                 ScreenReaderText::tr("Puzzle %1, %2 by %3").arg(number).arg(p.width()).arg(p.height()));
    });
    // A pause hides every cell and renames the table, which takes the focus; going on gives the
    // focus back to the selected cell.
    QObject::connect(&game, &game::Game::pausedChanged, &board, [&board] {
        resetTable(board);
        QAccessibleEvent renamed(board.picture(), QAccessible::NameChanged);
        tell(renamed);
        tellFocus(board);
    });
    QObject::connect(&game, &game::Game::solutionRevealed, &board, [&board] {
        renewBoardCells(board);
        tellFocus(board);
    });
}

} // namespace view
