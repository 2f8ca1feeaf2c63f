// The one puzzle type every layer shares: its entry cells, its runs with their clues and cells, and
// the rules that judge written digits.
#include "core/combination_table.h"
#include "core/puzzle.h"
#include "core/run_rules.h"
#include "support/board_fixture.h" // its ASCII boards only: the core links nothing else

#include <QTest>

namespace {

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
    static const kakuro::Puzzle p = kakuro::puzzleFromRecord(fixture::puzzleFromAscii({"1 3", "2 4"}));
    return p;
}

} // namespace

class TestCore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Runs that start at the grid's edge have their clue in row 0 or column 0; a block can head an
    // across and a down run; a lone entry cell makes no run. Places outside the grid are no entry.
    void runsAndClueCells()
    {
        const kakuro::Puzzle p =
            kakuro::puzzleFromRecord(fixture::puzzleFromAscii({"1 2 # #", "3 # 4 5", "# 6 7 #", "# 8 9 #"}));
        QCOMPARE(runsText(p),
                 "A0,1=3:0,1 A2,2=9:3,4 A1,3=13:5,6 A1,4=17:7,8 D1,0=4:0,2 D2,2=14:5,7 D3,1=20:3,6,8");
        QString clues;
        for (int row = 0; row <= p.height(); ++row)
            for (int col = 0; col <= p.width(); ++col)
                clues += QLatin1String(p.isClueCell(col, row) ? "C" : ".") + (col == p.width() ? " " : "");
        QCOMPARE(clues, ".CC.. C..CC C.C.. .C... .C... ");
        QCOMPARE(p.downRunOf(p.cellAt(3, 3)), 6);
    }

    // A digit twice in a run, or a full run off its clue, makes a conflict. The candidates of one
    // cell are those all cells get at once.
    void rules_data()
    {
        QTest::addColumn<QByteArray>("digits"); // per entry cell, 0 for none
        QTest::addColumn<QString>("conflicting");
        QTest::newRow("a digit twice in a run") << QByteArray("1100") << "0,1";
        QTest::newRow("a full run off its clue") << QByteArray("2100") << "0,1";
        QTest::newRow("right so far") << QByteArray("1000") << "";
    }
    void rules()
    {
        QFETCH(QByteArray, digits);
        std::vector<std::uint8_t> written;
        for (char c : digits)
            written.push_back(std::uint8_t(c - '0'));
        const std::vector<std::uint8_t> flags = kakuro::conflictingCells(square(), written);
        const std::vector<kakuro::DigitSet> all = kakuro::candidatesOfAll(square(), written);
        QStringList conflicting;
        for (int cell = 0; cell < square().entryCellCount(); ++cell) {
            if (flags[std::size_t(cell)])
                conflicting << QString::number(cell);
            QCOMPARE(all[std::size_t(cell)], kakuro::candidatesOf(square(), written, cell));
        }
        QTEST(conflicting.join(QLatin1Char(',')), "conflicting");
    }

    // The combination table counts what listing every digit set finds, out to the edges (45 in nine).
    void combinationCountsAgreeWithTheList()
    {
        for (int length = 1; length <= 10; ++length)
            for (int sum = -1; sum <= 46; ++sum)
                QCOMPARE(kakuro::combinationCount(length, sum),
                         int(kakuro::combinationsAddingUpTo(length, sum).size()));
    }
};

QTEST_GUILESS_MAIN(TestCore)
#include "test_core.moc"
