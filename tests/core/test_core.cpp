// The one puzzle type every layer shares: its entry cells, its runs with their clues and cells, and
// the rules that judge written digits.
#include "core/puzzle.h"
#include "core/run_rules.h"

#include <QTest>

namespace {

// A record drawn as text: '#' a block, '1'-'9' an entry cell's solution digit; blanks ignored.
kakuro::BookPuzzle recordOf(const QStringList &rows)
{
    kakuro::BookPuzzle record;
    for (QString row : rows) {
        row.remove(QLatin1Char(' '));
        record.width = int(row.size());
        ++record.height;
        for (QChar c : row)
            record.cells.push_back(std::uint8_t(c == QLatin1Char('#') ? 0 : c.digitValue()));
    }
    return record;
}

// "A0,1=3:0,1": direction, clue cell, sum, then the run's entry cells.
QString runsText(const kakuro::Puzzle &p)
{
    QStringList text;
    for (const kakuro::Run &r : p.runs()) {
        QStringList cells;
        for (int cell : p.cells(r))
            cells << QString::number(cell);
        text << QStringLiteral("%1%2,%3=%4:%5")
                    .arg(r.direction == kakuro::Direction::Across ? 'A' : 'D')
                    .arg(r.clueCol)
                    .arg(r.clueRow)
                    .arg(r.sum)
                    .arg(cells.join(QLatin1Char(',')));
    }
    return text.join(QLatin1Char(' '));
}

// The smallest board with two runs each way; entry cells 0 1 / 2 3.
const kakuro::Puzzle &square()
{
    static const kakuro::Puzzle p = kakuro::puzzleFromRecord(recordOf({"1 3", "2 4"}));
    return p;
}

} // namespace

class TestCore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Runs that start at the grid's edge have their clue in row 0 or column 0; a block can head an
    // across and a down run; a lone entry cell makes no run. Each cell knows the runs through it.
    void runs_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("runs");
        QTest::addColumn<QString>("clueCells");
        QTest::newRow("edges, a block heading two runs, lone cells")
            << QStringList{"1 2 # #", "3 # 4 5", "# 6 7 #", "# 8 9 #"}
            << "A0,1=3:0,1 A2,2=9:3,4 A1,3=13:5,6 A1,4=17:7,8 D1,0=4:0,2 D2,2=14:5,7 D3,1=20:3,6,8"
            << ".CC.. C..CC C.C.. .C... .C... ";
        QTest::newRow("no entry cell") << QStringList{"# #"} << ""
                                       << "... ... ";
    }
    void runs()
    {
        QFETCH(QStringList, rows);
        const kakuro::Puzzle p = kakuro::puzzleFromRecord(recordOf(rows));
        QTEST(runsText(p), "runs");
        QString clues;
        for (int row = 0; row <= p.height(); ++row)
            for (int col = 0; col <= p.width(); ++col)
                clues += QLatin1String(p.isClueCell(col, row) ? "C" : ".") + (col == p.width() ? " " : "");
        QTEST(clues, "clueCells");
        for (int r = 0; r < p.runCount(); ++r) {
            const kakuro::Run &run = p.run(r);
            const bool across = run.direction == kakuro::Direction::Across;
            for (int k = 0; k < run.length; ++k) {
                const int cell = p.cells(r)[std::size_t(k)];
                QCOMPARE((across ? p.acrossRunOf(cell) : p.downRunOf(cell)), r);
                QCOMPARE(p.colOf(cell), across ? run.clueCol + k + 1 : run.clueCol);
                QCOMPARE(p.rowOf(cell), across ? run.clueRow : run.clueRow + k + 1);
                QCOMPARE(p.cellAt(p.colOf(cell), p.rowOf(cell)), cell);
            }
        }
    }

    // The generator builds a layout first and its sums later; the record it writes is the one read.
    void layoutThenSums()
    {
        const kakuro::BookPuzzle record = recordOf({"# 1 2", "3 4 5"});
        const std::vector<bool> entry{false, true, true, true, true, true};
        kakuro::Puzzle p = kakuro::puzzleFromLayout(3, 2, entry);
        QCOMPARE(p.solution(0), 0);
        const std::vector<std::uint8_t> digits = kakuro::digitsOfRecord(p, record);
        kakuro::setSums(p, digits);
        QCOMPARE(runsText(p), runsText(kakuro::puzzleFromRecord(record)));
        QVERIFY(kakuro::recordOf(p, digits) == record);
    }

    // A digit twice in a run, or a full run off its clue; the candidates of a cell are what both
    // its runs allow, asked of one cell or of all at once.
    void rules_data()
    {
        QTest::addColumn<QByteArray>("digits"); // per entry cell, 0 for none
        QTest::addColumn<QString>("conflicting");
        QTest::addColumn<QString>("candidates");
        QTest::newRow("empty") << QByteArray("0000") << ""
                               << "1,13,12,1245";
        QTest::newRow("a digit twice in a run") << QByteArray("1100") << "0,1"
                                                << ",,2,";
        QTest::newRow("a full run off its clue") << QByteArray("2100") << "0,1"
                                                 << ",,1,";
        QTest::newRow("right so far") << QByteArray("1000") << ""
                                      << ",3,2,1245";
    }
    void rules()
    {
        QFETCH(QByteArray, digits);
        std::vector<std::uint8_t> written;
        for (char c : digits)
            written.push_back(std::uint8_t(c - '0'));
        const std::vector<std::uint8_t> flags = kakuro::conflictingCells(square(), written);
        const std::vector<kakuro::DigitSet> all = kakuro::candidatesOfAll(square(), written);
        QStringList conflicting, candidates;
        for (int cell = 0; cell < square().entryCellCount(); ++cell) {
            if (flags[std::size_t(cell)])
                conflicting << QString::number(cell);
            QCOMPARE(all[std::size_t(cell)], kakuro::candidatesOf(square(), written, cell));
            QString set;
            kakuro::forEachDigit(written[std::size_t(cell)] ? 0 : all[std::size_t(cell)],
                                 [&](int d) { set += QString::number(d); });
            candidates << set;
        }
        QTEST(conflicting.join(QLatin1Char(',')), "conflicting");
        QTEST(candidates.join(QLatin1Char(',')), "candidates");
    }
};

QTEST_GUILESS_MAIN(TestCore)
#include "test_core.moc"
