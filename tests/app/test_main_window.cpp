// The main window's wiring on its real widgets: each menu entry, toolbar button and key with what
// it does, the menus and toolbar as the player sees them, the score dialog at completion, the
// board layout, and the program's start.
#include "app/startup.h"
#include "platform/app_identity.h"
#include "shell/shell_dialogs.h"
#include "support/window_harness.h"
#include "view/board_layout.h"
#include "view/tool_images.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QToolButton>

namespace {

// Which of the toolbar and board pointers `widget` shows; empty for none of them.
QString pointerOf(const QWidget *widget)
{
    using namespace view::toolImage;
    const std::pair<int, const char *> known[] = {{PencilPointer, "pencil button"}, {PenPointer, "pen button"},
                                                  {BoardPencil, "board pencil"}, {BoardPen, "board pen"},
                                                  {BoardEraser, "board eraser"}};
    for (const auto &[index, name] : known)
        if (widget->testAttribute(Qt::WA_SetCursor) &&
            widget->cursor().pixmap().cacheKey() == view::toolImages().pointer(index).pixmap().cacheKey())
            return QString::fromLatin1(name);
    return widget->testAttribute(Qt::WA_SetCursor) ? QStringLiteral("other") : QString();
}

// The window on puzzle 2 of 3, with the harness recording what an input changes.
struct Wired : WindowHarness {
    explicit Wired(bool pencil) : WindowHarness(numberedBook(3), 2, pencil) {}

