// The solver, the run techniques, the logic ladder and the grader: counts against brute force,
// each technique against every filling of a run, one board per rung of the ladder, and the fast
// ladder against the human one.
#include "generator/digit_filler.h"
#include "generator/layout_generator.h"
#include "solver/grader.h"
#include "solver/solver.h"
#include "support/board_fixture.h"

#include <QTest>

#include <functional>

using namespace kakuro;

Q_DECLARE_METATYPE(kakuro::Technique)

namespace {

// True when run `run` repeats no digit of `digits` (0 = empty) and makes its sum, or, not yet
// full, stays below it.
bool runFits(const Puzzle &p, int run, const std::vector<int> &digits)
{
    const Run &r = p.run(run);
    int sum = 0, filled = 0;
    unsigned seen = 0;
    for (int k = 0; k < r.length; ++k) {
        const int d = digits[std::size_t(p.cells(r)[std::size_t(k)])];
        if (d != 0 && (seen & (1u << d)))
            return false;
        seen |= 1u << d;
        sum += d;
        filled += d != 0;
    }
    return filled == r.length ? sum == r.sum : sum < r.sum;
}

// The fillings of `p`'s cells from `domains` that keep every run, found by plain backtracking with
// no deduction at all and counted up to `cap`; `each` sees every one.
int fillings(const Puzzle &p, const std::vector<DigitSet> &domains, int cap,
             const std::function<void(const std::vector<int> &)> &each = {})
{
    std::vector<int> digits(std::size_t(p.entryCellCount()), 0);
    int found = 0;
    auto walk = [&](auto &self, int cell) -> void {
        if (cell == p.entryCellCount()) {
            ++found;
            if (each)
                each(digits);
            return;
        }
        forEachDigit(domains[std::size_t(cell)], [&](int d) {
            digits[std::size_t(cell)] = d;
            bool ok = found < cap;
            for (int run : p.runsOf(cell))
                ok = ok && (run == kNoRun || runFits(p, run, digits));
            if (ok)
                self(self, cell + 1);
        });
        digits[std::size_t(cell)] = 0;
    };
    walk(walk, 0);
    return found;
}

// True when `solution` gives every cell of `p` a digit and keeps every run.
bool isSolution(const Puzzle &p, const std::vector<std::uint8_t> &solution)
{
    std::vector<DigitSet> only(std::size_t(p.entryCellCount()), 0);
    for (std::size_t c = 0; c < solution.size() && c < only.size(); ++c)
        only[c] = solution[c] >= 1 && solution[c] <= 9 ? digitBit(solution[c]) : 0;
    return solution.size() == only.size() && fillings(p, only, 1) == 1;
}

} // namespace

