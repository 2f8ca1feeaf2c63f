// The grader: which technique each puzzle needs, the bands that follow, and that it agrees with the
// quicker ladder the generator uses.
#include "solver/digit_filler.h"
#include "solver/grader.h"
#include "solver/layout_generator.h"
#include "solver_test_util.h"

#include <QTest>

using namespace kakuro;
using solvertest::puzzleOf;

Q_DECLARE_METATYPE(kakuro::Technique)
Q_DECLARE_METATYPE(kakuro::Difficulty)

namespace {

const QStringList kCombinationsOnly = {"#######", "##86#98", "#614723", "#25#95#",
                                       "##79#62", "#695783", "#16#97#"};
const QStringList kHiddenSingle = {"#######", "#41#98#", "#94865#", "#729#62",
                                   "#86#421", "##39875", "##78#93"};
const QStringList kRemainder = {"######", "###12#", "#9754#", "#59#12", "##8934", "##38##"};
const QStringList kPairs = {"######", "#21#78", "#84795", "##698#", "#12834", "#35#51"};
const QStringList kTriples = {"######", "#15#23", "#23481", "##216#", "#61372", "#86#94"};
const QStringList kRunConsistency = {"######", "###132", "##2785", "##154#", "#4789#", "#789##"};
const QStringList kCrossingRuns = {"97#78", "58369", "#568#", "84759", "96#43"};
const QStringList kRegionSums = {"34##89", "268734", "##18##", "##59##", "382457", "89##93"};
const QStringList kContradiction = {"21#18#", "64123#", "785#13", "92#541", "#34926", "#59#54"};
const QStringList kNeedsGuess = {"#24#93#", "#13275#", "73#364#", "35###14", "#769#87", "#48197#", "#97#56#"};

} // namespace

class TestGrader : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void gradesByHardestTechnique_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<Technique>("hardest");
        QTest::addColumn<Difficulty>("difficulty");
        QTest::newRow("combinations") << kCombinationsOnly << Technique::Combinations << Difficulty::Easy;
        QTest::newRow("hidden single") << kHiddenSingle << Technique::HiddenSingle << Difficulty::Easy;
        QTest::newRow("remainder") << kRemainder << Technique::Remainder << Difficulty::Medium;
        QTest::newRow("pairs") << kPairs << Technique::Pairs << Difficulty::Hard;
        QTest::newRow("triples") << kTriples << Technique::Subsets << Difficulty::Hard;
        QTest::newRow("run consistency")
            << kRunConsistency << Technique::RunConsistency << Difficulty::Expert;
        QTest::newRow("crossing runs") << kCrossingRuns << Technique::CrossingRuns << Difficulty::Master;
        QTest::newRow("region sums") << kRegionSums << Technique::RegionSums << Difficulty::Master;
        QTest::newRow("short contradiction")
            << kContradiction << Technique::Contradiction << Difficulty::Master;
    }
    void gradesByHardestTechnique()
    {
        QFETCH(QStringList, rows);
        QFETCH(Technique, hardest);
        QFETCH(Difficulty, difficulty);
        const Puzzle p = puzzleOf(rows);
        Grader grader(p);
        std::vector<LogicStep> steps;
        const Grade g = grader.grade(Technique::Contradiction, nullptr, true, &steps);
        QVERIFY(g.solvedByLogic);
        QCOMPARE(g.solutions, 1);
        QCOMPARE(g.hardest, hardest);
        QCOMPARE(g.difficulty, difficulty);
        QVERIFY(g.uses[std::size_t(int(hardest))] > 0);
        // Replayed in order, the steps narrow the board to its solution, each by digits it removes,
        // and each names the runs it used.
        std::vector<DigitSet> board(std::size_t(p.cellCount()), kAllDigits);
        bool usedHardest = false;
        for (const LogicStep &step : steps) {
            QVERIFY(!step.runs.empty() && !step.cells.empty());
            usedHardest = usedHardest || step.rung == hardest;
            for (const CellStep &c : step.cells) {
                QCOMPARE(c.before, board[std::size_t(c.cell)]);
                QVERIFY(c.after != c.before && (c.after & ~c.before) == 0);
                board[std::size_t(c.cell)] = c.after;
            }
        }
        QVERIFY(usedHardest);
        const puzzle::BookPuzzle record = fixture::puzzleFromAscii(rows);
        for (int c = 0; c < p.cellCount(); ++c)
            QCOMPARE(board[std::size_t(c)],
                     digitBit(record.cells[std::size_t(p.positionOf[std::size_t(c)])]));
        // Without its hardest technique the ladder gets stuck, yet the puzzle stays unique.
        if (hardest != Technique::Combinations) {
            const Grade lower = grader.grade(Technique(int(hardest) - 1));
            QVERIFY(!lower.solvedByLogic);
            QCOMPARE(lower.difficulty, Difficulty::Guessing);
            QCOMPARE(lower.solutions, 1);
            QVERIFY(lower.openCells > 0);
        }
    }

    void reportsGuessingAndCounts_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("solutions");
        QTest::newRow("unique, but logic is stuck") << kNeedsGuess << 1;
        QTest::newRow("two solutions") << QStringList{"###", "#12", "#21"} << 2;
        QTest::newRow("no solution") << QStringList{"###", "#11"} << 0;
    }
    void reportsGuessingAndCounts()
    {
        QFETCH(QStringList, rows);
        QFETCH(int, solutions);
        const Puzzle p = puzzleOf(rows);
        Grader grader(p);
        const Grade g = grader.grade();
        QVERIFY(!g.solvedByLogic);
        QCOMPARE(g.difficulty, Difficulty::Guessing);
        QCOMPARE(g.solutions, solutions);
    }

    // The generator judges with a shorter ladder; it must stop exactly where the human one does.
    void quickLadderReachesTheSameFixedPoint()
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
            std::vector<std::uint8_t> digits(std::size_t(p.cellCount()), 0);
            QVERIFY(fillDigits(random, p, digits));
            setSums(p, digits);
            for (Technique ceiling : humanLadder()) {
                if (ceiling == Technique::Contradiction)
                    break; // runs only the same code again, slowly on boards this open
                Grader grader(p);
                std::vector<DigitSet> human;
                grader.grade(ceiling, &human, false);
                LogicLadder quick(p, ceiling, true);
                std::vector<DigitSet> fast(std::size_t(p.cellCount()), kAllDigits);
                QVERIFY(quick.solve(fast));
                QCOMPARE(fast, human);
                ++compared;
            }
        }
        QVERIFY(compared > 140);
    }
};

QTEST_GUILESS_MAIN(TestGrader)
#include "test_grader.moc"
