// Starting and changing puzzles on the main window: window load, Next and Previous, the number
// box, Restart, Save and Exit.
#include "game_window_fixture.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

using gamefixture::GameWindow;
using gamefixture::numberedBook;
using gamefixture::openPuzzle;

namespace {

void run(frmTavMn &w, const char *actionName)
{
    QAction *a = w.findChild<QAction *>(QString::fromLatin1(actionName));
    QVERIFY2(a, actionName);
    a->trigger();
}

QLineEdit *txtGN(frmTavMn &w)
{
    return w.findChild<QLineEdit *>(QStringLiteral("txtGN"));
}

// The puzzle in play, the open grid and the shown number all name the same puzzle.
void checkOpen(GameWindow &g, int puzzle)
{
    QCOMPARE(g.board.lastPlayed[1], puzzle);
    QCOMPARE(openPuzzle(g.board), puzzle);
    QCOMPARE(g.window().shownPuzzle, puzzle);
}
#define VERIFY_OPEN(g, puzzle)                                                                               \
    do {                                                                                                     \
        checkOpen(g, puzzle);                                                                                \
        if (QTest::currentTestFailed())                                                                      \
            return;                                                                                          \
    } while (false)

const QString kChangeQuestion = QStringLiteral("Korvel - Alert|Are you sure to change the puzzle?");

} // namespace

