// The game's operations.
#include "game/game.h"

#include "core/run_rules.h"
#include "game/my_puzzles.h"
#include "puzzle/saved_game.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace game {

Game::Game(const puzzle::Book &book, store::PlayerSettings &settings, const QString &savedGamesFolder,
           QObject *parent)
    : QObject(parent), book_(book), settings_(settings), savedGamesFolder_(savedGamesFolder), clock_(this)
{
}

QString Game::savedGamePath() const
{
    if (playingOwn())
        return MyPuzzles::savedGamePath(savedGamesFolder_, ownNumber_);
    return puzzle::savedGamePath(savedGamesFolder_, puzzleNumber());
}

void Game::leave()
{
    setPaused(false);
    if (QString error; !keepProgress(&error))
        Q_EMIT progressNotKept(error);
}

void Game::openPuzzle(int number)
{
    leave();
    ownNumber_ = 0;
    settings_.rememberLastPuzzle(std::clamp(number, 1, puzzleCount()));
    start(true);
}

void Game::openOwnPuzzle(int number)
{
    if (!own_ || number < 1 || number > own_->count())
        return;
    leave();
    ownNumber_ = number;
    start(true);
}

bool Game::keepProgress(QString *error)
{
    if (!keepsProgress() || !changedSinceSaved_)
        return true;
    return save(error);
}

void Game::setPaused(bool paused)
{
    if (paused == paused_)
        return;
    paused_ = paused;
    if (paused) {
        clockStoodBeforePause_ = !clock_.isRunning(); // a completed puzzle's clock stays stopped
        clock_.stop();
    } else if (!clockStoodBeforePause_) {
        clock_.resume();
    }
    Q_EMIT pausedChanged(paused);
}

void Game::setWindowMinimised(bool minimised)
{
    if (minimised) {
        if (clock_.isRunning()) {
            clock_.stop();
            clockStoppedWhileMinimised_ = true;
        }
        return;
    }
    if (!clockStoppedWhileMinimised_)
        return;
    clockStoppedWhileMinimised_ = false;
    if (paused_)
        clockStoodBeforePause_ = false; // the pause's end starts it
    else
        clock_.resume();
}

void Game::nextPuzzle()
{
    if (playingOwn()) {
        openOwnPuzzle(ownNumber_ + 1); // nothing after the last
        return;
    }
    if (puzzleNumber() < puzzleCount())
        openPuzzle(puzzleNumber() + 1);
}

void Game::previousPuzzle()
{
    if (playingOwn()) {
        openOwnPuzzle(ownNumber_ - 1);
        return;
    }
    if (puzzleNumber() > 1)
        openPuzzle(puzzleNumber() - 1);
}

void Game::restart()
{
    setPaused(false);
    start(false);
}

void Game::start(bool withSavedGame)
{
    const int number = playingOwn() ? ownNumber_ : puzzleNumber();
    puzzle_ = playingOwn() ? kakuro::puzzleFromRecord(own_->record(number)) : book_.puzzle(number);
    entries_ = puzzle::Entries(puzzle_.entryCellCount());
    int seconds = 0, hints = 0;
    QString unreadableReason;
    if (withSavedGame) {
        QByteArray bytes;
        savedGameUnreadable_ = puzzle::loadSavedGameFile(savedGamePath(), bytes, &unreadableReason) ==
                               puzzle::SavedGameFile::Unreadable;
        seconds = puzzle::readSavedGameBytes(bytes, number, puzzle_, entries_, &hints);
    }
    undo_.clear();
    redo_.clear();
    changedSinceSaved_ = false;
    hintFinder_.reset();
    lastHintChange_ = -1;
    hintsUsed_ = hints;
    clock_.restart(keepsProgress() ? seconds : 0);
    Q_EMIT puzzleOpened(number);
    Q_EMIT historyChanged();
    if (withSavedGame && savedGameUnreadable_)
        Q_EMIT unreadableSavedGameFound(
            tr("The saved game %1 could not be read: %2. The puzzle starts without it.")
                .arg(QDir::toNativeSeparators(savedGamePath()), unreadableReason));
}

