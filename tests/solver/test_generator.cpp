// The generator: layouts keep the house rules, puzzles come out unique, graded and solvable by logic,
// and a seed gives the same book everywhere.
#include "solver/book_builder.h"
#include "solver/digit_filler.h"
#include "solver/layout_generator.h"
#include "solver/puzzle_check.h"
#include "solver_test_util.h"

#include <QTest>

using namespace kakuro;

Q_DECLARE_METATYPE(kakuro::Difficulty)

namespace {

// FNV-1a over the bytes of a book.
quint64 fingerprint(const std::vector<std::uint8_t> &bytes)
{
    quint64 h = 0xcbf29ce484222325ull;
    for (std::uint8_t b : bytes) {
        h ^= b;
        h *= 0x100000001b3ull;
    }
    return h;
}

} // namespace

class TestGenerator : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void layoutsKeepTheRules_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("blocks");
        QTest::newRow("6x6") << 6 << 6 << 34;
        QTest::newRow("10x10") << 10 << 10 << 34;
        QTest::newRow("15x9, odd shape") << 15 << 9 << 30;
        QTest::newRow("30x30") << 30 << 30 << 34;
        QTest::newRow("31x46, few blocks") << 31 << 46 << 24;
    }
    void layoutsKeepTheRules()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, blocks);
        Random random(std::uint64_t(width * 1000 + height));
        int made = 0;
        for (int k = 0; k < 20; ++k) {
            LayoutOptions o;
            o.width = width;
            o.height = height;
            o.blockPercent = blocks;
            const auto layout = makeLayout(random, o);
            if (!layout)
                continue;
            ++made;
            QVERIFY(isGoodLayout(width, height, *layout));
        }
        QVERIFY2(made >= 10, "most draws should give a layout");
    }

    void badLayoutsAreRefused_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("not symmetric") << QStringList{"####", "#11#", "#11#", "##11"};
        QTest::newRow("cell alone across") << QStringList{"1#11", "1111", "1111", "11#1"};
        QTest::newRow("run of ten") << QStringList{"1111111111", "1111111111"};
        QTest::newRow("two areas") << QStringList{"######", "#11###", "#11###", "###11#", "###11#", "######"};
    }
    void badLayoutsAreRefused()
    {
        QFETCH(QStringList, rows);
        const puzzle::BookPuzzle r = fixture::puzzleFromAscii(rows);
        std::vector<bool> layout;
        for (std::uint8_t c : r.cells)
            layout.push_back(c != 0);
        QVERIFY(!isGoodLayout(r.width, r.height, layout));
    }

    void fillingKeepsRunsDistinct()
    {
        Random random(5);
        LayoutOptions o;
        o.width = o.height = 16;
        const auto layout = makeLayout(random, o);
        QVERIFY(layout);
        const Puzzle p = puzzleFromLayout(16, 16, *layout);
        std::vector<std::uint8_t> digits(std::size_t(p.cellCount()), 0);
        digits[0] = 7; // a preset cell is kept
        QVERIFY(fillDigits(random, p, digits));
        QCOMPARE(int(digits[0]), 7);
        for (const Run &run : p.runs) {
            unsigned seen = 0;
            for (int k = 0; k < run.length; ++k) {
                const int d = digits[std::size_t(p.runCells[std::size_t(run.first + k)])];
                QVERIFY(d >= 1 && d <= 9);
                QVERIFY(!(seen & (1u << d)));
                seen |= 1u << d;
            }
        }
        // Two presets that clash cannot be completed, and nothing is changed.
        std::vector<std::uint8_t> clash(std::size_t(p.cellCount()), 0);
        const int *cells = p.cellsOf(0);
        clash[std::size_t(cells[0])] = clash[std::size_t(cells[1])] = 4;
        const auto before = clash;
        QVERIFY(!fillDigits(random, p, clash));
        QCOMPARE(clash, before);
    }

    void puzzlesAreUniqueAndGraded_data()
    {
        QTest::addColumn<int>("side");
        QTest::addColumn<Difficulty>("difficulty");
        QTest::newRow("8x8 easy") << 8 << Difficulty::Easy;
        QTest::newRow("10x10 medium") << 10 << Difficulty::Medium;
        QTest::newRow("12x12 hard") << 12 << Difficulty::Hard;
        QTest::newRow("14x14 expert") << 14 << Difficulty::Expert;
        QTest::newRow("10x10 master") << 10 << Difficulty::Master;
    }
    void puzzlesAreUniqueAndGraded()
    {
        QFETCH(int, side);
        QFETCH(Difficulty, difficulty);
        for (std::uint64_t seed = 1; seed <= 3; ++seed) {
            PuzzleRequest request;
            request.width = request.height = side;
            request.difficulty = difficulty;
            const auto made = generatePuzzle(seed, request);
            QVERIFY(made);
            QCOMPARE(made->grade.difficulty, difficulty);
            const PuzzleReport report = checkPuzzle(made->record, true);
            QVERIFY2(report.problems.empty(), report.problems.empty() ? "" : report.problems.front().c_str());
            QCOMPARE(report.grade.difficulty, difficulty);
            std::vector<bool> layout;
            for (std::uint8_t c : made->record.cells)
                layout.push_back(c != 0);
            QVERIFY(isGoodLayout(side, side, layout));
        }
    }

    void sameSeedSamePuzzle()
    {
        PuzzleRequest request;
        request.width = request.height = 12;
        request.difficulty = Difficulty::Medium;
        const auto a = generatePuzzle(42, request), b = generatePuzzle(42, request),
                   c = generatePuzzle(43, request);
        QVERIFY(a && b && c);
        QCOMPARE(a->record, b->record);
        QVERIFY(!(a->record == c->record));
    }

    // Pins the whole chain (engine, range reduction, layouts, fillings, repairs, grades and order):
    // the same seed must give these very bytes with every compiler and standard library.
    void smallBookIsPinned()
    {
        BookPlan plan;
        plan.count = 8;
        plan.firstWidth = plan.firstHeight = 6;
        plan.lastWidth = plan.lastHeight = 9;
        plan.seed = 7;
        std::vector<puzzle::BookPuzzle> records;
        for (const BookEntry &e : buildBook(plan))
            records.push_back(e.record);
        QCOMPARE(int(records.size()), 8);
        QCOMPARE(fingerprint(puzzle::encodeBook(records)), Q_UINT64_C(11867119095854035915));
    }

    void randomStaysInRange()
    {
        Random random(1);
        for (std::uint32_t bound : {1u, 2u, 7u, 1000u, 0x80000001u, 0xFFFFFFFFu}) {
            std::uint32_t highest = 0;
            for (int k = 0; k < 2000; ++k) {
                const std::uint32_t v = random.below(bound);
                QVERIFY(v < bound);
                highest = std::max(highest, v);
            }
            if (bound <= 1000)
                QCOMPARE(highest, bound - 1); // every small range is covered to its top
        }
        Random a(9), b(9);
        for (int k = 0; k < 100; ++k)
            QCOMPARE(a.next(), b.next());
    }

    void bookPlanClimbs()
    {
        const BookPlan plan; // the shipped book's plan
        QCOMPARE(plannedSize(plan, 0), (std::array<int, 2>{6, 6}));
        QCOMPARE(plannedSize(plan, plan.count - 1), (std::array<int, 2>{30, 30}));
        int bands[kDifficultyCount] = {};
        for (int k = 0; k < plan.count; ++k) {
            ++bands[int(plannedDifficulty(plan, k))];
            if (k > 0 && plannedSize(plan, k) == plannedSize(plan, k - 1))
                QVERIFY(plannedDifficulty(plan, k) >= plannedDifficulty(plan, k - 1));
            if (k > 0)
                QVERIFY(plannedSize(plan, k)[0] >= plannedSize(plan, k - 1)[0]);
        }
        // The whole book keeps the mix, within a few puzzles.
        for (int band = 0; band < int(plan.mix.size()); ++band)
            QVERIFY2(std::abs(bands[band] - plan.mix[std::size_t(band)] * plan.count / 100) <=
                         plan.count / 30,
                     qPrintable(QString::number(bands[band])));
        // Small sizes start easy; the largest hold no easy ones.
        QCOMPARE(plannedDifficulty(plan, 0), Difficulty::Easy);
        QVERIFY(plannedDifficulty(plan, 39) <= Difficulty::Medium);
        QVERIFY(plannedDifficulty(plan, plan.count - 40) >= Difficulty::Medium);
        QCOMPARE(plannedDifficulty(plan, plan.count - 1), Difficulty::Master);
    }

    void badPlansAreNamed_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("weight");
        QTest::newRow("no puzzles") << 0 << 6 << 30 << 10;
        QTest::newRow("too many puzzles") << 40000 << 6 << 30 << 10;
        QTest::newRow("too small") << 10 << 3 << 30 << 10;
        QTest::newRow("too large") << 10 << 6 << 101 << 10;
        QTest::newRow("shrinking") << 10 << 12 << 8 << 10;
        QTest::newRow("all weights zero") << 10 << 6 << 30 << 0;
    }
    void badPlansAreNamed()
    {
        QFETCH(int, count);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(int, weight);
        BookPlan plan;
        plan.count = count;
        plan.firstWidth = plan.firstHeight = first;
        plan.lastWidth = plan.lastHeight = last;
        plan.mix = {weight, weight, weight, weight, weight};
        QVERIFY(!planProblem(plan).empty());
    }

    void smallBookIsOrderedAndDistinct()
    {
        BookPlan plan;
        plan.count = 24;
        plan.firstWidth = plan.firstHeight = 6;
        plan.lastWidth = plan.lastHeight = 8;
        plan.seed = 3;
        int calls = 0;
        const std::vector<BookEntry> book = buildBook(plan, [&](int done, int total) {
            QCOMPARE(total, 24);
            QCOMPARE(done, ++calls);
        });
        QCOMPARE(int(book.size()), 24);
        for (std::size_t k = 0; k < book.size(); ++k) {
            const BookEntry &e = book[k];
            QCOMPARE(e.record.width, plannedSize(plan, int(k))[0]);
            QVERIFY(checkPuzzle(e.record, true).problems.empty());
            if (k > 0 && e.record.width == book[k - 1].record.width)
                QVERIFY(e.grade.difficulty >= book[k - 1].grade.difficulty);
            for (std::size_t j = 0; j < k; ++j)
                QVERIFY(!(book[j].record == e.record));
        }
    }
};

QTEST_GUILESS_MAIN(TestGenerator)
#include "test_generator.moc"
