// The game clock: ticks, roll-over, the caption, minimising and restoring.
#include "support/window_harness.h"

#include <QResizeEvent>
#include <QThread>
#include <QTimer>

class TestGameClock : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tick_data()
    {
        QTest::addColumn<int>("hours");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("played"); // the seconds counted for the score, before and after
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("playedAfter");
        QTest::newRow("first second") << 0 << 0 << 0 << 0 << "00:00:01" << 1;
        QTest::newRow("59 s") << 0 << 0 << 59 << 59 << "00:01:00" << 60;
        QTest::newRow("59 min 59 s") << 0 << 59 << 59 << 3599 << "01:00:00" << 3600;
        QTest::newRow("all fields padded") << 1 << 5 << 8 << 0 << "01:05:09" << 1;
        QTest::newRow("100 hours") << 99 << 59 << 59 << 0 << "100:00:00" << 1;
        QTest::newRow("score seconds reach their ceiling") << 0 << 0 << 1 << 32766 << "00:00:02" << 32767;
        QTest::newRow("score seconds hold at it, the clock runs on") << 0 << 0 << 1 << 32767 << "00:00:02" << 32767;
    }
    void tick()
    {
        QFETCH(int, hours);
        QFETCH(int, minutes);
        QFETCH(int, seconds);
        QFETCH(int, played);
        QFETCH(QString, shown);
        QFETCH(int, playedAfter);
        WindowHarness h(numberedBook(3), 0, 1, false);
        frmTavMn &w = h.w();
        w.secondsPlayed = std::int16_t(played);
        w.elapsedHours = hours;
        w.elapsedMinutes = minutes;
        w.elapsedSeconds = seconds;
        w.timerSec_Timer();
        QCOMPARE(w.timePlayedText, shown);
        const QStringList parts = shown.split(QLatin1Char(':'));
        QCOMPARE(w.elapsedHours, parts[0].toInt());
        QCOMPARE(w.elapsedMinutes, parts[1].toInt());
        QCOMPARE(w.elapsedSeconds, parts[2].toInt());
        QCOMPARE(int(w.secondsPlayed), playedAfter);
    }

    // The caption keeps the old time after a restart until the first tick.
    void captionAfterTicksAndRestart()
    {
        WindowHarness h(numberedBook(15), 0, 12, false);
        frmTavMn &w = h.w();
        w.elapsedMinutes = 3;
        w.elapsedSeconds = 6;
        w.timerSec_Timer();
        const QString afterTick =
            QStringLiteral("Puzzle:12 - Time Played: 00:03:07 - Korvel : Norvane Games");
        QCOMPARE(w.windowTitle(), afterTick);
        h.answers = {QMessageBox::Yes};
        h.perform("menu:MNU_RST");
        QCOMPARE(w.windowTitle(), afterTick);
        w.timerSec_Timer();
        QCOMPARE(w.windowTitle(),
                 QStringLiteral("Puzzle:12 - Time Played: 00:00:01 - Korvel : Norvane Games"));
        QCOMPARE(int(w.secondsPlayed), 1);
    }

    void minimiseStopsAndRestoreContinues()
    {
        WindowHarness h(numberedBook(3), 0, 1, false);
        frmTavMn &w = h.w();
        w.show();
        w.elapsedSeconds = 10;
        w.showMinimized();
        w.timerSec_Timer(); // the tick that finds the window minimised still counts
        QCOMPARE(w.elapsedSeconds, 11);
        QVERIFY(!w.timerSec->isActive());
        w.showNormal();
        QVERIFY(w.timerSec->isActive());
        QCOMPARE(w.elapsedSeconds, 11);
        w.timerSec_Timer();
        QCOMPARE(w.timePlayedText, QStringLiteral("00:00:12"));
    }

    // A resize starts a stopped clock but leaves a running one on its beat.
    void resizeStartsOnlyAStoppedClock()
    {
        WindowHarness h(numberedBook(3), 0, 1, false);
        frmTavMn &w = h.w();
        w.show();
        const auto sendResize = [&w] {
            QResizeEvent resize(w.size(), w.size());
            QCoreApplication::sendEvent(&w, &resize);
        };
        w.timerSec->stop();
        sendResize();
        QVERIFY(w.timerSec->isActive());

        w.timerSec->start();
        QThread::msleep(200); // no events run meanwhile, so the timer cannot fire
        sendResize();
        QVERIFY2(w.timerSec->remainingTime() <= 850,
                 qPrintable(QString::number(w.timerSec->remainingTime())));
    }
};

QTEST_MAIN(TestGameClock)
#include "test_game_clock.moc"
