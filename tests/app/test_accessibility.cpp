// What a screen reader finds in the main window: the board as a table of named cells, counted
// from the grid's first row and column, that tells of every change by a focus on the cell made
// anew and of outcomes by notices; scrolling that follows the keys; toolbar buttons whose Toggle
// action plays; and a name on every control of the window and its dialogs.
#include "app/score_dialogs.h"
#include "support/window_harness.h"
#include "view/board_accessibility.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QHash>

#include <functional>

namespace {

// Row 1 reads "# 1 3", row 2 "2 4 #", row 3 "1 # #": clue (1, 1) heads an across and a down run,
// (3, 2) heads none, and (3, 1) and (1, 3) lie in one run each.
const QList<QStringList> kBoard = {{"# 1 3", "2 4 #", "1 # #"}, {"# 1 3", "2 4 #", "1 # #"}};

QStringList told; // "Focus 21" (column, row), " anew" for a cell made again, "Notice <text>", in order
QHash<QString, QAccessible::Id> cellIds; // the object each place was last told with

// "21" for the grid cell in column 2, row 1; empty for none, or for the table itself.
QString place(QAccessibleInterface *cell)
{
    QAccessibleTableCellInterface *c = cell ? cell->tableCellInterface() : nullptr;
    return c ? QStringLiteral("%1%2").arg(c->columnIndex() + 1).arg(c->rowIndex() + 1) : QString();
}

void recordBoardEvent(QAccessibleEvent &event)
{
    QAccessibleInterface *source = event.accessibleInterface();
    if (event.type() == QAccessible::ObjectShow) {
        told << "Notice " + source->text(QAccessible::Name);
        return;
    }
    const QString at = place(source);
    QString entry =
        (QString(QMetaEnum::fromType<QAccessible::Event>().valueToKey(event.type())).remove("Changed") + ' ' +
         at)
            .trimmed();
    if (!at.isEmpty()) {
        const QAccessible::Id id = QAccessible::uniqueId(source);
        if (cellIds.contains(at) && cellIds[at] != id)
            entry += " anew";
        cellIds[at] = id;
    }
    told << entry;
}

// Runs steps such as "click:22", "key:Left", "box:Home" (a key in the puzzle-number box) and
// "menu:MNU_UNDO", separated by commas.
void play(WindowHarness &w, const QString &steps)
{
    for (const QString &step : steps.split(',', Qt::SkipEmptyParts)) {
        const QString kind = step.section(':', 0, 0), what = step.section(':', 1);
        if (kind == "click")
            w.clickCell(what[0].digitValue(), what[1].digitValue());
        else if (kind == "menu")
            w.act(what)->trigger();
        else
            QTest::keyClick(kind == "box" ? w.find<QWidget>("txtGN") : w.picture(),
                            QKeySequence(what)[0].key());
    }
}

QAccessibleInterface *boardTable(WindowHarness &w)
{
    return QAccessible::queryAccessibleInterface(w.picture());
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A listener stands for a screen reader: the board then starts on its first entry cell.
    void initTestCase() { view::setAccessibilityListener(recordBoardEvent); }

    // Every cell after: pen 1 over a mark 6 at (2, 1), a wrong pen 9 at (3, 1) that breaks the
    // run's sum, and at (1, 3) a wrong 5 checked; conflicts and the solution shown; then pencil 4
    // written at (2, 2) and (1, 3) erased and marked 8 and 2, which draw those cells again.
    void cellNames_data()
    {
        QTest::addColumn<QString>("cell"); // column and row
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        textRow("pen hides its marks; conflict, solution", "21", "1 in pen, conflict, solution 1",
                "across 4 in 2, down 5 in 2");
        textRow("marked wrong, one run", "31", "9 in pen, marked wrong, conflict, solution 3",
                "across 4 in 2");
        textRow("drawn again: no solution", "22", "4 in pencil", "across 6 in 2, down 5 in 2");
        textRow("empty", "12", "empty, solution 2", "across 6 in 2, down 3 in 2");
        textRow("erased, mark and marks", "13", "empty, marked wrong, marks 2 8", "down 3 in 2");
        textRow("clue of two runs", "11", "across 4, down 3", "across 4 in 2, down 3 in 2");
        textRow("block", "32", "block", "");
    }
    void cellNames()
    {
        WindowHarness w(kBoard);
        // (candidate mode, column, row, digit)
        for (const QList<int> &m :
             QList<QList<int>>{{1, 2, 1, 6}, {0, 2, 1, 1}, {0, 3, 1, 9}, {0, 1, 3, 5}}) {
            w.game.setCandidateMode(m[0] != 0);
            w.game.write(m[1], m[2], m[3]);
        }
        w.game.checkAll();
        w.act("MNU_CONFLICTS")->trigger();
        w.game.revealSolution();
        w.game.setPencilMode(true);
        w.game.write(2, 2, 4);
        w.game.erase(1, 3);
        w.game.setCandidateMode(true);
        w.game.write(1, 3, 8);
        w.game.write(1, 3, 2);
        QAccessibleInterface *board = boardTable(w);
        QCOMPARE(board->tableInterface()->rowCount() * 10 + board->tableInterface()->columnCount(), 33);
        QFETCH(QString, cell);
        QAccessibleInterface *named =
            board->tableInterface()->cellAt(cell[1].digitValue() - 1, cell[0].digitValue() - 1);
        QCOMPARE(board->child(board->indexOfChild(named)), named);
        QTEST(named->text(QAccessible::Name), "name");
        QTEST(named->text(QAccessible::Description), "description");
    }

    // With the combinations window shown, a cell's description reads its combinations too, those
    // the written digits rule out named as such; without it, only the runs.
    void combinationsOnDemand()
    {
        WindowHarness w(kBoard);
        w.game.write(2, 2, 4);
        QAccessibleInterface *cell = boardTable(w)->tableInterface()->cellAt(1, 0); // (1, 2)
        w.act("MNU_COMBOS")->trigger();
        QCOMPARE(
            cell->text(QAccessible::Description),
            "across 6 in 2, down 3 in 2. Across 6 in 2 cells: 2 4; ruled out: 1 5. Down 3 in 2 cells: 1 2. "
            "This cell can take 2.");
        w.act("MNU_COMBOS")->trigger();
        QCOMPARE(cell->text(QAccessible::Description), "across 6 in 2, down 3 in 2");
    }

    // What the board tells from `setup` on when `input` comes (see play()), and the cell that
    // holds the focus then. The board starts with (2, 1) selected. A digit, a check, a hint, a
    // pause and a new puzzle are played with the real screen-reader stack (tests/screen_reader).
    void boardTellsItsChanges_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("events");
        QTest::addColumn<QString>("focused");
        textRow("Home starts at the first entry cell", "click:22", "key:Home", "Focus 22, Focus 21", "21");
        textRow("Home is no key while paused", "menu:MNU_PAUSE", "key:Home", "TableModel, Name, Focus", "");
        textRow("undo focuses what it changed", "click:22,key:8,key:Left", "menu:MNU_UNDO",
                "Focus 22, Focus 22 anew, Focus 12, Name 22 anew, Focus 22", "22");
        textRow("going on focuses the cell again", "click:22,menu:MNU_PAUSE", "menu:MNU_PAUSE",
                "Focus 22, TableModel, Name, Focus, TableModel, Name, Focus 22 anew", "22");
    }
    void boardTellsItsChanges()
    {
        WindowHarness w(kBoard);
        QVERIFY(w.windowActive);
        told.clear();
        cellIds.clear();
        QFETCH(QString, setup);
        QFETCH(QString, input);
        play(w, setup + ',' + input);
        QTEST(told.join(", "), "events");
        QAccessibleInterface *focused = boardTable(w)->focusChild();
        QTEST(focused && focused->state().focused ? place(focused) : QString(), "focused");
    }

