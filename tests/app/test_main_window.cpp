// The main window's wiring on its real widgets: each menu entry, toolbar button and key with what
// it does, the menus and toolbar as the player sees them (and what an untouched game stores), the
// combinations window, the score dialog at completion, and the program's start.
#include "app/score_dialogs.h"
#include "app/startup.h"
#include "help/help_dialogs.h"
#include "platform/app_identity.h"
#include "store/player_settings.h"
#include "support/window_harness.h"
#include "view/combination_window.h"
#include "view/hint_panel.h"
#include "view/tool_images.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QToolButton>

#include <climits>

namespace {

// Everything an input may change in the window, one thing per item. Pointers are named by their
// picture: 5 and 6 the Pencil and Pen buttons', 13 and 14 the board's pencil and pen.
QStringList observe(const WindowHarness &w, const QSignalSpy &solutions)
{
    QString pointer, pauses;
    for (int i : {view::toolImage::PencilPointer, view::toolImage::PenPointer, view::toolImage::BoardPencil,
                  view::toolImage::BoardPen})
        if (w.picture()->testAttribute(Qt::WA_SetCursor) &&
            w.picture()->cursor().pixmap().cacheKey() == view::toolImages().pointer(i).pixmap().cacheKey())
            pointer = QStringLiteral("pointer %1").arg(i);
    for (int ms : w.pauses)
        pauses += QStringLiteral("pause %1").arg(ms);
    const view::BoardView *b = w.board();
    const QString selected = QStringLiteral("select %1%2").arg(b->selectedCol()).arg(b->selectedRow());
    QStringList seen;
    seen << "message " + w.messages.join(" + ") << "dialog " + w.dialogs.join(" + ") << pauses
         << "open " + w.documents.join(" + ").remove(w.dir.path() + '/')
         << QStringLiteral("puzzle %1").arg(w.openNumber()) << "entries " + w.entries()
         << QStringLiteral("zoom %1").arg(b->zoomLevel()) << (w.game.pencilMode() ? "pencil" : "pen")
         << (w.game.candidateMode() ? "candidates" : "digits") << (b->showsConflicts() ? "conflicts" : "")
         << (w.window->combinationWindow() && w.window->combinationWindow()->isVisible() ? "combinations"
                                                                                         : "")
         << "entry colour " + b->boardPalette().entry.name()
         << (w.find<view::HintPanel>("frmHint")->isVisible()
                 ? "hint " + w.find<view::HintPanel>("frmHint")->text()
                 : "")
         << QStringLiteral("tool %1").arg(b->numberTool()) << pointer
         << (b->selectedCol() < 0 ? "select none" : selected) << (solutions.isEmpty() ? "" : "solution")
         << (w.window->isMinimized() ? "minimised" : "") << (w.window->isVisible() ? "" : "closed")
         << (w.game.paused() ? "paused" : "")
         << (QApplication::activePopupWidget() ? "menu " + QApplication::activePopupWidget()->objectName()
                                               : "");
    return seen;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Every row starts with cell (2, 2) selected and a wrong pen 4 in it; "tool" chooses digit 3
    // first, "pencil" starts in pencil mode. Input: "menu:" an entry ("menu/No:" answering No),
    // "bar:" a toolbar button, "key:" a key on the board, "box:" a key in the puzzle-number box.
    void wiring_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("effect");
        const QString opened = "; entries ; select none", check = "pause 500; entries 22:4!";
        const QString question = "message Korvel - Alert|Are you sure to RESTART puzzle?";
        textRow("restart, Yes", "", "menu:MNU_RST", question + opened);
        textRow("restart, No", "", "menu/No:MNU_RST", question);
        textRow("save pauses", "", "menu:MNU_SAVE", "pause 800");
        textRow("more puzzles", "", "menu:MNU_MP", "open HELP/more-puzzles.htm");
        textRow("more puzzles, help menu", "", "menu:MNU_MP_H", "open HELP/more-puzzles.htm");
        textRow("how to play", "", "menu:MNU_HTP", "open HELP/help1.htm");
        textRow("web site", "", "menu:MNU_CS_WEB", "open " + platform::gameWebPage);
        textRow("check all", "", "menu:MNU_CHK_ALL", check);
        textRow("menu pencil keeps pointer and tool", "tool", "menu:MNU_PEN_2", "pencil");
        textRow("menu pen", "pencil", "menu:MNU_PEN_1", "pen");
        textRow("toolbar Pencil", "tool", "bar:tb_6", "pencil; tool 11; pointer 5");
        textRow("toolbar Pen", "pencil tool", "bar:tb_7", "pen; tool 11; pointer 6");
        textRow("toolbar Check puts the tool down", "tool", "bar:tb_9", check + "; tool 11");
        textRow("eraser", "", "bar:tbNumButns_10", "tool 10");
        textRow("no tool button", "tool", "bar:tbNumButns_11", "tool 11");
        textRow("Ctrl+Z zooms in", "", "key:Ctrl+Z", "zoom 4");
        textRow("Ctrl+O zooms out", "", "key:Ctrl+O", "zoom 2");
        textRow("F9 shows the solution", "", "key:F9", "solution");
        textRow("F12 prints", "", "key:F12", "dialog frmPrinterDialog");
        textRow("Down stays in the number box", "", "box:Down", "");
        textRow("F9 stays in the number box", "", "box:F9", "");
        textRow("Ctrl+Z in the number box zooms", "", "box:Ctrl+Z", "zoom 4");
        textRow("a typed number opens its puzzle", "", "type:3x",
                "message Korvel - Alert|Are you sure to change the puzzle?; puzzle 3" + opened);
        textRow("a number past the book is not asked", "", "type:4", "");
        textRow("toolbar Undo keeps the tool", "tool", "bar:tb_10", "entries ");
        textRow("Ctrl+U in the number box undoes", "", "box:Ctrl+U", "entries ");
        textRow("Ctrl+Y redoes", "undone", "key:Ctrl+Y", "entries 22:4");
        textRow("Ctrl+Backspace still clears", "", "key:Ctrl+Backspace", "entries ");
        textRow("toolbar Marks puts the tool down", "tool", "bar:tb_12", "candidates; tool 11");
        textRow("toolbar Pen ends candidate mode", "marks", "bar:tb_7", "digits; pointer 6");
        textRow("dark colours", "", "menu:MNU_COLOUR_DARK", "entry colour #101010");
        textRow("apply hint clears the wrong digit", "", "menu:MNU_HINT_APPLY", "entries ");
        textRow("show solution from the menu", "", "menu:MNU_SOLUTION", "solution");
        textRow("Ctrl+M switches to marks", "", "key:Ctrl+M", "candidates");
        textRow("Ctrl+Shift+M fills the marks", "", "key:Ctrl+Shift+M", "entries 22:4 23:0m3 33:0m23456");
        textRow("nothing to lose: a typed number is not asked", "undone", "type:3", "puzzle 3; select none");
        textRow("progress kept: a typed number is not asked", "keep", "type:3", "puzzle 3" + opened);
        // The Common keys.
        textRow("common: Ctrl+Z undoes", "common", "key:Ctrl+Z", "entries ");
        textRow("common: Ctrl+Shift+Z redoes", "common undone", "key:Ctrl+Shift+Z", "entries 22:4");
        textRow("common: Ctrl+= zooms in", "common", "key:Ctrl+=", "zoom 4");
        textRow("common: Ctrl++ zooms in", "common", "key:Ctrl++", "zoom 4");
        textRow("common: Ctrl+- zooms out", "common", "key:Ctrl+-", "zoom 2");
        textRow("common: Ctrl+0 takes the default zoom", "common zoomed", "key:Ctrl+0", "zoom 3");
        textRow("common: Ctrl+O does not zoom", "common", "key:Ctrl+O", "");
        textRow("common: Escape pauses", "common", "key:Esc", "paused");
        textRow("common: F10 opens the menu bar", "common", "key:F10", "menu MNU_GM");
        textRow("common: Alt+S opens Solving", "common", "key:Alt+S", "menu MNU_SOLV");
    }
    void wiring()
    {
        QFETCH(QString, setup);
        QFETCH(QString, input);
        WindowHarness w(numberedBook(3), 2, setup.contains("pencil"));
        QVERIFY(w.windowActive);
        w.clickCell(2, 2);
        w.typeOnBoard(Qt::Key_4);
        if (setup.contains("common"))
            w.act("MNU_KEYS_COMMON")->trigger();
        if (setup.contains("zoomed"))
            w.act("MNU_ZOOMIN")->trigger();
        if (setup.contains("keep"))
            w.act("MNU_KEEP")->trigger();
        if (setup.contains("undone"))
            w.act("MNU_UNDO")->trigger();
        if (setup.contains("marks"))
            w.act("MNU_CAND")->trigger();
        if (setup.contains("tool"))
            QTest::mouseClick(w.button("tbNumButns", "tbNumButns_3"), Qt::LeftButton);
        QSignalSpy solutions(&w.game, &game::Game::solutionRevealed);
        const QStringList before = observe(w, solutions);
        const QString kind = input.section(':', 0, 0), what = input.section(':', 1);
        w.answerYes = !kind.endsWith("/No");
        if (kind.startsWith("menu")) {
            w.act(what)->trigger();
        } else if (kind == "bar") {
            QTest::mouseClick(w.button(what.startsWith("tbNum") ? "tbNumButns" : "tb", what), Qt::LeftButton);
        } else if (kind == "type") {
            auto *box = w.find<QLineEdit>("txtGN");
            box->setFocus();
            box->selectAll();
            QTest::keyClicks(box, what);
            QTest::keyClick(box, Qt::Key_Return);
            QCOMPARE(box->text(), QString::number(w.game.puzzleNumber()));
        } else {
            QWidget *target = kind == "box" ? w.find<QWidget>("txtGN") : w.picture();
            target->setFocus();
            const QKeyCombination key = QKeySequence::fromString(what)[0];
            QTest::keyClick(target, key.key(), key.keyboardModifiers());
        }
        QStringList changed;
        const QStringList now = observe(w, solutions);
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        for (int k = 0; k < now.size(); ++k)
            if (now[k] != before[k])
                changed << now[k];
        QTEST(changed.join("; "), "effect");
        QVERIFY(!w.window->testAttribute(Qt::WA_SetCursor)); // tool pointers go on the board alone
        for (int k = 1; k <= 11; ++k) // the tool's button alone is down, none for no tool
            QCOMPARE(w.act(QString("tbNumButns_%1").arg(k))->isChecked(),
                     k == w.board()->numberTool() && k != 11);
    }

