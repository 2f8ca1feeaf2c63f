// The hint search: one look per rung at the board as a person sees it, cheapest rung first.
#include "game/hint_search.h"

#include "solver/combination_table.h"
#include "solver/grader.h"
#include "solver/logic_ladder.h"
#include "solver/run_consistency.h"
#include "solver/run_state.h"

#include <bit>

namespace game {
namespace {

using kakuro::ChangeLog;
using kakuro::digitBit;
using kakuro::digitCount;
using kakuro::DigitSet;
using kakuro::isSingle;
using kakuro::kNoRun;
using kakuro::Technique;

// A run as a person looks at it: its empty cells, what they must still make, and the digits every
// combination of them needs, given the digits the cells allow at a glance.
struct RunLook {
    int run = kNoRun;
    int open[9] = {};
    int openCount = 0;
    int remaining = 0;
    DigitSet required = 0;
};

class Search {
public:
    Search(const kakuro::Puzzle &puzzle, const std::vector<kakuro::RunRectangle> &rectangles,
           const std::vector<DigitSet> &written, std::vector<DigitSet> glance)
        : puzzle_(puzzle), rectangles_(rectangles), written_(written), glance_(std::move(glance)),
          scratch_(glance_)
    {
        for (int run = 0; run < puzzle_.runCount(); ++run)
            looks_.push_back(lookAt(run));
    }

    std::optional<HintStep> find()
    {
        for (Technique rung : kakuro::humanLadder())
            if (std::optional<HintStep> step = placeBy(rung))
                return step;
        return removal_;
    }

private:
    RunLook lookAt(int run) const
    {
        const kakuro::RunState s = kakuro::gatherRun(puzzle_, run, written_);
        RunLook look;
        look.run = run;
        if (s.broken)
            return look;
        DigitSet together = 0;
        for (int k = 0; k < s.openCount; ++k) {
            look.open[k] = s.open[k];
            together |= glance(s.open[k]);
        }
        look.openCount = s.openCount;
        look.remaining = s.remaining;
        look.required =
            kakuro::combinationsOf(s.openCount, s.remaining, DigitSet(together & ~s.placed)).required;
        return look;
    }

    std::optional<HintStep> placeBy(Technique rung)
    {
        switch (rung) {
        case Technique::Combinations:
            return combinations();
        case Technique::CrossingRuns:
        case Technique::RegionSums:
            return boardSweep(rung);
        case Technique::Contradiction:
            return contradiction();
        default:
            break;
        }
        for (const RunLook &look : looks_) {
            if (look.openCount < 2)
                continue;
            std::optional<HintStep> step;
            if (rung == Technique::HiddenSingle)
                step = hiddenSingle(look);
            else if (rung == Technique::Remainder)
                step = remainder(look);
            else if (rung == Technique::Pairs)
                step = subsets(look, 2, 2, rung);
            else if (rung == Technique::Subsets)
                step = subsets(look, 3, 4, rung);
            else if (rung == Technique::RunConsistency)
                step = runConsistency(look);
            if (step)
                return step;
        }
        return std::nullopt;
    }

    bool isOpen(int cell) const { return !isSingle(written_[std::size_t(cell)]); }
    DigitSet glance(int cell) const { return glance_[std::size_t(cell)]; }

    // A step on `cell` that leaves it `after`; nothing when that says nothing new. A placement is
    // handed back; a removal is kept when it is the first one found, the cheapest.
    std::optional<HintStep> offer(Technique rung, int cell, DigitSet before, DigitSet after,
                                  std::vector<int> runs, HintStep details = {})
    {
        if (after == before || after == 0 || !isOpen(cell))
            return std::nullopt;
        details.rung = rung;
        details.cell = cell;
        details.before = before;
        details.after = after;
        details.places = isSingle(after);
        details.run = runs.empty() ? kNoRun : runs.front();
        details.runs = std::move(runs);
        if (details.places)
            return details;
        if (!removal_)
            removal_ = std::move(details);
        return std::nullopt;
    }

    std::vector<int> runsOf(int cell) const
    {
        std::vector<int> runs;
        for (int run : puzzle_.runsOfCell[std::size_t(cell)])
            if (run != kNoRun)
                runs.push_back(run);
        return runs;
    }

