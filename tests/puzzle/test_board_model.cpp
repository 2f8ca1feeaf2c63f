// The board model: cell addressing, clue cells, runs and comparison with the solution.
#include "support/board_fixture.h"

#include <QTest>

using modData::Board;
using modData::RunRecord;

Q_DECLARE_METATYPE(RunRecord)
Q_DECLARE_METATYPE(QList<RunRecord>)

namespace {
QList<RunRecord> toList(const std::vector<RunRecord> &runs) { return {runs.begin(), runs.end()}; }
} // namespace

class TestBoardModel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cellIndexRoundTrip_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::newRow("first cell") << 1 << 1 << 1;
        QTest::newRow("end of row 1") << 5 << 5 << 1;
        QTest::newRow("start of row 2") << 6 << 1 << 2;
        QTest::newRow("last cell") << 15 << 5 << 3;
    }
    void cellIndexRoundTrip()
    {
        QFETCH(int, index);
        QFETCH(int, col);
        QFETCH(int, row);
        Board b;
        fixture::loadBoard(b, {"#####", "#####", "#####"});
        QCOMPARE(b.cellIndex(col, row), index);
        QCOMPARE(b.colOf(index), col);
        QCOMPARE(b.rowOf(index), row);
    }

    void isClueCell_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("clue");
        // # # #
        // # 1 2
        // # 3 #
        QTest::newRow("entry cell") << 2 << 2 << false;
        QTest::newRow("block with entry right") << 1 << 2 << true;
        QTest::newRow("block with entry below") << 2 << 1 << true;
        QTest::newRow("block heading nothing") << 1 << 1 << false;
        QTest::newRow("block, right and below blocks/outside") << 3 << 3 << false;
        QTest::newRow("row 0 above block") << 1 << 0 << false;
        QTest::newRow("row 0 above entry") << 2 << 0 << false; // (2,1) is a block
        QTest::newRow("column 0 beside block row") << 0 << 1 << false;
        QTest::newRow("corner") << 0 << 0 << false;
        QTest::newRow("outside right") << 4 << 2 << false;
    }
    void isClueCell()
    {
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(bool, clue);
        Board b;
        fixture::loadBoard(b, {"###", "#12", "#3#"});
        QCOMPARE(modData::isClueCell(b, col, row), clue);
    }

    void edgeCluePositions()
    {
        Board b;
        fixture::loadBoard(b, {"12", "3#"});
        QVERIFY(modData::isClueCell(b, 0, 1)); // left of an across run in column 1
        QVERIFY(modData::isClueCell(b, 1, 0)); // above a down run in row 1
        // A lone entry cell heads no run, yet its left neighbour still tests as a clue position.
        QVERIFY(modData::isClueCell(b, 0, 2));
    }

    void runs_data()
    {
        QTest::addColumn<QStringList>("art");
        QTest::addColumn<QList<RunRecord>>("across");
        QTest::addColumn<QList<RunRecord>>("down");
        QTest::newRow("block 3 1 block 2 block")
            << QStringList{"#31#2#"} << QList<RunRecord>{{1, 1, 4, 2}} << QList<RunRecord>{};
        QTest::newRow("row ending in entries")
            << QStringList{"##987"} << QList<RunRecord>{{2, 1, 24, 3}} << QList<RunRecord>{};
        QTest::newRow("no entry cells") << QStringList{"###", "###"} << QList<RunRecord>{}
                                        << QList<RunRecord>{};
        QTest::newRow("column starting with two entries")
            << QStringList{"1#", "2#", "#3"} << QList<RunRecord>{} << QList<RunRecord>{{1, 0, 3, 2}};
        QTest::newRow("scan order and shared clue cell")
            << QStringList{"#12", "#34", "56#"}
            << QList<RunRecord>{{1, 1, 3, 2}, {1, 2, 7, 2}, {0, 3, 11, 2}}
            << QList<RunRecord>{{2, 0, 10, 3}, {3, 0, 6, 2}};
    }
    void runs()
    {
        QFETCH(QStringList, art);
        QFETCH(QList<RunRecord>, across);
        QFETCH(QList<RunRecord>, down);
        Board b;
        fixture::loadBoard(b, art);
        QCOMPARE(toList(b.acrossRuns), across);
        QCOMPARE(toList(b.downRuns), down);
        QCOMPARE(b.acrossRunCount, across.size());
        QCOMPARE(b.downRunCount, down.size());
    }

    void nonSquareRecordReadsRowByRow()
    {
        Board b;
        fixture::loadBoard(b, {"123", "456"});
        QCOMPARE(b.gridWidth, 3);
        QCOMPARE(b.gridHeight, 2);
        QCOMPARE(b.solutionAt(1, 1), 1);
        QCOMPARE(b.solutionAt(3, 1), 3);
        QCOMPARE(b.solutionAt(1, 2), 4);
        QCOMPARE(b.entryCellCount, 6);
    }

    void compareCountsOnlyWrongFilledCells()
    {
        Board b;
        fixture::loadBoard(b, fixture::smallPuzzle());
        const int a = b.cellIndex(2, 2), c = b.cellIndex(3, 2), d = b.cellIndex(4, 3);
        b.penEntries[std::size_t(a)] = 1;  // right
        b.penEntries[std::size_t(c)] = 9;  // wrong
        b.pencilEntries[std::size_t(d)] = 5; // wrong
        modData::ByteArray1 marks(std::size_t(b.cellCount) + 1, 0);
        QCOMPARE(modData::compareWithSolution(b, b.penEntries, marks), 1);
        QCOMPARE(modData::compareWithSolution(b, b.pencilEntries, marks), 1);
        QCOMPARE(modData::countNonZero(marks), 2);
        QCOMPARE(marks[std::size_t(c)], 1);
        QCOMPARE(marks[std::size_t(d)], 1);
    }

    void loadingDiscardsPreviousEntriesAndMarks()
    {
        Board b;
        QVERIFY(modData::loadBookBytes(b, fixture::bookFromAscii({fixture::smallPuzzle(), {"#12", "#34"}})));
        modData::loadPuzzle(b, 1);
        b.penEntries[6] = 1;
        b.pencilEntries[7] = 3;
        b.errorMarks[6] = 1;
        modData::loadPuzzle(b, 2);
        QCOMPARE(b.cellCount, 6);
        QCOMPARE(int(b.penEntries.size()), 7);
        QCOMPARE(modData::countNonZero(b.penEntries), 0);
        QCOMPARE(modData::countNonZero(b.pencilEntries), 0);
        QCOMPARE(modData::countNonZero(b.errorMarks), 0);
        modData::loadPuzzle(b, 1);
        QCOMPARE(modData::countNonZero(b.penEntries), 0);
    }
};

QTEST_APPLESS_MAIN(TestBoardModel)
#include "test_board_model.moc"