    // The menus in order with their captions and shortcuts, and the main toolbar's nine buttons,
    // as the player sees them; the entries added since keep out of their way.
    void menusAndToolbarAsShown()
    {
        WindowHarness w(numberedBook(1));
        const QStringList additions = {"MNU_KEEP",      "MNU_CHOOSE",     "MNU_PAUSE",     "MNU_SEP_U",
                                       "MNU_UNDO",      "MNU_REDO",       "MNU_SEP_C",     "MNU_CAND",
                                       "MNU_CAND_FILL", "MNU_CAND_CLEAR", "MNU_AUTOMARKS", "MNU_SEP_HINT",
                                       "MNU_HINT",      "MNU_HINT_APPLY", "MNU_SOLUTION",  "MNU_SEP_A",
                                       "MNU_COMBOS",    "MNU_CONFLICTS",  "MNU_COLOURS",   "MNU_KEYS",
                                       "MNU_FIT",       "MNU_NEW",        "MNU_OPEN_CODE", "MNU_ENTER"};
        QStringList shown;
        for (QAction *menu : w.window->menuBar()->actions()) {
            shown << menu->menu()->objectName() + ' ' + menu->text();
            for (QAction *a : menu->menu()->actions())
                if (!additions.contains(a->objectName()))
                    shown << QString("  %1 %2 %3")
                                 .arg(a->objectName(), a->isSeparator() ? "-" : a->text(),
                                      a->shortcut().toString());
        }
        for (QAction *a : w.find<QToolBar>("tb")->actions().first(9))
            shown << a->objectName() + ' ' + (a->isSeparator() ? "-" : a->text());
        const char *expected =
            "MNU_GM Game|  MNU_NEXT Next game Ctrl+N|  MNU_PREV Previous Game Ctrl+B|  MNU_RST Restart Game "
            "|  MNU_SAVE Save Game |  MNU_SEP - |  MNU_STATS Statistics "
            "|  MNU_PRN Print Game |  MNU_SEP2 - "
            "|  MNU_MP More Puzzles |  MNU_SEP3 - |  MNU_XIT Exit |MNU_SOLV Solving|  MNU_PEN_1 Use pen "
            "|  MNU_PEN_2 Use Pencil |  MNU_SEP_S - |  MNU_CHK_ALL Check All Ctrl+K|  MNU_ZOOMIN Zoom In + "
            "Ctrl+Z"
            "|  MNU_ZOOMOUT Zoom Out - Ctrl+O|MNU_HLPMN Help|  MNU_HTP How to play F1|  MNU_MP_H More "
            "Puzzles "
            "|  MNU_CS_WEB Korvel Website |  MNU_SEP_H - |  MNU_ABT About Korvel |tb_1 Prev|tb_2 -|tb_3 Next"
            "|tb_4 Restart|tb_5 -|tb_6 Pencil|tb_7 Pen|tb_8 -|tb_9 Check";
        QCOMPARE(shown.join('|'), expected);
        // The no-tool button: a picture, no caption, and a name for tool tips and screen readers.
        auto *noTool = qobject_cast<QToolButton *>(w.button("tbNumButns", "tbNumButns_11"));
        QVERIFY(noTool->isVisible() && !noTool->icon().isNull() && noTool->text().isEmpty());
        QCOMPARE(noTool->toolTip() + '/' + noTool->accessibleName(), "No tool/No tool");
    }