bool Game::save(QString *error, bool replaceUnreadable)
{
    const int number = playingOwn() ? ownNumber_ : puzzleNumber();
    if (savedGameUnreadable_ && !replaceUnreadable) {
        if (error)
            *error =
                tr("Your progress on puzzle %1 was not saved: its saved game %2 could not be read, so it "
                   "was left as it is.")
                    .arg(QString::number(number), QDir::toNativeSeparators(savedGamePath()));
        return false;
    }
    const int seconds = keepsProgress() ? clock_.seconds() : 0;
    if (!puzzle::writeSavedGame(savedGamePath(), number, puzzle_, entries_, error, seconds, hintsUsed_))
        return false;
    changedSinceSaved_ = false;
    savedGameUnreadable_ = false;
    return true;
}

void Game::setPencilMode(bool pencil)
{
    settings_.setPencilMode(pencil);
    setCandidateMode(false);
}

void Game::setCandidateMode(bool on)
{
    candidateMode_ = on;
    Q_EMIT candidateModeChanged(on);
}

void Game::write(int col, int row, int digit)
{
    const int i = puzzle_.cellAt(col, row);
    if (paused_ || i < 0 || digit < 1 || digit > 9)
        return;
    puzzle::CellContent content = entries_.content(i);
    if (candidateMode_) {
        content.marks ^= std::uint16_t(kakuro::digitBit(digit));
        changeCell(i, content);
        return;
    }
    content.write(digit, pencilMode());
    if (entries_.content(i) == content)
        Q_EMIT cellChanged(col, row);
    else
        change(placing(i, content));
    checkWhenFull();
}

void Game::erase(int col, int row)
{
    const int i = puzzle_.cellAt(col, row);
    if (paused_ || i < 0)
        return;
    puzzle::CellContent content = entries_.content(i);
    if (content.hasDigit())
        content.eraseDigit();
    else
        content.marks = 0;
    changeCell(i, content);
}

std::vector<std::pair<int, puzzle::CellContent>> Game::placing(int i,
                                                               const puzzle::CellContent &content) const
{
    std::vector<std::pair<int, puzzle::CellContent>> after{{i, content}};
    const int digit = content.pen != 0 ? content.pen : content.pencil;
    if (!autoMarks() || digit == 0)
        return after;
    for (int run : puzzle_.runsOf(i)) {
        if (run == kakuro::kNoRun)
            continue;
        for (int cell : puzzle_.cells(run)) {
            puzzle::CellContent other = entries_.content(cell);
            other.marks &= std::uint16_t(~kakuro::digitBit(digit));
            if (cell != i && other != entries_.content(cell))
                after.emplace_back(cell, other);
        }
    }
    return after;
}

// A cell left as it was is repainted all the same, and leaves nothing to take back.
void Game::changeCell(int i, const puzzle::CellContent &content)
{
    if (entries_.content(i) == content)
        Q_EMIT cellChanged(puzzle_.colOf(i), puzzle_.rowOf(i));
    else
        change({{i, content}});
}

void Game::fillCandidates()
{
    if (paused_)
        return;
    const std::vector<kakuro::DigitSet> candidates = kakuro::candidatesOfAll(puzzle_, entries_.digits());
    std::vector<std::pair<int, puzzle::CellContent>> after;
    for (int i = 0; i < puzzle_.entryCellCount(); ++i) {
        puzzle::CellContent content = entries_.content(i);
        if (content.hasDigit())
            continue;
        content.marks = candidates[std::size_t(i)];
        after.emplace_back(i, content);
    }
    change(after);
}

void Game::clearCandidates()
{
    if (paused_)
        return;
    std::vector<std::pair<int, puzzle::CellContent>> after;
    for (int i = 0; i < puzzle_.entryCellCount(); ++i) {
        puzzle::CellContent content = entries_.content(i);
        content.marks = 0;
        after.emplace_back(i, content);
    }
    change(after);
}