    struct State {
        int puzzle, zoom, tool, col, row;
        bool pencil;
        QString entries, pointer;
    };
    State state() const
    {
        return {openNumber(), board()->zoomLevel(), board()->numberTool(), board()->selectedCol(),
                board()->selectedRow(), game.pencilMode(), entries(), pointerOf(picture())};
    }
    // What changed since `s`, in a fixed order.
    QString changes(const State &s, int solutions) const
    {
        QStringList out;
        for (const QString &m : messages)
            out << QStringLiteral("message ") + m;
        for (const QString &d : dialogs)
            out << QStringLiteral("dialog ") + d;
        for (int p : pauses)
            out << QStringLiteral("pause %1").arg(p);
        for (const QString &d : documents)
            out << QStringLiteral("open ") + QString(d).remove(dir.path() + QLatin1Char('/'));
        const State now = state();
        if (now.puzzle != s.puzzle)
            out << QStringLiteral("puzzle %1").arg(now.puzzle);
        else if (now.entries != s.entries)
            out << QStringLiteral("entries ") + now.entries;
        if (now.zoom != s.zoom)
            out << QStringLiteral("zoom %1").arg(now.zoom);
        if (now.pencil != s.pencil)
            out << (now.pencil ? QStringLiteral("pencil") : QStringLiteral("pen"));
        if (now.tool != s.tool)
            out << QStringLiteral("tool %1").arg(now.tool);
        if (now.pointer != s.pointer)
            out << QStringLiteral("pointer ") + now.pointer;
        if (now.col > 0 && (now.col != s.col || now.row != s.row))
            out << QStringLiteral("select %1%2").arg(now.col).arg(now.row);
        if (solutions)
            out << QStringLiteral("solution");
        if (window->isMinimized())
            out << QStringLiteral("minimised");
        if (!window->isVisible())
            out << QStringLiteral("closed");
        if (window->testAttribute(Qt::WA_SetCursor)) // tool pointers belong on the board alone
            out << QStringLiteral("window pointer");
        return out.join(QStringLiteral("; "));
    }
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Setup: "tool" chooses digit 3 first, "pencil" starts in pencil mode; every row starts with
    // cell (2, 2) selected and a wrong pen 4 in it. Input: "menu:" an entry, "bar:" a toolbar
    // button, "key:" a key on the board, "box:" a key in the puzzle-number box.
    void wiring_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("effect");
        const QString question = QStringLiteral("message Korvel - Alert|Are you sure to RESTART puzzle?");
        QTest::newRow("next game") << "" << "menu:MNU_NEXT" << true << "puzzle 3";
        QTest::newRow("previous game") << "" << "menu:MNU_PREV" << true << "puzzle 1";
        QTest::newRow("restart, Yes") << "" << "menu:MNU_RST" << true << question + "; entries ";
        QTest::newRow("restart, No") << "" << "menu:MNU_RST" << false << question;
        QTest::newRow("save pauses") << "" << "menu:MNU_SAVE" << true << "pause 800";
        QTest::newRow("statistics") << "" << "menu:MNU_STATS" << true << "dialog diagStats";
        QTest::newRow("print") << "" << "menu:MNU_PRN" << true << "dialog frmPrinterDialog";
        QTest::newRow("more puzzles") << "" << "menu:MNU_MP" << true << "open HELP/more-puzzles.htm";
        QTest::newRow("more puzzles, help menu") << "" << "menu:MNU_MP_H" << true << "open HELP/more-puzzles.htm";
        QTest::newRow("how to play") << "" << "menu:MNU_HTP" << true << "open HELP/help1.htm";
        QTest::newRow("web site") << "" << "menu:MNU_CS_WEB" << true << "open " + platform::gameWebPage;
        QTest::newRow("about") << "" << "menu:MNU_ABT" << true << "dialog frmAbt";
        QTest::newRow("exit") << "" << "menu:MNU_XIT" << true << "closed";
        QTest::newRow("check all") << "" << "menu:MNU_CHK_ALL" << true << "pause 500; entries 22:4!";
        QTest::newRow("menu pencil keeps pointer and tool") << "tool" << "menu:MNU_PEN_2" << true << "pencil";
        QTest::newRow("menu pen") << "pencil" << "menu:MNU_PEN_1" << true << "pen";
        QTest::newRow("toolbar Pencil") << "tool" << "bar:tb_6" << true << "pencil; tool 11; pointer pencil button";
        QTest::newRow("toolbar Pen") << "pencil tool" << "bar:tb_7" << true << "pen; tool 11; pointer pen button";
        QTest::newRow("toolbar Check puts the tool down")
            << "tool" << "bar:tb_9" << true << "pause 500; entries 22:4!; tool 11";
        QTest::newRow("toolbar Prev") << "" << "bar:tb_1" << true << "puzzle 1";
        QTest::newRow("eraser") << "" << "bar:tbNumButns_10" << true << "tool 10";
        QTest::newRow("no tool button") << "tool" << "bar:tbNumButns_11" << true << "tool 11";
        QTest::newRow("Ctrl+Z zooms in") << "" << "key:Ctrl+Z" << true << "zoom 4";
        QTest::newRow("Ctrl+O zooms out") << "" << "key:Ctrl+O" << true << "zoom 2";
        QTest::newRow("F9 shows the solution") << "" << "key:F9" << true << "solution";
        QTest::newRow("F12 prints") << "" << "key:F12" << true << "dialog frmPrinterDialog";
        QTest::newRow("Escape minimises") << "" << "key:Esc" << true << "minimised";
        QTest::newRow("Down moves the selection") << "" << "key:Down" << true << "select 23";
        QTest::newRow("Down stays in the number box") << "" << "box:Down" << true << "";
        QTest::newRow("Escape stays in the number box") << "" << "box:Esc" << true << "";
        QTest::newRow("F9 stays in the number box") << "" << "box:F9" << true << "";
        QTest::newRow("F12 stays in the number box") << "" << "box:F12" << true << "";
        QTest::newRow("Ctrl+Z in the number box zooms") << "" << "box:Ctrl+Z" << true << "zoom 4";
    }
    void wiring()
    {
        QFETCH(QString, setup);
        QFETCH(QString, input);
        QFETCH(QString, effect);
        Wired w(setup.contains(QLatin1String("pencil")));
        QVERIFY(w.windowActive);
        w.clickCell(2, 2);
        w.typeOnBoard(Qt::Key_4);
        if (setup.contains(QLatin1String("tool")))
            QTest::mouseClick(w.button(QStringLiteral("tbNumButns"), QStringLiteral("tbNumButns_3")), Qt::LeftButton);
        QFETCH(bool, yes);
        w.answerYes = yes;
        const Wired::State before = w.state();
        QSignalSpy solutions(&w.game, &game::Game::solutionRevealed);
        const QString kind = input.section(QLatin1Char(':'), 0, 0), what = input.section(QLatin1Char(':'), 1);
        if (kind == QLatin1String("menu")) {
            w.act(what)->trigger();
        } else if (kind == QLatin1String("bar")) {
            QWidget *b = w.button(what.startsWith(QLatin1String("tbNum")) ? QStringLiteral("tbNumButns")
                                                                           : QStringLiteral("tb"), what);
            QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
        } else {
            QWidget *target = w.picture();
            if (kind == QLatin1String("box")) {
                target = w.find<QLineEdit>(QStringLiteral("txtGN"));
                target->setFocus();
            }
            const QKeyCombination key = QKeySequence::fromString(what)[0];
            QTest::keyClick(target, key.key(), key.keyboardModifiers());
        }
        QCOMPARE(w.changes(before, int(solutions.count())), effect);
    }