    // The combinations window follows the selection and the digits written, and never takes the
    // keyboard from the board.
    // Stored as on, the combinations window shows with the main window, not before it.
    void combinationWindowFollowsTheSelection()
    {
        GameFixture early({fixture::smallPuzzle()});
        early.settings.setShowCombinations(true);
        app::MainWindow hidden(early.game, early.settings, early.dir.path());
        hidden.load();
        QVERIFY(!hidden.combinationWindow() || !hidden.combinationWindow()->isVisible());
        hidden.show();
        QVERIFY(hidden.combinationWindow() && hidden.combinationWindow()->isVisible());

        WindowHarness w({fixture::smallPuzzle()});
        w.act("MNU_COMBOS")->trigger();
        view::CombinationWindow *combinations = w.window->combinationWindow();
        QVERIFY(combinations->isWindow() && combinations->isVisible());
        QCOMPARE(combinations->text(), "Select a cell.");
        w.clickCell(3, 2);
        w.typeOnBoard(Qt::Key_3);
        w.clickCell(3, 3);
        QCoreApplication::processEvents();
        const QString text = combinations->text();
        QVERIFY2(
            text.contains("Across 7 in 3 cells</b><br>1&nbsp;2&nbsp;4</p>") &&
                text.contains("Down 9 in 3 cells") &&
                text.contains(">1&nbsp;2&nbsp;6</span> &nbsp; 1&nbsp;3&nbsp;5 &nbsp; 2&nbsp;3&nbsp;4</p>") &&
                text.contains("This cell can take 1 2 4."),
            qPrintable(text));
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        QCOMPARE(QApplication::focusWidget(), w.picture());
    }

