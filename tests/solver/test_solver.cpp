// The solution counter against hand-made boards, against brute force on small random ones, and
// on hostile shapes that must not cost unbounded time or memory.
#include "solver/random.h"
#include "solver/solver.h"
#include "solver_test_util.h"

#include <QElapsedTimer>
#include <QTest>

using namespace kakuro;
using solvertest::puzzleOf;

namespace {

// Every filling of the puzzle's cells that keeps each run distinct and on its sum, counted by
// plain backtracking with no deduction at all (up to `cap`).
class BruteForce {
public:
    BruteForce(const Puzzle &p, int cap) : p_(p), cap_(cap), digits_(std::size_t(p.cellCount()), 0) {}
    int count()
    {
        walk(0);
        return found_;
    }

private:
    bool runOk(int run) const
    {
        const Run &r = p_.runs[std::size_t(run)];
        int sum = 0, filled = 0;
        unsigned seen = 0;
        for (int k = 0; k < r.length; ++k) {
            const int d = digits_[std::size_t(p_.runCells[std::size_t(r.first + k)])];
            if (d == 0)
                continue;
            if (seen & (1u << d))
                return false;
            seen |= 1u << d;
            sum += d;
            ++filled;
        }
        return filled == r.length ? sum == r.sum : sum < r.sum;
    }
    void walk(int cell)
    {
        if (found_ >= cap_)
            return;
        if (cell == p_.cellCount()) {
            ++found_;
            return;
        }
        for (int d = 1; d <= 9; ++d) {
            digits_[std::size_t(cell)] = d;
            bool ok = true;
            for (int run : p_.runsOfCell[std::size_t(cell)])
                ok = ok && (run == kNoRun || runOk(run));
            if (ok)
                walk(cell + 1);
        }
        digits_[std::size_t(cell)] = 0;
    }

    const Puzzle &p_;
    int cap_;
    std::vector<int> digits_;
    int found_ = 0;
};

bool isSolution(const Puzzle &p, const std::vector<std::uint8_t> &digits)
{
    for (const Run &r : p.runs) {
        int sum = 0;
        unsigned seen = 0;
        for (int k = 0; k < r.length; ++k) {
            const int d = digits[std::size_t(p.runCells[std::size_t(r.first + k)])];
            if (d < 1 || d > 9 || (seen & (1u << d)))
                return false;
            seen |= 1u << d;
            sum += d;
        }
        if (sum != r.sum)
            return false;
    }
    return true;
}

} // namespace

