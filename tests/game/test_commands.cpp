// The menus, the two toolbars and the pen/pencil switch of the main window, driven by name.
#include "game/toolbar_images.h"
#include "platform/app_identity.h"
#include "support/window_harness.h"

namespace {

QList<QStringList> threePuzzles() { return {fixture::smallPuzzle(), {"###", "#12", "#34"}, {"###", "#98", "#79"}}; }

} // namespace

class TestCommands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void penAndPencilAgree_data()
    {
        QTest::addColumn<int>("startMode");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("pointer"); // picture of the window's pointer afterwards
        QTest::newRow("loaded in pen") << 0 << QStringList{} << 0 << tbImage::BoardPen;
        QTest::newRow("loaded in pencil") << 1 << QStringList{} << 1 << tbImage::BoardPencil;
        QTest::newRow("menu Use Pencil keeps the pointer") << 0 << QStringList{"menu:MNU_PEN_2"} << 1 << tbImage::BoardPen;
        QTest::newRow("menu Use pen") << 1 << QStringList{"menu:MNU_PEN_1"} << 0 << tbImage::BoardPencil;
        QTest::newRow("menu Use pen while checked") << 0 << QStringList{"menu:MNU_PEN_1"} << 0 << tbImage::BoardPen;
        QTest::newRow("Pencil button") << 0 << QStringList{"tb:tb_6"} << 1 << tbImage::PencilPointer;
        QTest::newRow("Pen button") << 1 << QStringList{"tb:tb_7"} << 0 << tbImage::PenPointer;
        QTest::newRow("Pen button while pressed") << 0 << QStringList{"tb:tb_7"} << 0 << tbImage::PenPointer;
        QTest::newRow("menu, then button") << 0 << QStringList{"menu:MNU_PEN_2", "tb:tb_7"} << 0 << tbImage::PenPointer;
    }
    void penAndPencilAgree()
    {
        QFETCH(int, startMode);
        QFETCH(QStringList, steps);
        QFETCH(int, mode);
        QFETCH(int, pointer);
        WindowHarness h(threePuzzles(), startMode);
        h.perform(steps);
        QCOMPARE(int(h.board.pencilMode), mode);
        QCOMPARE(h.act("MNU_PEN_1")->isChecked(), mode == 0);
        QCOMPARE(h.act("MNU_PEN_2")->isChecked(), mode == 1);
        QCOMPARE(h.act("tb_7")->isChecked(), mode == 0);
        QCOMPARE(h.act("tb_6")->isChecked(), mode == 1);
        QVERIFY(h.pointerIs(h.w().tbImg().image(pointer)));
    }

    void numberTool_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("tool");
        QTest::newRow("digit 9") << QStringList{"num:9"} << 9;
        QTest::newRow("eraser") << QStringList{"num:10"} << 10;
        QTest::newRow("another digit replaces it") << QStringList{"num:2", "num:7"} << 7;
        QTest::newRow("the same digit twice stays") << QStringList{"num:5", "num:5"} << 5;
        QTest::newRow("no tool") << QStringList{"num:3", "num:11"} << 11;
        QTest::newRow("Prev puts it down") << QStringList{"num:4", "tb:tb_1"} << 11;
        QTest::newRow("Next puts it down") << QStringList{"num:4", "tb:tb_3"} << 11;
        QTest::newRow("Restart puts it down") << QStringList{"num:4", "tb:tb_4"} << 11;
        QTest::newRow("Pencil puts it down") << QStringList{"num:4", "tb:tb_6"} << 11;
        QTest::newRow("Pen releases the eraser") << QStringList{"num:10", "tb:tb_7"} << 11;
        QTest::newRow("Check puts it down") << QStringList{"num:4", "tb:tb_9"} << 11;
        QTest::newRow("menus leave it") << QStringList{"num:4", "menu:MNU_PEN_2", "menu:MNU_CHK_ALL"} << 4;
    }
    void numberTool()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, tool);
        WindowHarness h(threePuzzles(), 1, 2);
        h.answerYes = false;
        h.perform(steps);
        QCOMPARE(h.w().numberTool, tool);
        QCOMPARE(h.pressedNumberButtons(), tool > 10 ? QList<int>{} : QList<int>{tool});
    }

    void commandsReachTheirTargets_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("outcome"); // %help, %more: the pages beside the program
        QTest::newRow("Statistics") << "menu:MNU_STATS" << "dialog diagStats";
        QTest::newRow("Print Game") << "menu:MNU_PRN" << "dialog frmPrinterDialog";
        QTest::newRow("About Korvel") << "menu:MNU_ABT" << "dialog frmAbt";
        QTest::newRow("More Puzzles (Game)") << "menu:MNU_MP" << "open %more";
        QTest::newRow("More Puzzles (Help)") << "menu:MNU_MP_H" << "open %more";
        QTest::newRow("How to play, F1") << "key:F1" << "open %help";
        QTest::newRow("Korvel Website") << "menu:MNU_CS_WEB" << "open " + appIdentity::gameWebPage;
        QTest::newRow("Next game, Ctrl+N") << "key:Ctrl+N" << "puzzle 3";
        QTest::newRow("toolbar Next") << "tb:tb_3" << "puzzle 3";
        QTest::newRow("Previous Game, Ctrl+B") << "key:Ctrl+B" << "puzzle 1";
        QTest::newRow("toolbar Prev") << "tb:tb_1" << "puzzle 1";
        QTest::newRow("Zoom In, Ctrl+Z") << "key:Ctrl+Z" << "cell 40";
        QTest::newRow("Zoom Out, Ctrl+O") << "key:Ctrl+O" << "cell 30";
        QTest::newRow("Check All") << "menu:MNU_CHK_ALL" << "say Great work - There are no mistakes. Continue...";
        QTest::newRow("toolbar Check") << "tb:tb_9" << "say Great work - There are no mistakes. Continue...";
        QTest::newRow("Restart Game") << "menu:MNU_RST" << "say Are you sure to RESTART puzzle?";
        QTest::newRow("toolbar Restart") << "tb:tb_4" << "say Are you sure to RESTART puzzle?";
    }
    void commandsReachTheirTargets()
    {
        QFETCH(QString, step);
        QFETCH(QString, outcome);
        WindowHarness h(threePuzzles(), 0, 2);
        if (step.startsWith("menu:")) // a menu row is named after the item's caption
            QCOMPARE(h.act(step.mid(5))->text(), QString(QTest::currentDataTag()).section(" (", 0, 0));
        QVERIFY(h.windowActive); // shortcuts need an active window
        h.answerYes = false;
        h.perform(step);
        QStringList seen;
        for (const QString &d : h.dialogs)
            seen << "dialog " + d;
        for (const QString &d : h.documents)
            seen << "open " + d;
        for (const QString &m : h.messageTexts())
            seen << "say " + m;
        if (h.board.lastPlayed[1] != 2 && h.w().txtGN->text() == QString::number(h.board.lastPlayed[1]))
            seen << QStringLiteral("puzzle %1").arg(h.board.lastPlayed[1]);
        if (h.cellSize() != 35)
            seen << QStringLiteral("cell %1").arg(h.cellSize());
        outcome.replace("%help", shellLinks::helpPagePath(h.dir.path()));
        outcome.replace("%more", shellLinks::morePuzzlesPath(h.dir.path()));
        QCOMPARE(seen, QStringList{outcome});
    }

    void mainToolbarMouse()
    {
        WindowHarness h(threePuzzles());
        auto *bar = h.w().findChild<QToolBar *>("tb");
        QWidget *separator = h.button("tb", "tb_5");
        // A press between the left edges of buttons 5 and 6 shows Y (twips) and X (pixels).
        QTest::mousePress(separator, Qt::LeftButton, {}, QPoint(1, 4));
        const QPoint at = separator->mapTo(bar, QPoint(1, 4));
        const QString where = QString::number(at.y() * 1440.0 / bar->logicalDpiY()) + ',' + QString::number(at.x());
        QCOMPARE(h.messageTexts(), QStringList{where});
        QCOMPARE(h.messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QTest::mouseClick(h.button("tb", "tb_6"), Qt::LeftButton, {}, QPoint(5, 4));
        QCOMPARE(h.messages.size(), 1); // elsewhere a press says nothing
        // Moving over the toolbar gives back the default pointer.
        QCOMPARE(h.w().cursor().shape(), Qt::BitmapCursor);
        h.hover(h.button("tb", "tb_3"), QPoint(3, 3));
        QCOMPARE(h.w().cursor().shape(), Qt::ArrowCursor);
    }
};

QTEST_MAIN(TestCommands)
#include "test_commands.moc"
