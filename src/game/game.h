// The game: the puzzle in play, the player's entries on it, checking, completion and the clock.
// It knows no window: the board view calls its operations and repaints what its signals name.
#pragma once

#include "core/puzzle.h"
#include "game/game_clock.h"
#include "game/hint.h"
#include "puzzle/book.h"
#include "puzzle/entries.h"
#include "store/player_settings.h"

#include <QList>
#include <QObject>
#include <QString>

#include <memory>
#include <vector>

namespace game {

class MyPuzzles;

class Game : public QObject {
    Q_OBJECT
public:
    // Plays puzzles of `book` (which must hold at least one). The puzzle number and the pen or
    // pencil choice are those of `settings`, which the game keeps up to date. Saved games are
    // read from and written to `savedGamesFolder`. No puzzle is open until openPuzzle.
    Game(const puzzle::Book &book, store::PlayerSettings &settings, const QString &savedGamesFolder,
         QObject *parent = nullptr);

    const kakuro::Puzzle &puzzle() const { return puzzle_; }
    const puzzle::Entries &entries() const { return entries_; }
    // The book's puzzle in play (or last in play while one of the player's own is), 1..puzzleCount
    // once one is open.
    int puzzleNumber() const { return settings_.values().lastPuzzle; }
    int puzzleCount() const { return book_.puzzleCount(); }

    // The player's own puzzles, which the game may also play; they must outlive the game.
    void setMyPuzzles(MyPuzzles *own) { own_ = own; }
    MyPuzzles *myPuzzles() const { return own_; }
    // Whether the puzzle in play is one of the player's own, and which.
    bool playingOwn() const { return ownNumber_ != 0; }
    int ownPuzzleNumber() const { return ownNumber_; }
    // Opens the player's own puzzle `number` in 1..count as openPuzzle opens a book's; Next and
    // Previous then step through the player's own puzzles.
    void openOwnPuzzle(int number);
    bool pencilMode() const { return settings_.values().pencilMode != 0; }
    // In candidate mode digits toggle candidate marks instead of being written.
    bool candidateMode() const { return candidateMode_; }
    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    const GameClock &clock() const { return clock_; }
    // Time passes through it (its tick()); only the game starts and stops it.
    GameClock &clock() { return clock_; }
    QString savedGamePath() const;
    // Where every puzzle's saved game is kept.
    const QString &savedGamesFolder() const { return savedGamesFolder_; }
    const puzzle::Book &book() const { return book_; }

    // Opens puzzle `number`, brought into 1..puzzleCount, with its saved game when there is one,
    // and starts the clock from zero (from the saved time played while progress is kept). The
    // puzzle left is resumed and its progress kept first.
    void openPuzzle(int number);
    // The next or previous puzzle; nothing at the last or the first.
    void nextPuzzle();
    void previousPuzzle();
    // The puzzle in play again, empty, without its saved game.
    void restart();
    // Writes the saved game of the puzzle in play. False, with `error` a sentence for the
    // player, when it could not. A saved game that was there but could not be read when the
    // puzzle opened is replaced only with `replaceUnreadable`: the player is asked first.
    bool save(QString *error, bool replaceUnreadable = false);
    // Whether the puzzle in play opened with a saved game that was there but could not be read,
    // and that no save has replaced since.
    bool savedGameUnreadable() const { return savedGameUnreadable_; }

    // While progress is kept, leaving a puzzle whose entries changed since it was opened,
    // restarted or saved saves it, with the time played; completing it deletes its saved game.
    bool keepsProgress() const { return settings_.values().keepProgress; }
    void setKeepProgress(bool on) { settings_.setKeepProgress(on); }
    // While on, a digit placed leaves the marks of every other cell of its two runs, in the same
    // change as the placement.
    bool autoMarks() const { return settings_.values().autoMarks; }
    void setAutoMarks(bool on) { settings_.setAutoMarks(on); }
    // Saves the puzzle in play as leaving it does. True when nothing needed writing or the write
    // went well; false, with `error` set, when it failed.
    bool keepProgress(QString *error);

    // Shows the next step a person could take from the board as it stands. A hint counts once
    // toward hintsUsed, however often it is shown while the board stays the same.
    void showHint();
    // Applies the hint last shown when the board has not changed since, else the next one: a
    // placement is written in pen, a removal takes digits out of the cell's marks (filled first
    // when it has none), a wrong digit is cleared. One change, as the player's own.
    void applyHint();
    // Hints taken on the puzzle in play since it was restarted, carried with its saved game.
    int hintsUsed() const { return hintsUsed_; }