    // Keys that move the selection scroll the zoomed board to keep the cell in view; cells out of
    // view say so.
    void selectionByKeyStaysInView()
    {
        QStringList rows; // a 10 x 10 grid: a Latin square of 9 x 9 with blocks along its right and foot
        for (int r = 0; r < 9; ++r) {
            QString row;
            for (int c = 0; c < 9; ++c)
                row += QString::number((r + c) % 9 + 1) + ' ';
            rows << row + '#';
        }
        rows << QString("# ").repeated(10).trimmed();
        WindowHarness w({rows});
        for (int k = 0; k < view::BoardView::kMaxZoom; ++k)
            w.act("MNU_ZOOMIN")->trigger();
        QVERIFY(!w.board()->showsCell(9, 9));
        QVERIFY(boardTable(w)->tableInterface()->cellAt(8, 8)->state().offscreen);
        for (int k = 0; k < 8; ++k) {
            w.typeOnBoard(Qt::Key_Right);
            w.typeOnBoard(Qt::Key_Down);
            QVERIFY2(w.board()->showsCell(w.board()->selectedCol(), w.board()->selectedRow()),
                     qPrintable(QString::number(k)));
        }
        QCOMPARE(w.board()->selectedCol() * 10 + w.board()->selectedRow(), 99);
        QVERIFY(!boardTable(w)->tableInterface()->cellAt(8, 8)->state().offscreen);
    }