class TestSolver : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void countsSolutions_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("solutions"); // counted up to 10
        QTest::newRow("run of ten") << QStringList{"###########", "#1234567891"} << 0;
        QTest::newRow("runs of nine") << QStringList{"##########", "#123456789", "#912345678"} << 10;
        QTest::newRow("needs a guess but unique")
            << QStringList{"#24#93#", "#13275#", "73#364#", "35###14", "#769#87", "#48197#", "#97#56#"} << 1;
    }
    void countsSolutions()
    {
        QFETCH(QStringList, rows);
        QFETCH(int, solutions);
        const Puzzle p = puzzleFromRecord(fixture::puzzleFromAscii(rows));
        Solver solver(p);
        const SolveResult r = solver.solve(10);
        QCOMPARE(r.solutions, solutions);
        QVERIFY(solutions < 1 || isSolution(p, r.first));
        QVERIFY(solutions < 2 || (isSolution(p, r.second) && r.first != r.second));
        // None of these boards is for logic alone: the grade says so and counts up to two.
        Grader grader(p);
        const Grade g = grader.grade();
        QVERIFY(!g.solvedByLogic);
        QCOMPARE(g.solutions, std::min(solutions, 2));
    }

    // Random small boards, with digits that may break the rules, counted both ways.
    void agreesWithBruteForce()
    {
        Random random(12345);
        int counts[3] = {}; // none, one, several
        for (int round = 0; round < 400; ++round) {
            const int w = 3 + int(random.below(3)), h = 3 + int(random.below(3));
            kakuro::BookPuzzle record{w, h, std::vector<std::uint8_t>(std::size_t(w * h), 0)};
            int cells = 0;
            for (int r = 1; r < h; ++r)
                for (int c = 1; c < w; ++c)
                    if (cells < 9 && random.below(4) != 0) {
                        record.cells[std::size_t(r * w + c)] = std::uint8_t(1 + random.below(9));
                        ++cells;
                    }
            const Puzzle p = puzzleFromRecord(record);
            const int expected =
                fillings(p, std::vector<DigitSet>(std::size_t(p.entryCellCount()), kAllDigits), 50);
            Solver solver(p);
            QCOMPARE(solver.solve(50).solutions, expected);
            ++counts[std::min(expected, 2)];
        }
        // The draw covers all three outcomes, or the comparison proves little.
        QVERIFY(counts[0] > 10 && counts[1] > 10 && counts[2] > 10);
    }

    // 400 squares that swap, each needing a guess of its own: one guess per square, and the
    // search stops at its limit.
    void searchStaysLinearAndStopsAtItsLimit()
    {
        kakuro::BookPuzzle record{60, 60, std::vector<std::uint8_t>(3600, 0)};
        for (int r = 0; r < 60; ++r)
            for (int c = 0; c < 60; ++c)
                if (r % 3 != 0 && c % 3 != 0)
                    record.cells[std::size_t(r * 60 + c)] = std::uint8_t(1 + (r % 3 + c % 3) % 2);
        const Puzzle p = puzzleFromRecord(record);
        Solver solver(p);
        SolveResult r = solver.solve(2);
        QCOMPARE(r.solutions, 2);
        QVERIFY(r.branches <= 401 && !r.gaveUp);
        solver.setBranchLimit(50);
        r = solver.solve(2);
        QVERIFY(r.gaveUp);
        QCOMPARE(r.solutions, 0);
        QCOMPARE(r.branches, 50LL);
    }

    // Every run technique on random runs: it removes no digit that a filling of the run uses, says
    // whether it changed anything, and logs each change so that it can be undone. Run consistency
    // keeps exactly the digits of the fillings.
    void runTechniquesKeepEveryFilling()
    {
        const Technique techniques[] = {Technique::Combinations,    Technique::HiddenSingle,
                                        Technique::Remainder,       Technique::Pairs,
                                        Technique::TriplesAndQuads, Technique::RunConsistency};
        Random random(7);
        int narrowed[10] = {}, impossible = 0;
        for (int round = 0; round < 4000; ++round) {
            std::vector<int> order = {1, 2, 3, 4, 5, 6, 7, 8, 9};
            random.shuffle(order);
            const int n = 2 + int(random.below(6));
            std::vector<bool> entry(std::size_t(2 * n + 2), false); // one run of n below a row of blocks
            std::fill(entry.begin() + n + 2, entry.end(), true);
            Puzzle p = puzzleFromLayout(n + 1, 2, entry);
            int sum = 0;
            std::vector<DigitSet> start(std::size_t(n), 0);
            for (int k = 0; k < n; ++k) {
                sum += order[std::size_t(k)];
                DigitSet d = kAllDigits; // a half, a quarter or an eighth of the digits, about
                for (int j = 1 + int(random.below(3)); j > 0; --j)
                    d &= DigitSet(random.below(512));
                if (random.chance(4, 5))
                    d |= digitBit(order[std::size_t(k)]);
                start[std::size_t(k)] = random.chance(1, 6) || !d ? digitBit(order[std::size_t(k)]) : d;
            }
            p.setSum(0, sum);
            std::vector<DigitSet> used(std::size_t(n), 0);
            fillings(p, start, 1 << 30, [&](const std::vector<int> &digits) {
                for (int k = 0; k < n; ++k)
                    used[std::size_t(k)] |= digitBit(digits[std::size_t(k)]);
            });
            const bool possible = used[0] != 0;
            impossible += !possible;
            for (Technique t : techniques) {
                std::vector<DigitSet> domains = start;
                ChangeLog log;
                const Outcome outcome = applyTechnique(t, p, 0, domains, log);
                if (t == Technique::RunConsistency)
                    QVERIFY(possible ? domains == used : outcome == Outcome::Contradiction);
                for (int k = 0; possible && k < n; ++k)
                    QVERIFY2((used[std::size_t(k)] & ~domains[std::size_t(k)]) == 0, techniqueName(t).data());
                if (possible)
                    QCOMPARE(outcome == Outcome::Changed, domains != start);
                narrowed[int(t)] += outcome == Outcome::Changed;
                for (auto it = log.rbegin(); it != log.rend(); ++it)
                    domains[std::size_t(it->cell)] = it->before;
                QCOMPARE(domains, start);
            }
        }
        // Every technique had work to do, and some runs had no filling at all.
        for (Technique t : techniques)
            QVERIFY2(narrowed[int(t)] > 100, techniqueName(t).data());
        QVERIFY(impossible > 100);
    }

    // One board per rung: the ladder up to that rung finishes it, the ladder below it cannot.
    void eachRungFinishesItsBoard_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<Technique>("rung");
        QTest::addColumn<QString>("first"); // of a board rung: its first deduction, as cell:digits left
        const auto row = [](const char *name, Technique t, QStringList rows, QString first = {}) {
            QTest::newRow(name) << rows << t << first;
        };
        row("combinations", Technique::Combinations,
            {"#######", "##86#98", "#614723", "#25#95#", "##79#62", "#695783", "#16#97#"});
        row("hidden single", Technique::HiddenSingle,
            {"#######", "#41#98#", "#94865#", "#729#62", "#86#421", "##39875", "##78#93"});
        row("remainder", Technique::Remainder, {"######", "###12#", "#9754#", "#59#12", "##8934", "##38##"});
        row("pairs", Technique::Pairs, {"######", "#21#78", "#84795", "##698#", "#12834", "#35#51"});
        row("triples", Technique::TriplesAndQuads,
            {"######", "#15#23", "#23481", "##216#", "#61372", "#86#94"});
        row("run consistency", Technique::RunConsistency,
            {"######", "###132", "##2785", "##154#", "#4789#", "#789##"});
        row("crossing runs", Technique::CrossingRuns, {"97#78", "58369", "#568#", "84759", "96#43"},
            "5:389 9:459 11:234678");
        row("region sums", Technique::RegionSums,
            {"34##89", "268734", "##18##", "##59##", "382457", "89##93"}, "16:2 17:4");
        row("short contradiction", Technique::Contradiction,
            {"21#18#", "64123#", "785#13", "92#541", "#34926", "#59#54"}, "0:2");
    }
    void eachRungFinishesItsBoard()
    {
        QFETCH(QStringList, rows);
        QFETCH(Technique, rung);
        QFETCH(QString, first);
        const kakuro::BookPuzzle record = fixture::puzzleFromAscii(rows);
        const Puzzle p = puzzleFromRecord(record);
        Grader grader(p);
        std::vector<LogicStep> steps;
        const Grade g = grader.grade(rung, nullptr, true, &steps);
        QVERIFY(g.solvedByLogic);
        QCOMPARE(g.hardest, rung);
        // Replayed in order, the steps narrow the board to its solution, each step removing digits
        // and naming the runs it used.
        std::vector<DigitSet> board(std::size_t(p.entryCellCount()), kAllDigits);
        QString made;
        for (const LogicStep &step : steps) {
            QVERIFY(!step.runs.empty() && !step.cells.empty());
            const bool firstOfRung = step.technique == rung && made.isEmpty();
            for (const CellStep &c : step.cells) {
                if (firstOfRung) {
                    made += ' ' + QString::number(c.cell) + ':';
                    forEachDigit(c.after, [&](int d) { made += QString::number(d); });
                }
                QCOMPARE(c.before, board[std::size_t(c.cell)]);
                QVERIFY(c.after != c.before && (c.after & ~c.before) == 0);
                board[std::size_t(c.cell)] = c.after;
            }
        }
        QVERIFY(!made.isEmpty());
        QVERIFY2(first.isEmpty() || made.trimmed() == first, qPrintable(made));
        const std::vector<std::uint8_t> solution = digitsOfRecord(p, record);
        for (int c = 0; c < p.entryCellCount(); ++c)
            QCOMPARE(board[std::size_t(c)], digitBit(solution[std::size_t(c)]));
        if (rung != Technique::Combinations) {
            const Grade lower = grader.grade(Technique(int(rung) - 1));
            QVERIFY(!lower.solvedByLogic);
            QCOMPARE(lower.solutions, 1);
        }
    }

    // The generator judges with a shorter ladder; it must stop exactly where the human one does.
    void fastLadderReachesTheSameFixedPoint()
    {
        Random random(99);
        int compared = 0;
        for (int round = 0; round < 30; ++round) {
            LayoutOptions o;
            o.width = o.height = 8 + int(random.below(6));
            const auto layout = makeLayout(random, o);
            if (!layout)
                continue;
            Puzzle p = puzzleFromLayout(o.width, o.height, *layout);
            std::vector<std::uint8_t> digits(std::size_t(p.entryCellCount()), 0);
            QVERIFY(fillDigits(random, p, digits));
            setSums(p, digits);
            for (Technique ceiling : humanLadder()) {
                if (ceiling == Technique::Contradiction)
                    break; // runs only the same code again, slowly on boards this open
                Grader grader(p);
                std::vector<DigitSet> human;
                grader.grade(ceiling, &human, false);
                LogicLadder fastLadder(p, ceiling, LogicLadder::Pace::Fast);
                std::vector<DigitSet> fast(std::size_t(p.entryCellCount()), kAllDigits);
                QVERIFY(fastLadder.solve(fast));
                QCOMPARE(fast, human);
                ++compared;
            }
        }
        QVERIFY(compared > 140);
    }
};

QTEST_GUILESS_MAIN(TestSolver)
#include "test_solver.moc"