    // The menus in order with their captions and shortcuts, and the main toolbar's nine buttons.
    void menusAndToolbarAsShown()
    {
        WindowHarness w(numberedBook(1));
        QStringList shown;
        for (QAction *menu : w.window->menuBar()->actions()) {
            shown << menu->menu()->objectName() + QLatin1Char(' ') + menu->text();
            for (QAction *a : menu->menu()->actions())
                shown << QStringLiteral("  %1 %2 %3").arg(a->objectName(), a->isSeparator() ? "-" : a->text(),
                                                          a->shortcut().toString());
        }
        QCOMPARE(shown, QStringList({"MNU_GM Game", "  MNU_NEXT Next game Ctrl+N", "  MNU_PREV Previous Game Ctrl+B",
                                     "  MNU_RST Restart Game ", "  MNU_SAVE Save Game ", "  MNU_SEP - ",
                                     "  MNU_STATS Statistics ", "  MNU_PRN Print Game ", "  MNU_SEP2 - ",
                                     "  MNU_MP More Puzzles ", "  MNU_SEP3 - ", "  MNU_XIT Exit ",
                                     "MNU_SOLV Solving", "  MNU_PEN_1 Use pen ", "  MNU_PEN_2 Use Pencil ",
                                     "  MNU_SEP_S - ", "  MNU_CHK_ALL Check All ", "  MNU_ZOOMIN Zoom In + Ctrl+Z",
                                     "  MNU_ZOOMOUT Zoom Out - Ctrl+O", "MNU_HLPMN Help", "  MNU_HTP How to play F1",
                                     "  MNU_MP_H More Puzzles ", "  MNU_CS_WEB Korvel Website ", "  MNU_SEP_H - ",
                                     "  MNU_ABT About Korvel "}));
        QStringList bar;
        for (QAction *a : w.find<QToolBar>(QStringLiteral("tb"))->actions().first(9))
            bar << a->objectName() + QLatin1Char(' ') + (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(bar, QStringList({"tb_1 Prev", "tb_2 -", "tb_3 Next", "tb_4 Restart", "tb_5 -", "tb_6 Pencil",
                                   "tb_7 Pen", "tb_8 -", "tb_9 Check"}));
        // The no-tool button: a picture, no caption, and a name for tool tips and screen readers.
        auto *noTool = qobject_cast<QToolButton *>(w.button(QStringLiteral("tbNumButns"), QStringLiteral("tbNumButns_11")));
        QVERIFY(noTool->isVisible() && !noTool->icon().isNull() && noTool->text().isEmpty());
        QCOMPARE(noTool->toolTip(), QStringLiteral("No tool"));
        QCOMPARE(noTool->accessibleName(), QStringLiteral("No tool"));
    }

    // Completing the puzzle opens the score dialog; only OK records the time and moves on.
    void scoreDialog_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("bestTime"); // rank 1's time afterwards, 0 for none
        QTest::addColumn<int>("puzzle");
        QTest::newRow("OK records and moves on") << "ok" << 1 << 2;
        QTest::newRow("Escape does nothing") << "escape" << 0 << 1;
        QTest::newRow("close box neither records nor moves on") << "close" << 0 << 1;
        QTest::newRow("Clear Data empties the table") << "clear" << int(store::kClearedTime) << 2;
    }
    void scoreDialog()
    {
        QFETCH(QString, answer);
        WindowHarness w(numberedBook(2));
        bool escapeKeptOpen = true;
        w.onDialog = [&](QDialog &d) {
            d.show();
            const auto click = [&](const char *name) {
                QTest::mouseClick(d.findChild<QPushButton *>(QLatin1String(name)), Qt::LeftButton);
            };
            if (d.objectName() == QLatin1String("diagStats") && answer == QLatin1String("clear"))
                click("CancelButton");
            else if (answer == QLatin1String("escape")) {
                QTest::keyClick(&d, Qt::Key_Escape);
                escapeKeptOpen = d.isVisible();
            } else if (answer == QLatin1String("close"))
                d.close();
            else if (d.objectName() == QLatin1String("frmScoreInput"))
                click("OKButton");
        };
        const puzzle::Puzzle &p = w.game.puzzle();
        for (const QPoint cell : {QPoint(2, 2), QPoint(3, 2), QPoint(2, 3), QPoint(3, 3)}) {
            w.clickCell(cell.x(), cell.y());
            w.typeOnBoard(Qt::Key(Qt::Key_0 + p.solutionAt(cell.x(), cell.y())));
        }
        QCOMPARE(w.dialogs.first(), QStringLiteral("frmScoreInput"));
        QVERIFY(escapeKeptOpen);
        QTEST(int(w.settings.puzzleStats[1].bestTimes[1]), "bestTime");
        QTEST(w.openNumber(), "puzzle");
    }