    // A stored place with the window's title on no screen reads as the first place, beside the
    // main window (was: the window opened out of sight for good).
    void combinationWindowComesBackInSight_data()
    {
        QTest::addColumn<QPoint>("stored");
        QTest::addColumn<bool>("kept");
        QTest::newRow("on the screen") << QPoint(100, 120) << true;
        QTest::newRow("right of every screen") << QPoint(5000, 300) << false;
        QTest::newRow("the ends of the range") << QPoint(INT_MIN, INT_MAX) << false;
    }
    void combinationWindowComesBackInSight()
    {
        QFETCH(QPoint, stored);
        QFETCH(bool, kept);
        WindowHarness w({fixture::smallPuzzle()});
        w.settings.rememberCombinationsPosition(stored.x(), stored.y());
        w.act("MNU_COMBOS")->trigger();
        const QPoint beside = w.window->frameGeometry().topRight() + QPoint(8, 0);
        QCOMPARE(w.window->combinationWindow()->pos(), kept ? stored : beside);
    }

    // A game played with none of the later options touched saves the four classic lines and
    // stores 3 + 4 x N values; an option once on is stored from then on.
    void untouchedOptionsStoreWhatTheyAlwaysStored()
    {
        for (const bool conflictsOn : {false, true}) {
            WindowHarness w(numberedBook(3));
            w.clickCell(2, 2);
            w.typeOnBoard(Qt::Key_4);
            QTest::mouseClick(w.button("tb", "tb_6"), Qt::LeftButton);
            w.clickCell(3, 3);
            w.typeOnBoard(Qt::Key_5);
            QTest::mouseClick(w.button("tb", "tb_9"), Qt::LeftButton);
            if (conflictsOn)
                w.act("MNU_CONFLICTS")->trigger();
            w.act("MNU_SAVE")->trigger();
            w.window->close();
            QCOMPARE(fixture::fileBytes(w.game.savedGamePath()).count("\r\n"), 4);
            QSettings store(w.dir.filePath("config/Norvane/Korvel/1.0.conf"), QSettings::NativeFormat);
            QCOMPARE(store.allKeys().size(), 3 + 4 * 3 + (conflictsOn ? 1 : 0));
        }
    }

