// Best times: ranking and entering a time, the score dialog at completion and the statistics
// dialog with "Clear Data", driven on the real widgets.
#include "game/frm_tav_mn.h"
#include "platform/modal.h"
#include "store/score.h"
#include "store/score_dialogs.h"
#include "store/settings_store.h"
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

constexpr int kPuzzles = 3;

PuzzleStats table(const QList<int> &t, const QStringList &names = {"A", "B", "C"})
{
    PuzzleStats s;
    for (int k = 1; k <= 3; ++k) {
        s.bestTimes[std::size_t(k)] = t[k - 1];
        s.bestNames[std::size_t(k)] = t[k - 1] == 0 ? QString() : names[k - 1];
    }
    return s;
}

QList<int> timesOf(const PuzzleStats &s) { return {s.bestTimes[1], s.bestTimes[2], s.bestTimes[3]}; }
QStringList namesOf(const PuzzleStats &s) { return {s.bestNames[1], s.bestNames[2], s.bestNames[3]}; }

template <typename T> T *child(QWidget &parent, const char *name)
{
    T *w = parent.findChild<T *>(QString::fromLatin1(name));
    if (!w)
        qFatal("no control named %s", name);
    return w;
}

// The three rows of a statistics dialog as "name|time".
QStringList rowsOf(QDialog &stats)
{
    QStringList rows;
    for (int i = 0; i <= 2; ++i) {
        rows << child<QLabel>(stats, QStringLiteral("lblUsrName_%1").arg(i).toLatin1().constData())->text() +
                    QLatin1Char('|') +
                    child<QLabel>(stats, QStringLiteral("lblSec_%1").arg(i).toLatin1().constData())->text();
    }
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
    QStringList dialogs_;                          // objectName of every dialog run
    QList<QStringList> statsShown_;                // the rows each statistics dialog showed
    std::function<void(QDialog &)> onDialog_;

    // A main window on puzzle `puzzle` of a three-puzzle book, its clock at `seconds`.
    frmTavMn &openWindow(int puzzle, int seconds)
    {
        window_.reset();
        board_ = {};
        [&] { QVERIFY(modData::loadBookBytes(board_, fixture::bookFromAscii({fixture::smallPuzzle(),
                                                                             fixture::smallPuzzle(),
                                                                             fixture::smallPuzzle()}))); }();
        settings_ = {};
        settings_.puzzleStats.assign(kPuzzles + 1, PuzzleStats{});
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
        QVERIFY(home_.isValid() && program_.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_.filePath(QStringLiteral("config"))));
        modal::setPause([](int) {});
        modal::setMessageResponder([this](const modal::MessageRequest &r) {
            messages_.append(r.text);
            return QMessageBox::Ok;
        });
        modal::setDialogRunner([this](QDialog &d) {
            dialogs_.append(d.objectName());
            if (d.objectName() == QLatin1String("diagStats"))
                statsShown_.append(rowsOf(d));
            if (onDialog_)
                onDialog_(d);
            return int(QDialog::Accepted);
        });
    }
    void init()
    {
        messages_.clear();
        dialogs_.clear();
        statsShown_.clear();
        onDialog_ = nullptr;
    }
    void cleanup() { window_.reset(); }

    void rankAndInsert_data()
    {
        QTest::addColumn<QList<int>>("before");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("rank");
        QTest::addColumn<QList<int>>("after");
        QTest::addColumn<QStringList>("names");
        const int c = modReg::kClearedTime;
        QTest::newRow("never finished") << QList<int>{0, 0, 0} << 500 << 1 << QList<int>{500, 0, 0}
                                        << QStringList{"N", "", ""};
        QTest::newRow("200 into 100/200/300") << QList<int>{100, 200, 300} << 200 << 3 << QList<int>{100, 200, 200}
                                              << QStringList{"A", "B", "N"};
        QTest::newRow("300 into 100/200/300") << QList<int>{100, 200, 300} << 300 << 4
                                              << QList<int>{100, 200, 300} << QStringList{"A", "B", "C"};
        QTest::newRow("150 into 100/0/0") << QList<int>{100, 0, 0} << 150 << 2 << QList<int>{100, 150, 0}
                                          << QStringList{"A", "N", ""};
        QTest::newRow("fastest moves all down") << QList<int>{100, 200, 300} << 50 << 1
                                                << QList<int>{50, 100, 200} << QStringList{"N", "A", "B"};
        QTest::newRow("equal time ranks after") << QList<int>{100, 200, 300} << 100 << 2
                                                << QList<int>{100, 100, 200} << QStringList{"A", "N", "B"};
        QTest::newRow("after Clear Data") << QList<int>{c, c, c} << 400 << 1 << QList<int>{400, c, c}
                                          << QStringList{"N", "A", "B"};
    }
    void rankAndInsert()
    {
        QFETCH(QList<int>, before);
        QFETCH(int, seconds);
        QFETCH(int, rank);
        QFETCH(QList<int>, after);
        QFETCH(QStringList, names);
        modReg::Settings s;
        s.puzzleStats.assign(3, PuzzleStats{});
        s.puzzleStats[2] = table(before);
        QCOMPARE(modScore::rankForTime(s, 2, seconds), rank);
        modScore::insertTime(s, 2, seconds, QStringLiteral("N"));
        QCOMPARE(timesOf(s.puzzleStats[2]), after);
        QCOMPARE(namesOf(s.puzzleStats[2]), names);
        QCOMPARE(timesOf(s.puzzleStats[1]), QList<int>({0, 0, 0}));
    }

    void puzzleWithoutTableNeverRanks()
    {
        modReg::Settings s;
        s.puzzleStats.assign(3, PuzzleStats{});
        for (int p : {0, -1, 3, 40000}) {
            QCOMPARE(modScore::rankForTime(s, p, 10), 4);
            modScore::insertTime(s, p, 10, QStringLiteral("N")); // must not write anywhere
        }
    }

    void scoreDialogControls()
    {
        frmTavMn &w = openWindow(1, 200);
        frmScoreInput dialog(w);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Korvel"));
        QCOMPARE(child<QLabel>(dialog, "lblTime")->text(), QStringLiteral("Time Played : "));
        QCOMPARE(child<QLabel>(dialog, "lblTimePlayed")->text(), QStringLiteral("00:03:20"));
        QCOMPARE(child<QLabel>(dialog, "lblName")->text(), QStringLiteral("Enter Your Name : "));
        auto *name = child<QLineEdit>(dialog, "txtName");
        QVERIFY(name->text().isEmpty());
        QCOMPARE(name->maxLength(), 25);
        auto *ok = child<QPushButton>(dialog, "OKButton");
        QCOMPARE(ok->text(), QStringLiteral("OK"));

        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(QApplication::focusWidget(), ok);
        QTest::keyClick(&dialog, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), name);
        QTest::keyClicks(name, QString(30, QLatin1Char('x')));
        QCOMPARE(name->text().size(), 25);
    }

    void okRecordsAndMovesOn_data()
    {
        QTest::addColumn<int>("puzzle");
        QTest::addColumn<QList<int>>("before");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("after");
        QTest::addColumn<QString>("firstName");
        QTest::addColumn<QStringList>("statsRows"); // empty: the statistics dialog is not shown
        QTest::addColumn<int>("nextPuzzle");
        const int c = modReg::kClearedTime;
        QTest::newRow("first finish, name trimmed") << 1 << QList<int>{0, 0, 0} << 200 << "  Ann Lee  "
                                                    << QList<int>{200, 0, 0} << "Ann Lee"
                                                    << QStringList{"Ann Lee|200", "|", "|"} << 2;
        QTest::newRow("rank 3 drops the old third") << 2 << QList<int>{100, 200, 300} << 200 << "Bo"
                                                    << QList<int>{100, 200, 200} << "A"
                                                    << QStringList{"A|100", "B|200", "Bo|200"} << 3;
        QTest::newRow("no rank: nothing recorded, still moves on")
            << 1 << QList<int>{100, 200, 300} << 300 << "Cy" << QList<int>{100, 200, 300} << "A" << QStringList{}
            << 2;
        QTest::newRow("after Clear Data the rows below stay blank")
            << 1 << QList<int>{c, c, c} << 400 << "Di" << QList<int>{400, c, c} << "Di"
            << QStringList{"Di|400", "|", "|"} << 2;
        QTest::newRow("a finish in 0 s is recorded as 1 s") << 1 << QList<int>{0, 0, 0} << 0 << "Ed"
                                                            << QList<int>{1, 0, 0} << "Ed"
                                                            << QStringList{"Ed|1", "|", "|"} << 2;
        QTest::newRow("an empty name leaves the row's name blank") << 1 << QList<int>{0, 0, 0} << 9 << "   "
                                                                   << QList<int>{9, 0, 0} << ""
                                                                   << QStringList{"|9", "|", "|"} << 2;
        QTest::newRow("last puzzle records without moving on") << 3 << QList<int>{0, 0, 0} << 60 << "Flo"
                                                               << QList<int>{60, 0, 0} << "Flo"
                                                               << QStringList{"Flo|60", "|", "|"} << 3;
    }
    void okRecordsAndMovesOn()
    {
        QFETCH(int, puzzle);
        QFETCH(QList<int>, before);
        QFETCH(int, seconds);
        QFETCH(QString, typed);
        QFETCH(QList<int>, after);
        QFETCH(QString, firstName);
        QFETCH(QStringList, statsRows);
        QFETCH(int, nextPuzzle);
        const QStringList anonymous{"Anonymous", "Anonymous", "Anonymous"};
        frmTavMn &w = openWindow(puzzle, seconds);
        settings_.puzzleStats[std::size_t(puzzle)] =
            before[0] == modReg::kClearedTime ? table(before, anonymous) : table(before);
        board_.penEntries[6] = 1; // gone when the next puzzle starts

        frmScoreInput dialog(w);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClicks(child<QLineEdit>(dialog, "txtName"), typed);
        QTest::mouseClick(child<QPushButton>(dialog, "OKButton"), Qt::LeftButton);

        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const PuzzleStats &stats = settings_.puzzleStats[std::size_t(puzzle)];
        QCOMPARE(timesOf(stats), after);
        QCOMPARE(stats.bestNames[1], firstName);
        QCOMPARE(statsShown_, statsRows.isEmpty() ? QList<QStringList>{} : QList<QStringList>{statsRows});
        QCOMPARE(board_.lastPlayed[1], nextPuzzle);
        QCOMPARE(w.shownPuzzle, nextPuzzle);
        QCOMPARE(w.txtGN->text(), QString::number(nextPuzzle));
        QCOMPARE(int(board_.penEntries[6]), nextPuzzle == puzzle ? 1 : 0);
        QVERIFY(messages_.isEmpty());
    }

    void enterInTheNameBoxIsOk()
    {
        frmTavMn &w = openWindow(1, 90);
        frmScoreInput dialog(w);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto *name = child<QLineEdit>(dialog, "txtName");
        name->setFocus();
        QTest::keyClicks(name, QStringLiteral("Gus"));
        QTest::keyClick(name, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(namesOf(settings_.puzzleStats[1]).first(), QStringLiteral("Gus"));
        QCOMPARE(board_.lastPlayed[1], 2);
    }

    void escapeAndCloseBoxRecordNothing()
    {
        frmTavMn &w = openWindow(1, 90);
        frmScoreInput dialog(w);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClicks(child<QLineEdit>(dialog, "txtName"), QStringLiteral("Hal"));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QTest::keyClick(child<QLineEdit>(dialog, "txtName"), Qt::Key_Escape);
        QVERIFY2(dialog.isVisible(), "Escape must not close the score dialog");

        QVERIFY(dialog.close()); // the close box
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(timesOf(settings_.puzzleStats[1]), QList<int>({0, 0, 0}));
        QCOMPARE(board_.lastPlayed[1], 1);
        QCOMPARE(w.shownPuzzle, 1);
        QVERIFY(dialogs_.isEmpty());
    }

    void statisticsDialogShowsTheCurrentTable()
    {
        frmTavMn &w = openWindow(2, 0);
        settings_.puzzleStats[1] = table({11, 22, 33}, {"x", "y", "z"});
        settings_.puzzleStats[2].bestTimes = {0, 100, 0, modReg::kClearedTime};
        settings_.puzzleStats[2].bestNames = {QString(), "Anonymous Al", "Bea", "Cal"};
        diagStats dialog(w);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Korvel - Top 3 performance"));
        QVERIFY(child<QGroupBox>(dialog, "Frame1")->isAncestorOf(child<QLabel>(dialog, "lblSec_0")));
        QCOMPARE(child<QLabel>(dialog, "lblUsrName_3")->text(), QStringLiteral("Name"));
        QCOMPARE(child<QLabel>(dialog, "lblSec_3")->text(), QStringLiteral("Time"));
        QVERIFY(child<QLabel>(dialog, "lblSec_3")->font().bold());
        QCOMPARE(child<QPushButton>(dialog, "OKButton")->text(), QStringLiteral("OK"));
        QCOMPARE(child<QPushButton>(dialog, "CancelButton")->text(), QStringLiteral("Clear Data"));
        QCOMPARE(rowsOf(dialog), QStringList({"|100", "Bea|", "Cal|"}));
    }

    void clearDataEmptiesOnlyTheCurrentTable()
    {
        frmTavMn &w = openWindow(2, 0);
        settings_.puzzleStats[1] = table({11, 22, 33});
        settings_.puzzleStats[2] = table({100, 200, 300});
        diagStats dialog(w);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::mouseClick(child<QPushButton>(dialog, "CancelButton"), Qt::LeftButton);
        QVERIFY2(dialog.isVisible(), "Clear Data keeps the dialog open");
        QCOMPARE(rowsOf(dialog), QStringList({"|", "|", "|"}));
        const int c = modReg::kClearedTime;
        QCOMPARE(timesOf(settings_.puzzleStats[2]), QList<int>({c, c, c}));
        QCOMPARE(namesOf(settings_.puzzleStats[2]), QStringList({"Anonymous", "Anonymous", "Anonymous"}));
        QCOMPARE(timesOf(settings_.puzzleStats[1]), QList<int>({11, 22, 33}));
        QVERIFY2(messages_.isEmpty(), "no question is asked");

        QTest::mouseClick(child<QPushButton>(dialog, "OKButton"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
    }

    void escapeClosesStatisticsWithoutClearing_data()
    {
        QTest::addColumn<bool>("clearHasFocus");
        QTest::newRow("focus on OK") << false;
        QTest::newRow("focus on Clear Data") << true;
    }
    void escapeClosesStatisticsWithoutClearing()
    {
        QFETCH(bool, clearHasFocus);
        frmTavMn &w = openWindow(1, 0);
        settings_.puzzleStats[1] = table({100, 200, 300});
        diagStats dialog(w);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        if (clearHasFocus)
            child<QPushButton>(dialog, "CancelButton")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(timesOf(settings_.puzzleStats[1]), QList<int>({100, 200, 300}));
    }

    void enterInStatisticsIsOkNotClearData()
    {
        frmTavMn &w = openWindow(1, 0);
        settings_.puzzleStats[1] = table({100, 200, 300});
        diagStats dialog(w);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(timesOf(settings_.puzzleStats[1]), QList<int>({100, 200, 300}));
    }

    void clearedTableSurvivesARestart()
    {
        frmTavMn &w = openWindow(2, 0);
        settings_.puzzleStats[2] = table({100, 200, 300});
        {
            diagStats dialog(w);
            QTest::mouseClick(child<QPushButton>(dialog, "CancelButton"), Qt::LeftButton);
        }
        modReg::saveSettings(board_, settings_);

        modData::Board board;
        QVERIFY(modData::loadBookBytes(board, board_.bookBytes));
        modReg::Settings read;
        modReg::loadSettings(board, read);
        const int c = modReg::kClearedTime;
        QCOMPARE(timesOf(read.puzzleStats[2]), QList<int>({c, c, c}));
        QCOMPARE(namesOf(read.puzzleStats[2]), QStringList({"Anonymous", "Anonymous", "Anonymous"}));
        settings_ = read;
        diagStats again(w);
        QCOMPARE(rowsOf(again), QStringList({"|", "|", "|"}));
        QVERIFY(messages_.isEmpty());
    }
};

QTEST_MAIN(TestScores)
#include "test_scores.moc"
