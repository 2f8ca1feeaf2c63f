// Keyboard and mouse on the board: selection, pen and pencil digits, clearing, arrows, F9, F12,
// Escape, the number tools and the board pointer, driven through the real window.
#include "game/toolbar_images.h"
#include "pixels.h"
#include "support/window_harness.h"
#include "view/key_codes.h"

namespace {

// The small puzzle:  # # # # / # 1 3 # / # 2 4 1 / # # 2 3
QList<QStringList> small() { return {fixture::smallPuzzle()}; }

bool cellShows(const QImage &image, int col, int row, int cs, QColor colour)
{
    return pixels::countColour(image, pixels::digitBox(col, row, cs), colour) > 0;
}

// Whether the grey selection frame runs down the left of (col, row).
bool framed(const QImage &image, int col, int row, int cs)
{
    return image.pixelColor(col * cs + 3, row * cs + cs / 2) == QColor(150, 150, 150);
}

} // namespace

class TestBoardInput : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keyCodes_data()
    {
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<uint>("scanCode");
        QTest::addColumn<uint>("nativeKey");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<int>("code");
        const int none = Qt::NoModifier, shift = Qt::ShiftModifier, pad = Qt::KeypadModifier;
        QTest::newRow("main-row 0") << int(Qt::Key_0) << none << 0u << 0u << "offscreen" << 48;
        QTest::newRow("keypad 7") << int(Qt::Key_7) << pad << 0u << 0u << "offscreen" << 103;
        QTest::newRow("X11 Shift+1 is !") << int(Qt::Key_Exclam) << shift << 10u << 0x21u << "xcb" << 49;
        QTest::newRow("Wayland Shift+5") << int(Qt::Key_Percent) << shift << 14u << 0x25u << "wayland" << 53;
        QTest::newRow("X11 keypad End is no digit") << int(Qt::Key_End) << pad << 87u << 0xff9cu << "xcb" << 0;
        QTest::newRow("Windows Shift+5") << int(Qt::Key_Percent) << shift << 6u << 0x35u << "windows" << 53;
        QTest::newRow("Windows keypad 4") << int(Qt::Key_4) << pad << 75u << 0x64u << "windows" << 100;
        QTest::newRow("X11 scan codes mean nothing elsewhere") << int(Qt::Key_Exclam) << shift << 10u << 0u << "offscreen" << 0;
        QTest::newRow("a letter") << int(Qt::Key_A) << none << 0u << 0u << "offscreen" << 0;
    }
    void keyCodes()
    {
        QFETCH(int, qtKey);
        QFETCH(int, modifiers);
        QFETCH(uint, scanCode);
        QFETCH(uint, nativeKey);
        QFETCH(QString, platform);
        QFETCH(int, code);
        const keyCodes::KeyPress press{qtKey, Qt::KeyboardModifiers(modifiers), scanCode, nativeKey};
        QCOMPARE(keyCodes::virtualKeyCode(press, platform), code);
    }

    void keys_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QStringList>("dialogs");
        const QStringList none;
        QTest::newRow("main-row 5") << 0 << QStringList{"click:3,3", "key:5"} << "33:5" << none;
        QTest::newRow("Shift held") << 0 << QStringList{"click:3,3", "key:Shift+5"} << "33:5" << none;
        QTest::newRow("pencil") << 1 << QStringList{"click:3,3", "key:9"} << "33:9p" << none;
        QTest::newRow("pencil 5 over pen 7") << 0 << QStringList{"click:3,3", "key:7", "menu:MNU_PEN_2", "key:5"} << "33:5p" << none;
        QTest::newRow("a digit replaces a digit") << 0 << QStringList{"click:3,3", "key:3", "key:8", "key:A"} << "33:8" << none;
        QTest::newRow("0 clears") << 0 << QStringList{"click:3,3", "key:6", "key:0"} << "" << none;
        QTest::newRow("keypad 0 clears") << 1 << QStringList{"click:3,3", "key:6", "pad:0"} << "" << none;
        QTest::newRow("Space clears") << 0 << QStringList{"click:3,3", "key:6", "key:Space"} << "" << none;
        QTest::newRow("Backspace clears") << 0 << QStringList{"click:3,3", "key:6", "key:Backspace"} << "" << none;
        QTest::newRow("Delete keeps the error mark") << 0 << QStringList{"click:3,3", "key:9", "mark:3,3", "key:Del"} << "33:0!" << none;
        QTest::newRow("F12 opens the print dialog") << 0 << QStringList{"click:3,3", "key:F12"} << "" << QStringList{"frmPrinterDialog"};
        QTest::newRow("without a selection keys do nothing")
            << 0 << QStringList{"key:4", "key:Right", "key:Down", "key:Del", "key:F12", "key:F9"} << "" << none;
    }
    void keys()
    {
        QFETCH(int, mode);
        QFETCH(QStringList, steps);
        QFETCH(QString, entries);
        QFETCH(QStringList, dialogs);
        WindowHarness h(small(), mode);
        const QImage before = h.grid()->image().copy();
        h.perform(steps);
        QCOMPARE(h.entries(), entries);
        QCOMPARE(h.dialogs, dialogs);
        if (!steps.first().startsWith(QLatin1String("click")))
            QCOMPARE(h.grid()->image(), before); // nothing painted, not even by F9
    }

    void arrows_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QPoint>("to");
        QTest::newRow("right over a block") << "3,2" << "Right" << QPoint(5, 2);
        QTest::newRow("right over two blocks") << "2,4" << "Right" << QPoint(4, 4);
        QTest::newRow("right at the row's end does not wrap") << "6,2" << "Right" << QPoint(6, 2);
        QTest::newRow("left over a block") << "5,2" << "Left" << QPoint(3, 2);
        QTest::newRow("down at the bottom stays") << "2,4" << "Down" << QPoint(2, 4);
        QTest::newRow("down onto a last block stays") << "6,3" << "Down" << QPoint(6, 3);
        QTest::newRow("up over a block") << "5,4" << "Up" << QPoint(5, 2);
        QTest::newRow("up under blocks stays") << "3,2" << "Up" << QPoint(3, 2);
    }
    void arrows()
    {
        QFETCH(QString, from);
        QFETCH(QString, key);
        QFETCH(QPoint, to);
        WindowHarness h({{"######", "#12#34", "#5###6", "#7#89#"}});
        h.perform(QStringLiteral("click:") + from);
        const QImage before = h.grid()->image().copy();
        h.perform(QStringLiteral("key:") + key);
        QCOMPARE(QPoint(h.w().selCol, h.w().selRow), to);
        if (QStringLiteral("%1,%2").arg(to.x()).arg(to.y()) == from)
            QCOMPARE(h.grid()->image(), before); // nowhere to go: nothing repainted
        else
            QVERIFY(framed(h.grid()->image(), to.x(), to.y(), h.cellSize()));
    }

    void f9PaintsTheSolutionOnlyWhenItReachesTheWindow()
    {
        WindowHarness h(small());
        const int cs = h.cellSize();
        h.perform("key:F9"); // the board, with no cell selected, ignores it
        QVERIFY(!cellShows(h.grid()->image(), 2, 2, cs, Qt::black));
        h.perform("window:F9");
        for (const QPoint c : {QPoint(2, 2), QPoint(4, 3), QPoint(3, 4)})
            QVERIFY(cellShows(h.grid()->image(), c.x(), c.y(), cs, Qt::black));
        QCOMPARE(h.entries(), QString());
    }

    void escapeMinimises_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("board, no selection") << QStringList{"key:Esc"};
        QTest::newRow("board, a cell selected") << QStringList{"click:2,2", "key:Esc"};
        QTest::newRow("window") << QStringList{"window:Esc"};
    }
    void escapeMinimises()
    {
        QFETCH(QStringList, steps);
        WindowHarness h(small());
        h.perform(steps);
        QVERIFY(h.w().isMinimized());
    }

    void aKeyOnTheBoardIsHandledOnce()
    {
        WindowHarness h(small());
        for (const auto &[col, row, d] : {std::tuple{2, 2, 1}, {3, 2, 3}, {2, 3, 2}, {3, 3, 4}, {4, 3, 1}, {4, 4, 9}})
            h.put(col, row, d);
        h.perform({"click:3,4", "key:2"}); // fills the board with (4,4) wrong: one check, one flash
        QCOMPARE(h.pauses, QList<int>{500});
        QVERIFY(h.entries().contains(QLatin1String("44:9!")));
        QVERIFY(h.messages.isEmpty());
    }

    void solvingByKeyboardAloneCompletes()
    {
        for (const int mode : {0, 1}) { // pen, pencil
            WindowHarness h(small(), mode);
            h.perform({"click:2,2", "key:1", "key:Right", "key:3", "key:Down", "key:4", "key:Left", "key:2",
                       "key:Right", "key:Right", "key:1", "key:Down", "key:3", "key:Left"});
            QVERIFY(h.messages.isEmpty());
            h.perform("pad:2");
            QCOMPARE(h.messageTexts(), QStringList{"Wow! Puzzle Successfully Completed"});
            QCOMPARE(h.messages.first().caption, QStringLiteral("Korvel - Congradz!"));
            QCOMPARE(h.dialogs, QStringList{"frmScoreInput"});
            QCOMPARE(h.entries().count(mode ? QLatin1Char('p') : QLatin1Char(':')), 7);
        }
    }

    void mouse_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QPoint>("selection");
        QTest::addColumn<int>("tool");
        const QPoint none(-1, -1);
        QTest::newRow("4 into three cells") << 0 << QStringList{"num:4", "click:2,2", "click:3,3", "click:4,4"} << "22:4 33:4 44:4" << QPoint(4, 4) << 4;
        QTest::newRow("4 in pencil") << 1 << QStringList{"num:4", "click:2,2", "click:4,3"} << "22:4p 43:4p" << QPoint(4, 3) << 4;
        QTest::newRow("press here, release there") << 0 << QStringList{"num:6", "press:2,3", "release:3,3"} << "23:6" << QPoint(2, 3) << 6;
        QTest::newRow("the selected cell again") << 0 << QStringList{"num:4", "click:3,2", "num:7", "click:3,2"} << "32:7" << QPoint(3, 2) << 7;
        QTest::newRow("no tool only selects") << 0 << QStringList{"click:2,2"} << "" << QPoint(2, 2) << 11;
        QTest::newRow("x 34 is column 0") << 0 << QStringList{"click:2,2", "num:4", "at:34,80"} << "" << none << 11;
        QTest::newRow("a block") << 0 << QStringList{"click:2,2", "num:4", "click:1,2"} << "" << none << 11;
        QTest::newRow("beyond the last column") << 0 << QStringList{"click:2,2", "num:4", "at:175,122"} << "" << none << 11;
        QTest::newRow("first pixel of (3,3)") << 0 << QStringList{"num:4", "at:105,105"} << "33:4" << QPoint(3, 3) << 4;
        QTest::newRow("right click puts the tool down") << 0 << QStringList{"num:4", "click:2,3", "right:3,3"} << "23:4" << QPoint(2, 3) << 11;
        QTest::newRow("eraser on pencil keeps the mark") << 1 << QStringList{"click:4,3", "key:8", "mark:4,3", "num:10", "click:4,3"} << "43:0!" << QPoint(4, 3) << 10;
        QTest::newRow("eraser on pen keeps the mark") << 0 << QStringList{"click:4,3", "key:8", "mark:4,3", "num:10", "click:4,3"} << "43:0!" << QPoint(4, 3) << 10;
    }
    void mouse()
    {
        QFETCH(int, mode);
        QFETCH(QStringList, steps);
        QFETCH(QString, entries);
        QFETCH(QPoint, selection);
        QFETCH(int, tool);
        WindowHarness h(small(), mode);
        QCOMPARE(h.cellSize(), 35);
        const QString last = steps.takeLast();
        h.perform(steps);
        const QImage before = h.grid()->image().copy();
        h.perform(last);
        if (last.startsWith(QLatin1String("right"))) // the frame stays, nothing is repainted
            QCOMPARE(h.grid()->image(), before);
        QCOMPARE(h.entries(), entries);
        QCOMPARE(QPoint(h.w().selCol, h.w().selRow), selection);
        QVERIFY(selection.x() < 0 || framed(h.grid()->image(), selection.x(), selection.y(), h.cellSize()));
        QCOMPARE(h.w().numberTool, tool);
        QCOMPARE(h.pressedNumberButtons(), tool > 10 ? QList<int>{} : QList<int>{tool});
        QVERIFY(h.pauses.isEmpty() && h.messages.isEmpty());
    }

    void boardPointerShowsTheTool_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("tool");
        QTest::addColumn<int>("picture");
        QTest::newRow("eraser in pen mode") << 0 << "num:10" << tbImage::BoardEraser;
        QTest::newRow("eraser in pencil mode") << 1 << "num:10" << tbImage::BoardEraser;
        QTest::newRow("digit in pen mode") << 0 << "num:3" << tbImage::BoardPen;
        QTest::newRow("digit in pencil mode") << 1 << "num:3" << tbImage::BoardPencil;
    }
    void boardPointerShowsTheTool()
    {
        QFETCH(int, mode);
        QFETCH(QString, tool);
        QFETCH(int, picture);
        WindowHarness h(small(), mode);
        h.perform(tool);
        h.hover(h.grid(), h.cellCentre(2, 2));
        QVERIFY(h.pointerIs(h.w().tbImg().image(picture)));
    }
};

QTEST_MAIN(TestBoardInput)
#include "test_board_input.moc"
