// The ladder's climb: run rungs to their fixed point, then one sweep of the next board rung, and
// back to the bottom whenever a sweep narrowed something.
#include "solver/logic_ladder.h"

#include "solver/grader.h"

#include <algorithm>

namespace kakuro {
namespace {

// A short contradiction starts from a cell with at most this many digits left.
constexpr int kMostProbedDigits = 3;

RunLadder runRungsOf(Technique ceiling, LogicLadder::Pace pace)
{
    const Technique top = std::min(ceiling, Technique::RunConsistency);
    if (pace == LogicLadder::Pace::Fast)
        return fastRunLadder(top);
    RunLadder ladder;
    for (Technique t : humanLadder()) {
        ladder.rungs.push_back(t);
        if (t == top)
            break;
    }
    return ladder;
}

bool decided(const std::vector<DigitSet> &domains)
{
    return std::all_of(domains.begin(), domains.end(), [](DigitSet d) { return isSingle(d); });
}

} // namespace

LogicLadder::LogicLadder(const Puzzle &puzzle, Technique ceiling, Pace pace)
    : puzzle_(puzzle), ceiling_(ceiling), runRungs_(runRungsOf(ceiling, pace)), propagator_(puzzle, runRungs_)
{
    if (ceiling_ >= Technique::CrossingRuns)
        rectangles_ = findRectangles(puzzle);
    if (ceiling_ >= Technique::Contradiction)
        cheaper_ = std::make_unique<LogicLadder>(puzzle, Technique::RegionSums, Pace::Fast);
}

LogicLadder::~LogicLadder() = default;

bool LogicLadder::solve(std::vector<DigitSet> &domains, LadderCounts *counts, std::vector<LogicStep> *steps)
{
    propagator_.queueAll();
    return climb(domains, counts, steps, nullptr);
}

bool LogicLadder::solveAfter(int cell, std::vector<DigitSet> &domains)
{
    touched_.assign(puzzle_.runs().size(), 0);
    touch(touched_, cell);
    propagator_.queueCell(cell);
    return climb(domains, nullptr, nullptr, &touched_);
}

void LogicLadder::touch(TouchedRuns &touched, int cell) const
{
    for (int run : puzzle_.runsOf(cell))
        if (run != kNoRun)
            touched[std::size_t(run)] = 1;
}

bool LogicLadder::climb(std::vector<DigitSet> &domains, LadderCounts *counts, std::vector<LogicStep> *steps,
                        TouchedRuns *touched)
{
    propagator_.setStepLog(steps);
    propagator_.setTrail(touched ? &trail_ : nullptr);
    for (;;) {
        LadderCounts byRung{};
        trail_.clear();
        const bool consistent = propagator_.propagate(domains, counts ? &byRung : nullptr);
        if (touched)
            for (const Change &c : trail_)
                touch(*touched, c.cell);
        if (counts)
            for (std::size_t k = 0; k < runRungs_.rungs.size(); ++k)
                (*counts)[std::size_t(runRungs_.rungs[k])] += byRung[k];
        if (!consistent)
            return false;
        if (ceiling_ < Technique::CrossingRuns || decided(domains))
            return true;
        changed_.clear();
        Technique used = Technique::CrossingRuns;
        Outcome o = crossingRuns(puzzle_, rectangles_, domains, changed_, steps, touched);
        if (o == Outcome::Unchanged && ceiling_ >= Technique::RegionSums) {
            used = Technique::RegionSums;
            o = regionSums(puzzle_, domains, changed_, steps, touched);
        }
        if (o == Outcome::Unchanged && ceiling_ >= Technique::Contradiction) {
            used = Technique::Contradiction;
            o = contradiction(domains, steps);
        }
        if (o == Outcome::Contradiction)
            return false;
        if (o == Outcome::Unchanged)
            return true;
        if (counts)
            ++(*counts)[std::size_t(used)];
        for (const Change &c : changed_) {
            propagator_.queueCell(c.cell);
            if (touched)
                touch(*touched, c.cell);
        }
    }
}

// Assumes each digit of each cell with two or three digits left in turn, cells with two first, and
// lets the cheaper rungs run; the first digit that leads to an impossible board is removed.
Outcome LogicLadder::contradiction(std::vector<DigitSet> &domains, std::vector<LogicStep> *steps)
{
    changed_.clear(); // the sweeps before it changed nothing, or it would not be reached
    for (int size = 2; size <= kMostProbedDigits; ++size) {
        for (int cell = 0; cell < puzzle_.entryCellCount(); ++cell) {
            const DigitSet here = domains[std::size_t(cell)];
            if (digitCount(here) != size)
                continue;
            for (int d = 1; d <= 9; ++d) {
                if (!(here & digitBit(d)))
                    continue;
                probe_ = domains;
                probe_[std::size_t(cell)] = digitBit(d);
                if (cheaper_->solveAfter(cell, probe_))
                    continue;
                changed_.push_back({cell, here});
                domains[std::size_t(cell)] = DigitSet(here & ~digitBit(d));
                if (steps) {
                    LogicStep step{Technique::Contradiction,
                                   {},
                                   {{cell, here, domains[std::size_t(cell)]}},
                                   cell,
                                   d,
                                   0,
                                   {},
                                   false};
                    for (int run : puzzle_.runsOf(cell))
                        if (run != kNoRun)
                            step.runs.push_back(run);
                    steps->push_back(std::move(step));
                }
                return Outcome::Changed;
            }
        }
    }
    return Outcome::Unchanged;
}

} // namespace kakuro
