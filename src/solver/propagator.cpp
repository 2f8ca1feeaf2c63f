// The ladder's work queues: a change to a cell puts its two runs back before every rung.
#include "solver/propagator.h"

#include <algorithm>
#include <bit>

namespace kakuro {

Propagator::Propagator(const Puzzle &puzzle, RunLadder ladder)
    : puzzle_(puzzle), ladder_(std::move(ladder.rungs)), hiddenSingles_(ladder.hiddenSingles),
      queues_(ladder_.size()), filled_(ladder_.size(), 0), queued_(puzzle.runs().size(), 0),
      allRungs_(std::uint8_t((1u << ladder_.size()) - 1))
{
}

int Propagator::bucketOf(int run) const
{
    return std::min(puzzle_.run(run).length, 10);
}

void Propagator::queueRun(int run)
{
    std::uint8_t &bits = queued_[std::size_t(run)];
    if (bits == allRungs_)
        return;
    for (std::size_t rung = 0; rung < queues_.size(); ++rung) {
        if (!(bits & (1u << rung))) {
            bits |= std::uint8_t(1u << rung);
            const int bucket = bucketOf(run);
            queues_[rung][std::size_t(bucket)].push_back(run);
            filled_[rung] |= std::uint16_t(1u << bucket);
        }
    }
}

void Propagator::queueAll()
{
    // Reverse order so that the stacks hand out runs in scan order.
    for (int run = puzzle_.runCount() - 1; run >= 0; --run)
        queueRun(run);
}

void Propagator::queueCell(int cell)
{
    for (int run : puzzle_.runsOf(cell))
        if (run != kNoRun)
            queueRun(run);
}

void Propagator::clearQueues()
{
    for (auto &rung : queues_)
        for (auto &q : rung)
            q.clear();
    std::fill(filled_.begin(), filled_.end(), std::uint16_t(0));
    std::fill(queued_.begin(), queued_.end(), std::uint8_t(0));
}

Outcome Propagator::apply(Technique t, int run, std::vector<DigitSet> &domains)
{
    if (t == Technique::Combinations && hiddenSingles_ == HiddenSingles::WithCombinations)
        return applyCombinationsWithHiddenSingles(puzzle_, run, domains, changed_);
    const bool costly = memo_ && t != Technique::Combinations && t != Technique::HiddenSingle;
    if (!costly)
        return applyTechnique(t, puzzle_, run, domains, changed_);
    Outcome outcome;
    if (memo_->recall(t, puzzle_, run, domains, changed_, outcome))
        return outcome;
    const Run &r = puzzle_.run(run);
    DigitSet before[9];
    const std::span<const int> cells = puzzle_.cells(run);
    for (int i = 0; i < r.length && i < 9; ++i)
        before[i] = domains[std::size_t(cells[i])];
    outcome = applyTechnique(t, puzzle_, run, domains, changed_);
    memo_->remember(t, puzzle_, run, before, domains, outcome);
    return outcome;
}

bool Propagator::propagate(std::vector<DigitSet> &domains, LadderCounts *counts)
{
    for (;;) {
        std::size_t rung = 0;
        while (rung < queues_.size() && filled_[rung] == 0)
            ++rung;
        if (rung == queues_.size())
            return true;
        const int bucket = std::countr_zero(unsigned(filled_[rung]));
        auto &q = queues_[rung][std::size_t(bucket)];
        const int run = q.back();
        q.pop_back();
        if (q.empty())
            filled_[rung] &= std::uint16_t(~(1u << bucket));
        queued_[std::size_t(run)] &= std::uint8_t(~(1u << rung));
        changed_.clear();
        const Outcome outcome = apply(ladder_[rung], run, domains);
        if (trail_)
            trail_->insert(trail_->end(), changed_.begin(), changed_.end());
        if (outcome == Outcome::Contradiction) {
            clearQueues();
            return false;
        }
        if (outcome == Outcome::Changed) {
            if (counts)
                ++(*counts)[rung];
            if (steps_)
                steps_->push_back(
                    {ladder_[rung], {run}, cellStepsOf(changed_, domains), -1, 0, 0, {}, false});
            // A technique that reached its own fixed point on the run need not look at it again:
            // marking it queued on this rung keeps it off while the changed cells are queued.
            const bool settled =
                isIdempotent(ladder_[rung]) || (ladder_[rung] == Technique::Combinations &&
                                                hiddenSingles_ == HiddenSingles::WithCombinations);
            if (settled)
                queued_[std::size_t(run)] |= std::uint8_t(1u << rung);
            for (const Change &c : changed_)
                queueCell(c.cell);
            if (settled)
                queued_[std::size_t(run)] &= std::uint8_t(~(1u << rung));
        }
    }
}

} // namespace kakuro
