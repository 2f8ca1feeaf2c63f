// The repairer: tightening moves scored by the combination table alone, then repair steps scored by
// how many candidates logic leaves open.
#include "generator/repairer.h"

#include "core/combination_table.h"
#include "generator/digit_filler.h"
#include "solver/grader.h"
#include "solver/propagator.h"

#include <algorithm>

namespace kakuro {
namespace {

constexpr int kCandidates = 4; // draws compared per repair step
constexpr int kLeanStrength = 3;

int drawLean(Random &random)
{
    return int(random.below(2 * kLeanStrength + 1)) - kLeanStrength;
}

// Logic up to a ceiling, from nothing known, on the current sums.
class Judge {
public:
    Judge(const Puzzle &p, Technique ceiling) : p_(p), propagator_(p, fastRunLadder(ceiling))
    {
        propagator_.enableMemo();
    }
    // The number of candidates beyond one per cell that logic leaves; `domains` receives where
    // logic stopped.
    int openCandidates(std::vector<DigitSet> &domains)
    {
        domains.assign(std::size_t(p_.entryCellCount()), kAllDigits);
        propagator_.queueAll();
        if (!propagator_.propagate(domains))
            return 9 * p_.entryCellCount(); // cannot happen for a true filling; the worst score if it does
        int open = 0;
        for (DigitSet d : domains)
            open += digitCount(d) - 1;
        return open;
    }

private:
    const Puzzle &p_;
    Propagator propagator_;
};

int runSum(const Puzzle &p, const std::vector<std::uint8_t> &digits, int run)
{
    const std::span<const int> cells = p.cells(run);
    int sum = 0;
    for (int k = 0; k < p.run(run).length; ++k)
        sum += digits[std::size_t(cells[k])];
    return sum;
}

} // namespace

void tighten(Random &random, Puzzle &p, std::vector<std::uint8_t> &digits, int rounds)
{
    DigitFiller filler(p, digits);
    const int moves = rounds * p.entryCellCount();
    for (int move = 0; move < moves; ++move) {
        const int cell = int(random.below(std::uint32_t(p.entryCellCount())));
        const int old = digits[std::size_t(cell)];
        const DigitSet free = DigitSet(filler.options(cell));
        if (free == 0)
            continue;
        int pick = int(random.below(std::uint32_t(digitCount(free))));
        int digit = 0;
        forEachDigit(free, [&](int d) {
            if (pick-- == 0)
                digit = d;
        });
        int before = 0, after = 0;
        for (int r : p.runsOf(cell)) {
            if (r == kNoRun)
                continue;
            const Run &run = p.run(r);
            before += combinationCount(run.length, run.sum);
            after += combinationCount(run.length, run.sum - old + digit);
        }
        if (after > before)
            continue;
        filler.clear(cell);
        filler.set(cell, digit);
        for (int r : p.runsOf(cell))
            if (r != kNoRun)
                p.setSum(r, p.run(r).sum + digit - old);
    }
}

namespace {

// Repairs a filling until logic decides every cell. Each step redraws the digits of a few cells
// around an undecided one (the undecided area itself, or a run through it), keeps the draw whose
// runs allow the fewest combinations, and keeps the step when logic leaves no more candidates open.
class Repairer {
public:
    Repairer(Random &random, Puzzle &p, std::vector<std::uint8_t> &digits, std::vector<int> &leans,
             Technique ceiling)
        : random_(random), p_(p), digits_(digits), leans_(leans), judge_(p, ceiling), filler_(p, digits)
    {
    }

    // False if the budget ran out first.
    bool run(int &steps)
    {
        int open = judge_.openCandidates(stuck_);
        const int budget = 40 + p_.entryCellCount() * 2;
        for (int step = 0; step < budget && open > 0; ++step) {
            const int cell = pickOpenCell();
            int leanRun = kNoRun;
            if (random_.chance(1, 2)) {
                openArea(cell);
            } else {
                const auto &runs = p_.runsOf(cell);
                leanRun = runs[random_.below(2)];
                if (leanRun == kNoRun)
                    leanRun = runs[0] == kNoRun ? runs[1] : runs[0];
                place_.assign(p_.cells(leanRun).begin(), p_.cells(leanRun).end());
            }
            saved_.clear();
            for (int c : place_)
                saved_.push_back(digits_[std::size_t(c)]);
            const int leanBefore = leanRun == kNoRun ? 0 : leans_[std::size_t(leanRun)];
            if (!redraw(leanRun))
                continue;
            ++steps;
            const int next = judge_.openCandidates(candidate_);
            if (next <= open) {
                open = next;
                stuck_.swap(candidate_);
            } else {
                put(saved_);
                if (leanRun != kNoRun)
                    leans_[std::size_t(leanRun)] = leanBefore;
            }
        }
        return open == 0;
    }

private:
    static constexpr std::size_t kAreaCells = 6;