void Game::change(const std::vector<std::pair<int, puzzle::CellContent>> &after)
{
    Change step;
    for (const auto &[i, content] : after) {
        if (entries_.content(i) != content)
            step.push_back({i, entries_.content(i), content});
    }
    if (step.empty())
        return;
    apply(step, true);
    changedSinceSaved_ = true;
    ++changeCount_;
    undo_.push_back(std::move(step));
    redo_.clear();
    Q_EMIT historyChanged();
}

void Game::apply(const Change &change, bool forward)
{
    for (const CellChange &c : change) {
        entries_.setContent(c.cell, forward ? c.after : c.before);
        Q_EMIT cellChanged(puzzle_.colOf(c.cell), puzzle_.rowOf(c.cell));
    }
}

void Game::undo()
{
    moveThroughHistory(undo_, redo_, false);
}

void Game::redo()
{
    moveThroughHistory(redo_, undo_, true);
}

// Takes the last change of `from`, applies it backward or forward, and keeps it in `to`.
void Game::moveThroughHistory(std::vector<Change> &from, std::vector<Change> &to, bool forward)
{
    if (paused_ || from.empty())
        return;
    apply(from.back(), forward);
    changedSinceSaved_ = true;
    ++changeCount_;
    to.push_back(std::move(from.back()));
    from.pop_back();
    Q_EMIT historyChanged();
    checkWhenFull();
}

const Hint &Game::currentHint()
{
    if (lastHintChange_ == changeCount_)
        return lastHint_;
    if (!hintFinder_)
        hintFinder_ = std::make_unique<HintFinder>(puzzle_);
    lastHint_ = hintFinder_->next(entries_);
    lastHintChange_ = changeCount_;
    if (lastHint_.kind != HintKind::Nothing) {
        ++hintsUsed_;
        changedSinceSaved_ = true; // the count is kept with the game
    }
    return lastHint_;
}

void Game::showHint()
{
    if (paused_)
        return;
    Q_EMIT hintShown(currentHint());
}

void Game::applyHint()
{
    if (paused_)
        return;
    const Hint hint = currentHint();
    if (hint.kind == HintKind::Nothing)
        return;
    puzzle::CellContent content = entries_.content(hint.cell);
    if (hint.kind == HintKind::Placement) {
        content.write(hint.digit, false);
    } else if (hint.kind == HintKind::WrongDigit) {
        content.eraseDigit();
    } else if (hint.kind == HintKind::LostDigit) {
        content.marks |= kakuro::digitBit(hint.digit);
    } else {
        // An empty cell without marks stands for every digit, as the hint reasoned.
        if (content.marks == 0)
            content.marks = kakuro::kAllDigits;
        for (int d : hint.removedDigits)
            content.marks &= std::uint16_t(~kakuro::digitBit(d));
    }
    if (hint.kind == HintKind::Placement)
        change(placing(hint.cell, content));
    else
        change({{hint.cell, content}});
    if (hint.kind == HintKind::Placement)
        checkWhenFull();
}

void Game::checkWhenFull()
{
    if (entries_.filledCount() == puzzle_.entryCellCount())
        checkAll();
}

void Game::checkAll()
{
    if (paused_)
        return;
    QList<int> wrong;
    for (int i = 0; i < puzzle_.entryCellCount(); ++i) {
        const int digit = entries_.digit(i);
        if (digit != 0 && digit != puzzle_.solution(i)) {
            entries_.setErrorMark(i);
            wrong.append(i);
        }
    }
    if (!wrong.isEmpty()) {
        Q_EMIT wrongCellsFound(wrong);
        return;
    }
    if (entries_.filledCount() != puzzle_.entryCellCount()) {
        Q_EMIT noMistakesFound();
        return;
    }
    clock_.stop();
    if (keepsProgress() && !savedGameUnreadable_) {
        // A solved puzzle leaves nothing to carry on; a file that could not be read is not ours
        // to delete.
        QFile::remove(savedGamePath());
        changedSinceSaved_ = false;
    }
    Q_EMIT completed(clock_.seconds());
}

void Game::revealSolution()
{
    if (paused_)
        return;
    Q_EMIT solutionRevealed();
}

} // namespace game
