// The game clock: ticks, roll-over, the caption, minimising and restoring.
#include "game_window_fixture.h"

#include <QAction>
#include <QResizeEvent>
#include <QTest>
#include <QThread>
#include <QTimer>

using gamefixture::GameWindow;
using gamefixture::numberedBook;

class TestGameClock : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tick_data()
    {
        QTest::addColumn<int>("hours");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("shown");
        QTest::newRow("first second") << 0 << 0 << 0 << "00:00:01";
        QTest::newRow("59 s") << 0 << 0 << 59 << "00:01:00";
        QTest::newRow("59 min 59 s") << 0 << 59 << 59 << "01:00:00";
        QTest::newRow("all fields padded") << 1 << 5 << 8 << "01:05:09";
        QTest::newRow("100 hours") << 99 << 59 << 59 << "100:00:00";
    }
    void tick()
    {
        QFETCH(int, hours);
        QFETCH(int, minutes);
        QFETCH(int, seconds);
        QFETCH(QString, shown);
        GameWindow g(numberedBook(3), 1);
        frmTavMn &w = g.window();
        w.elapsedHours = hours;
        w.elapsedMinutes = minutes;
        w.elapsedSeconds = seconds;
        w.timerSec_Timer();
        QCOMPARE(w.timePlayedText, shown);
        const QStringList parts = shown.split(QLatin1Char(':'));
        QCOMPARE(w.elapsedHours, parts[0].toInt());
        QCOMPARE(w.elapsedMinutes, parts[1].toInt());
        QCOMPARE(w.elapsedSeconds, parts[2].toInt());
        QCOMPARE(int(w.secondsPlayed), 1);
    }

    // The caption keeps the old time after a restart until the first tick.
    void captionAfterTicksAndRestart()
    {
        GameWindow g(numberedBook(15), 12);
        frmTavMn &w = g.window();
        w.elapsedMinutes = 3;
        w.elapsedSeconds = 6;
        w.timerSec_Timer();
        const QString afterTick =
            QStringLiteral("Puzzle:12 - Time Played: 00:03:07 - Korvel : Norvane Games");
        QCOMPARE(w.windowTitle(), afterTick);
        g.answers = {QMessageBox::Yes};
        w.findChild<QAction *>(QStringLiteral("MNU_RST"))->trigger();
        QCOMPARE(w.windowTitle(), afterTick);
        w.timerSec_Timer();
        QCOMPARE(w.windowTitle(),
                 QStringLiteral("Puzzle:12 - Time Played: 00:00:01 - Korvel : Norvane Games"));
        QCOMPARE(int(w.secondsPlayed), 1);
    }

    void secondsPlayedHoldsAtItsCeiling()
    {
        GameWindow g(numberedBook(1), 1);
        frmTavMn &w = g.window();
        w.secondsPlayed = 32766;
        w.timerSec_Timer();
        QCOMPARE(int(w.secondsPlayed), 32767);
        w.timerSec_Timer();
        QCOMPARE(int(w.secondsPlayed), 32767);
        QCOMPARE(w.elapsedSeconds, 2); // the shown clock runs on
    }

    void minimiseStopsAndRestoreContinues()
    {
        GameWindow g(numberedBook(3), 1);
        frmTavMn &w = g.window();
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
        GameWindow g(numberedBook(3), 1);
        frmTavMn &w = g.window();
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