    // A paused game stands still: the clock stops and the board is hidden until it resumes, and
    // every operation that looks at or changes the board (writing, erasing, marks, undo and redo,
    // checking, hints, the solution) does nothing meanwhile.
    bool paused() const { return paused_; }
    void setPaused(bool paused);
    // The window went out of sight (the clock stops, if it ran) or came back (a clock stopped
    // for that runs again, unless the game is paused, whose end then starts it). The clock is
    // started and stopped by the game alone.
    void setWindowMinimised(bool minimised);
    // The program is closing: the clock stops for good.
    void stopClock() { clock_.stop(); }

    // Chooses pen or pencil, which also ends candidate mode.
    void setPencilMode(bool pencil);
    void setCandidateMode(bool on);
    // Writes `digit` (1-9) into entry cell (col, row) in pen or pencil as the mode says, then
    // checks the board when every entry cell is filled; in candidate mode toggles the digit's mark
    // instead. Cells that are not entry cells are left.
    void write(int col, int row, int digit);
    // Empties entry cell (col, row), or clears its marks when it holds no digit; its error mark
    // stays.
    void erase(int col, int row);
    // Marks in every empty entry cell the digits its runs still allow; takes every mark out.
    void fillCandidates();
    void clearCandidates();
    // Takes back or does again one change of the player's, then checks the board when every entry
    // cell is filled. Error marks, the clock and files are never touched.
    void undo();
    void redo();
    // Compares every digit with the solution: marks the wrong cells, or tells that there is no
    // mistake, or completes the puzzle when the board is full.
    void checkAll();
    // Asks the view to show the solution; entries, marks and clock stay as they are.
    void revealSolution();

Q_SIGNALS:
    // `number` is the book's, or the player's own while playingOwn().
    void puzzleOpened(int number);
    void cellChanged(int col, int row);
    // The entry cells of a check's wrong digits, now marked.
    void wrongCellsFound(const QList<int> &cells);
    // A check found no mistake on a board that is not full.
    void noMistakesFound();
    // The board is full and right. The clock has stopped at `seconds`.
    void completed(int seconds);
    void solutionRevealed();
    void candidateModeChanged(bool on);
    void pausedChanged(bool paused);
    void hintShown(const game::Hint &hint);
    // Keeping the progress of the puzzle being left failed; the leaving went on.
    void progressNotKept(const QString &error);
    // The puzzle opened without its saved game, which is there but could not be read; `message`
    // tells the player.
    void unreadableSavedGameFound(const QString &message);
    // What canUndo or canRedo say may have changed.
    void historyChanged();

private:
    // One change of the player's: the cells it touched, as they were and as they became.
    struct CellChange {
        int cell;
        puzzle::CellContent before;
        puzzle::CellContent after;
    };
    using Change = std::vector<CellChange>;

    void start(bool withSavedGame);
    // Leaves the puzzle in play, keeping its progress when asked to.
    void leave();
    // Makes `after` the content of each cell named, as one change the player can take back.
    void change(const std::vector<std::pair<int, puzzle::CellContent>> &after);
    void changeCell(int i, const puzzle::CellContent &content);
    // Cell i becoming `content`, with the digit it places taken out of the marks of its runs'
    // other cells while automatic marks are on.
    std::vector<std::pair<int, puzzle::CellContent>> placing(int i, const puzzle::CellContent &content) const;
    void apply(const Change &change, bool forward);
    void moveThroughHistory(std::vector<Change> &from, std::vector<Change> &to, bool forward);
    void checkWhenFull();
    // The hint for the board as it stands, counted once.
    const Hint &currentHint();

    const puzzle::Book &book_;
    MyPuzzles *own_ = nullptr;
    int ownNumber_ = 0; // the player's own puzzle in play, 0 while the book's is
    store::PlayerSettings &settings_;
    QString savedGamesFolder_;
    kakuro::Puzzle puzzle_;
    puzzle::Entries entries_;
    GameClock clock_;
    bool candidateMode_ = false;
    bool paused_ = false;
    bool clockStoodBeforePause_ = false;
    bool clockStoppedWhileMinimised_ = false;
    bool changedSinceSaved_ = false;
    bool savedGameUnreadable_ = false;
    int changeCount_ = 0; // changes since the puzzle was opened: tells whether the last hint still holds
    std::unique_ptr<HintFinder> hintFinder_;
    Hint lastHint_;
    int lastHintChange_ = -1;
    int hintsUsed_ = 0;
    std::vector<Change> undo_;
    std::vector<Change> redo_;
};

} // namespace game