class TestSolver : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void countsSolutions_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("solutions"); // counted up to 10
        QTest::newRow("small puzzle") << fixture::smallPuzzle() << 1;
        QTest::newRow("square that swaps") << QStringList{"###", "#12", "#21"} << 2;
        QTest::newRow("repeated digit: no solution") << QStringList{"###", "#11"} << 0;
        QTest::newRow("run of ten: no solution") << QStringList{"###########", "#1234567891"} << 0;
        QTest::newRow("cell in no run") << QStringList{"##", "#5"} << 9;
        QTest::newRow("across run only, both orders") << QStringList{"###", "#13"} << 2;
        QTest::newRow("runs fix each other") << QStringList{"###", "#13", "#2#"} << 1;
        QTest::newRow("runs of nine") << QStringList{"##########", "#123456789", "#912345678"} << 10;
        QTest::newRow("needs a guess but unique")
            << QStringList{"#######", "#59#52#", "#127895", "##59#67", "#63#21#", "#941785", "##68#32"} << 1;
    }
    void countsSolutions()
    {
        QFETCH(QStringList, rows);
        QFETCH(int, solutions);
        const Puzzle p = puzzleOf(rows);
        Solver solver(p);
        const SolveResult r = solver.solve(10);
        QCOMPARE(r.solutions, solutions);
        if (solutions >= 1)
            QVERIFY(isSolution(p, r.first));
        if (solutions >= 2) {
            QVERIFY(isSolution(p, r.second));
            QVERIFY(r.first != r.second);
        }
    }

    // Random small boards, with digits that may break the rules, counted both ways.
    void agreesWithBruteForce()
    {
        Random random(12345);
        int checked = 0, unique = 0, several = 0, none = 0;
        for (int round = 0; round < 400; ++round) {
            const int w = 3 + int(random.below(3)), h = 3 + int(random.below(3));
            puzzle::BookPuzzle record{w, h, std::vector<std::uint8_t>(std::size_t(w * h), 0)};
            int cells = 0;
            for (int r = 1; r < h; ++r)
                for (int c = 1; c < w; ++c)
                    if (cells < 9 && random.below(4) != 0) {
                        record.cells[std::size_t(r * w + c)] = std::uint8_t(1 + random.below(9));
                        ++cells;
                    }
            if (cells == 0)
                continue;
            const Puzzle p = puzzleFromRecord(record);
            const int expected = BruteForce(p, 50).count();
            Solver solver(p);
            QCOMPARE(solver.solve(50).solutions, expected);
            ++checked;
            (expected == 0 ? none : expected == 1 ? unique : several)++;
        }
        // The draw covers all three outcomes, or the comparison proves little.
        QVERIFY(checked > 300);
        QVERIFY(none > 10 && unique > 10 && several > 10);
    }

    void hostileShapesStayCheap_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>("shape");
        QTest::addColumn<int>("solutions");
        QTest::newRow("all nines, runs of 99") << 100 << 100 << "full" << 0;
        QTest::newRow("5000 cells in no run") << 100 << 100 << "checker" << 2;
        QTest::newRow("800 squares that swap") << 120 << 120 << "squares" << 2;
    }
    void hostileShapesStayCheap()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QString, shape);
        QFETCH(int, solutions);
        puzzle::BookPuzzle record{width, height, std::vector<std::uint8_t>(std::size_t(width * height), 0)};
        for (int r = 0; r < height; ++r) {
            for (int c = 0; c < width; ++c) {
                std::uint8_t &cell = record.cells[std::size_t(r * width + c)];
                if (shape == QLatin1String("full"))
                    cell = 9;
                else if (shape == QLatin1String("checker"))
                    cell = (r + c) % 2 ? 5 : 0;
                else if (r % 3 != 0 && c % 3 != 0) // 2x2 squares of 1 2 / 2 1 between blocks
                    cell = std::uint8_t(1 + (r % 3 + c % 3) % 2);
            }
        }
        const Puzzle p = puzzleFromRecord(record);
        Solver solver(p);
        const SolveResult r = solver.solve(2);
        QCOMPARE(r.solutions, solutions);
        QVERIFY2(r.branches < 2 * p.cellCount(), "the search wandered");
        QVERIFY(!r.gaveUp);
    }

    void branchLimitStopsTheSearch()
    {
        // 400 independent squares that swap: the first solution alone takes 400 guesses.
        puzzle::BookPuzzle record{60, 60, std::vector<std::uint8_t>(3600, 0)};
        for (int r = 0; r < 60; ++r)
            for (int c = 0; c < 60; ++c)
                if (r % 3 != 0 && c % 3 != 0)
                    record.cells[std::size_t(r * 60 + c)] = std::uint8_t(1 + (r % 3 + c % 3) % 2);
        const Puzzle p = puzzleFromRecord(record);
        Solver solver(p);
        solver.setBranchLimit(50);
        const SolveResult r = solver.solve(2);
        QVERIFY(r.gaveUp);
        QCOMPARE(r.solutions, 0);
        QCOMPARE(r.branches, 50LL);
        solver.setBranchLimit(-1);
        QCOMPARE(solver.solve(2).solutions, 2);
    }
};

QTEST_GUILESS_MAIN(TestSolver)
#include "test_solver.moc"