    // The Toggle action of a checkable toolbar button, as a screen reader runs it, plays the button.
    void toggleActionPlaysTheButton_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("checked"); // the buttons down after it, of tb_6, tb_7 and the digits
        textRow("Pen while in pen", "tb_7", "tb_7");
        textRow("a digit tool", "tbNumButns_4", "tbNumButns_4 tb_7");
    }
    void toggleActionPlaysTheButton()
    {
        WindowHarness w(kBoard);
        QFETCH(QString, button);
        const QString bar = button.startsWith("tb_") ? "tb" : "tbNumButns";
        QAccessibleInterface *control = QAccessible::queryAccessibleInterface(w.button(bar, button));
        control->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCoreApplication::processEvents();
        QStringList down;
        for (QAction *a : w.window->findChildren<QAction *>()) {
            if (a->objectName().startsWith("tb") && a->isChecked()) {
                const QString barOf = a->objectName().startsWith("tb_") ? "tb" : "tbNumButns";
                QCOMPARE(qobject_cast<QAbstractButton *>(w.button(barOf, a->objectName()))->isChecked(),
                         true);
                down << a->objectName();
            }
        }
        down.sort();
        QTEST(down.join(' '), "checked");
    }

    // Every control of the window and of its dialogs has a name, and no two controls of one
    // window share a name (three buttons all "Font Color" tell the reader nothing).
    void everyControlHasItsOwnName_data()
    {
        QTest::addColumn<QString>("window");
        textRow("main window", "");
        textRow("print dialog", "MNU_PRN");
        textRow("score dialog", "score");
    }
    void everyControlHasItsOwnName()
    {
        WindowHarness w(kBoard);
        QStringList problems;
        const auto inspect = [&problems](QWidget *root) {
            // A combo box is read by its value and its caption's relation; its line takes the focus.
            const QList<QAccessible::Role> controls = {QAccessible::MenuItem, QAccessible::Button,
                                                       QAccessible::CheckBox, QAccessible::EditableText,
                                                       QAccessible::Graphic};
            QHash<QString, QString> seen; // name -> objectName, per window
            std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *node) {
                const QString name = node->text(QAccessible::Name);
                if (controls.contains(node->role()) && node->object()) {
                    const QString who = node->object()->objectName();
                    if (name.trimmed().isEmpty() || name != name.trimmed())
                        problems << who + " has no clean name";
                    else if (node->role() == QAccessible::MenuItem)
                        ; // a menu entry may repeat a button's name
                    else if (seen.contains(name))
                        problems << who + " and " + seen[name] + " share " + name;
                    else
                        seen.insert(name, who);
                }
                for (int k = 0; k < node->childCount(); ++k)
                    walk(node->child(k));
            };
            walk(QAccessible::queryAccessibleInterface(root));
        };
        QFETCH(QString, window);
        if (window.isEmpty()) {
            inspect(w.window.get());
        } else if (window == "score") {
            app::ScoreDialog score(w.game, w.settings, w.window.get());
            inspect(&score);
            QVERIFY(score.findChild<QWidget *>("OKButton")
                        ->accessibleDescription()
                        .contains(w.game.clock().text()));
        } else {
            w.onDialog = [&](QDialog &dialog) { inspect(&dialog); };
            w.act(window)->trigger();
            QCOMPARE(w.dialogs.size(), 1);
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
