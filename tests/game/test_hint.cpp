// Hints on small boards: the sentence of each rung of reasoning, a wrong digit before any
// reasoning, a board with nothing to find; and the hint counts kept with the best times.
#include "game/hint.h"
#include "solver/logic_ladder.h"
#include "store/score.h"
#include "store/settings_file_store.h"
#include "support/board_fixture.h"

#include <QDir>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A board in ASCII art whose cells may carry what is written in them: "7*" the right digit,
// "7=3" a 3 where the solution has 7 (all in pen, or all in pencil), "7m127" the marks 1, 2, 7.
struct Position {
    kakuro::Puzzle puzzle;
    puzzle::Entries entries;
};

Position positionOf(const QStringList &rows, bool pencil)
{
    QStringList solution;
    for (const QString &row : rows)
        solution << QString(row).remove(QRegularExpression(QStringLiteral("[*]|=.|m[0-9]+")));
    Position p{fixture::puzzleOf(solution), puzzle::Entries(0)};
    p.entries = puzzle::Entries(p.puzzle.entryCellCount());
    for (int r = 0; r < rows.size(); ++r) {
        const QStringList cells = rows[r].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (int c = 0; c < cells.size(); ++c) {
            const int i = p.puzzle.cellAt(c + 1, r + 1);
            if (cells[c].size() > 1 && cells[c][1] == QLatin1Char('m')) {
                int marks = 0;
                for (QChar d : cells[c].mid(2))
                    marks |= kakuro::digitBit(d.digitValue());
                p.entries.setMarks(i, marks);
            } else if (cells[c].size() > 1) {
                p.entries.write(i,
                                cells[c].back().digitValue() == -1 ? cells[c][0].digitValue()
                                                                   : cells[c].back().digitValue(),
                                pencil);
            }
        }
    }
    return p;
}

QString cellName(const kakuro::Puzzle &p, int i)
{
    return i < 0 ? QString() : QStringLiteral("%1%2").arg(p.colOf(i)).arg(p.rowOf(i));
}

} // namespace