    // A puzzle of the player's own is named as such, saved, timed and stored under its own names:
    // the book's puzzle number, its saved games and its stored values stay as they were.
    void ownPuzzlesKeepToTheirOwnNames()
    {
        WindowHarness w(numberedBook(3), 2);
        w.onDialog = [&](QDialog &d) {
            d.show();
            if (d.objectName() == "frmScoreInput")
                QTest::mouseClick(d.findChild<QPushButton *>("OKButton"), Qt::LeftButton);
        };
        QVERIFY(w.window->openAsOwnPuzzle(fixture::puzzleFromAscii(fixture::smallPuzzle()), 0));
        QVERIFY2(w.window->windowTitle().startsWith("My Puzzle:1 - Time Played: "),
                 qPrintable(w.window->windowTitle()));
        QCOMPARE(w.find<QLineEdit>("txtGN")->text(), "");
        w.clickCell(2, 2);
        w.typeOnBoard(Qt::Key_1);
        w.act("MNU_SAVE")->trigger();
        QVERIFY(QFile::exists(w.dir.filePath("my-1.sav")));
        QVERIFY(!QFile::exists(w.dir.filePath("1.sav")) && !QFile::exists(w.dir.filePath("2.sav")));
        for (const QPoint cell :
             {QPoint(3, 2), QPoint(2, 3), QPoint(3, 3), QPoint(4, 3), QPoint(3, 4), QPoint(4, 4)}) {
            w.clickCell(cell.x(), cell.y());
            w.typeOnBoard(
                Qt::Key(Qt::Key_0 + w.game.puzzle().solution(w.game.puzzle().cellAt(cell.x(), cell.y()))));
        }
        QCOMPARE(w.dialogs, QStringList({"frmScoreInput", "diagStats"}));
        QCOMPARE(w.settings.values().ownPuzzleStats[1].bestTimes[1], 1);
        QVERIFY(w.game.playingOwn()); // nothing after the last of the player's own
        w.window->close();
        QSettings store(w.dir.filePath("config/Norvane/Korvel/1.0.conf"), QSettings::NativeFormat);
        QStringList mine = store.allKeys().filter("MY");
        mine.sort();
        QCOMPARE(mine, QStringList({"MYSTATS1", "MYSTATS1_1", "MYSTATS1_2", "MYSTATS1_3"}));
        QCOMPARE(store.allKeys().size(), 3 + 4 * 3 + 4);
        QCOMPARE(store.value("STATS2").toByteArray(), QByteArray(12, '\0'));
        QCOMPARE(store.value("LASTPLAYED").toByteArray(), QByteArray("\x02\0\0\0", 4));
    }

    // The counts move with their times; the table shows them only when above 0.
    void hintCountsInTheTable()
    {
        store::PlayerSettings s(1);
        for (const auto &[seconds, hints] : {std::pair(300, 0), {400, 1}, {500, 4}, {312, 2}})
            s.recordBestTime(1, seconds, QStringLiteral("Ann"), hints);
        app::StatisticsDialog dialog(s, 1, nullptr);
        QStringList shown;
        for (int k = 0; k < 3; ++k)
            shown << dialog.findChild<QLabel *>(QStringLiteral("lblSec_%1").arg(k))->text();
        QCOMPARE(shown, QStringList({"300", "312 (2 hints)", "400 (1 hint)"}));
    }

