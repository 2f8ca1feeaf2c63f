// Check All, the check of a full board, the error flash and marks, and completion.
#include "support/window_harness.h"

#include <QTimer>

namespace {

// fixture::smallPuzzle() cell by cell; its seven entry cells are 6, 7, 10, 11, 12, 15 and 16.
const QString kSolution = QStringLiteral("0000013002410023");
const QString kEmpty = QStringLiteral("0000000000000000");
const QString kGreatWork = QStringLiteral("Korvel|Great work - There are no mistakes. Continue...");
const QString kCompleted = QStringLiteral("Korvel - Congradz!|Wow! Puzzle Successfully Completed");

QString with(QString cells, int index, char digit)
{
    cells[index - 1] = QLatin1Char(digit);
    return cells;
}

// Counts the paints the board picture receives.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

QList<int> markedCells(const modData::Board &b)
{
    QList<int> cells;
    for (int i = 1; i <= b.cellCount; ++i) {
        if (b.errorMarks[std::size_t(i)] != 0)
            cells.append(i);
    }
    return cells;
}

} // namespace

class TestChecking : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void outcomes_data()
    {
        QTest::addColumn<QString>("pen");
        QTest::addColumn<QString>("pencil");
        QTest::addColumn<QString>("check"); // "entry": the check after a digit; "fix N": then N put right
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QList<int>>("marked");
        QTest::addColumn<bool>("completed");
        const QString part = with(with(kEmpty, 6, '1'), 12, '1');
        const QString partWrong = with(part, 7, '9');
        const QString solutionWithout11 = with(kSolution, 11, '0');
        QTest::newRow("Check All, empty board")
            << kEmpty << kEmpty << "Check All" << QStringList{kGreatWork} << QList<int>{} << false;
        QTest::newRow("Check All, part filled right")
            << part << kEmpty << "Check All" << QStringList{kGreatWork} << QList<int>{} << false;
        QTest::newRow("Check All, part filled with wrong digits")
            << with(partWrong, 15, '7') << kEmpty << "Check All" << QStringList{} << QList<int>{7, 15} << false;
        QTest::newRow("entry into a board not yet full")
            << partWrong << kEmpty << "entry" << QStringList{} << QList<int>{} << false;
        QTest::newRow("last cell filled right")
            << kSolution << kEmpty << "entry" << QStringList{kCompleted} << QList<int>{} << true;
        QTest::newRow("last cell right, one pencilled digit")
            << solutionWithout11 << with(kEmpty, 11, '4') << "entry" << QStringList{kCompleted} << QList<int>{}
            << true;
        QTest::newRow("last cell filled wrong")
            << with(kSolution, 16, '9') << kEmpty << "entry" << QStringList{} << QList<int>{16} << false;
        QTest::newRow("full, only a pencilled digit wrong")
            << solutionWithout11 << with(kEmpty, 11, '5') << "entry" << QStringList{} << QList<int>{11}
            << false;
        QTest::newRow("Check All, full and right")
            << kSolution << kEmpty << "Check All" << QStringList{kCompleted} << QList<int>{} << true;
        // A mark stays after the digit is put right; the next full board completes regardless.
        QTest::newRow("a put-right cell keeps its mark and completes")
            << with(kSolution, 10, '8') << kEmpty << "fix 10" << QStringList{kCompleted} << QList<int>{10} << true;
    }
    void outcomes()
    {
        QFETCH(QString, pen);
        QFETCH(QString, pencil);
        QFETCH(QString, check);
        QFETCH(QStringList, messages);
        QFETCH(QList<int>, marked);
        QFETCH(bool, completed);
        WindowHarness h({fixture::smallPuzzle()}, 0, 1, false);
        frmTavMn &w = h.w();
        h.fill(pen, pencil);
        modData::ByteArray1 penBefore = h.board.penEntries;
        QList<int> markedDuringFlash{-1};
        h.onPause = [&] { markedDuringFlash = markedCells(h.board); };
        bool clockRanAtScoreDialog = true;
        h.onDialog = [&](QDialog &) { clockRanAtScoreDialog = w.timerSec->isActive(); };

        if (check == QLatin1String("Check All"))
            h.perform("menu:MNU_CHK_ALL");
        else
            w.checkIfFull();
        if (check.startsWith(QLatin1String("fix "))) {
            QVERIFY(h.messages.isEmpty());
            const int cell = check.mid(4).toInt();
            h.board.penEntries[std::size_t(cell)] = std::uint8_t(kSolution.at(cell - 1).digitValue());
            penBefore = h.board.penEntries;
            w.checkIfFull();
        }

        QCOMPARE(h.messageLog(), messages);
        QCOMPARE(markedCells(h.board), marked);
        // Wrong cells flash for 500 ms before their marks appear.
        QCOMPARE(h.pauses, marked.isEmpty() ? QList<int>{} : QList<int>{500});
        if (!marked.isEmpty())
            QCOMPARE(markedDuringFlash, QList<int>{});
        QCOMPARE(w.timerSec->isActive(), !completed);
        QCOMPARE(h.dialogs, completed ? QStringList{QStringLiteral("frmScoreInput")} : QStringList{});
        if (completed)
            QVERIFY(!clockRanAtScoreDialog);
        QVERIFY(h.board.penEntries == penBefore); // a check never changes the entries
    }

    // The crosses must be on screen while the thread sleeps: the picture is repainted first.
    void flashIsPaintedBeforeThePause()
    {
        WindowHarness h({fixture::smallPuzzle()}, 0, 1, false);
        h.w().show();
        QVERIFY(QTest::qWaitForWindowExposed(&h.w()));
        PaintCounter counter;
        h.grid()->installEventFilter(&counter);
        int paintsAtPause = -1;
        h.onPause = [&] { paintsAtPause = counter.paints; };
        h.fill(with(kEmpty, 6, '5'), kEmpty);
        h.w().checkAll();
        QVERIFY(paintsAtPause > 0);
    }

    // The real pause sleeps without running the event loop: nothing queued runs during it.
    void realPauseLetsNoEventIn()
    {
        WindowHarness h({fixture::smallPuzzle()}, 0, 1, false);
        modal::setPause({});
        h.fill(with(kEmpty, 6, '5'), kEmpty);
        bool ran = false;
        QTimer::singleShot(0, [&] { ran = true; });
        h.w().checkAll();
        QVERIFY(!ran);
        QCOMPARE(markedCells(h.board), QList<int>{6});
        QTRY_VERIFY(ran);
    }
};

QTEST_MAIN(TestChecking)
#include "test_checking.moc"
