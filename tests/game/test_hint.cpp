// Hints on small boards: the sentence of each rung of reasoning, a wrong digit before any
// reasoning, a board with nothing to find; and the hint counts kept with the best times.
#include "game/hint.h"
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
// "7=3" a 3 where the solution has 7; all in pen, or all in pencil.
struct Position {
    puzzle::Puzzle puzzle;
    puzzle::Entries entries;
};

Position positionOf(const QStringList &rows, bool pencil)
{
    QStringList solution;
    for (const QString &row : rows)
        solution << QString(row).remove(QRegularExpression(QStringLiteral("[*]|=.")));
    Position p{fixture::puzzleOf(solution), puzzle::Entries(0)};
    p.entries = puzzle::Entries(p.puzzle.cellCount());
    for (int r = 0; r < rows.size(); ++r) {
        const QStringList cells = rows[r].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (int c = 0; c < cells.size(); ++c)
            if (cells[c].size() > 1)
                p.entries.write(p.puzzle.cellIndex(c + 1, r + 1),
                                cells[c].back().digitValue() == -1 ? cells[c][0].digitValue()
                                                                   : cells[c].back().digitValue(),
                                pencil);
    }
    return p;
}

QString cellName(const puzzle::Puzzle &p, int i)
{
    return i == 0 ? QString() : QStringLiteral("%1%2").arg(p.colOf(i)).arg(p.rowOf(i));
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
        row("two runs crossing",
            {"9 4 # # 8 9",
             "5 1 3 2 4 7",
             "# # 5 7 # #",
             "# # 1 3 # #",
             "8 3 2 6 5 1",
             "4 1 # # 1 3"}, false, K::Placement, T::Combinations, "21", "4", "112122",
            "Down 5 in two cells is 1 + 4 or 2 + 3. Across 13 cannot use 1, 2 or 3, so row 1, column 2 is 4.");
        row("hidden single",
            {"# 1 2 # 3 9",
             "3 7 4 2 6 5",
             "1 3 # 3 5 #",
             "# 5 7 # 7 9",
             "7 4 8 5 9 6",
             "9 2 # 9 8 #"}, false, K::Placement, T::HiddenSingle, "25", "4", "",
            "Every way to fill across 39 with the digits its empty cells allow uses 4, and the runs crossing "
            "its other empty cells rule 4 out there. So row 5, column 2 is 4.");
        row("remainder, from pencil digits",
            {"9* 3* # 1 8 #",
             "1* 5* # 3 7 9",
             "#  8  9 4 5 7",
             "3  1  5 6 2 #",
             "1  2  7 # 6 9",
             "#  4  8 # 9 8"}, true, K::Placement, T::Remainder, "26", "4", "",
            "The empty cells of across 12 at row 6, column 2 must make 12, and its other empty cells can only "
            "hold 5, 7, 8 or 9. Only 4 in row 6, column 2 leaves them a way to make the rest, so that cell is 4.");
        row("pair",
            {"8  5  #  9 5 #",
             "9  4  2* 8 3 7",
             "#  3* 1* # 7 9",
             "7* 2* #  6 9 #",
             "9* 7  2  8 6 5",
             "#  1  4  # 8 7"}, false, K::Placement, T::Pairs, "62", "7", "122232425262",
            "In across 33, row 2, column 1 and row 2, column 4 can only hold 8 and 9 between them, so no other "
            "cell of across 33 can. So row 2, column 6 is 7.");
        row("triple",
            {"# # #  2* 7* #  3* 1 4 2*",
             "# # #  1* 9* 7* 5* 4 3 8*",
             "# # 9* 4* 8* 6* #  3 2 #",
             "# 3 6  #  #  8* 9* # 1 3",
             "# 5 8  #  #  9* 7* # 6 1",
             "4 7 #  3* 8* #  #  5 9 #",
             "1 2 #  1* 3* #  #  7 8 #",
             "# 1 3  #  9  6  1  8 # #",
             "9 4 1  6  5  8  3  # # #",
             "7 9 4  8  #  7  2  # # #"}, false, K::Placement, T::Subsets, "93", "2", "",
            "In down 33, the cells row 1, column 9, row 2, column 9 and row 4, column 9 can only hold 1, 3 and "
            "4 between them, so no other cell of down 33 can. So row 3, column 9 is 2.");
        row("run consistency",
            {"# # 1* 7* # #",
             "# 1 5* 3* 2 4",
             "2 3 #  #  4 8",
             "4 2 #  #  1 3",
             "1 6 4  2  3 #",
             "# # 7  1  # #"}, false, K::Placement, T::RunConsistency, "62", "4", "",
            "Every way to fill down 15 with the digits its empty cells allow puts 4 in row 2, column 6.");
        row("crossing runs",
            {"# # 1 7 # #",
             "# 1 5 3 2 4",
             "2 3 # # 4 8",
             "4 2 # # 1 3",
             "1 6 4 2 3 #",
             "# # 7 1 # #"}, false, K::Placement, T::CrossingRuns, "31", "1", "",
            "Across 8 at row 1, column 3, across 15, down 6 and down 10 at row 1, column 4 meet at four cells, "
            "so they are filled together. Every way to fill all four with the digits their cells allow puts 1 "
            "in row 1, column 3.");
        row("region sums",
            {"9  2  #  # # # #  3* 9*",
             "8  4  9  6 # # 2* 1* 4*",
             "#  7  4  2 6 8 1* #  #",
             "5  3  #  # 8 9 #  3  4",
             "9  1  #  8 7 6 #  4  1",
             "7  5  #  7 9 # #  1  2",
             "#  #  6* 9 5 4 8  7  #",
             "3* 1* 2* # # 3 1  5  2",
             "1* 5* #  # # # #  2  8"}, false, K::Placement, T::RegionSums, "87", "7", "",
            "The clues of across 7 at row 4, column 8, across 5, across 3, across 11 at row 8, column 6 and "
            "across 10 at row 9, column 8 add up to 36, and the clues of the runs crossing them add up to 55. "
            "The cells in only one of these groups must make up the difference, with the digits written, so "
            "row 7, column 8 is 7.");
        row("short contradiction",
            {"# 6 9 # 5 2",
             "6 9 3 7 8 4",
             "1 5 # 9 6 #",
             "# 8 6 # 7 8",
             "8 7 9 5 4 6",
             "9 4 # 1 9 #"}, false, K::Placement, T::Contradiction, "42", "7", "",
            "Suppose row 2, column 4 were 9: following its runs from there leaves a run that cannot be filled. "
            "So row 2, column 4 is 7.");
        row("nothing places: the narrowest cell", {"1 2", "2 1"}, false, K::Removal, T::Combinations, "11",
            "3456789", "112112",
            "Across 3 at row 1, column 1 in two cells can only be 1 + 2. Down 3 at row 1, column 1 in two cells "
            "can only be 1 + 2. So row 1, column 1 cannot be 3, 4, 5, 6, 7, 8 or 9.");
        row("nothing at all", {"1 5 9"}, false, K::Nothing, T::Combinations, "", "0", "",
            "No step can be found by reasoning from here.");
        row("a wrong digit before any step", {"1* 5=4 9"}, false, K::WrongDigit, T::Combinations, "21", "4", "21",
            "The 4 in row 1, column 2 is wrong.");
        row("the first wrong pencil digit in reading order", {"1 5 9=8", "2=1 6 3"}, true, K::WrongDigit,
            T::Combinations, "31", "8", "31", "The 8 in row 1, column 3 is wrong.");
        // clang-format on
    }
    void hints()
    {
        QFETCH(QStringList, rows);
        QFETCH(bool, pencil);
        QFETCH(QString, shown);
        const Position p = positionOf(rows, pencil);
        const game::Hint hint = game::findHint(p.puzzle, p.entries);
        QTEST(hint.text, "text");
        QTEST(int(hint.kind), "kind");
        QTEST(int(hint.rung), "rung");
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
