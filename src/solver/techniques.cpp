// The run techniques: combination tables, hidden singles, remainders, subsets and the full
// consistency of a run.
#include "solver/techniques.h"

#include "core/combination_table.h"
#include "solver/run_consistency.h"
#include "solver/run_state.h"

namespace kakuro {
namespace {

// Placed digits leave the open cells; digits of no fitting combination go too.
Outcome combinations(const Puzzle &p, int run, std::vector<DigitSet> &dom, ChangeLog &changed,
                     LogicStep *first)
{
    const RunState s = gatherRun(p, run, dom);
    if (s.broken)
        return Outcome::Contradiction;
    if (s.openCount == 0)
        return Outcome::Unchanged;
    const Combinations c = combinationsOf(s.openCount, s.remaining, s.possible);
    if (c.possible == 0)
        return Outcome::Contradiction;
    bool any = false;
    if (first)
        first->digits = DigitSet(c.possible & ~s.placed);
    for (int k = 0; k < s.openCount; ++k)
        if (!narrow(s.open[k], DigitSet(c.possible & ~s.placed), dom, changed, any))
            return Outcome::Contradiction;
    return any ? Outcome::Changed : Outcome::Unchanged;
}

// Combinations and hidden singles from one look at the run, repeated until the run settles.
Outcome combinationsWithHiddenSingles(const Puzzle &p, int run, std::vector<DigitSet> &dom,
                                      ChangeLog &changed)
{
    bool anyAtAll = false;
    for (;;) {
        const RunState s = gatherRun(p, run, dom);
        if (s.broken)
            return Outcome::Contradiction;
        if (s.openCount == 0)
            break;
        const Combinations c = combinationsOf(s.openCount, s.remaining, s.possible);
        if (c.possible == 0)
            return Outcome::Contradiction;
        bool any = false;
        const DigitSet keep = DigitSet(c.possible & ~s.placed);
        for (int k = 0; k < s.openCount; ++k)
            if (!narrow(s.open[k], keep, dom, changed, any))
                return Outcome::Contradiction;
        // The required digits of the settled sets; each must have a cell, and a sole one takes it.
        DigitSet seenOnce = 0, seenTwice = 0;
        for (int k = 0; k < s.openCount; ++k) {
            const DigitSet d = dom[std::size_t(s.open[k])];
            seenTwice |= seenOnce & d;
            seenOnce |= d;
        }
        if (c.required & ~seenOnce)
            return Outcome::Contradiction;
        const DigitSet sole = DigitSet(c.required & ~seenTwice);
        if (sole) {
            for (int k = 0; k < s.openCount; ++k) {
                const DigitSet mine = DigitSet(dom[std::size_t(s.open[k])] & sole);
                if (mine && !narrow(s.open[k], mine, dom, changed, any))
                    return Outcome::Contradiction;
                if (digitCount(mine) > 1)
                    return Outcome::Contradiction; // one cell would need two digits
            }
        }
        if (!any)
            break;
        anyAtAll = true;
    }
    return anyAtAll ? Outcome::Changed : Outcome::Unchanged;
}

// A digit that every fitting combination holds and only one open cell can take is placed there.
Outcome hiddenSingle(const Puzzle &p, int run, std::vector<DigitSet> &dom, ChangeLog &changed,
                     LogicStep *first)
{
    const RunState s = gatherRun(p, run, dom);
    if (s.broken)
        return Outcome::Contradiction;
    if (s.openCount == 0)
        return Outcome::Unchanged;
    const Combinations c = combinationsOf(s.openCount, s.remaining, s.possible);
    if (c.possible == 0)
        return Outcome::Contradiction;
    bool any = false;
    bool ok = true;
    forEachDigit(c.required, [&](int d) {
        int holder = -1, holders = 0;
        for (int k = 0; k < s.openCount; ++k) {
            if (dom[std::size_t(s.open[k])] & digitBit(d)) {
                holder = s.open[k];
                ++holders;
            }
        }
        if (holders == 0)
            ok = false;
        else if (holders == 1 && ok && !(first && any)) {
            ok = narrow(holder, digitBit(d), dom, changed, any);
            if (first && any && first->digits == 0)
                first->digits = digitBit(d);
        }
    });
    if (!ok)
        return Outcome::Contradiction;
    return any ? Outcome::Changed : Outcome::Unchanged;
}

// Each digit of an open cell must leave the other open cells a combination for the rest of the sum.
Outcome remainder(const Puzzle &p, int run, std::vector<DigitSet> &dom, ChangeLog &changed, LogicStep *first)
{
    const RunState s = gatherRun(p, run, dom);
    if (s.broken)
        return Outcome::Contradiction;
    if (s.openCount < 2)
        return Outcome::Unchanged;
    bool any = false;
    for (int k = 0; k < s.openCount; ++k) {
        DigitSet others = 0;
        for (int j = 0; j < s.openCount; ++j)
            if (j != k)
                others |= dom[std::size_t(s.open[j])];
        others &= DigitSet(~s.placed);
        DigitSet keep = 0;
        forEachDigit(dom[std::size_t(s.open[k])], [&](int d) {
            if (combinationsOf(s.openCount - 1, s.remaining - d, DigitSet(others & ~digitBit(d))).possible)
                keep |= digitBit(d);
        });
        if (!narrow(s.open[k], keep, dom, changed, any))
            return Outcome::Contradiction;
        if (first && any) {
            first->digits = others;
            return Outcome::Changed;
        }
    }
    return any ? Outcome::Changed : Outcome::Unchanged;
}

// Records a subset as the evidence of a deduction: its digits and the open cells `members` holds.
Outcome tell(LogicStep &first, DigitSet digits, unsigned members, const RunState &s, bool hidden)
{
    first.digits = digits;
    first.hidden = hidden;
    for (int k = 0; k < s.openCount; ++k)
        if (members & (1u << k))
            first.group.push_back(s.open[k]);
    return Outcome::Changed;
}

// Naked and hidden subsets of `minSize`..`maxSize` cells among the open cells of a run.
Outcome subsets(const Puzzle &p, int run, std::vector<DigitSet> &dom, ChangeLog &changed, int minSize,
                int maxSize, LogicStep *first)
{
    const RunState s = gatherRun(p, run, dom);
    if (s.broken)
        return Outcome::Contradiction;
    const int n = s.openCount;
    if (n <= minSize)
        return Outcome::Unchanged;
    bool any = false;
    // Naked: `size` cells that share `size` digits between them keep those digits to themselves.
    // Only cells with at most maxSize digits can take part.
    int small[9];
    int smallCount = 0;
    for (int k = 0; k < n; ++k)
        if (digitCount(dom[std::size_t(s.open[k])]) <= maxSize)
            small[smallCount++] = k;
    for (unsigned pick = 1; pick < (1u << smallCount); ++pick) {
        const int size = digitCount(pick);
        if (size < minSize || size > maxSize || size >= n)
            continue;
        DigitSet group = 0;
        unsigned members = 0;
        for (int j = 0; j < smallCount; ++j) {
            if (pick & (1u << j)) {
                group |= dom[std::size_t(s.open[small[j]])];
                members |= 1u << small[j];
            }
        }
        if (digitCount(group) < size)
            return Outcome::Contradiction;
        if (digitCount(group) == size) {
            for (int k = 0; k < n; ++k)
                if (!(members & (1u << k)) && !narrow(s.open[k], DigitSet(~group), dom, changed, any))
                    return Outcome::Contradiction;
            if (first && any)
                return tell(*first, group, members, s, false);
        }
    }
    // Hidden: `size` digits that every combination needs, and that only `size` cells can take,
    // fill those cells. Only digits with at most maxSize holders can take part.
    const DigitSet required = combinationsOf(n, s.remaining, s.possible).required;
    int digits[9];
    unsigned holders[9];
    int count = 0;
    forEachDigit(required, [&](int d) {
        unsigned cells = 0;
        for (int k = 0; k < n; ++k)
            if (dom[std::size_t(s.open[k])] & digitBit(d))
                cells |= 1u << k;
        if (digitCount(cells) <= maxSize) {
            digits[count] = d;
            holders[count++] = cells;
        }
    });
    for (unsigned pick = 1; pick < (1u << count); ++pick) {
        const int size = digitCount(pick);
        if (size < minSize || size > maxSize || size >= n)
            continue;
        DigitSet group = 0;
        unsigned cells = 0;
        for (int j = 0; j < count; ++j) {
            if (pick & (1u << j)) {
                group |= digitBit(digits[j]);
                cells |= holders[j];
            }
        }
        if (digitCount(cells) < size)
            return Outcome::Contradiction;
        if (digitCount(cells) == size) {
            for (int k = 0; k < n; ++k)
                if ((cells & (1u << k)) && !narrow(s.open[k], group, dom, changed, any))
                    return Outcome::Contradiction;
            if (first && any)
                return tell(*first, group, cells, s, true);
        }
    }
    return any ? Outcome::Changed : Outcome::Unchanged;
}

} // namespace

bool isIdempotent(Technique t)
{
    return t == Technique::RunConsistency;
}

std::string_view techniqueName(Technique t)
{
    switch (t) {
    case Technique::Combinations:
        return "combinations";
    case Technique::HiddenSingle:
        return "hidden single";
    case Technique::Remainder:
        return "remainder";
    case Technique::Pairs:
        return "pairs";
    case Technique::TriplesAndQuads:
        return "triples and quads";
    case Technique::RunConsistency:
        return "run consistency";
    case Technique::CrossingRuns:
        return "crossing runs";
    case Technique::RegionSums:
        return "region sums";
    case Technique::Contradiction:
        return "short contradiction";
    }
    return "?";
}

Outcome applyTechnique(Technique t, const Puzzle &puzzle, int run, std::vector<DigitSet> &domains,
                       ChangeLog &changed, LogicStep *first)
{
    switch (t) {
    case Technique::Combinations:
        return combinations(puzzle, run, domains, changed, first);
    case Technique::HiddenSingle:
        return hiddenSingle(puzzle, run, domains, changed, first);
    case Technique::Remainder:
        return remainder(puzzle, run, domains, changed, first);
    case Technique::Pairs:
        return subsets(puzzle, run, domains, changed, 2, 2, first);
    case Technique::TriplesAndQuads:
        return subsets(puzzle, run, domains, changed, 3, 4, first);
    case Technique::RunConsistency:
        return runConsistency(puzzle, run, domains, changed);
    case Technique::CrossingRuns:
    case Technique::RegionSums:
    case Technique::Contradiction:
        break; // these look at the whole board: see LogicLadder
    }
    return Outcome::Unchanged;
}

Outcome applyCombinationsWithHiddenSingles(const Puzzle &puzzle, int run, std::vector<DigitSet> &domains,
                                           ChangeLog &changed)
{
    return combinationsWithHiddenSingles(puzzle, run, domains, changed);
}

std::vector<CellStep> cellStepsOf(const ChangeLog &log, const std::vector<DigitSet> &domains)
{
    std::vector<CellStep> cells;
    for (const Change &c : log) {
        bool seen = false;
        for (const CellStep &s : cells)
            seen = seen || s.cell == c.cell;
        if (!seen)
            cells.push_back({c.cell, c.before, domains[std::size_t(c.cell)]});
    }
    return cells;
}

} // namespace kakuro
