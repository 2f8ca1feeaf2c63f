// The board painter on an image: grid lines, clue diagonals, sums, digits and marks.
#include "pixels.h"
#include "support/board_fixture.h"
#include "view/board_painter.h"

#include <QTest>

#include <memory>

using pixels::countColour;
using pixels::digitBox;

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kLight(150, 150, 150);
const QColor kError(200, 20, 20);
const QColor kPen(20, 20, 240);

// Entry cells at the top left reach both outer edges; block (4,2) heads a run inside the grid.
//   row 1: 9 8 # #
//   row 2: 7 6 # #
//   row 3: # # # 4
//   row 4: # # # 2
const QStringList kBoard{"98##", "76##", "###4", "###2"};

// A loaded board and an image of its picture's size, with a canvas drawing on it.
struct Painted {
    modData::Board board;
    QImage image;
    std::unique_ptr<GdiCanvas> dc;
    BoardCanvas canvas;

    explicit Painted(int cellSize, const QColor &background = kWhite)
    {
        fixture::loadBoard(board, kBoard);
        image = pixels::blankImage(5 * cellSize + 1, 5 * cellSize + 1, background);
        dc = std::make_unique<GdiCanvas>(&image);
        dc->setFontPointSize(11);
        canvas = {dc.get(), cellSize};
    }
    void set(int col, int row, int pen, int pencil = 0, int mark = 0)
    {
        const auto i = std::size_t(board.cellIndex(col, row));
        board.penEntries[i] = std::uint8_t(pen);
        board.pencilEntries[i] = std::uint8_t(pencil);
        board.errorMarks[i] = std::uint8_t(mark);
    }
    void paintAll(bool solution = false, bool diagonals = true)
    {
        modGDI::paintBoard(canvas, board, solution, diagonals, 1);
    }
    const QImage &done()
    {
        dc->end();
        return image;
    }
};

} // namespace