class TestGameFlow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void loadOpensTheClampedPuzzle_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("opened");
        QTest::newRow("nothing stored (0)") << 0 << 1;
        QTest::newRow("negative") << -4 << 1;
        QTest::newRow("in range") << 3 << 3;
        QTest::newRow("count + 20") << 25 << 5;
        QTest::newRow("beyond 16 bits") << 70000 << 5;
    }
    void loadOpensTheClampedPuzzle()
    {
        QFETCH(int, stored);
        QFETCH(int, opened);
        GameWindow g(numberedBook(5), stored);
        VERIFY_OPEN(g, opened);
        QCOMPARE(txtGN(g.window())->text(), QString::number(opened));
        // Stepping from there keeps the box and the open puzzle together.
        run(g.window(), "MNU_NEXT");
        QCOMPARE(g.window().shownPuzzle, g.board.lastPlayed[1]);
        run(g.window(), "MNU_PREV");
        run(g.window(), "MNU_PREV");
        QCOMPARE(g.window().shownPuzzle, g.board.lastPlayed[1]);
        QCOMPARE(txtGN(g.window())->text(), QString::number(g.board.lastPlayed[1]));
    }

    void stepping_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("to");
        QTest::newRow("Next") << 5 << 3 << "MNU_NEXT" << 4;
        QTest::newRow("Previous") << 5 << 3 << "MNU_PREV" << 2;
        QTest::newRow("Next at the last puzzle") << 5 << 5 << "MNU_NEXT" << 5;
        QTest::newRow("Previous at the first puzzle") << 5 << 1 << "MNU_PREV" << 1;
        QTest::newRow("single puzzle, Next") << 1 << 1 << "MNU_NEXT" << 1;
        QTest::newRow("single puzzle, Previous") << 1 << 1 << "MNU_PREV" << 1;
    }
    void stepping()
    {
        QFETCH(int, count);
        QFETCH(int, from);
        QFETCH(QString, command);
        QFETCH(int, to);
        GameWindow g(numberedBook(count), from);
        g.fill(QStringLiteral("000070000"), QStringLiteral("000000000"));
        g.window().elapsedSeconds = 9;
        run(g.window(), qPrintable(command));
        VERIFY_OPEN(g, to);
        QCOMPARE(txtGN(g.window())->text(), QString::number(to));
        QVERIFY(g.messages.isEmpty());
        // A move starts afresh and drops unsaved entries; a refused one touches nothing.
        const bool moved = to != from;
        QCOMPARE(g.board.penEntries[5], moved ? 0 : 7);
        QCOMPARE(g.window().elapsedSeconds, moved ? 0 : 9);
    }

    void numberBox_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<int>("opened");
        QTest::addColumn<QString>("boxAfter");
        const int yes = QMessageBox::Yes, no = QMessageBox::No, ret = Qt::Key_Return;
        QTest::newRow("blanks around 7") << " 7 " << ret << yes << true << 7 << "7";
        QTest::newRow("keypad Enter") << "7" << int(Qt::Key_Enter) << yes << true << 7 << "7";
        QTest::newRow("2.5 rounds to even 2") << "2.5" << ret << yes << true << 2 << "2";
        QTest::newRow("3.5 rounds to even 4") << "3.5" << ret << yes << true << 4 << "4";
        QTest::newRow("12abc") << "12abc" << ret << yes << true << 12 << "12";
        QTest::newRow("the last puzzle") << "15" << ret << yes << true << 15 << "15";
        QTest::newRow("No keeps the typed text") << " 7 " << ret << no << true << 5 << " 7 ";
        QTest::newRow("0") << "0" << ret << yes << false << 5 << "5";
        QTest::newRow("half below 1") << "0.5" << ret << yes << false << 5 << "5";
        QTest::newRow("above the count") << "16" << ret << yes << false << 5 << "5";
        QTest::newRow("a fraction above the count") << "15.2" << ret << yes << false << 5 << "5";
        QTest::newRow("negative") << "-3" << ret << yes << false << 5 << "5";
        QTest::newRow("no number") << "abc" << ret << yes << false << 5 << "5";
        QTest::newRow("too long for any integer")
            << "99999999999999999999999" << ret << yes << false << 5 << "5";
    }
    void numberBox()
    {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(int, opened);
        QFETCH(QString, boxAfter);
        GameWindow g(numberedBook(15), 5);
        g.answers = {QMessageBox::StandardButton(answer)};
        QLineEdit *box = txtGN(g.window());
        box->clear();
        QTest::keyClicks(box, typed);
        QVERIFY(g.messages.isEmpty()); // typing alone does nothing
        VERIFY_OPEN(g, 5);
        QTest::keyClick(box, Qt::Key(key));
        QCOMPARE(g.messageLog(), asked ? QStringList{kChangeQuestion} : QStringList{});
        if (asked)
            QCOMPARE(g.messages[0].buttons, QMessageBox::Yes | QMessageBox::No);
        VERIFY_OPEN(g, opened);
        QCOMPARE(box->text(), boxAfter);
    }

    void restart_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("restarted");
        QTest::newRow("Yes") << int(QMessageBox::Yes) << true;
        QTest::newRow("No") << int(QMessageBox::No) << false;
    }
    void restart()
    {
        QFETCH(int, answer);
        QFETCH(bool, restarted);
        GameWindow g(numberedBook(3), 2);
        g.fill(QStringLiteral("000070000"), QStringLiteral("000000004"));
        g.board.errorMarks[5] = 1;
        g.window().elapsedMinutes = 4;
        g.window().secondsPlayed = 240;
        g.answers = {QMessageBox::StandardButton(answer)};
        run(g.window(), "MNU_RST");
        QCOMPARE(g.messageLog(),
                 QStringList{QStringLiteral("Korvel - Alert|Are you sure to RESTART puzzle?")});
        VERIFY_OPEN(g, 2);
        QCOMPARE(g.board.penEntries[5], restarted ? 0 : 7);
        QCOMPARE(g.board.pencilEntries[9], restarted ? 0 : 4);
        QCOMPARE(g.board.errorMarks[5], restarted ? 0 : 1);
        QCOMPARE(g.window().elapsedMinutes, restarted ? 0 : 4);
        QCOMPARE(g.window().secondsPlayed, restarted ? 0 : 240);
    }

    // Restart ignores the saved game but keeps it: coming back to the puzzle restores it.
    void restartAfterSave()
    {
        GameWindow g(numberedBook(3), 2);
        g.fill(QStringLiteral("000070000"), QStringLiteral("000000004"));
        run(g.window(), "MNU_SAVE");
        QVERIFY(g.messages.isEmpty());
        QCOMPARE(g.pauses, QList<int>{800});
        QVERIFY(QFile::exists(g.folder() + QStringLiteral("/saved/2.sav")));

        g.answers = {QMessageBox::Yes};
        run(g.window(), "MNU_RST");
        QCOMPARE(modData::countNonZero(g.board.penEntries) + modData::countNonZero(g.board.pencilEntries), 0);
        QVERIFY(QFile::exists(g.folder() + QStringLiteral("/saved/2.sav")));

        run(g.window(), "MNU_NEXT");
        QCOMPARE(modData::countNonZero(g.board.penEntries), 0); // puzzle 3 has no saved game
        run(g.window(), "MNU_PREV");
        VERIFY_OPEN(g, 2);
        QCOMPARE(g.board.penEntries[5], 7);
        QCOMPARE(g.board.pencilEntries[9], 4);
        QCOMPARE(g.board.pencilEntries[5] + g.board.penEntries[9], 0);
    }

    void saveFailureIsReported()
    {
        GameWindow g(numberedBook(3), 2);
        QFile blocker(g.folder() + QStringLiteral("/saved")); // a file where the folder belongs
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        g.fill(QStringLiteral("000070000"), QStringLiteral("000000000"));
        run(g.window(), "MNU_SAVE");
        QCOMPARE(g.messages.size(), 1);
        QCOMPARE(g.messages[0].caption, QStringLiteral("Korvel"));
        QVERIFY(g.messages[0].text.startsWith(QStringLiteral("The game could not be saved.")));
        QVERIFY(g.pauses.isEmpty());
    }

    void exitClosesAndStopsTheClock()
    {
        GameWindow g(numberedBook(3), 2);
        g.window().show();
        QVERIFY(g.window().timerSec->isActive());
        run(g.window(), "MNU_XIT");
        QVERIFY(!g.window().isVisible());
        QVERIFY(!g.window().timerSec->isActive());
    }
};

QTEST_MAIN(TestGameFlow)
#include "test_game_flow.moc"
