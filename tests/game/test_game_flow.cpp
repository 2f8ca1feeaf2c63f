// Starting and changing puzzles on the main window: window load, Next and Previous, the number
// box, Restart, Save and Exit.
#include "support/window_harness.h"

#include <QLineEdit>
#include <QTimer>

namespace {

// The puzzle in play, the open grid and the shown number, which must all name the same puzzle.
QString openState(WindowHarness &h)
{
    return QStringLiteral("%1 %2 %3").arg(h.board.lastPlayed[1]).arg(openPuzzle(h.board)).arg(h.w().shownPuzzle);
}
QString allAt(int puzzle)
{
    return QStringLiteral("%1 %1 %1").arg(puzzle);
}

const QString kChangeQuestion = QStringLiteral("Korvel - Alert|Are you sure to change the puzzle?");

// One row of the number box table: Enter after `text` opens `opened` (5, the open puzzle, when
// the text is refused unasked) and leaves `box` in the box (by default the opened number).
void boxRow(const char *name, const QString &text, int opened, bool pasted = false, int key = Qt::Key_Return,
            int answer = QMessageBox::Yes, const QString &box = {})
{
    QTest::newRow(name) << text << pasted << key << answer << opened << (box.isNull() ? QString::number(opened) : box);
}

} // namespace