class TestBoardPainter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { modGDI::createDrawingTools(kWhite, kBlack, 1); }

    void gridLineColours_data()
    {
        // The right edge (vertical) or bottom edge of a cell, whole, from corner to corner.
        QTest::addColumn<QPoint>("cell");
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("block | block inside the grid") << QPoint(3, 1) << true << kLight;
        QTest::newRow("block | entry") << QPoint(3, 3) << true << kBlack;
        QTest::newRow("entry | block") << QPoint(2, 1) << true << kLight;
        QTest::newRow("entry | entry") << QPoint(1, 1) << true << kBlack;
        QTest::newRow("block | outside") << QPoint(4, 1) << true << kBlack;
        QTest::newRow("column 0 | entry") << QPoint(0, 1) << true << kLight;
        QTest::newRow("block over block") << QPoint(3, 1) << false << kLight;
        QTest::newRow("block over entry") << QPoint(4, 2) << false << kBlack;
        QTest::newRow("entry over block") << QPoint(1, 2) << false << kLight;
        QTest::newRow("entry over outside") << QPoint(4, 4) << false << kBlack;
        QTest::newRow("row 0 over entry") << QPoint(1, 0) << false << kLight;
    }
    void gridLineColours()
    {
        QFETCH(QPoint, cell);
        QFETCH(bool, vertical);
        QFETCH(QColor, colour);
        const int cs = 35;
        Painted p(cs);
        p.paintAll();
        const QRect line = vertical ? QRect((cell.x() + 1) * cs, cell.y() * cs, 1, cs)
                                    : QRect(cell.x() * cs, (cell.y() + 1) * cs, cs, 1);
        QCOMPARE(countColour(p.done(), line, colour), cs);
        // Along the top and left edges only the lines between cells reach the outer pixels.
        QCOMPARE(pixels::art(p.image, QRect(0, 0, 5 * cs, 1), kWhite).join("").count('.'), 4);
        QCOMPARE(pixels::art(p.image, QRect(0, 0, 1, 5 * cs), kWhite).join("").count('.'), 4);
    }

    void diagonalsOnlyOnCluePositions_data()
    {
        QTest::addColumn<QPoint>("cell");
        QTest::addColumn<bool>("diagonal");
        QTest::newRow("row 0 above a down run") << QPoint(2, 0) << true;
        QTest::newRow("column 0 left of an across run") << QPoint(0, 2) << true;
        QTest::newRow("block heading a run inside") << QPoint(4, 2) << true;
        QTest::newRow("block heading nothing") << QPoint(3, 1) << false;
        QTest::newRow("row 0 above blocks") << QPoint(3, 0) << false;
        QTest::newRow("corner") << QPoint(0, 0) << false;
    }
    void diagonalsOnlyOnCluePositions()
    {
        QFETCH(QPoint, cell);
        QFETCH(bool, diagonal);
        const int cs = 30;
        for (const bool show : {true, false}) {
            Painted p(cs);
            p.paintAll(false, show);
            const QImage &image = p.done();
            const QRect inside(cell.x() * cs + 1, cell.y() * cs + 1, cs - 1, cs - 1);
            QCOMPARE(countColour(image, inside, kLight), diagonal && show ? cs - 1 : 0);
            if (diagonal && show) // from (x + 1, y + 1) to the far corner, which is left out
                QVERIFY(pixels::same(image.pixel(inside.bottomRight() - QPoint(1, 1)), kLight));
        }
    }

    void digitsOfPaintBoard_data()
    {
        QTest::addColumn<bool>("showSolution");
        QTest::addColumn<int>("pen");
        QTest::addColumn<int>("pencil");
        QTest::newRow("solution shown, empty cell") << true << 0 << 0;
        QTest::newRow("empty cell") << false << 0 << 0;
        QTest::newRow("pen digit: the solution's digit in its colour") << false << 3 << 0;
        QTest::newRow("pencil digit likewise") << false << 0 << 5;
    }
    void digitsOfPaintBoard()
    {
        QFETCH(bool, showSolution);
        QFETCH(int, pen);
        QFETCH(int, pencil);
        const int cs = 35;
        const QColor green(0, 140, 0);
        Painted p(cs);
        p.set(2, 1, pen, pencil);
        modGDI::setSolutionDigitColour(green);
        p.paintAll(showSolution);
        const QRect ink = pixels::inkBounds(p.done(), kWhite, QRect(2 * cs + 1, cs + 1, cs - 1, cs - 1));
        QCOMPARE(!ink.isEmpty(), showSolution || pen || pencil);
        QVERIFY(ink.isEmpty() || digitBox(2, 1, cs).contains(ink));
        QVERIFY(pixels::onlyColours(p.image, ink, green, kWhite));
    }

    void sumBoxes_data()
    {
        QTest::addColumn<int>("cellSize");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QRect>("box"); // for cell (1, 2)
        QTest::newRow("across at 35") << 35 << modGDI::Across << QRect(QPoint(56, 77), QPoint(67, 88));
        QTest::newRow("down at 35") << 35 << modGDI::Down << QRect(QPoint(42, 91), QPoint(53, 102));
        QTest::newRow("across at 25") << 25 << modGDI::Across << QRect(QPoint(40, 55), QPoint(47, 62));
        QTest::newRow("down at 25") << 25 << modGDI::Down << QRect(QPoint(30, 65), QPoint(37, 72));
        QTest::newRow("other directions count as across") << 25 << 0 << QRect(QPoint(40, 55), QPoint(47, 62));
        QTest::newRow("across at 70") << 70 << modGDI::Across << QRect(QPoint(112, 154), QPoint(134, 176));
    }
    void sumBoxes()
    {
        QFETCH(int, cellSize);
        QFETCH(int, direction);
        QFETCH(QRect, box);
        QCOMPARE(modGDI::sumRect(1, 2, cellSize, direction), box);
        const QColor ground(0, 200, 0), text(255, 255, 0);
        Painted p(cellSize, ground);
        p.dc->setFontPointSize(8.6);
        modGDI::drawSum(p.canvas, 1, 2, QStringLiteral("17"), text, direction);
        QCOMPARE(pixels::inkBounds(p.done(), ground), box); // filled with the clue colour, text clipped
        QVERIFY(pixels::onlyColours(p.image, box, kBlack, text));
        QVERIFY(countColour(p.image, box, text) > 4);
    }

    void paintSumsFindsEveryClue()
    {
        const int cs = 35;
        Painted p(cs);
        p.dc->setFontPointSize(8.6);
        p.paintAll();
        modGDI::paintSums(p.canvas, p.board, kWhite);
        const QImage &image = p.done();
        const auto whiteIn = [&](int col, int row, int direction) {
            return countColour(image, modGDI::sumRect(col, row, cs, direction), kWhite) > 0;
        };
        QVERIFY(whiteIn(0, 1, modGDI::Across) && whiteIn(0, 2, modGDI::Across)); // clues in column 0
        QVERIFY(whiteIn(1, 0, modGDI::Down) && whiteIn(2, 0, modGDI::Down));     // clues in row 0
        QVERIFY(whiteIn(4, 2, modGDI::Down) && !whiteIn(4, 2, modGDI::Across));
        QVERIFY(!whiteIn(3, 1, modGDI::Across) && !whiteIn(3, 1, modGDI::Down)); // heads nothing
    }

    void paintEntryCell_data()
    {
        QTest::addColumn<int>("pen");
        QTest::addColumn<int>("pencil");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("pen") << 4 << 0 << kPen;
        QTest::newRow("pencil") << 0 << 4 << kLight;
        QTest::newRow("empty: only the entry colour inside the margin") << 0 << 0 << QColor();
    }
    void paintEntryCell()
    {
        QFETCH(int, pen);
        QFETCH(int, pencil);
        QFETCH(QColor, colour);
        const int cs = 35;
        const QColor ground(1, 2, 3);
        Painted p(cs, ground);
        modGDI::drawSelectionFrame(p.canvas, 1, 2);
        p.set(1, 2, pen, pencil);
        modGDI::paintEntryCell(p.canvas, p.board, 1, 2);
        const QRect box = digitBox(1, 2, cs);
        QCOMPARE(pixels::inkBounds(p.done(), ground), box); // the frame is gone, nothing spills out
        const QRect ink = pixels::inkBounds(p.image, kWhite, box);
        QCOMPARE(ink.isEmpty(), !colour.isValid());
        QVERIFY(!colour.isValid() || pixels::onlyColours(p.image, ink, colour, kWhite));
        QVERIFY(!colour.isValid() || qAbs(ink.center().x() - box.center().x()) <= 2);
    }

    void paintEntryCellKeepsTheErrorMark()
    {
        const int cs = 35;
        Painted p(cs);
        p.paintAll();
        modGDI::drawSelectionFrame(p.canvas, 1, 1);
        p.set(1, 1, 0, 0, 1);
        modGDI::paintEntryCell(p.canvas, p.board, 1, 1);
        QCOMPARE(countColour(p.done(), digitBox(1, 1, cs), kLight), 0);
        // L = 2 * 35 - 7 = 63, T = 35 + 2 = 37: outlines (L, T)-(L+6, T+6) and (L+1, T+1)-(L+4, T+6).
        QCOMPARE(pixels::art(p.image, QRect(62, 36, 8, 8), kError),
                 (QStringList{"........", ".######.", ".####.#.", ".##.#.#.", ".##.#.#.", ".##.#.#.", ".######.", "........"}));
    }

    void crossPixels_data()
    {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<bool>("inked");
        // Cell (1, 1) at 35: A = B = 39, C = D = 66.
        QTest::newRow("first line's start") << QPoint(39, 39) << true;
        QTest::newRow("first line's last") << QPoint(65, 65) << true;
        QTest::newRow("first line's end, left out") << QPoint(66, 66) << false;
        QTest::newRow("second line's start") << QPoint(66, 39) << true;
        QTest::newRow("second line's last") << QPoint(40, 65) << true;
        QTest::newRow("second line's end, left out") << QPoint(39, 66) << false;
    }
    void crossPixels()
    {
        QFETCH(QPoint, pixel);
        QFETCH(bool, inked);
        Painted p(35);
        modGDI::drawCross(p.canvas, 1, 1, modGDI::tools().errorPen);
        const QImage &image = p.done();
        QCOMPARE(pixels::same(image.pixel(pixel), kError), inked);
        QCOMPARE(countColour(image, image.rect(), kError), 2 * 27);
    }

    void newToolsReplaceTheOld()
    {
        const int cs = 40;
        Painted p(cs);
        modGDI::createDrawingTools(QColor(250, 250, 250), QColor(40, 40, 40), 3);
        p.paintAll();
        // The dark line between entries (1, 1) and (2, 1) is three pixels wide around x = 2 * cs.
        QCOMPARE(pixels::art(p.done(), QRect(2 * cs - 2, cs + cs / 2, 6, 1), kBlack), QStringList{".###.."});
        QVERIFY(pixels::same(p.image.pixel(3 * cs + cs / 2, cs + cs / 2), QColor(40, 40, 40)));
    }
};

QTEST_MAIN(TestBoardPainter)
#include "test_board_painter.moc"
