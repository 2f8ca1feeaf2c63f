// The player's own puzzles on the model alone: My Puzzles grows by appending and keeps a damaged or
// unwritable file as it was; the editor's rules, its checks on small boards and its drafts.
#include "game/layout_check.h"
#include "game/my_puzzles.h"
#include "solver/puzzle_code.h"
#include "support/board_fixture.h"
#include "support/file_size_limit.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A board for the editor in its draft's own words: "." an entry cell, "#" a block, "D\A" a
// block with its down and across sums.
game::EditorGrid board(const QStringList &rows)
{
    const QByteArray text = "KORVEL-DRAFT 1\n" + QByteArray::number(rows.first().split(' ').size()) + ' ' +
                            QByteArray::number(rows.size()) + '\n' + rows.join('\n').toLatin1() + '\n';
    return *game::PuzzleEditor::readDraft(text);
}

} // namespace

class TestOwnPuzzles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    // Each puzzle added keeps those before it byte for byte, numbers and codes and all, and comes
    // back so after a restart; the same cells are found again rather than added twice.
    void puzzlesAreAppendedAndReadBack()
    {
        const QString path = dir_.filePath("grow/my-puzzles.qztw");
        game::MyPuzzles own(path);
        QVERIFY(own.load());
        QCOMPARE(own.count(), 0);
        // Codes name sizes from 6x6 up.
        const kakuro::BookPuzzle first =
            fixture::puzzleFromAscii({"######", "#12345", "#23451", "#34512", "#45123", "#51234"});
        const kakuro::BookPuzzle second = fixture::puzzleFromAscii({"###", "#12", "#31"});
        kakuro::PuzzleCode code;
        code.width = code.height = 6;
        code.seed = 77;
        QCOMPARE(own.add(first, kakuro::reservedOfCode(code)), 1);
        const QByteArray firstRecord = fixture::fileBytes(path).mid(12);
        QCOMPARE(own.add(second, 0), 2);
        QCOMPARE(fixture::fileBytes(path).mid(16, firstRecord.size()), firstRecord);

        game::MyPuzzles again(path);
        QVERIFY(again.load());
        QCOMPARE(again.count(), 2);
        QVERIFY(again.record(2) == second);
        QVERIFY(!again.code(2));
        QCOMPARE(again.code(1), code);
        QCOMPARE(again.find(second), 2);
        QCOMPARE(again.find(*again.code(1)), 1);
    }

    // A damaged file is told, kept as it is, and never written over; the collection is empty.
    void damagedFilesAreKept_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = fixture::bookFromAscii({fixture::smallPuzzle()});
        QTest::newRow("wrong magic") << "qztw" + good.mid(4);
        QTest::newRow("cut short") << good.left(good.size() - 2);
        QTest::newRow("count without records") << QByteArray("QZTW\xff\x7f\x00\x00", 8);
        QTest::newRow("empty file") << QByteArray();
    }
    void damagedFilesAreKept()
    {
        QFETCH(QByteArray, bytes);
        const QString path = dir_.filePath("damaged.qztw");
        QVERIFY(fixture::writeFile(path, bytes));
        game::MyPuzzles own(path);
        QString error;
        QVERIFY(!own.load(&error));
        QVERIFY2(error.contains("damaged.qztw") && error.contains("kept"), qPrintable(error));
        QCOMPARE(own.count(), 0);
        QCOMPARE(own.add(fixture::puzzleFromAscii(fixture::smallPuzzle()), 0, &error), 0);
        QCOMPARE(fixture::fileBytes(path), bytes);
    }

    // A file-size limit stops the write: the old file stands whole and the collection is as it was.
    void aFailedWriteLeavesTheOldFile()
    {
        const QString path = dir_.filePath("limit/my-puzzles.qztw");
        game::MyPuzzles own(path);
        QCOMPARE(own.add(fixture::puzzleFromAscii(fixture::smallPuzzle()), 0), 1);
        const QByteArray before = fixture::fileBytes(path);
        QString error;
        {
            FileSizeLimit tight(rlim_t(before.size() + 8));
            QCOMPARE(own.add(fixture::puzzleFromAscii({"####", "#123", "#456", "#789"}), 0, &error), 0);
        }
        QVERIFY2(error.contains("my-puzzles.qztw"), qPrintable(error));
        QCOMPARE(fixture::fileBytes(path), before);
        QCOMPARE(own.count(), 1);
    }

    // The editor takes a sum only where a run starts, and only one the run's length can make;
    // symmetry mirrors a block a half turn away; undo takes back one step.
    void editorRules()
    {
        game::PuzzleEditor editor(5, 4);
        QString why;
        QVERIFY(!editor.setSum(2, 2, true, 5, &why)); // an entry cell
        QVERIFY(!editor.setSum(1, 1, true, 5, &why)); // the corner starts no run
        QVERIFY(editor.setSum(1, 2, true, 10, &why)); // 4 cells: 10..30
        QVERIFY(!editor.setSum(1, 2, true, 31, &why));
        QCOMPARE(why, "A run of 4 cells can only add up to 10 to 30.");
        QVERIFY(editor.setSum(2, 1, false, 24, &why)); // 3 cells: 6..24
        editor.toggleBlock(2, 2);
        QVERIFY(editor.grid().at(2, 2).block && editor.grid().at(4, 3).block);
        editor.setSymmetric(false);
        editor.toggleBlock(5, 4);
        QVERIFY(editor.grid().at(5, 4).block);
        editor.undo();
        QVERIFY(!editor.grid().at(5, 4).block);
        editor.undo();
        QVERIFY(!editor.grid().at(2, 2).block && !editor.grid().at(4, 3).block);
        QCOMPARE(editor.grid().at(1, 2).across, 10);
    }

    // The solver's verdict on small boards, as the status line says it.
    void checksOnSmallBoards_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("branches");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("lit");
        const auto row = [](const char *name, QStringList rows, int branches, QString status,
                            QString lit = {}) { QTest::newRow(name) << rows << branches << status << lit; };
        row("unique", {"# 4\\ 6\\", "\\3 . .", "\\7 . ."}, 1000, "Unique: Easy (combinations)");
        row("no solution", {"# 4\\ 6\\", "\\3 . .", "\\17 . ."}, 1000, "No solution");
        row("two solutions", {"# 3\\ 3\\", "\\3 . .", "\\3 . ."}, 1000, "More than one solution", "2,2 3,2");
        row("a sum missing", {"# 4\\ 6\\", "\\3 . .", "# . ."}, 1000, "1 run still needs a sum.");
        row("runs at the edge have no clue cell", {". . .", ". . .", ". . ."}, 1000,
            "6 runs still need a sum.");
        row("no runs", {"# # #", "# . #", "# # #"}, 1000, "No runs yet: make some cells entry cells.");
        row("a search beyond its bound", {"# 3\\ 3\\", "\\3 . .", "\\3 . ."}, 0,
            "Not decided: too many possibilities to search. Add blocks or sums.");
    }
    void checksOnSmallBoards()
    {
        QFETCH(QStringList, rows);
        QFETCH(int, branches);
        const std::optional<game::LayoutStatus> status = game::checkLayout(board(rows), branches);
        QVERIFY(status);
        QTEST(game::statusText(*status), "status");
        QStringList lit;
        for (const QPoint &p : status->differing)
            lit << QString("%1,%2").arg(p.x()).arg(p.y());
        QTEST(lit.join(' '), "lit");
        QCOMPARE(status->canBeSaved(), bool(status->solution));
        if (status->solution)
            QVERIFY(*status->solution ==
                    fixture::puzzleFromAscii({"12", "34"})); // the clue border is drawn outside
    }

    // On its worker, the newest check is the one that lands: one that an edit overtook says nothing.
    void theNewestCheckLands()
    {
        game::LayoutChecker checker;
        QSignalSpy changed(&checker, &game::LayoutChecker::statusChanged);
        checker.check(board({"# 3\\ 3\\", "\\3 . .", "\\3 . ."}));
        checker.check(board({"# 4\\ 6\\", "\\3 . .", "\\7 . ."}));
        QCOMPARE(checker.status().verdict, game::LayoutVerdict::Checking);
        QTRY_COMPARE(checker.status().verdict, game::LayoutVerdict::Unique);
        QTest::qWait(50);
        QCOMPARE(checker.status().verdict, game::LayoutVerdict::Unique);
    }

    // A draft comes back as it was kept; a draft that is not one of ours is refused whole.
    void drafts_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("sound");
        QTest::newRow("kept, at the largest size") << game::PuzzleEditor(30, 30).draftText() << true;
        QTest::newRow("with sums") << QByteArray("KORVEL-DRAFT 1\n3 3\n# 4\\ \\6\n\\3 . .\n\\7 . .\n")
                                   << true;
        QTest::newRow("other header") << QByteArray("KORVEL-DRAFT 2\n3 3\n# # #\n# # #\n# # #\n") << false;
        QTest::newRow("31 wide") << QByteArray("KORVEL-DRAFT 1\n31 3\n") << false;
        QTest::newRow("1x1") << QByteArray("KORVEL-DRAFT 1\n1 1\n.\n") << false;
        QTest::newRow("row too short") << QByteArray("KORVEL-DRAFT 1\n3 3\n# #\n# # #\n# # #\n") << false;
        QTest::newRow("sum above 45") << QByteArray("KORVEL-DRAFT 1\n3 3\n# 99\\ #\n# . .\n# . .\n") << false;
        QTest::newRow("rows missing") << QByteArray("KORVEL-DRAFT 1\n3 3\n# # #\n") << false;
    }
    void drafts()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, sound);
        const std::optional<game::EditorGrid> grid = game::PuzzleEditor::readDraft(text);
        QCOMPARE(bool(grid), sound);
        if (grid) {
            game::PuzzleEditor editor(3, 3);
            editor.load(*grid);
            QCOMPARE(editor.draftText(), text);
        }
    }

private:
    QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(TestOwnPuzzles)
#include "test_own_puzzles.moc"
