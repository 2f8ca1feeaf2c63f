// The game: the puzzle in play, the player's entries on it, checking, completion and the clock.
// It knows no window: the board view calls its operations and repaints what its signals name.
#pragma once

#include "game/game_clock.h"
#include "puzzle/book.h"
#include "puzzle/entries.h"
#include "puzzle/puzzle.h"
#include "store/settings_store.h"

#include <QList>
#include <QObject>
#include <QString>

namespace game {

class Game : public QObject {
    Q_OBJECT
public:
    // Plays puzzles of `book` (which must hold at least one). The puzzle number and the pen or
    // pencil choice are those of `settings`, which the game keeps up to date. Saved games are
    // read from and written to `savedGamesFolder`. No puzzle is open until openPuzzle.
    Game(const puzzle::Book &book, store::Settings &settings, const QString &savedGamesFolder,
         QObject *parent = nullptr);

    const puzzle::Puzzle &puzzle() const { return puzzle_; }
    const puzzle::Entries &entries() const { return entries_; }
    // The puzzle in play, 1..puzzleCount once one is open.
    int puzzleNumber() const { return settings_.lastPuzzle; }
    int puzzleCount() const { return book_.puzzleCount(); }
    bool pencilMode() const { return settings_.pencilMode != 0; }
    const GameClock &clock() const { return clock_; }
    GameClock &clock() { return clock_; }
    QString savedGamePath() const;
    // Where every puzzle's saved game is kept.
    const QString &savedGamesFolder() const { return savedGamesFolder_; }
    const puzzle::Book &book() const { return book_; }

    // Opens puzzle `number`, brought into 1..puzzleCount, with its saved game when there is one,
    // and starts the clock from zero.
    void openPuzzle(int number);
    // The next or previous puzzle; nothing at the last or the first.
    void nextPuzzle();
    void previousPuzzle();
    // The puzzle in play again, empty, without its saved game.
    void restart();
    // Writes the saved game of the puzzle in play. False, with `error` a sentence for the
    // player, when it could not.
    bool save(QString *error) const;

    void setPencilMode(bool pencil);
    // Writes `digit` (1-9) into entry cell (col, row) in pen or pencil as the mode says, then
    // checks the board when every entry cell is filled. Cells that are not entry cells are left.
    void write(int col, int row, int digit);
    // Empties entry cell (col, row); its error mark stays.
    void erase(int col, int row);
    // Compares every digit with the solution: marks the wrong cells, or tells that there is no
    // mistake, or completes the puzzle when the board is full.
    void checkAll();
    // Asks the view to show the solution; entries, marks and clock stay as they are.
    void revealSolution();

Q_SIGNALS:
    void puzzleOpened(int number);
    void cellChanged(int col, int row);
    // The cell indices of a check's wrong digits, now marked.
    void wrongCellsFound(const QList<int> &cells);
    // A check found no mistake on a board that is not full.
    void noMistakesFound();
    // The board is full and right. The clock has stopped at `seconds`.
    void completed(int seconds);
    void solutionRevealed();
    void pencilModeChanged(bool pencil);

private:
    void start(bool withSavedGame);

    const puzzle::Book &book_;
    store::Settings &settings_;
    QString savedGamesFolder_;
    puzzle::Puzzle puzzle_;
    puzzle::Entries entries_;
    GameClock clock_;
};

} // namespace game