class TestGameFlow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Load opens the stored puzzle clamped to the book; Next and Previous stop at its ends.
    void loadAndStep_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("to");
        QTest::newRow("nothing stored (0)") << 5 << 0 << "" << 1;
        QTest::newRow("negative") << 5 << -4 << "" << 1;
        QTest::newRow("count + 20") << 5 << 25 << "" << 5;
        QTest::newRow("beyond 16 bits") << 5 << 70000 << "" << 5;
        QTest::newRow("count + 20, then Previous") << 5 << 25 << "MNU_PREV" << 4;
        QTest::newRow("Next") << 5 << 3 << "MNU_NEXT" << 4;
        QTest::newRow("Previous") << 5 << 3 << "MNU_PREV" << 2;
        QTest::newRow("Next at the last puzzle") << 5 << 5 << "MNU_NEXT" << 5;
        QTest::newRow("Previous at the first puzzle") << 5 << 1 << "MNU_PREV" << 1;
        QTest::newRow("single puzzle, Next") << 1 << 1 << "MNU_NEXT" << 1;
        QTest::newRow("single puzzle, Previous") << 1 << 1 << "MNU_PREV" << 1;
    }
    void loadAndStep()
    {
        QFETCH(int, count);
        QFETCH(int, stored);
        QFETCH(QString, command);
        QFETCH(int, to);
        WindowHarness h(numberedBook(count), 0, stored, false);
        const int loaded = h.board.lastPlayed[1];
        h.fill(QStringLiteral("000070000"), QStringLiteral("000000000"));
        h.w().elapsedSeconds = 9;
        if (!command.isEmpty())
            h.perform("menu:" + command);
        QCOMPARE(openState(h), allAt(to));
        QCOMPARE(h.w().txtGN->text(), QString::number(to));
        QVERIFY(h.messages.isEmpty());
        // A move starts afresh and drops unsaved entries; a refused one touches nothing.
        const bool moved = to != loaded;
        QCOMPARE(h.board.penEntries[5], moved ? 0 : 7);
        QCOMPARE(h.w().elapsedSeconds, moved ? 0 : 9);
    }

    // Typed or pasted text, hostile text included, then Enter: the puzzle the text starts with
    // opens after asking, or the open puzzle's number is put back. The number reader itself has
    // its own tests; these rows show the box hands it the text whole.
    void numberBox_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("opened");
        QTest::addColumn<QString>("boxAfter");
        boxRow("blanks around 7", " 7 ", 7);
        boxRow("keypad Enter", "7", 7, false, Qt::Key_Enter);
        boxRow("2.5 rounds to even 2", "2.5", 2);
        boxRow("12abc", "12abc", 12);
        boxRow("the last puzzle", "15", 15);
        boxRow("No keeps the typed text", " 7 ", 5, false, Qt::Key_Return, QMessageBox::No, " 7 ");
        boxRow("0", "0", 5);
        boxRow("above the count", "16", 5);
        boxRow("a fraction above the count", "15.2", 5);
        boxRow("10,000 digits typed", QString(10000, u'9'), 5);
        boxRow("7 after 10,000 blanks", QString(10000, u' ') + "7", 7, true);
        boxRow("control characters after", QString::fromUtf16(u"7\u0001\u001b[2J"), 7, true);
        boxRow("tab and line break around", "\t12\r\n", 12, true);
        boxRow("NUL first", QString::fromUtf16(u"\u00007", 2), 5, true);
        boxRow("NUL after", QString::fromUtf16(u"3\u00009", 3), 3, true);
    }
    void numberBox()
    {
        QFETCH(QString, text);
        QFETCH(bool, pasted);
        QFETCH(int, key);
        QFETCH(int, answer);
        QFETCH(int, opened);
        QFETCH(QString, boxAfter);
        WindowHarness h(numberedBook(15), 0, 5, false);
        h.answers = {QMessageBox::StandardButton(answer)};
        auto *box = h.find<QLineEdit>("txtGN");
        enterText(box, text, pasted);
        QVERIFY(h.messages.isEmpty()); // typing alone does nothing
        QTest::keyClick(box, Qt::Key(key));
        const bool asked = opened != 5 || answer == QMessageBox::No;
        QCOMPARE(h.messageLog(), asked ? QStringList{kChangeQuestion} : QStringList{});
        if (asked)
            QCOMPARE(h.messages[0].buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(openState(h), allAt(opened));
        QCOMPARE(box->text(), boxAfter);
    }

    void restart_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("saved");
        QTest::newRow("Yes") << int(QMessageBox::Yes) << false;
        QTest::newRow("No") << int(QMessageBox::No) << false;
        QTest::newRow("Yes after Save") << int(QMessageBox::Yes) << true;
    }
    // Restart clears entries, marks and clock after asking; it ignores the saved game but keeps
    // it, so coming back to the puzzle restores it.
    void restart()
    {
        QFETCH(int, answer);
        QFETCH(bool, saved);
        WindowHarness h(numberedBook(3), 0, 2, false);
        h.fill(QStringLiteral("000070000"), QStringLiteral("000000004"));
        if (saved) {
            h.perform("menu:MNU_SAVE");
            QCOMPARE(h.pauses, QList<int>{800});
        }
        h.board.errorMarks[5] = 1;
        h.w().elapsedMinutes = 4;
        h.w().secondsPlayed = 240;
        h.answers = {QMessageBox::StandardButton(answer)};
        h.perform("menu:MNU_RST");
        QCOMPARE(h.messageLog(), QStringList{QStringLiteral("Korvel - Alert|Are you sure to RESTART puzzle?")});
        const bool restarted = answer == QMessageBox::Yes;
        QCOMPARE(openState(h), allAt(2));
        QCOMPARE(h.entries(), restarted ? "" : "22:7! 33:4p");
        QCOMPARE(h.w().elapsedMinutes, restarted ? 0 : 4);
        QCOMPARE(h.w().secondsPlayed, restarted ? 0 : 240);
        QCOMPARE(QFile::exists(h.dir.path() + QStringLiteral("/saved/2.sav")), saved);
        if (!saved)
            return;
        h.perform("menu:MNU_NEXT");
        QCOMPARE(h.entries(), QString()); // puzzle 3 has no saved game
        h.perform("menu:MNU_PREV");
        QCOMPARE(openState(h), allAt(2));
        QCOMPARE(h.entries(), QStringLiteral("22:7 33:4p"));
    }

    void saveFailureIsReported()
    {
        WindowHarness h(numberedBook(3), 0, 2, false);
        QFile blocker(h.dir.path() + QStringLiteral("/saved")); // a file where the folder belongs
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        h.fill(QStringLiteral("000070000"), QStringLiteral("000000000"));
        h.perform("menu:MNU_SAVE");
        QCOMPARE(h.messages.size(), 1);
        QCOMPARE(h.messages[0].caption, QStringLiteral("Korvel"));
        QVERIFY(h.messages[0].text.startsWith(QStringLiteral("The game could not be saved.")));
        QVERIFY(h.pauses.isEmpty());
    }

    void exitClosesAndStopsTheClock()
    {
        WindowHarness h(numberedBook(3), 0, 2, false);
        h.w().show();
        QVERIFY(h.w().timerSec->isActive());
        h.perform("menu:MNU_XIT");
        QVERIFY(!h.w().isVisible());
        QVERIFY(!h.w().timerSec->isActive());
    }
};

QTEST_MAIN(TestGameFlow)
#include "test_game_flow.moc"