    // A bar shows exactly when the picture is larger than the view; at its maximum the picture's
    // last pixel touches the view's edge.
    void boardLayout_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<bool>("vBar");
        QTest::addColumn<bool>("hBar");
        QTest::newRow("fits exactly") << QSize(400, 300) << false << false;
        QTest::newRow("one pixel too wide") << QSize(401, 283) << false << true;
        QTest::newRow("one pixel too tall") << QSize(383, 301) << true << false;
        QTest::newRow("a shown bar makes the other needed") << QSize(401, 290) << true << true;
        QTest::newRow("largest board at zoom step 10") << QSize(31 * 70 + 1, 31 * 70 + 1) << true << true;
    }
    void boardLayout()
    {
        QFETCH(QSize, picture);
        const QSize space(400, 300);
        const int bar = 17;
        const view::BoardLayout g = view::computeBoardLayout(space, picture, bar, bar);
        QTEST(g.vScrollVisible, "vBar");
        QTEST(g.hScrollVisible, "hBar");
        QCOMPARE(g.view.width() + (g.vScrollVisible ? bar : 0), space.width());
        QCOMPARE(g.view.height() + (g.hScrollVisible ? bar : 0), space.height());
        QCOMPARE(g.vScroll.left(), g.view.right() + 1);
        QCOMPARE(g.hScroll.top(), g.view.bottom() + 1);
        QCOMPARE(g.view.height() + g.vScrollMax, g.vScrollVisible ? picture.height() : g.view.height());
        QCOMPARE(g.view.width() + g.hScrollMax, g.hScrollVisible ? picture.width() : g.view.width());
    }

    // On the window: a board as high as zoom step 10 allows shows no vertical bar, and the
    // horizontal bar sits on the window's bottom edge.
    void boardReachesTheWindowsBottom()
    {
        WindowHarness w({{"# # # # # # # # # # # #", "# 1 2 3 4 5 # 1 2 3 4 5", "# 2 3 4 5 6 # 2 3 4 5 6",
                          "# 3 4 5 6 7 # 3 4 5 6 7", "# 4 5 6 7 8 # 4 5 6 7 8"}});
        for (int k = 0; k < 7; ++k)
            w.act(QStringLiteral("MNU_ZOOMIN"))->trigger();
        QCOMPARE(w.board()->zoomLevel(), view::BoardView::kMaxZoom);
        auto *hBar = w.find<QScrollBar>(QStringLiteral("HScroll1"));
        QVERIFY(!w.find<QScrollBar>(QStringLiteral("VScroll1"))->isVisible() && hBar->isVisible());
        QCOMPARE(hBar->mapTo(w.window.get(), QPoint(0, hBar->height())).y(), w.window->height());
        QCOMPARE(hBar->maximum(), w.picture()->width() - w.picture()->parentWidget()->width());
    }

    // Start-up: a corrupt book is reported before any window; Quit in the welcome ends with none.
    void start_data()
    {
        QTest::addColumn<bool>("corrupt");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("corrupt book") << true << 1
                                      << QStringList{"Korvel| The Database is corrupted - contact the author at "
                                                     "author@norvane-games.example for more details"};
        QTest::newRow("Quit in the welcome") << false << 0 << QStringList{"diagSWS"};
    }
    void start()
    {
        QFETCH(bool, corrupt);
        QTemporaryDir dir;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("config"))));
        const QString book = fixture::writeBook(dir.path(), {fixture::smallPuzzle()});
        if (corrupt) {
            QFile file(book);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("not a book");
        }
        QStringList shown;
        platform::setMessageResponder([&](const platform::MessageRequest &r) {
            shown << r.caption + QLatin1Char('|') + r.text;
            return QMessageBox::Ok;
        });
        platform::setDialogRunner([&](QDialog &d) {
            shown << d.objectName();
            d.show();
            QTest::mouseClick(static_cast<shell::WelcomeDialog &>(d).quitButton, Qt::LeftButton);
            return d.result();
        });
        app::Program program;
        QTEST(app::start(program, dir.path()), "status");
        platform::setMessageResponder({});
        platform::setDialogRunner({});
        QTEST(shown, "shown");
        QVERIFY(!program.window);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
