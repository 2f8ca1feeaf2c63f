// What the solver says of a puzzle being typed in: no solution, more than one, or exactly one and
// how hard it is. The search runs on worker threads in rounds of growing size, so that an open
// layout with few sums still answers, and the next edit drops a check that is under way.
#pragma once

#include "core/book_format.h"
#include "game/puzzle_editor.h"
#include "solver/grader.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QTimer>

#include <atomic>
#include <memory>
#include <optional>

namespace game {

enum class LayoutVerdict {
    Checking,    // a search is under way
    NoRuns,      // nothing to solve yet
    MissingSums, // some runs still need a sum (runs at the grid's edge have no place for one)
    TooLong,     // a run is longer than 9 cells
    NoSolution,
    Several,    // more than one solution
    Unique,     // exactly one, which logic finds
    NeedsGuess, // exactly one, but logic alone gets stuck
    Undecided,  // the search grew too large to finish
};

struct LayoutStatus {
    LayoutVerdict verdict = LayoutVerdict::NoRuns;
    int missingSums = 0;
    QList<QPoint> differing; // two cells (col, row) that hold different digits in two solutions
    kakuro::Difficulty difficulty = kakuro::Difficulty::Easy;
    kakuro::Technique hardest = kakuro::Technique::Combinations;
    std::optional<kakuro::BookPuzzle> solution; // the one solution, as a book record

    bool canBeSaved() const
    {
        return verdict == LayoutVerdict::Unique || verdict == LayoutVerdict::NeedsGuess;
    }
};

// The status line's text. `stillChecking` tells a search that is taking its time.
QString statusText(const LayoutStatus &status, bool stillChecking = false);

// What can be told without a search: NoRuns, MissingSums or TooLong; nothing when a search is needed.
std::optional<LayoutStatus> quickVerdict(const EditorGrid &grid);

// The full check, searching at most `branches` guesses (Undecided beyond them) and giving up,
// with nothing, when `cancelled` says so between rounds.
std::optional<LayoutStatus> checkLayout(const EditorGrid &grid, long long branches,
                                        const std::function<bool()> &cancelled = {});

class LayoutChecker : public QObject {
    Q_OBJECT
public:
    explicit LayoutChecker(QObject *parent = nullptr);
    ~LayoutChecker() override;

    // Checks `grid`, dropping any check under way.
    void check(const EditorGrid &grid);
    const LayoutStatus &status() const { return status_; }
    // A search has been running for a while.
    bool stillChecking() const { return stillChecking_; }

    // Guesses the search may make before it says Undecided.
    static constexpr long long kBranchLimit = 400000;

Q_SIGNALS:
    void statusChanged();

private:
    LayoutStatus status_;
    bool stillChecking_ = false;
    QTimer slowTimer_;
    std::shared_ptr<std::atomic<int>> latest_; // the number of the newest check
};

} // namespace game