    // The last empty cell of a run first, the plainest step there is; then a cell whose two runs
    // leave it one digit. Failing both, the cell the combinations narrow most.
    std::optional<HintStep> combinations()
    {
        for (const RunLook &look : looks_)
            if (look.openCount == 1)
                if (auto step = offer(Technique::Combinations, look.open[0], kakuro::kAllDigits,
                                      glance(look.open[0]), {look.run}))
                    return step;
        int narrowest = -1;
        for (int cell = 0; cell < puzzle_.cellCount(); ++cell) {
            if (!isOpen(cell))
                continue;
            if (isSingle(glance(cell)))
                return offer(Technique::Combinations, cell, kakuro::kAllDigits, glance(cell), runsOf(cell));
            if (glance(cell) != kakuro::kAllDigits &&
                (narrowest < 0 || digitCount(glance(cell)) < digitCount(glance(narrowest))))
                narrowest = cell;
        }
        if (narrowest >= 0)
            offer(Technique::Combinations, narrowest, kakuro::kAllDigits, glance(narrowest),
                  runsOf(narrowest));
        return std::nullopt;
    }

    // A digit every combination of the run needs, which only one of its empty cells can take.
    std::optional<HintStep> hiddenSingle(const RunLook &look)
    {
        for (int d = 1; d <= 9; ++d) {
            if (!(look.required & digitBit(d)))
                continue;
            int holder = -1, holders = 0;
            for (int k = 0; k < look.openCount; ++k) {
                if (glance(look.open[k]) & digitBit(d)) {
                    holder = look.open[k];
                    ++holders;
                }
            }
            HintStep details;
            details.digits = digitBit(d);
            if (holders == 1)
                if (auto step = offer(Technique::HiddenSingle, holder, glance(holder), digitBit(d),
                                      {look.run}, details))
                    return step;
        }
        return std::nullopt;
    }

    // The digits of a cell that leave the run's other empty cells no combination for the rest.
    std::optional<HintStep> remainder(const RunLook &look)
    {
        for (int k = 0; k < look.openCount; ++k) {
            const int cell = look.open[k];
            DigitSet others = 0;
            for (int j = 0; j < look.openCount; ++j)
                if (j != k)
                    others |= glance(look.open[j]);
            DigitSet keep = 0;
            kakuro::forEachDigit(glance(cell), [&](int v) {
                if (kakuro::combinationsOf(look.openCount - 1, look.remaining - v,
                                           DigitSet(others & ~digitBit(v)))
                        .possible)
                    keep |= digitBit(v);
            });
            HintStep details;
            details.digits = others;
            if (auto step = offer(Technique::Remainder, cell, glance(cell), keep, {look.run}, details))
                return step;
        }
        return std::nullopt;
    }

    // Naked subsets (cells that hold only as many digits between them) and hidden ones (digits
    // the run needs that only as many cells can take) of minSize..maxSize cells.
    std::optional<HintStep> subsets(const RunLook &look, int minSize, int maxSize, Technique rung)
    {
        const int n = look.openCount;
        auto fits = [&](unsigned pick) {
            const int size = std::popcount(pick);
            return size >= minSize && size <= maxSize && size < n;
        };
        auto groupOf = [&](unsigned cells) {
            std::vector<int> group;
            for (int k = 0; k < n; ++k)
                if (cells & (1u << k))
                    group.push_back(look.open[k]);
            return group;
        };
        for (unsigned pick = 1; pick < (1u << n); ++pick) {
            if (!fits(pick))
                continue;
            DigitSet digits = 0;
            for (int k = 0; k < n; ++k)
                if (pick & (1u << k))
                    digits |= glance(look.open[k]);
            if (digitCount(digits) != std::popcount(pick))
                continue;
            for (int k = 0; k < n; ++k) {
                if (pick & (1u << k))
                    continue;
                HintStep details;
                details.group = groupOf(pick);
                details.digits = digits;
                const int cell = look.open[k];
                if (auto step = offer(rung, cell, glance(cell), DigitSet(glance(cell) & ~digits), {look.run},
                                      details))
                    return step;
            }
        }
        const DigitSet required = look.required;
        for (unsigned pick = 1; pick < 512; ++pick) {
            if ((pick & required) != pick || !fits(pick))
                continue;
            unsigned holders = 0;
            for (int k = 0; k < n; ++k)
                if (glance(look.open[k]) & pick)
                    holders |= 1u << k;
            if (std::popcount(holders) != std::popcount(pick))
                continue;
            for (int k = 0; k < n; ++k) {
                if (!(holders & (1u << k)))
                    continue;
                HintStep details;
                details.group = groupOf(holders);
                details.digits = DigitSet(pick);
                details.hidden = true;
                const int cell = look.open[k];
                if (auto step =
                        offer(rung, cell, glance(cell), DigitSet(glance(cell) & pick), {look.run}, details))
                    return step;
            }
        }
        return std::nullopt;
    }

