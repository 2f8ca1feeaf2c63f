// The generator: layouts keep the house rules, a small book comes out pinned to the byte and sound,
// every board rung can be asked for, and the default plan climbs and keeps its mix.
#include "generator/book_builder.h"
#include "generator/layout_generator.h"
#include "solver/puzzle_check.h"
#include "support/board_fixture.h"

#include <QTest>

using namespace kakuro;

Q_DECLARE_METATYPE(kakuro::Technique)

namespace {

std::vector<bool> layoutOf(const kakuro::BookPuzzle &record)
{
    std::vector<bool> layout;
    for (std::uint8_t c : record.cells)
        layout.push_back(c != 0);
    return layout;
}

} // namespace

class TestGenerator : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Drawn layouts of an odd shape, and with few blocks, keep the house rules; and each rule is
    // enforced on its own, so that the check the other tests lean on is no rubber stamp.
    void layoutsKeepTheHouseRules()
    {
        Random random(15);
        for (const LayoutOptions &o : {LayoutOptions{15, 9, 30, 9}, LayoutOptions{31, 46, 24, 9}}) {
            int made = 0;
            for (int k = 0; k < 20; ++k) {
                const auto layout = makeLayout(random, o);
                made += bool(layout);
                QVERIFY(!layout || isGoodLayout(o.width, o.height, *layout));
            }
            QVERIFY2(made >= 10, "most draws should give a layout");
        }
        const QList<QStringList> broken = {
            {"####", "#11#", "#11#", "##11"},                              // not symmetric
            {"1#11", "1111", "1111", "11#1"},                              // a cell alone across
            {"1111111111", "1111111111"},                                  // runs of ten
            {"######", "#11###", "#11###", "###11#", "###11#", "######"}}; // two areas
        for (const QStringList &rows : broken) {
            const kakuro::BookPuzzle r = fixture::puzzleFromAscii(rows);
            QVERIFY2(!isGoodLayout(r.width, r.height, layoutOf(r)), qPrintable(rows.join('/')));
        }
    }

    // Pins the whole chain (engine, range reduction, layouts, fillings, repairs, grades and order):
    // the same seed must give these very bytes with every compiler and standard library. And the
    // bytes pinned are sound: each puzzle of its planned size and difficulty, unique, logical, well
    // laid out, and none twice.
    void smallBookIsPinned()
    {
        BookPlan plan;
        plan.count = 8;
        plan.firstWidth = plan.firstHeight = 6;
        plan.lastWidth = plan.lastHeight = 9;
        plan.seed = 7;
        int calls = 0;
        const std::vector<BookEntry> book = buildBook(plan, [&](int done, int total) {
            QCOMPARE(total, 8);
            QCOMPARE(done, ++calls);
        });
        QCOMPARE(int(book.size()), 8);
        std::vector<kakuro::BookPuzzle> records;
        for (std::size_t k = 0; k < book.size(); ++k) {
            const kakuro::BookPuzzle &r = book[k].record;
            QCOMPARE((std::array<int, 2>{r.width, r.height}), plannedSize(plan, int(k)));
            QCOMPARE(book[k].grade.difficulty, plannedDifficulty(plan, int(k)));
            const PuzzleReport report = checkPuzzle(r, true);
            QVERIFY2(report.problems.empty(), report.problems.empty() ? "" : report.problems.front().c_str());
            QCOMPARE(report.grade.hardest, book[k].grade.hardest);
            QVERIFY(isGoodLayout(r.width, r.height, layoutOf(r)));
            QVERIFY(std::find(records.begin(), records.end(), r) == records.end());
            records.push_back(r);
        }
        const std::vector<std::uint8_t> bytes = kakuro::encodeBook(records);
        quint64 fnv = 0xcbf29ce484222325ull; // FNV-1a
        for (std::uint8_t b : bytes)
            fnv = (fnv ^ b) * 0x100000001b3ull;
        QCOMPARE(fnv, Q_UINT64_C(11867119095854035915));
    }

    // The pinned book's master puzzle needs crossing runs; the other board rungs can be asked for too.
    void masterPuzzlesNeedTheAskedRung_data()
    {
        QTest::addColumn<Technique>("rung");
        QTest::newRow("region sums") << Technique::RegionSums;
        QTest::newRow("short contradiction") << Technique::Contradiction;
    }
    void masterPuzzlesNeedTheAskedRung()
    {
        QFETCH(Technique, rung);
        PuzzleRequest request;
        request.difficulty = Difficulty::Master;
        request.masterRung = rung;
        const auto made = generatePuzzle(1, request);
        QVERIFY(made);
        const PuzzleReport report = checkPuzzle(made->record, true);
        QVERIFY(report.problems.empty());
        QCOMPARE(report.grade.hardest, rung);
    }

    // The shipped book's plan: 6x6 up to 30x30, sizes never shrink, puzzles of one size never get
    // easier, and the whole book keeps the mix within a few puzzles.
    void defaultPlanClimbsAndKeepsTheMix()
    {
        const BookPlan plan;
        QCOMPARE(plannedSize(plan, 0), (std::array<int, 2>{6, 6}));
        QCOMPARE(plannedSize(plan, plan.count - 1), (std::array<int, 2>{30, 30}));
        int bands[kDifficultyCount] = {1};
        for (int k = 1; k < plan.count; ++k) {
            const auto size = plannedSize(plan, k), before = plannedSize(plan, k - 1);
            QVERIFY(size[0] >= before[0] && size[1] >= before[1]);
            QVERIFY(size != before || plannedDifficulty(plan, k) >= plannedDifficulty(plan, k - 1));
            ++bands[int(plannedDifficulty(plan, k))];
        }
        QCOMPARE(plannedDifficulty(plan, 0), Difficulty::Easy);
        for (int band = 0; band < int(plan.mix.size()); ++band)
            QVERIFY2(std::abs(bands[band] - plan.mix[std::size_t(band)] * plan.count / 100) <=
                         plan.count / 30,
                     qPrintable(QString::number(bands[band])));
    }
};

QTEST_GUILESS_MAIN(TestGenerator)
#include "test_generator.moc"
