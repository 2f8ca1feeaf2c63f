// Best times: ranking and entering a time, the score dialog at completion and the statistics
// dialog with "Clear Data", driven on the real widgets.
#include "game/frm_tav_mn.h"
#include "platform/modal.h"
#include "store/score.h"
#include "store/score_dialogs.h"
#include "support/board_fixture.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using modReg::PuzzleStats;

namespace {

constexpr int c = modReg::kClearedTime;

// A table of three times; a slot with a time has the name "A", "B" or "C" of its rank.
PuzzleStats table(const QList<int> &t)
{
    PuzzleStats s;
    for (std::size_t k = 1; k <= 3; ++k) {
        s.bestTimes[k] = t[k - 1];
        s.bestNames[k] = t[k - 1] == 0 ? QString() : t[k - 1] == c ? "Anonymous" : QString("ABC"[k - 1]);
    }
    return s;
}

// "name:time" of each rank.
QStringList entries(const PuzzleStats &s)
{
    QStringList out;
    for (std::size_t k = 1; k <= 3; ++k)
        out << s.bestNames[k] + QLatin1Char(':') + QString::number(s.bestTimes[k]);
    return out;
}

template <typename T> T *child(QWidget &parent, const QString &name)
{
    T *w = parent.findChild<T *>(name);
    if (!w)
        qFatal("no control named %s", qPrintable(name));
    return w;
}

// The three rows of a statistics dialog as "name|time".
QStringList rowsOf(QWidget &stats)
{
    QStringList rows;
    for (int i = 0; i <= 2; ++i)
        rows << child<QLabel>(stats, QStringLiteral("lblUsrName_%1").arg(i))->text() + QLatin1Char('|') +
                    child<QLabel>(stats, QStringLiteral("lblSec_%1").arg(i))->text();
    return rows;
}

} // namespace

class TestScores : public QObject {
    Q_OBJECT
    QTemporaryDir home_;
    QTemporaryDir program_;
    modData::Board board_;
    modReg::Settings settings_;
    std::unique_ptr<frmTavMn> window_;
    QStringList messages_;
    QList<QStringList> statsShown_; // the rows of each statistics dialog run

