// Leaving a puzzle and pausing it, in the real window: Keep My Progress on every way out, and the
// pause cover with every way back.
#include "support/file_size_limit.h"
#include "support/window_harness.h"

#include <QLineEdit>

#include <sys/stat.h>

class TestLeavingAndPausing : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // With Keep My Progress on, every way of leaving a changed puzzle saves it; a failed write is
    // told (but not at the end of a session) and the leaving goes on.
    void leavingKeepsProgress_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("blocked"); // a folder stands where the saved game goes
        QTest::addColumn<bool>("told");
        for (const char *way : {"next", "previous", "typed number", "exit", "close box", "session end"})
            QTest::newRow(way) << QString(way) << false << false;
        QTest::newRow("next, the write fails") << "next" << true << true;
        QTest::newRow("exit, the write fails") << "exit" << true << true;
        QTest::newRow("session end, the write fails") << "session end" << true << false;
    }
    void leavingKeepsProgress()
    {
        QFETCH(QString, way);
        QFETCH(bool, blocked);
        WindowHarness w(numberedBook(3), 2);
        w.act("MNU_KEEP")->trigger();
        const QString path = w.game.savedGamePath();
        QVERIFY(!blocked || QDir().mkpath(path));
        w.clickCell(2, 2);
        w.typeOnBoard(Qt::Key_4);
        if (way == "next" || way == "previous") {
            w.act(way == "next" ? "MNU_NEXT" : "MNU_PREV")->trigger();
        } else if (way == "typed number") {
            auto *box = w.find<QLineEdit>("txtGN");
            box->setText("3");
            QTest::keyClick(box, Qt::Key_Return);
        } else if (way == "exit") {
            w.act("MNU_XIT")->trigger();
        } else if (way == "close box") {
            w.window->close();
        } else {
            w.window->unload(false);
            w.window->unload(true); // once only
        }
        QTEST(w.messages.filter("could not be saved").size() == 1, "told");
        QCOMPARE(QFileInfo(path).isFile(), !blocked);
        QCOMPARE(w.game.puzzleNumber() != 2, way == "next" || way == "previous" || way == "typed number");
        store::Settings stored; // the settings were stored however the window went
        QVERIFY(store::loadSettings(stored, 3));
        QCOMPARE(stored.keepProgress, way == "exit" || way == "close box" || way == "session end");
    }

    // Save and leaving on a full disk, or over a saved game that cannot be read (a named pipe
    // here): the player is told, and the file there is never replaced unasked.
    void savingThatCannotGoWell_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QString>("told");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("Save on a full disk") << "full disk"
                                             << "save" << true << "could not be saved to" << false;
        QTest::newRow("Save over a pipe, No") << "pipe"
                                              << "save" << false << "could not be read. Replace it" << false;
        QTest::newRow("Save over a pipe, Yes") << "pipe"
                                               << "save" << true << "could not be read. Replace it" << true;
        QTest::newRow("Exit over a pipe") << "pipe"
                                          << "exit" << true << "was left as it is" << false;
    }
    void savingThatCannotGoWell()
    {
        QFETCH(QString, obstacle);
        QFETCH(QString, way);
        WindowHarness w(numberedBook(3), 2);
        const QString path = w.game.savedGamePath();
        w.act("MNU_KEEP")->trigger();
        if (obstacle == "pipe") {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            w.act("MNU_NEXT")->trigger();
            w.act("MNU_PREV")->trigger(); // puzzle 2 opens again, with the pipe in its saved game's place
            QCOMPARE(w.messages.filter("could not be read: it is not a file").size(), 1);
        } else {
            w.clickCell(2, 2);
            w.typeOnBoard(Qt::Key_4);
            w.act("MNU_SAVE")->trigger();
        }
        w.clickCell(2, 2);
        w.typeOnBoard(Qt::Key_5);
        const qint64 sizeBefore = QFileInfo(path).size();
        w.messages.clear();
        QFETCH(bool, answer);
        w.answerYes = answer;
        {
            FileSizeLimit full(obstacle == "full disk" ? rlim_t(sizeBefore - 1) : RLIM_INFINITY);
            w.act(way == "save" ? "MNU_SAVE" : "MNU_XIT")->trigger();
        }
        QFETCH(QString, told);
        QVERIFY2(w.messages.filter(told).size() == 1, qPrintable(w.messages.join('\n')));
        QFETCH(bool, replaced);
        QCOMPARE(QFileInfo(path).isFile(), obstacle == "full disk" || replaced);
        QCOMPARE(QFileInfo(path).size() != sizeBefore, replaced);
    }

    // Pause covers the board and stops the clock; F2, a click on the cover, a digit key or another
    // puzzle resume; a restore from the task bar does not.
    void pause_data()
    {
        QTest::addColumn<QString>("resume");
        QTest::addColumn<bool>("resumed");
        QTest::newRow("F2") << "F2" << true;
        QTest::newRow("a click on the cover") << "click" << true;
        QTest::newRow("a digit, which is not written") << "digit" << true;
        QTest::newRow("another puzzle") << "next" << true;
        QTest::newRow("a restore") << "restore" << false;
    }
    void pause()
    {
        QFETCH(QString, resume);
        WindowHarness w(numberedBook(3));
        w.clickCell(2, 2);
        QTest::keyClick(w.window.get(), Qt::Key_F2);
        QWidget *cover = w.board()->pauseCover();
        QVERIFY(cover->isVisible() && cover->geometry().contains(w.picture()->parentWidget()->geometry()));
        QVERIFY(!w.game.clock().isRunning() && w.act("MNU_PAUSE")->isChecked());
        if (resume == "F2")
            QTest::keyClick(w.picture(), Qt::Key_F2);
        else if (resume == "click")
            QTest::mouseClick(cover, Qt::LeftButton);
        else if (resume == "digit")
            w.typeOnBoard(Qt::Key_5);
        else if (resume == "next")
            w.act("MNU_NEXT")->trigger();
        else {
            w.window->showMinimized();
            w.window->showNormal();
        }
        QFETCH(bool, resumed);
        QCOMPARE(cover->isVisible(), !resumed);
        QCOMPARE(w.game.clock().isRunning(), resumed);
        QCOMPARE(w.act("MNU_PAUSE")->isChecked(), !resumed);
        QCOMPARE(w.entries(), "");
    }

    // Escape minimises; a window system that leaves the window on screen and active once again
    // must not leave the clock standing.
    void minimisedWindowActiveAgain()
    {
        WindowHarness w(numberedBook(1));
        w.typeOnBoard(Qt::Key_Escape);
        QVERIFY(w.window->isMinimized());
        w.game.clock().tick();
        QVERIFY(!w.game.clock().isRunning());
        QApplication::setActiveWindow(nullptr);
        QApplication::setActiveWindow(w.window.get());
        QTRY_VERIFY(w.game.clock().isRunning());
        QVERIFY(!w.window->isMinimized());
    }
};

QTEST_MAIN(TestLeavingAndPausing)
#include "test_leaving_and_pausing.moc"
