// What a screen reader finds in the main window: the board as a table of named cells that tells
// of every change, Home to start from the keyboard, and a name on every button and menu entry.
#include "support/window_harness.h"
#include "view/board_accessibility.h"

#include <QAccessible>

#include <functional>

namespace {

// Row 1 reads "# 1 3", row 2 "2 4 #", row 3 "1 # #": clue (1, 1) heads an across and a down run,
// (2, 0) and (0, 2) head runs from the grid's edge, and (3, 1) and (1, 3) lie in one run each.
const QList<QStringList> kBoard = {{"# 1 3", "2 4 #", "1 # #"}, {"# 1 3", "2 4 #", "1 # #"}};

QStringList told; // "Focus 21", "Name 21" (column, row), "TableModel", "Name" for the table, in order

// "21" for the cell in column 2, row 1; empty for none, or for the table itself.
QString place(QAccessibleInterface *cell)
{
    QAccessibleTableCellInterface *c = cell ? cell->tableCellInterface() : nullptr;
    return c ? QStringLiteral("%1%2").arg(c->columnIndex()).arg(c->rowIndex()) : QString();
}

void recordBoardEvent(QAccessibleEvent &event)
{
    const QString kind =
        QString(QMetaEnum::fromType<QAccessible::Event>().valueToKey(event.type())).remove("Changed");
    told << (kind + ' ' + place(event.accessibleInterface())).trimmed();
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { view::setAccessibilityListener(recordBoardEvent); }

    // Every cell after: pen 1 over a mark 6 at (2, 1), a wrong pen 9 at (3, 1), pencil 4 at (2, 2),
    // and at (1, 3) a wrong 5 checked, then erased, then marked 8 and 2.
    void cellNames_data()
    {
        QTest::addColumn<QString>("cell"); // column and row
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        textRow("pen hides its marks", "21", "1 in pen", "across 4 in 2, down 5 in 2");
        textRow("marked wrong, one run", "31", "9 in pen, marked wrong", "across 4 in 2");
        textRow("pencil", "22", "4 in pencil", "across 6 in 2, down 5 in 2");
        textRow("empty", "12", "empty", "across 6 in 2, down 3 in 2");
        textRow("erased, mark and marks", "13", "empty, marked wrong, marks 2 8", "down 3 in 2");
        textRow("clue of two runs", "11", "across 4, down 3", "across 4 in 2, down 3 in 2");
        textRow("clue in row 0", "20", "down 5", "down 5 in 2");
        textRow("no run below a lone cell", "30", "block", "");
    }
    void cellNames()
    {
        WindowHarness w(kBoard);
        // (candidate mode, column, row, digit)
        for (const QList<int> &m : QList<QList<int>>{
                 {1, 2, 1, 6}, {1, 1, 3, 8}, {1, 1, 3, 2}, {0, 2, 1, 1}, {0, 3, 1, 9}, {0, 1, 3, 5}}) {
            w.game.setCandidateMode(m[0] != 0);
            w.game.write(m[1], m[2], m[3]);
        }
        w.game.checkAll();
        w.game.setPencilMode(true);
        w.game.write(2, 2, 4);
        w.game.erase(1, 3);
        QAccessibleInterface *board = QAccessible::queryAccessibleInterface(w.board());
        QCOMPARE(board->tableInterface()->rowCount() * 10 + board->tableInterface()->columnCount(), 44);
        QFETCH(QString, cell);
        QAccessibleInterface *named =
            board->tableInterface()->cellAt(cell[1].digitValue(), cell[0].digitValue());
        QCOMPARE(board->child(board->indexOfChild(named)), named);
        QTEST(named->text(QAccessible::Name), "name");
        QTEST(named->text(QAccessible::Description), "description");
    }

    // What the board tells from `setup` on ("select" clicks (2, 2), "select 8" writes 8 there,
    // "pause") when `input` comes: a key on the board or in the puzzle-number box, or a menu entry;
    // and the focused cell then.
    void boardTellsItsChanges_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("events");
        QTest::addColumn<QString>("focused");
        textRow("Home starts at the first entry cell", "", "key:Home", "Focus 21", "21");
        textRow("Home in the number box stays there", "", "box:Home", "", "");
        textRow("Home is no key while paused", "pause", "key:Home", "TableModel, Name", "");
        textRow("a click and an arrow move the focus", "select", "key:Left", "Focus 22, Focus 12", "12");
        textRow("a digit renames its cell", "select", "key:7", "Focus 22, Name 22", "22");
        textRow("checking renames", "select 8", "menu:MNU_CHK_ALL", "Focus 22, Name 22, Name 22", "22");
        textRow("a new puzzle resets the table", "select", "menu:MNU_NEXT", "Focus 22, TableModel", "");
        textRow("a pause empties the table", "select", "menu:MNU_PAUSE", "Focus 22, TableModel, Name", "");
    }
    void boardTellsItsChanges()
    {
        QFETCH(QString, setup);
        WindowHarness w(kBoard);
        QVERIFY(w.windowActive);
        told.clear();
        if (setup.startsWith("select"))
            w.clickCell(2, 2);
        if (setup == "select 8")
            w.typeOnBoard(Qt::Key_8);
        if (setup == "pause")
            w.act("MNU_PAUSE")->trigger();
        QFETCH(QString, input);
        const QString kind = input.section(':', 0, 0), what = input.section(':', 1);
        if (kind == "menu")
            w.act(what)->trigger();
        else
            QTest::keyClick(kind == "box" ? w.find<QWidget>("txtGN") : w.picture(),
                            QKeySequence(what)[0].key());
        QTEST(told.join(", "), "events");
        QAccessibleInterface *focused = QAccessible::queryAccessibleInterface(w.board())->focusChild();
        QTEST(place(focused), "focused");
        QCOMPARE(focused && focused->state().focused, focused != nullptr);
    }

    // A toolbar control or menu entry without text of its own needs a name for screen readers.
    void everyControlHasAName()
    {
        WindowHarness w(kBoard);
        const QList<QAccessible::Role> controls = {QAccessible::MenuItem, QAccessible::Button,
                                                   QAccessible::CheckBox, QAccessible::EditableText};
        QStringList nameless;
        std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *node) {
            if (controls.contains(node->role()) && node->text(QAccessible::Name).isEmpty())
                nameless << node->object()->objectName();
            for (int k = 0; k < node->childCount(); ++k)
                walk(node->child(k));
        };
        walk(QAccessible::queryAccessibleInterface(w.window.get()));
        QCOMPARE(nameless, QStringList());
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
