// The puzzle chooser: the list's sort, filters and live grades on the model alone, and choosing
// a puzzle on the real dialog through the main window.
#include "app/puzzle_chooser.h"
#include "game/book_grades.h"
#include "game/puzzle_list.h"
#include "solver/puzzle_code.h"
#include "support/window_harness.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>

namespace {

// Puzzles of known grades and sizes: 7x7 easy, 6x6 medium, 6x6 hard, 4x4 easy.
const QList<QStringList> kBook = {
    {"#######", "##86#98", "#614723", "#25#95#", "##79#62", "#695783", "#16#97#"},
    {"######", "###12#", "#9754#", "#59#12", "##8934", "##38##"},
    {"######", "#21#78", "#84795", "##698#", "#12834", "#35#51"},
    fixture::smallPuzzle(),
};

// The puzzle numbers of the rows as the filter shows them.
QString shownNumbers(const QAbstractItemModel &list)
{
    QStringList numbers;
    for (int row = 0; row < list.rowCount(); ++row)
        numbers << list.index(row, 0).data().toString();
    return numbers.join(' ');
}

} // namespace

class TestPuzzleChooser : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Best times: puzzle 2 40 s, puzzle 3 7 s, puzzle 4 cleared; puzzle 3 has a saved game.
    void listSortsAndFilters_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("descending");
        QTest::addColumn<QString>("size");
        QTest::addColumn<int>("band"); // -1 any
        QTest::addColumn<QString>("shown");
        QTest::newRow("number, descending") << 0 << true << "" << -1 << "4 3 2 1";
        QTest::newRow("size by area, ties by number") << 1 << false << "" << -1 << "4 2 3 1";
        QTest::newRow("difficulty by hardest technique") << 2 << true << "" << -1 << "3 2 1 4";
        QTest::newRow("best time as a number, none last") << 3 << false << "" << -1 << "3 2 1 4";
        QTest::newRow("saved game first") << 4 << true << "" << -1 << "3 1 2 4";
        QTest::newRow("one size") << 0 << false << "6x6" << -1 << "2 3";
        QTest::newRow("one band") << 0 << false << "" << 0 << "1 4";
    }
    void listSortsAndFilters()
    {
        QFETCH(QString, size);
        QFETCH(int, band);
        GameFixture f(kBook);
        f.settings.recordBestTime(2, 40, {});
        f.settings.recordBestTime(3, 7, {}, 2);
        f.settings.clearBestTimes(4);
        const kakuro::Puzzle third = f.book.puzzle(3);
        QVERIFY(puzzle::writeSavedGame(puzzle::savedGamePath(f.dir.path(), 3), 3, third,
                                       puzzle::Entries(third.entryCellCount())));
        game::BookGrades grades(f.book);
        game::PuzzleListModel list(f.book, grades, f.settings.values(), f.dir.path());
        game::PuzzleListFilter filter;
        filter.setSourceModel(&list);
        QFETCH(int, column);
        QFETCH(bool, descending);
        filter.sort(column, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
        if (!size.isEmpty())
            filter.setSize(QSize(size.section('x', 0, 0).toInt(), size.section('x', 1).toInt()));
        if (band >= 0)
            filter.setDifficulty(kakuro::Difficulty(band));
        QCOMPARE(list.index(2, 2).data().toString(), "grading…");
        QSignalSpy finished(&grades, &game::BookGrades::finished);
        grades.start();
        QVERIFY(finished.wait());
        QTEST(shownNumbers(filter), "shown"); // grades that came in refilter and resort the list
        QStringList row3;
        for (int c = 0; c < list.columnCount(); ++c)
            row3 << list.index(2, c).data().toString() + list.index(3, c).data().toString();
        QCOMPARE(row3.join('|'), "34|6x64x4|Hard (pairs)Easy (combinations)|7 (2 hints)|Yes");
    }

    // Starting at puzzle 2, its row selected. Input: "key:K" on the list, "find:N" typed in the
    // find field, "size:S" a size filter, "dclick:N" on puzzle N's row, "open:" the Open button.
    void choosing_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<int>("asked"); // questions asked
        QTest::addColumn<int>("puzzle");
        QTest::addColumn<bool>("stays");
        QTest::newRow("Enter opens the selected row") << "key:Down key:Return" << true << 1 << 3 << false;
        QTest::newRow("No keeps the list open") << "key:Down key:Return" << false << 1 << 2 << true;
        QTest::newRow("Escape closes without asking") << "key:Escape" << true << 0 << 2 << false;
        QTest::newRow("found number, Enter in the field") << "find:4 key:Return" << true << 1 << 4 << false;
        QTest::newRow("found past a filter") << "size:7x7 find:3 open:" << true << 1 << 3 << false;
        QTest::newRow("a number not in the book keeps the row, in play: no question")
            << "find:9 open:" << true << 0 << 2 << false;
        QTest::newRow("double click") << "dclick:4" << true << 1 << 4 << false;
    }
    void choosing()
    {
        QFETCH(QString, input);
        WindowHarness w(kBook, 2);
        w.game.write(4, 2, 1); // something to lose, so that a change is asked
        QCOMPARE(w.game.entries().filledCount(), 1);
        QFETCH(bool, yes);
        w.answerYes = yes;
        bool stays = false;
        QStringList reached;
        w.onDialog = [&](QDialog &d) {
            d.show();
            auto *list = d.findChild<QTableView *>("grdPuzzles");
            QCOMPARE(d.focusWidget(), list);
            QCOMPARE(list->currentIndex().data().toString(), "2");
            QCOMPARE(d.findChild<QComboBox *>("cmbDifficulty")->findText("Guessing"),
                     -1); // no puzzle needs it
            QWidget *focus = list;
            for (const QString &step : input.split(' ')) {
                const QString what = step.section(':', 1);
                if (step.startsWith("key:")) {
                    QTest::keyClick(focus, QKeySequence::fromString(what)[0].key());
                } else if (step.startsWith("find:")) {
                    focus = d.findChild<QLineEdit *>("txtFind");
                    QTest::keyClicks(focus, what);
                } else if (step.startsWith("size:")) {
                    auto *sizes = d.findChild<QComboBox *>("cmbSize");
                    sizes->setCurrentIndex(sizes->findText(what));
                    QCOMPARE(list->model()->rowCount(), 1);
                } else if (step.startsWith("dclick:")) {
                    const QModelIndex row = list->model()->index(what.toInt() - 1, 0);
                    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(row).center());
                    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(row).center());
                } else {
                    QTest::mouseClick(d.findChild<QPushButton *>("cmdOpen"), Qt::LeftButton);
                }
            }
            stays = d.isVisible();
            // Every control is reached with Tab.
            QApplication::setActiveWindow(&d);
            if (stays && QTest::qWaitForWindowActive(&d)) {
                for (int k = 0; k < 7; ++k) {
                    reached << QApplication::focusWidget()->objectName();
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                }
            }
        };
        w.act("MNU_CHOOSE")->trigger();
        QTEST(int(w.messages.count("Korvel - Alert|Are you sure to change the puzzle?")), "asked");
        QTEST(w.game.puzzleNumber(), "puzzle");
        QTEST(stays, "stays");
        if (stays)
            QCOMPARE(reached.join(' '),
                     "grdPuzzles cmdOpen cmdClose cmbSource txtFind cmbSize cmbDifficulty");
    }

    // The player's own puzzles have a list of their own, with the same columns; the code of a
    // generated one shows under it, and choosing one opens it rather than the book's of that number.
    void ownPuzzlesHaveTheirOwnList()
    {
        WindowHarness w(kBook, 2);
        kakuro::PuzzleCode code;
        code.width = code.height = 6;
        code.seed = 5;
        QCOMPARE(w.own.add(fixture::puzzleFromAscii(fixture::smallPuzzle()), 0), 1);
        QCOMPARE(w.own.add(w.book.record(2), kakuro::reservedOfCode(code)), 2);
        QStringList seen;
        w.onDialog = [&](QDialog &d) {
            d.show();
            auto *list = d.findChild<QTableView *>("grdPuzzles");
            d.findChild<QComboBox *>("cmbSource")->setCurrentIndex(1);
            seen << QString::number(list->model()->rowCount());
            for (int row : {0, 1}) {
                list->setCurrentIndex(list->model()->index(row, 0));
                seen << (d.findChild<QLabel *>("lblCode")->isVisible()
                             ? d.findChild<QLabel *>("lblCode")->text()
                             : "-");
            }
            QTest::keyClick(list, Qt::Key_Return);
        };
        w.act("MNU_CHOOSE")->trigger();
        QCOMPARE(seen.join('|'), "2|-|Puzzle code: " + QString::fromStdString(kakuro::codeText(code)));
        QVERIFY(w.game.playingOwn());
        QCOMPARE(w.game.ownPuzzleNumber(), 2);
        QCOMPARE(w.game.puzzleNumber(), 2); // the book's place is kept for its return
    }
};

QTEST_MAIN(TestPuzzleChooser)
#include "test_puzzle_chooser.moc"