class TestHint : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Columns: the board, written in pencil or pen; the hint's kind and rung; its cell as "CR";
    // the digit placed, the digits removed or the wrong digit; the cells shown ("" not checked).
    void hints_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<bool>("pencil");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("rung");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("text");
        const auto row = [](const char *tag, const QStringList &rows, bool pencil, game::HintKind kind,
                            kakuro::Technique rung, const char *cell, const char *digits, const char *shown,
                            const char *text) {
            QTest::newRow(tag) << rows << pencil << int(kind) << int(rung) << cell << digits << shown << text;
        };
        using K = game::HintKind;
        using T = kakuro::Technique;
        // clang-format off
        row("last empty cell of a run", {"1* 5* 9"}, false, K::Placement, T::Combinations, "31", "9", "112131",
            "Across 15 has only row 1, column 3 left empty and needs 9 more, so that cell is 9.");
        row("a digit the run already has", {"1* 5 9"}, false, K::Removal, T::Combinations, "21", "12347", "112131",
            "Across 15 needs 14 more in two empty cells: 5 + 9 or 6 + 8. Across 15 already has 1. So row 1, "
            "column 2 cannot be 1, 2, 3, 4 or 7.");
        row("the marks left one digit", {"1* 5m57 9m59"}, true, K::Placement, T::Combinations, "21", "5", "112131",
            "Across 15 needs 14 more in two empty cells: 5 + 9 or 6 + 8. Of the digits marked in row 1, column 2, "
            "only 5 is left, so that cell is 5.");
        row("no placement: the first removal", {"1 2", "2 1"}, false, K::Removal, T::Combinations, "11",
            "3456789", "1121",
            "Across 3 at row 1, column 1 in two cells can only be 1 + 2. So row 1, column 1 cannot be 3, 4, 5, 6, "
            "7, 8 or 9.");
        row("nothing at all", {"1 5 9"}, false, K::Nothing, T::Combinations, "", "0", "",
            "No step can be found by reasoning from here.");
        row("a wrong digit before any step", {"1* 5=4 9"}, false, K::WrongDigit, T::Combinations, "21", "4", "21",
            "The 4 in row 1, column 2 is wrong.");
        row("the first wrong pencil digit in reading order", {"1 5 9=8", "2=1 6 3"}, true, K::WrongDigit,
            T::Combinations, "31", "8", "31", "The 8 in row 1, column 3 is wrong.");
        row("marks that leave out the digit, before any step", {"1 5m67 9"}, false, K::LostDigit,
            T::Combinations, "21", "5", "21",
            "Your marks in row 1, column 2 leave out a digit that belongs there.");
        row("one mark left", {"1 5m5 9"}, false, K::Placement, T::Combinations, "21", "5", "21",
            "Your marks in row 1, column 2 leave only 5, so that cell is 5.");
        // clang-format on
    }
    void hints()
    {
        QFETCH(QStringList, rows);
        QFETCH(bool, pencil);
        QFETCH(QString, shown);
        QFETCH(int, kind);
        Position p = positionOf(rows, pencil);
        QFETCH(int, rung);
        const game::Hint hint = game::findHint(p.puzzle, p.entries);
        QTEST(hint.text, "text");
        QCOMPARE(int(hint.kind), kind);
        QCOMPARE(int(hint.technique), rung);
        QTEST(cellName(p.puzzle, hint.cell), "cell");
        QString digits = QString::number(hint.digit);
        if (hint.kind == game::HintKind::Removal)
            digits = QString();
        for (int d : hint.removedDigits)
            digits += QString::number(d);
        QTEST(digits, "digits");
        if (!shown.isEmpty()) {
            QString cells;
            for (int i : hint.cells)
                cells += cellName(p.puzzle, i);
            QCOMPARE(cells, shown);
        }
    }

    // Each rung above the first on the board a player reaches by every cheaper step of a shipped
    // puzzle that needs it: digits decided are written, the rest marked. The hint comes from that
    // rung, with its evidence in the sentence.
    void rungs_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("rung");
        QTest::addColumn<QString>("text");
        using T = kakuro::Technique;
        // clang-format off
        QTest::newRow("hidden single") << 14 << int(T::HiddenSingle)
            << "Every way to fill across 26 with the digits its empty cells allow uses 9, and no other empty cell "
            "of it can take 9. So row 6, column 4 is 9.";
        QTest::newRow("remainder") << 31 << int(T::Remainder)
            << "The empty cells of across 6 must make 6, and its other empty cells can only hold 4 or 5. 4 in "
            "row 1, column 2 would leave them no way to make the rest, so that cell cannot be 4.";
        QTest::newRow("pairs") << 120 << int(T::Pairs)
            << "Across 38 must use 3 and 5, and only row 5, column 4 and row 5, column 6 can take them, so those"
            " two cells hold nothing else. So row 5, column 4 cannot be 6, 7, 8 or 9.";
        QTest::newRow("triples and quads") << 160 << int(T::TriplesAndQuads)
            << "In down 41, the cells row 1, column 8, row 3, column 8, row 4, column 8 and row 5, column 8 can "
            "only hold 2, 4, 5 and 6 between them, so no other cell of down 41 can. So row 2, column 8 cannot"
            " be 2, 4, 5 or 6.";
        QTest::newRow("run consistency") << 399 << int(T::RunConsistency)
            << "No way to fill across 12 at row 9, column 5 with the digits its empty cells allow puts 5 in row "
            "9, column 8.";
        QTest::newRow("crossing runs") << 560 << int(T::CrossingRuns)
            << "Across 19 at row 8, column 14, across 30 at row 9, column 13, down 12 at row 8, column 15 and "
            "down 13 at row 8, column 16 meet at four cells, so they are filled together. Every way to fill "
            "all four with the digits their cells allow puts 4 in row 8, column 15.";
        QTest::newRow("region sums") << 599 << int(T::RegionSums)
            << "The clues of across 10 at row 12, column 13, across 3 at row 13, column 13, across 7 at row 14, "
            "column 13, across 15 at row 18, column 13, across 28 and across 31 add up to 94, and the clues "
            "of the runs crossing them add up to 122. The cells in only one of these groups must make up the "
            "difference, with the digits written, so row 16, column 13 is 9.";
        QTest::newRow("short contradiction") << 600 << int(T::Contradiction)
            << "Suppose row 13, column 1 were 9: following its runs from there leaves a run that cannot be "
            "filled. So row 13, column 1 is 8.";
        // clang-format on
    }
    void rungs()
    {
        QFETCH(int, number);
        QFETCH(int, rung);
        puzzle::Book book;
        QVERIFY(book.open(QStringLiteral(KORVEL_SHIPPED_BOOK)));
        const kakuro::Puzzle puzzle = book.puzzle(number);
        std::vector<kakuro::DigitSet> domains(std::size_t(puzzle.entryCellCount()), kakuro::kAllDigits);
        kakuro::LogicLadder(puzzle, kakuro::Technique(rung - 1)).solve(domains);
        puzzle::Entries entries(puzzle.entryCellCount());
        for (int c = 0; c < puzzle.entryCellCount(); ++c) {
            const kakuro::DigitSet d = domains[std::size_t(c)];
            if (kakuro::isSingle(d))
                entries.write(c, kakuro::lowestDigit(d), false);
            else
                entries.setMarks(c, d);
        }
        const game::Hint hint = game::findHint(puzzle, entries);
        QCOMPARE(int(hint.technique), rung);
        QTEST(hint.text, "text");
    }

    // HINTSn is stored beside STATSn only once a count was above 0 and then kept up to date;
    // anything but three counts of 0 or more reads as zeros.
    void storedHintCounts_data()
    {
        QTest::addColumn<QVariant>("stored"); // before the game, nothing when invalid
        QTest::addColumn<QString>("read");
        QTest::addColumn<QList<int>>("counts"); // then saved
        QTest::addColumn<QString>("written");
        const QByteArray one2three = QByteArray::fromHex("010000000200000003000000");
        QTest::newRow("a hint is stored")
            << QVariant() << "0 0 0" << QList<int>{0, 2, 0} << "000000000200000000000000";
        QTest::newRow("read back, kept at zero")
            << QVariant(one2three) << "1 2 3" << QList<int>{0, 0, 0} << "000000000000000000000000";
        QTest::newRow("too short") << QVariant(one2three.left(8)) << "0 0 0" << QList<int>{0, 0, 0}
                                   << "000000000000000000000000";
        QTest::newRow("a negative count") << QVariant(QByteArray::fromHex("ffffffff0200000003000000"))
                                          << "0 2 3" << QList<int>{0, 2, 3} << "000000000200000003000000";
    }
    void storedHintCounts()
    {
        QFETCH(QVariant, stored);
        QFETCH(QList<int>, counts);
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        QVERIFY(QDir().mkpath(QFileInfo(store::settingsFilePath()).path()));
        QSettings file(store::settingsFilePath(), QSettings::NativeFormat);
        if (stored.isValid())
            file.setValue(QStringLiteral("HINTS1"), stored);
        file.sync();
        store::Settings s;
        QVERIFY(store::loadSettings(s, 1));
        const auto &read = s.puzzleStats[1].hintCounts;
        QTEST(QStringLiteral("%1 %2 %3").arg(read[1]).arg(read[2]).arg(read[3]), "read");
        std::copy(counts.begin(), counts.end(), s.puzzleStats[1].hintCounts.begin() + 1);
        QVERIFY(store::saveSettings(s));
        file.sync();
        QTEST(file.contains("HINTS1") ? QString::fromLatin1(file.value("HINTS1").toByteArray().toHex())
                                      : "none",
              "written");
    }
};

QTEST_MAIN(TestHint)
#include "test_hint.moc"
