// Crossing runs and region sums: deductions that join several runs.
#include "solver/board_rungs.h"

#include "core/combination_table.h"
#include "solver/run_state.h"

#include <algorithm>
#include <set>

namespace kakuro {
namespace {

// Regions grown from one seed run before the search moves on: bounds a sweep's cost on open boards.
constexpr int kRegionsPerSeed = 48;
constexpr std::size_t kMostRegionRuns = 6;
constexpr int kMostUnknowns = 3;

bool contains(const std::vector<int> &v, int x)
{
    return std::find(v.begin(), v.end(), x) != v.end();
}

bool shareRun(const Puzzle &p, int a, int b)
{
    const auto &ra = p.runsOf(a), &rb = p.runsOf(b);
    return (ra[0] != kNoRun && ra[0] == rb[0]) || (ra[1] != kNoRun && ra[1] == rb[1]);
}

// pairs[a]: the digits b for which `run` has a filling with cell x = a and cell y = b.
void allowedPairs(const Puzzle &p, int run, const std::vector<DigitSet> &dom, int x, int y,
                  DigitSet pairs[10])
{
    std::fill(pairs, pairs + 10, DigitSet(0));
    DigitSet others[9];
    int n = 0, remaining = p.run(run).sum;
    DigitSet placed = 0;
    const std::span<const int> cells = p.cells(run);
    for (int k = 0; k < p.run(run).length; ++k) {
        const int c = cells[k];
        const DigitSet d = dom[std::size_t(c)];
        if (c == x || c == y)
            continue;
        if (isSingle(d)) {
            if (placed & d)
                return;
            placed |= d;
            remaining -= lowestDigit(d);
        } else if (n < 9) {
            others[n++] = d;
        } else {
            return;
        }
    }
    forEachDigit(DigitSet(dom[std::size_t(x)] & ~placed), [&](int a) {
        forEachDigit(DigitSet(dom[std::size_t(y)] & ~placed & ~digitBit(a)), [&](int b) {
            if (hasFilling(others, n, remaining - a - b, DigitSet(placed | digitBit(a) | digitBit(b))))
                pairs[a] |= digitBit(b);
        });
    });
}

void record(std::vector<LogicStep> *steps, Technique rung, std::vector<int> runs, const ChangeLog &local,
            const std::vector<DigitSet> &dom)
{
    if (steps && !local.empty())
        steps->push_back({rung, std::move(runs), cellStepsOf(local, dom), -1, 0, 0, {}, false});
}

// Puts the cells of `log` back as they were before it.
void undo(const ChangeLog &log, std::vector<DigitSet> &dom)
{
    for (auto c = log.rbegin(); c != log.rend(); ++c)
        dom[std::size_t(c->cell)] = c->before;
}

// The balance of one region: its open innies (+1) and outies (-1) must add up to `target`.
struct Balance {
    std::vector<int> block, crossing; // the region's runs and the runs across them
    int unknown[kMostUnknowns] = {};
    int sign[kMostUnknowns] = {};
    int unknownCount = 0;  // open cells in the balance; above kMostUnknowns only counted
    std::vector<int> grow; // runs of the block's direction through open outies
    int target = 0;
};

Balance balanceOf(const Puzzle &p, const std::vector<DigitSet> &dom, const std::vector<int> &block, int dir)
{
    Balance b;
    b.block = block;
    auto addUnknown = [&](int cell, int sign) {
        if (b.unknownCount < kMostUnknowns) {
            b.unknown[b.unknownCount] = cell;
            b.sign[b.unknownCount] = sign;
        }
        ++b.unknownCount;
    };
    for (int run : block) {
        b.target += p.run(run).sum;
        const std::span<const int> cells = p.cells(run);
        for (int k = 0; k < p.run(run).length; ++k) {
            const int other = p.runsOf(cells[k])[std::size_t(1 - dir)];
            if (other == kNoRun) { // an innie
                const DigitSet d = dom[std::size_t(cells[k])];
                if (isSingle(d))
                    b.target -= lowestDigit(d);
                else
                    addUnknown(cells[k], +1);
            } else if (!contains(b.crossing, other)) {
                b.crossing.push_back(other);
            }
        }
    }
    for (int run : b.crossing) {
        b.target -= p.run(run).sum;
        const std::span<const int> cells = p.cells(run);
        for (int k = 0; k < p.run(run).length; ++k) {
            const int own = p.runsOf(cells[k])[std::size_t(dir)];
            if (own != kNoRun && contains(block, own))
                continue;
            const DigitSet d = dom[std::size_t(cells[k])];
            if (isSingle(d)) {
                b.target += lowestDigit(d);
            } else {
                addUnknown(cells[k], -1);
                if (own != kNoRun && !contains(b.grow, own))
                    b.grow.push_back(own);
            }
        }
    }
    return b;
}

// Narrows the open cells of a balance to the digits of its solutions. Cells that share a run take
// distinct digits.
Outcome applyBalance(const Puzzle &p, const Balance &b, std::vector<DigitSet> &dom, ChangeLog &local)
{
    const int n = b.unknownCount;
    DigitSet support[kMostUnknowns] = {};
    int v[kMostUnknowns] = {};
    auto fits = [&](int k) {
        for (int j = 0; j < k; ++j)
            if (v[j] == v[k] && shareRun(p, b.unknown[j], b.unknown[k]))
                return false;
        return true;
    };
    auto walk = [&](auto &self, int k, int total) -> void {
        if (k == n) {
            if (total == b.target)
                for (int j = 0; j < n; ++j)
                    support[j] |= digitBit(v[j]);
            return;
        }
        forEachDigit(dom[std::size_t(b.unknown[k])], [&](int d) {
            v[k] = d;
            if (fits(k))
                self(self, k + 1, total + b.sign[k] * d);
        });
    };
    walk(walk, 0, 0);
    bool any = false;
    for (int k = 0; k < n; ++k)
        if (!narrow(b.unknown[k], support[k], dom, local, any))
            return Outcome::Contradiction;
    return any ? Outcome::Changed : Outcome::Unchanged;
}

// With `touched`, a region counts only when one of its runs was touched; seeds are then the runs
// at or across a touched run, and a region may grow in any order.
Outcome sweepRegions(const Puzzle &p, int dir, std::vector<DigitSet> &dom, ChangeLog &changed,
                     std::vector<LogicStep> *steps, const TouchedRuns *touched, bool undoEach = false)
{
    auto isTouched = [&](int run) { return (*touched)[std::size_t(run)] != 0; };
    auto nearTouched = [&](int seed) {
        if (isTouched(seed))
            return true;
        const std::span<const int> cells = p.cells(seed);
        for (int k = 0; k < p.run(seed).length; ++k) {
            const int other = p.runsOf(cells[k])[std::size_t(1 - dir)];
            if (other != kNoRun && isTouched(other))
                return true;
        }
        return false;
    };
    bool any = false;
    std::set<std::vector<int>> seen;
    std::vector<std::vector<int>> pending;
    for (int seed = 0; seed < p.runCount(); ++seed) {
        if ((p.run(seed).direction == Direction::Across) != (dir == 0) || (touched && !nearTouched(seed)))
            continue;
        seen.clear();
        pending.assign(1, {seed});
        int looked = 0;
        while (!pending.empty() && looked < kRegionsPerSeed) {
            std::vector<int> block = std::move(pending.back());
            pending.pop_back();
            ++looked;
            const Balance b = balanceOf(p, dom, block, dir);
            const bool counts = !touched || std::any_of(b.block.begin(), b.block.end(), isTouched) ||
                                std::any_of(b.crossing.begin(), b.crossing.end(), isTouched);
            if (counts && b.unknownCount >= 1 && b.unknownCount <= kMostUnknowns) {
                ChangeLog local;
                const Outcome o = applyBalance(p, b, dom, local);
                changed.insert(changed.end(), local.begin(), local.end());
                if (o == Outcome::Contradiction)
                    return o;
                if (o == Outcome::Changed) {
                    any = true;
                    std::vector<int> runs = b.block;
                    runs.insert(runs.end(), b.crossing.begin(), b.crossing.end());
                    record(steps, Technique::RegionSums, std::move(runs), local, dom);
                    if (undoEach)
                        undo(local, dom);
                }
            }
            if (block.size() >= kMostRegionRuns)
                continue;
            for (int run : b.grow) {
                if ((!touched && run <= seed) || contains(block, run))
                    continue;
                std::vector<int> next = block;
                next.push_back(run);
                std::sort(next.begin() + 1, next.end());
                if (seen.insert(next).second)
                    pending.push_back(std::move(next));
            }
        }
    }
    return any ? Outcome::Changed : Outcome::Unchanged;
}

} // namespace

bool hasFilling(const DigitSet *sets, int n, int sum, DigitSet used)
{
    if (n == 0)
        return sum == 0;
    DigitSet all = 0;
    int best = 0;
    for (int k = 0; k < n; ++k) {
        all |= sets[k];
        if (digitCount(DigitSet(sets[k] & ~used)) < digitCount(DigitSet(sets[best] & ~used)))
            best = k;
    }
    if (!combinationsOf(n, sum, DigitSet(all & ~used)).possible)
        return false;
    DigitSet rest[9];
    int m = 0;
    for (int k = 0; k < n; ++k)
        if (k != best)
            rest[m++] = sets[k];
    bool found = false;
    forEachDigit(DigitSet(sets[best] & ~used), [&](int d) {
        found = found || (d <= sum && hasFilling(rest, m, sum - d, DigitSet(used | digitBit(d))));
    });
    return found;
}

std::vector<RunRectangle> findRectangles(const Puzzle &p)
{
    std::vector<RunRectangle> found;
    for (int a0 = 0; a0 < p.runCount(); ++a0) {
        const Run &r = p.run(a0);
        if (r.direction != Direction::Across)
            continue;
        const std::span<const int> cells = p.cells(a0);
        for (int i = 0; i < r.length; ++i) {
            for (int j = i + 1; j < r.length; ++j) {
                const int d0 = p.runsOf(cells[i])[1], d1 = p.runsOf(cells[j])[1];
                if (d0 == kNoRun || d1 == kNoRun)
                    continue;
                const int colOfD1 = p.positionOf(cells[j]) % p.width();
                const std::span<const int> down = p.cells(d0);
                for (int k = 0; k < p.run(d0).length; ++k) {
                    const int a1 = p.runsOf(down[k])[0];
                    if (a1 == kNoRun || a1 <= a0)
                        continue;
                    const int row = p.positionOf(down[k]) / p.width();
                    const int far = p.cellAt(row * p.width() + colOfD1);
                    if (far < 0 || p.runsOf(far)[0] != a1 || p.runsOf(far)[1] != d1)
                        continue;
                    found.push_back({{a0, a1}, {d0, d1}, {{cells[i], cells[j]}, {down[k], far}}});
                }
            }
        }
    }
    return found;
}

namespace {

Outcome sweepRectangles(const Puzzle &p, const std::vector<RunRectangle> &rectangles,
                        std::vector<DigitSet> &dom, ChangeLog &changed, std::vector<LogicStep> *steps,
                        const TouchedRuns *touched, bool undoEach)
{
    bool anyAtAll = false;
    for (const RunRectangle &q : rectangles) {
        if (touched && !(*touched)[std::size_t(q.across[0])] && !(*touched)[std::size_t(q.across[1])] &&
            !(*touched)[std::size_t(q.down[0])] && !(*touched)[std::size_t(q.down[1])])
            continue;
        const auto &c = q.corner;
        if (isSingle(dom[std::size_t(c[0][0])]) && isSingle(dom[std::size_t(c[0][1])]) &&
            isSingle(dom[std::size_t(c[1][0])]) && isSingle(dom[std::size_t(c[1][1])]))
            continue;
        DigitSet top[10], bottom[10], left[10], right[10];
        allowedPairs(p, q.across[0], dom, c[0][0], c[0][1], top);
        allowedPairs(p, q.across[1], dom, c[1][0], c[1][1], bottom);
        allowedPairs(p, q.down[0], dom, c[0][0], c[1][0], left);
        allowedPairs(p, q.down[1], dom, c[0][1], c[1][1], right);
        DigitSet s00 = 0, s01 = 0, s10 = 0, s11 = 0;
        for (int v00 = 1; v00 <= 9; ++v00) {
            forEachDigit(top[v00], [&](int v01) {
                forEachDigit(left[v00], [&](int v10) {
                    const DigitSet v11 = DigitSet(bottom[v10] & right[v01]);
                    if (v11) {
                        s00 |= digitBit(v00);
                        s01 |= digitBit(v01);
                        s10 |= digitBit(v10);
                        s11 |= v11;
                    }
                });
            });
        }
        ChangeLog local;
        bool any = false;
        const bool ok = narrow(c[0][0], s00, dom, local, any) && narrow(c[0][1], s01, dom, local, any) &&
                        narrow(c[1][0], s10, dom, local, any) && narrow(c[1][1], s11, dom, local, any);
        changed.insert(changed.end(), local.begin(), local.end());
        if (!ok)
            return Outcome::Contradiction;
        if (any) {
            anyAtAll = true;
            record(steps, Technique::CrossingRuns, {q.across[0], q.across[1], q.down[0], q.down[1]}, local,
                   dom);
            if (undoEach)
                undo(local, dom);
        }
    }
    return anyAtAll ? Outcome::Changed : Outcome::Unchanged;
}

} // namespace

Outcome crossingRuns(const Puzzle &p, const std::vector<RunRectangle> &rectangles, std::vector<DigitSet> &dom,
                     ChangeLog &changed, std::vector<LogicStep> *steps, const TouchedRuns *touched)
{
    return sweepRectangles(p, rectangles, dom, changed, steps, touched, false);
}

std::vector<LogicStep> crossingRunSteps(const Puzzle &puzzle, const std::vector<RunRectangle> &rectangles,
                                        const std::vector<DigitSet> &domains)
{
    std::vector<DigitSet> dom = domains;
    ChangeLog changed;
    std::vector<LogicStep> steps;
    if (sweepRectangles(puzzle, rectangles, dom, changed, &steps, nullptr, true) == Outcome::Contradiction)
        steps.clear();
    return steps;
}

Outcome regionSums(const Puzzle &puzzle, std::vector<DigitSet> &domains, ChangeLog &changed,
                   std::vector<LogicStep> *steps, const TouchedRuns *touched)
{
    bool any = false;
    for (int dir = 0; dir < 2; ++dir) {
        const Outcome o = sweepRegions(puzzle, dir, domains, changed, steps, touched);
        if (o == Outcome::Contradiction)
            return o;
        any = any || o == Outcome::Changed;
    }
    return any ? Outcome::Changed : Outcome::Unchanged;
}

std::vector<LogicStep> regionSumSteps(const Puzzle &puzzle, const std::vector<DigitSet> &domains)
{
    std::vector<DigitSet> dom = domains;
    ChangeLog changed;
    std::vector<LogicStep> steps;
    for (int dir = 0; dir < 2; ++dir) {
        if (sweepRegions(puzzle, dir, dom, changed, &steps, nullptr, true) == Outcome::Contradiction) {
            steps.clear();
            break;
        }
    }
    return steps;
}

} // namespace kakuro
