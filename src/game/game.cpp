// The game's operations.
#include "game/game.h"

#include "puzzle/saved_game.h"

#include <algorithm>

namespace game {

Game::Game(const puzzle::Book &book, store::Settings &settings, const QString &savedGamesFolder,
           QObject *parent)
    : QObject(parent), book_(book), settings_(settings), savedGamesFolder_(savedGamesFolder), clock_(this)
{
}

QString Game::savedGamePath() const
{
    return puzzle::savedGamePath(savedGamesFolder_, puzzleNumber());
}

void Game::openPuzzle(int number)
{
    settings_.lastPuzzle = std::clamp(number, 1, puzzleCount());
    start(true);
}

void Game::nextPuzzle()
{
    if (puzzleNumber() < puzzleCount())
        openPuzzle(puzzleNumber() + 1);
}

void Game::previousPuzzle()
{
    if (puzzleNumber() > 1)
        openPuzzle(puzzleNumber() - 1);
}

void Game::restart()
{
    start(false);
}

void Game::start(bool withSavedGame)
{
    puzzle_ = book_.puzzle(puzzleNumber());
    entries_ = puzzle::Entries(puzzle_.cellCount());
    if (withSavedGame)
        puzzle::readSavedGame(savedGamePath(), puzzleNumber(), puzzle_, entries_);
    clock_.restart();
    Q_EMIT puzzleOpened(puzzleNumber());
}

bool Game::save(QString *error) const
{
    return puzzle::writeSavedGame(savedGamePath(), puzzleNumber(), entries_, error);
}

void Game::setPencilMode(bool pencil)
{
    settings_.pencilMode = pencil ? 1 : 0;
    Q_EMIT pencilModeChanged(pencil);
}

void Game::write(int col, int row, int digit)
{
    if (!puzzle_.isEntry(col, row) || digit < 1 || digit > 9)
        return;
    entries_.write(puzzle_.cellIndex(col, row), digit, pencilMode());
    Q_EMIT cellChanged(col, row);
    if (entries_.filledCount() == puzzle_.entryCellCount())
        checkAll();
}

void Game::erase(int col, int row)
{
    if (!puzzle_.isEntry(col, row))
        return;
    entries_.erase(puzzle_.cellIndex(col, row));
    Q_EMIT cellChanged(col, row);
}

void Game::checkAll()
{
    QList<int> wrong;
    for (int i = 1; i <= puzzle_.cellCount(); ++i) {
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
    Q_EMIT completed(clock_.seconds());
}

void Game::revealSolution()
{
    Q_EMIT solutionRevealed();
}

} // namespace game
