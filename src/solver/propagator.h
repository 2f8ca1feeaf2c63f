// Applies a ladder of run techniques until none changes anything, always using the easiest
// technique that still has a run to look at. The solver and the grader both drive it.
#pragma once

#include "solver/run_memo.h"
#include "solver/techniques.h"

#include <array>
#include <memory>
#include <vector>

namespace kakuro {

// How often each rung of the ladder changed something.
using LadderCounts = std::array<int, kLadderSize>;

// The run techniques a propagator applies, easiest first, at most eight. With
// HiddenSingles::WithCombinations the Combinations rung places hidden singles too, and `rungs`
// lists no HiddenSingle.
struct RunLadder {
    std::vector<Technique> rungs;
    HiddenSingles hiddenSingles = HiddenSingles::OwnRung;
};

class Propagator {
public:
    // The puzzle must outlive the propagator.
    Propagator(const Puzzle &puzzle, RunLadder ladder);
    Propagator(Puzzle &&, RunLadder) = delete;

    // Puts every run before every technique again, as for a fresh start.
    void queueAll();
    // Puts both runs of `cell` before every technique again, after its set was changed from outside.
    void queueCell(int cell);

    // Runs the ladder to its fixed point. False when some run became impossible; the queues are
    // empty afterwards either way. `counts`, when given, is increased per rung that changed something.
    bool propagate(std::vector<DigitSet> &domains, LadderCounts *counts = nullptr);

    const Puzzle &puzzle() const { return puzzle_; }

    // Remembers the work of the costlier techniques between calls; for callers that solve the
    // same puzzle many times with small changes to its sums.
    void enableMemo() { memo_ = std::make_unique<RunMemo>(); }

    // Appends every narrowing to `trail` (or stops when null), so a caller can undo them.
    void setTrail(ChangeLog *trail) { trail_ = trail; }

    // Appends a step for every change a rung makes (or stops when null).
    void setStepLog(std::vector<LogicStep> *steps) { steps_ = steps; }

private:
    void queueRun(int run);
    int bucketOf(int run) const;
    Outcome apply(Technique t, int run, std::vector<DigitSet> &domains);
    void clearQueues();

    const Puzzle &puzzle_;
    std::vector<Technique> ladder_;
    HiddenSingles hiddenSingles_;
    // Per rung, runs waiting to be looked at, in buckets by run length: shorter runs come first,
    // since they are cheap to look at and their findings narrow the longer ones.
    std::vector<std::array<std::vector<int>, 11>> queues_;
    std::vector<std::uint16_t> filled_; // per rung, one bit per bucket that holds a run
    std::vector<std::uint8_t> queued_;  // per run, one bit per rung it is queued on
    std::uint8_t allRungs_;
    ChangeLog changed_;
    ChangeLog *trail_ = nullptr;
    std::vector<LogicStep> *steps_ = nullptr;
    std::unique_ptr<RunMemo> memo_;
};

} // namespace kakuro