    // What no complete filling of the run with the digits its cells allow puts in a cell.
    std::optional<HintStep> runConsistency(const RunLook &look)
    {
        ChangeLog changed;
        const bool sound =
            kakuro::runConsistency(puzzle_, look.run, scratch_, changed) != kakuro::Outcome::Contradiction;
        std::optional<HintStep> found;
        for (int k = 0; k < look.openCount && sound && !found; ++k) {
            const int cell = look.open[k];
            found =
                offer(Technique::RunConsistency, cell, glance(cell), scratch_[std::size_t(cell)], {look.run});
        }
        for (int k = 0; k < look.openCount; ++k)
            scratch_[std::size_t(look.open[k])] = glance(look.open[k]);
        return found;
    }

    // One sweep of a board rung over the board as seen at a glance, each deduction on its own.
    std::optional<HintStep> boardSweep(Technique rung)
    {
        const std::vector<kakuro::LogicStep> steps =
            rung == Technique::CrossingRuns ? kakuro::crossingRunSteps(puzzle_, rectangles_, glance_)
                                            : kakuro::regionSumSteps(puzzle_, glance_);
        for (const kakuro::LogicStep &s : steps)
            for (const kakuro::CellStep &c : s.cells)
                if (auto step = offer(rung, c.cell, c.before, c.after, s.runs))
                    return step;
        return std::nullopt;
    }

    // A cell with two digits left at a glance, one of which breaks the board when assumed: first
    // with the run rungs alone, then with the board rungs too.
    std::optional<HintStep> contradiction()
    {
        std::vector<DigitSet> probe;
        for (Technique ceiling : {Technique::RunConsistency, Technique::RegionSums}) {
            kakuro::LogicLadder ladder(puzzle_, ceiling, true);
            for (int cell = 0; cell < puzzle_.cellCount(); ++cell) {
                if (!isOpen(cell) || digitCount(glance(cell)) != 2)
                    continue;
                DigitSet survivors = 0;
                int broken = 0;
                kakuro::forEachDigit(glance(cell), [&](int d) {
                    probe = glance_;
                    probe[std::size_t(cell)] = digitBit(d);
                    if (ladder.solveAfter(cell, probe))
                        survivors |= digitBit(d);
                    else
                        broken = d;
                });
                HintStep details;
                details.assumed = broken;
                if (broken != 0 && isSingle(survivors))
                    return offer(Technique::Contradiction, cell, glance(cell), survivors, runsOf(cell),
                                 details);
            }
        }
        return std::nullopt;
    }

    const kakuro::Puzzle &puzzle_;
    const std::vector<kakuro::RunRectangle> &rectangles_;
    const std::vector<DigitSet> &written_;
    std::vector<DigitSet> glance_;
    std::vector<DigitSet> scratch_; // the glance, with one run's cells narrowed while it is looked at
    std::vector<RunLook> looks_;
    std::optional<HintStep> removal_;
};

} // namespace

DigitSet runAllows(const kakuro::Puzzle &puzzle, int run, const std::vector<DigitSet> &written)
{
    const kakuro::RunState s = kakuro::gatherRun(puzzle, run, written);
    return kakuro::combinationsOf(s.openCount, s.remaining, DigitSet(kakuro::kAllDigits & ~s.placed))
        .possible;
}

HintSearch::HintSearch(const kakuro::Puzzle &puzzle)
    : puzzle_(puzzle), rectangles_(kakuro::findRectangles(puzzle))
{
}

std::vector<DigitSet> HintSearch::atAGlance(const std::vector<DigitSet> &written) const
{
    std::vector<DigitSet> glance = written;
    for (int run = 0; run < puzzle_.runCount(); ++run) {
        const DigitSet allows = runAllows(puzzle_, run, written);
        const int *cells = puzzle_.cellsOf(run);
        for (int k = 0; k < puzzle_.runs[std::size_t(run)].length; ++k)
            if (!isSingle(written[std::size_t(cells[k])]))
                glance[std::size_t(cells[k])] &= allows;
    }
    return glance;
}

std::optional<HintStep> HintSearch::find(const std::vector<DigitSet> &written) const
{
    return Search(puzzle_, rectangles_, written, atAGlance(written)).find();
}

} // namespace game