    // A main window on puzzle `puzzle` of a three-puzzle book, its clock at `seconds`.
    frmTavMn &openWindow(int puzzle, int seconds)
    {
        window_.reset();
        board_ = {};
        const QStringList p = fixture::smallPuzzle();
        if (!modData::loadBookBytes(board_, fixture::bookFromAscii({p, p, p})))
            qFatal("book not loaded");
        settings_ = {};
        settings_.puzzleStats.assign(4, PuzzleStats{});
        board_.lastPlayed[1] = puzzle;
        window_ = std::make_unique<frmTavMn>(board_, settings_, program_.path());
        window_->formLoad();
        window_->secondsPlayed = std::int16_t(seconds);
        window_->timePlayedText = QStringLiteral("00:03:20");
        return *window_;
    }

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_.filePath(QStringLiteral("config"))));
        modal::setPause([](int) {});
        modal::setMessageResponder([this](const modal::MessageRequest &r) {
            messages_.append(r.text);
            return QMessageBox::Ok;
        });
        modal::setDialogRunner([this](QDialog &d) {
            statsShown_.append(d.objectName() == QLatin1String("diagStats") ? rowsOf(d)
                                                                            : QStringList{d.objectName()});
            return int(QDialog::Accepted);
        });
    }
    void init()
    {
        messages_.clear();
        statsShown_.clear();
    }
    void cleanup() { window_.reset(); }

    void rankAndInsert_data()
    {
        QTest::addColumn<QList<int>>("before");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("rank");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("never finished")
            << QList<int>{0, 0, 0} << 500 << 1 << QStringList{"N:500", ":0", ":0"};
        QTest::newRow("200 into 100/200/300")
            << QList<int>{100, 200, 300} << 200 << 3 << QStringList{"A:100", "B:200", "N:200"};
        QTest::newRow("300 into 100/200/300")
            << QList<int>{100, 200, 300} << 300 << 4 << QStringList{"A:100", "B:200", "C:300"};
        QTest::newRow("150 into 100/0/0")
            << QList<int>{100, 0, 0} << 150 << 2 << QStringList{"A:100", "N:150", ":0"};
        QTest::newRow("fastest moves all down")
            << QList<int>{100, 200, 300} << 50 << 1 << QStringList{"N:50", "A:100", "B:200"};
        QTest::newRow("after Clear Data")
            << QList<int>{c, c, c} << 400 << 1 << QStringList{"N:400", "Anonymous:99999", "Anonymous:99999"};
    }
    void rankAndInsert()
    {
        QFETCH(QList<int>, before);
        QFETCH(int, seconds);
        QFETCH(int, rank);
        QFETCH(QStringList, after);
        modReg::Settings s;
        s.puzzleStats.assign(3, PuzzleStats{});
        s.puzzleStats[2] = table(before);
        QCOMPARE(modScore::rankForTime(s, 2, seconds), rank);
        modScore::insertTime(s, 2, seconds, QStringLiteral("N"));
        QCOMPARE(entries(s.puzzleStats[2]), after);
        QCOMPARE(entries(s.puzzleStats[1]), QStringList({":0", ":0", ":0"}));
        for (int p : {0, 3, 40000}) { // no table: never ranks, writes nowhere
            QCOMPARE(modScore::rankForTime(s, p, seconds), 4);
            modScore::insertTime(s, p, seconds, QStringLiteral("N"));
        }
    }

    // The score dialog's controls and tab order; Escape does not close it, the close box records nothing.
    void scoreDialogControlsAndClosing()
    {
        frmTavMn &w = openWindow(1, 200);
        frmScoreInput dialog(w);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Korvel"));
        QCOMPARE(child<QLabel>(dialog, "lblTime")->text(), QStringLiteral("Time Played : "));
        QCOMPARE(child<QLabel>(dialog, "lblTimePlayed")->text(), QStringLiteral("00:03:20"));
        QCOMPARE(child<QLabel>(dialog, "lblName")->text(), QStringLiteral("Enter Your Name : "));
        auto *ok = child<QPushButton>(dialog, "OKButton");
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        auto *name = child<QLineEdit>(dialog, "txtName");
        QVERIFY(name->text().isEmpty());

        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(QApplication::focusWidget(), ok);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QTest::keyClick(&dialog, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), name);
        QTest::keyClicks(name, QString(30, QLatin1Char('x')));
        QCOMPARE(name->text().size(), 25);
        QTest::keyClick(name, Qt::Key_Escape);
        QVERIFY2(dialog.isVisible(), "Escape must not close the score dialog");

        QVERIFY(dialog.close()); // the close box
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(entries(settings_.puzzleStats[1]), QStringList({":0", ":0", ":0"}));
        QCOMPARE(board_.lastPlayed[1], 1);
        QCOMPARE(w.shownPuzzle, 1);
        QVERIFY(statsShown_.isEmpty());
    }

    void okRecordsAndMovesOn_data()
    {
        QTest::addColumn<int>("puzzle");
        QTest::addColumn<QList<int>>("before");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("shown"); // rows of the statistics dialog; empty when not shown
        QTest::addColumn<int>("next");
        QTest::newRow("first finish, name trimmed")
            << 1 << QList<int>{0, 0, 0} << 200 << "  Ann Lee  " << QStringList{"Ann Lee|200", "|", "|"} << 2;
        QTest::newRow("rank 3 drops the old third")
            << 2 << QList<int>{100, 200, 300} << 200 << "Bo" << QStringList{"A|100", "B|200", "Bo|200"} << 3;
        QTest::newRow("no rank: nothing shown, still moves on")
            << 1 << QList<int>{100, 200, 300} << 300 << "Cy" << QStringList{} << 2;
        QTest::newRow("after Clear Data the rows below stay blank")
            << 1 << QList<int>{c, c, c} << 400 << "Di" << QStringList{"Di|400", "|", "|"} << 2;
        QTest::newRow("0 s is recorded as 1 s")
            << 1 << QList<int>{0, 0, 0} << 0 << "Ed" << QStringList{"Ed|1", "|", "|"} << 2;
        QTest::newRow("empty name, confirmed by Enter") << 1 << QList<int>{0, 0, 0} << 9 << "   \n"
                                                        << QStringList{"|9", "|", "|"} << 2;
        QTest::newRow("last puzzle records without moving on")
            << 3 << QList<int>{0, 0, 0} << 60 << "Flo" << QStringList{"Flo|60", "|", "|"} << 3;
    }
    void okRecordsAndMovesOn()
    {
        QFETCH(int, puzzle);
        QFETCH(QList<int>, before);
        QFETCH(int, seconds);
        QFETCH(QString, typed);
        QFETCH(QStringList, shown);
        QFETCH(int, next);
        frmTavMn &w = openWindow(puzzle, seconds);
        settings_.puzzleStats[std::size_t(puzzle)] = table(before);
        board_.penEntries[6] = 1; // gone once the next puzzle starts

        frmScoreInput dialog(w);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto *name = child<QLineEdit>(dialog, "txtName");
        if (typed.endsWith(QLatin1Char('\n'))) {
            name->setFocus();
            QTest::keyClicks(name, typed.chopped(1));
            QTest::keyClick(name, Qt::Key_Return);
        } else {
            QTest::keyClicks(name, typed);
            QTest::mouseClick(child<QPushButton>(dialog, "OKButton"), Qt::LeftButton);
        }

        QVERIFY(!dialog.isVisible());
        QCOMPARE(statsShown_, shown.isEmpty() ? QList<QStringList>{} : QList<QStringList>{shown});
        if (shown.isEmpty())
            QCOMPARE(entries(settings_.puzzleStats[std::size_t(puzzle)]), entries(table(before)));
        QCOMPARE(board_.lastPlayed[1], next);
        QCOMPARE(w.shownPuzzle, next);
        QCOMPARE(w.txtGN->text(), QString::number(next));
        QCOMPARE(int(board_.penEntries[6]), next == puzzle ? 1 : 0);
        QVERIFY(messages_.isEmpty());
    }

    void statisticsShowAndClearTheCurrentTableForGood()
    {
        frmTavMn &w = openWindow(2, 0);
        settings_.puzzleStats[1] = table({11, 22, 33});
        settings_.puzzleStats[2].bestTimes = {0, 100, 0, c};
        settings_.puzzleStats[2].bestNames = {QString(), "Anonymous Al", "Bea", "Cal"};
        diagStats dialog(w);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Korvel - Top 3 performance"));
        QVERIFY(child<QGroupBox>(dialog, "Frame1")->isAncestorOf(child<QLabel>(dialog, "lblSec_0")));
        QCOMPARE(child<QLabel>(dialog, "lblUsrName_3")->text(), QStringLiteral("Name"));
        QCOMPARE(child<QLabel>(dialog, "lblSec_3")->text(), QStringLiteral("Time"));
        QVERIFY(child<QLabel>(dialog, "lblSec_3")->font().bold());
        QCOMPARE(child<QPushButton>(dialog, "OKButton")->text(), QStringLiteral("OK"));
        QCOMPARE(rowsOf(dialog), QStringList({"|100", "Bea|", "Cal|"}));

        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto *clear = child<QPushButton>(dialog, "CancelButton");
        QCOMPARE(clear->text(), QStringLiteral("Clear Data"));
        QTest::mouseClick(clear, Qt::LeftButton);
        QVERIFY2(dialog.isVisible(), "Clear Data keeps the dialog open");
        QCOMPARE(rowsOf(dialog), QStringList({"|", "|", "|"}));
        QCOMPARE(entries(settings_.puzzleStats[2]), entries(table({c, c, c})));
        QCOMPARE(entries(settings_.puzzleStats[1]), entries(table({11, 22, 33})));
        QVERIFY2(messages_.isEmpty(), "no question is asked");
        QTest::mouseClick(child<QPushButton>(dialog, "OKButton"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());

        // The cleared table survives a restart.
        modReg::saveSettings(board_, settings_);
        modData::Board board;
        QVERIFY(modData::loadBookBytes(board, board_.bookBytes));
        modReg::loadSettings(board, settings_);
        QCOMPARE(entries(settings_.puzzleStats[2]), entries(table({c, c, c})));
        QCOMPARE(rowsOf(*std::make_unique<diagStats>(w)), QStringList({"|", "|", "|"}));
        QVERIFY(messages_.isEmpty());
    }

    // Escape closes like OK and Enter is OK, whichever button has the focus; neither clears.
    void keysInStatisticsNeverClear_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("focusOnClear");
        QTest::newRow("Escape on OK") << int(Qt::Key_Escape) << false;
        QTest::newRow("Escape on Clear Data") << int(Qt::Key_Escape) << true;
        QTest::newRow("Enter on OK") << int(Qt::Key_Return) << false;
    }
    void keysInStatisticsNeverClear()
    {
        QFETCH(int, key);
        QFETCH(bool, focusOnClear);
        frmTavMn &w = openWindow(1, 0);
        settings_.puzzleStats[1] = table({100, 200, 300});
        diagStats dialog(w);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        if (focusOnClear)
            child<QPushButton>(dialog, "CancelButton")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(entries(settings_.puzzleStats[1]), entries(table({100, 200, 300})));
    }
};

QTEST_MAIN(TestScores)
#include "test_scores.moc"