    // Completing the puzzle opens the score dialog; only OK records the time and moves on.
    void scoreDialog_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QList<int>>("bestTimes"); // ranks 1 to 3 afterwards, 0 for none
        QTest::addColumn<int>("puzzle");
        const QList<int> none{0, 0, 0};
        QTest::newRow("Escape does nothing") << "Escape" << none << 1;
        QTest::newRow("close box neither records nor moves on") << "close" << none << 1;
        const int cleared = store::kClearedTime;
        QTest::newRow("Clear Data empties the table")
            << "OKButton CancelButton" << QList<int>{cleared, cleared, cleared} << 2;
        QTest::newRow("a time helped by a hint keeps its count") << "OKButton" << QList<int>{1, 0, 0} << 2;
    }
    void scoreDialog()
    {
        QFETCH(QString, answer);
        WindowHarness w(numberedBook(2));
        bool escapeKeptOpen = true;
        QString shownTime;
        w.onDialog = [&](QDialog &d) { // the score dialog, then the statistics the OK shows
            d.show();
            if (d.objectName() == "diagStats")
                shownTime = d.findChild<QLabel *>("lblSec_0")->text();
            const QString how = answer.section(' ', int(w.dialogs.size()) - 1, int(w.dialogs.size()) - 1);
            if (how == "Escape") {
                QTest::keyClick(&d, Qt::Key_Escape);
                escapeKeptOpen = d.isVisible();
            } else if (how == "close") {
                d.close();
            } else if (!how.isEmpty()) {
                QTest::mouseClick(d.findChild<QPushButton *>(how), Qt::LeftButton);
            }
        };
        const bool hinted = QByteArray(QTest::currentDataTag()).contains("hint");
        if (hinted)
            w.act("MNU_HINT")->trigger();
        for (const QPoint cell : {QPoint(2, 2), QPoint(3, 2), QPoint(2, 3), QPoint(3, 3)}) {
            w.clickCell(cell.x(), cell.y());
            w.typeOnBoard(
                Qt::Key(Qt::Key_0 + w.game.puzzle().solution(w.game.puzzle().cellAt(cell.x(), cell.y()))));
        }
        QCOMPARE(w.dialogs.first(), "frmScoreInput");
        QVERIFY(escapeKeptOpen);
        QCOMPARE(shownTime, !w.dialogs.contains("diagStats") ? ""
                            : hinted                         ? "1 (1 hint)"
                                                             : "1"); // the time just recorded
        const store::PuzzleStats &table = w.settings.values().puzzleStats[1];
        QTEST(QList<int>({table.bestTimes[1], table.bestTimes[2], table.bestTimes[3]}), "bestTimes");
        QCOMPARE(table.hintCounts[1], hinted ? 1 : 0);
        QTEST(w.openNumber(), "puzzle");
    }

    // Start-up: a corrupt book is reported before any window; Quit in the welcome ends with none.
    // A damaged file of the player's own puzzles is told once, kept as it is, and the book plays.
    void start_data()
    {
        QTest::addColumn<QString>("damaged");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("told");
        QTest::newRow("a corrupt book") << "book" << 1
                                        << "Korvel| The Database is corrupted - contact the author at "
                                           "author@norvane-games.example for more details";
        QTest::newRow("Quit in the welcome") << "" << 0 << "diagSWS";
        QTest::newRow("a damaged file of own puzzles")
            << "own" << 0 << "Korvel|Your puzzles in @own could not be read|diagSWS";
    }
    void start()
    {
        QFETCH(QString, damaged);
        QTemporaryDir dir;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
        const QString book = fixture::writeBook(dir.path(), {fixture::smallPuzzle()}),
                      own = dir.filePath("my-puzzles.qztw");
        QVERIFY(damaged.isEmpty() || fixture::writeFile(damaged == "book" ? book : own,
                                                        damaged == "book" ? "not a book" : "QZTW damaged"));
        QStringList shown;
        platform::setMessageResponder([&](const platform::MessageRequest &r) {
            shown << r.caption + '|' + r.text.section(" (", 0, 0);
            return QMessageBox::Ok;
        });
        platform::setDialogRunner([&](QDialog &d) {
            shown << d.objectName();
            if (damaged.isEmpty())
                QTest::mouseClick(static_cast<help::WelcomeDialog &>(d).quitButton, Qt::LeftButton);
            return damaged.isEmpty() ? d.result() : int(QDialog::Accepted);
        });
        app::Program program;
        QTEST(app::start(program, dir.path()), "code");
        platform::setMessageResponder({});
        platform::setDialogRunner({});
        QFETCH(QString, told);
        QCOMPARE(shown.join('|'), told.replace("@own", QDir::toNativeSeparators(own)));
        QCOMPARE(bool(program.window), damaged == "own");
        if (program.window) {
            QCOMPARE(program.game->puzzle().width(), 4);
            program.window->close();
            QCOMPARE(fixture::fileBytes(own), QByteArray("QZTW damaged"));
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