    int pickOpenCell()
    {
        open_.clear();
        for (int cell = 0; cell < p_.entryCellCount(); ++cell)
            if (!isSingle(stuck_[std::size_t(cell)]))
                open_.push_back(cell);
        return open_[random_.below(std::uint32_t(open_.size()))];
    }

    // The undecided cells linked to `cell` through runs, nearest first, at most kAreaCells.
    void openArea(int cell)
    {
        place_.assign(1, cell);
        for (std::size_t at = 0; at < place_.size() && place_.size() < kAreaCells; ++at) {
            for (int run : p_.runsOf(place_[at])) {
                if (run == kNoRun)
                    continue;
                const std::span<const int> cells = p_.cells(run);
                for (int k = 0; k < p_.run(run).length && place_.size() < kAreaCells; ++k) {
                    const int c = cells[k];
                    if (!isSingle(stuck_[std::size_t(c)]) &&
                        std::find(place_.begin(), place_.end(), c) == place_.end())
                        place_.push_back(c);
                }
            }
        }
    }

    // Writes `values` into the cells of place_ and updates the sums they touch.
    void put(const std::vector<int> &values)
    {
        for (int c : place_)
            filler_.clear(c);
        for (std::size_t k = 0; k < place_.size(); ++k)
            filler_.set(place_[k], values[k]);
        for (int r : touched_)
            p_.setSum(r, runSum(p_, digits_, r));
    }

    // Redraws the cells of place_ a few times and keeps the draw whose runs allow the fewest
    // combinations. False when no draw was found (the digits are then as before).
    bool redraw(int leanRun)
    {
        touched_.clear();
        for (int c : place_)
            for (int r : p_.runsOf(c))
                if (r != kNoRun && std::find(touched_.begin(), touched_.end(), r) == touched_.end())
                    touched_.push_back(r);
        best_.clear();
        int bestScore = 0;
        for (int k = 0; k < kCandidates; ++k) {
            for (int c : place_)
                filler_.clear(c);
            if (leanRun != kNoRun)
                leans_[std::size_t(leanRun)] = drawLean(random_);
            if (!filler_.fill(random_, place_, leans_))
                continue;
            int score = 0;
            for (int r : touched_)
                score += combinationCount(p_.run(r).length, runSum(p_, digits_, r));
            if (best_.empty() || score < bestScore) {
                bestScore = score;
                best_.clear();
                for (int c : place_)
                    best_.push_back(digits_[std::size_t(c)]);
            }
        }
        put(best_.empty() ? saved_ : best_);
        return !best_.empty();
    }

    Random &random_;
    Puzzle &p_;
    std::vector<std::uint8_t> &digits_;
    std::vector<int> &leans_;
    Judge judge_;
    DigitFiller filler_;
    std::vector<DigitSet> stuck_, candidate_;
    std::vector<int> open_, place_, touched_, saved_, best_;
};

} // namespace

bool hardenUntil(Random &random, Puzzle &puzzle, std::vector<std::uint8_t> &digits,
                 const std::vector<int> &leans, Technique target, int moves)
{
    DigitFiller filler(puzzle, digits);
    std::vector<int> cells;
    std::vector<std::uint8_t> saved;
    for (int move = 0; move < moves; ++move) {
        const int run = int(random.below(std::uint32_t(puzzle.runCount())));
        cells.assign(puzzle.cells(run).begin(), puzzle.cells(run).end());
        saved.clear();
        for (int c : cells) {
            saved.push_back(digits[std::size_t(c)]);
            filler.clear(c);
        }
        if (filler.fill(random, cells, leans)) {
            setSums(puzzle, digits);
            Grader grader(puzzle);
            const Grade g = grader.grade(target, nullptr, false);
            if (g.solvedByLogic && g.hardest == target)
                return true;
            if (g.solvedByLogic)
                continue;
        }
        for (int c : cells)
            filler.clear(c);
        for (std::size_t k = 0; k < cells.size(); ++k)
            filler.set(cells[k], saved[k]);
        setSums(puzzle, digits);
    }
    return false;
}

std::vector<int> drawLeans(Random &random, const Puzzle &puzzle)
{
    std::vector<int> leans(puzzle.runs().size());
    for (int &lean : leans)
        lean = drawLean(random);
    return leans;
}

bool repairUntilSolved(Random &random, Puzzle &puzzle, std::vector<std::uint8_t> &digits,
                       std::vector<int> &leans, Technique ceiling, int &steps)
{
    Repairer repairer(random, puzzle, digits, leans, ceiling);
    return repairer.run(steps);
}

} // namespace kakuro
