// The board painter on an image: fills, grid lines, clue diagonals, sums, digits and marks.
#include "pixels.h"
#include "support/board_fixture.h"
#include "view/board_painter.h"

#include <QTest>

#include <memory>

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kLight(150, 150, 150);
const QColor kError(200, 20, 20);
const QColor kPenBlue(20, 20, 240);

// Entry cells at the top left reach both outer edges; the rest is blocks, one of which heads a
// run inside the grid.
//   col: 1 2 3 4
//   row 1: 9 8 # #
//   row 2: 7 6 # #
//   row 3: # # # 4
//   row 4: # # # 2
QStringList edgeBoard() { return {"98##", "76##", "###4", "###2"}; }

struct Painted {
    modData::Board board;
    QImage image;
    BoardCanvas canvas;
    std::unique_ptr<GdiCanvas> dc;

    Painted(const QStringList &rows, int cellSize, const QColor &background = kWhite)
    {
        fixture::loadBoard(board, rows);
        image = pixels::blankImage((board.gridWidth + 1) * cellSize + 1, (board.gridHeight + 1) * cellSize + 1,
                                   background);
        dc = std::make_unique<GdiCanvas>(&image);
        dc->setFontPointSize(11);
        canvas = {dc.get(), cellSize};
    }
    QImage done()
    {
        dc->end();
        return image;
    }
};

QList<QPoint> diagonalOf(int col, int row, int cs)
{
    QList<QPoint> points;
    for (int k = 0; k < cs - 1; ++k)
        points << QPoint(col * cs + 1 + k, row * cs + 1 + k);
    return points;
}

} // namespace

class TestBoardPainter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { modGDI::createDrawingTools(kWhite, kBlack, 1); }
    void cleanupTestCase() { modGDI::createDrawingTools(kWhite, kBlack, 1); }

    void gridLineColours_data()
    {
        QTest::addColumn<QPoint>("probe"); // in cells: the line's pixel is computed below
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<QColor>("colour");
        // A vertical line is the right edge of (col, row); a horizontal one its bottom edge.
        QTest::newRow("block | block inside the grid") << QPoint(3, 1) << true << kLight;
        QTest::newRow("block | entry") << QPoint(3, 3) << true << kBlack;
        QTest::newRow("entry | block") << QPoint(2, 1) << true << kLight;
        QTest::newRow("entry | entry") << QPoint(1, 1) << true << kBlack;
        QTest::newRow("entry | outside right") << QPoint(4, 3) << true << kBlack;
        QTest::newRow("block | outside right") << QPoint(4, 1) << true << kBlack;
        QTest::newRow("column 0 | entry") << QPoint(0, 1) << true << kLight;
        QTest::newRow("block over block") << QPoint(3, 1) << false << kLight;
        QTest::newRow("block over entry") << QPoint(4, 2) << false << kBlack;
        QTest::newRow("entry over block") << QPoint(1, 2) << false << kLight;
        QTest::newRow("entry over outside") << QPoint(4, 4) << false << kBlack;
        QTest::newRow("row 0 over entry") << QPoint(1, 0) << false << kLight;
    }
    void gridLineColours()
    {
        QFETCH(QPoint, probe);
        QFETCH(bool, vertical);
        QFETCH(QColor, colour);
        const int cs = 35;
        Painted p(edgeBoard(), cs);
        modGDI::paintBoard(p.canvas, p.board, false, true, 1);
        const QImage image = p.done();
        // Every pixel of the edge, from one corner up to the next, is the line's colour.
        for (int k = 0; k < cs; ++k) {
            const QPoint px = vertical ? QPoint((probe.x() + 1) * cs, probe.y() * cs + k)
                                       : QPoint(probe.x() * cs + k, (probe.y() + 1) * cs);
            QVERIFY2(pixels::same(image.pixel(px), colour), qPrintable(QStringLiteral("at %1,%2").arg(px.x()).arg(px.y())));
        }
    }

    void noLineAlongTheTopAndLeftEdges()
    {
        const int cs = 25;
        Painted p(edgeBoard(), cs);
        modGDI::paintBoard(p.canvas, p.board, false, true, 1);
        const QImage image = p.done();
        // Only the lines between cells cross the outer row and column of pixels.
        for (int k = 0; k < image.width() - 1; ++k) {
            const QColor expected = k % cs == 0 && k > 0 ? kLight : kWhite;
            QVERIFY(pixels::same(image.pixel(k, 0), expected));
            QVERIFY(pixels::same(image.pixel(0, k), expected));
        }
    }

    void fillsLeaveTheInsetForTheLines()
    {
        const int cs = 25;
        Painted p(edgeBoard(), cs);
        modGDI::createDrawingTools(QColor(255, 255, 200), QColor(0, 0, 90), 1);
        modGDI::paintBoard(p.canvas, p.board, false, false, 1);
        const QImage image = p.done();
        // Block (3,1): clue colour from its inset to its far corner; entry (1,2): entry colour.
        QCOMPARE(pixels::countColour(image, QRect(3 * cs + 1, cs + 1, cs - 1, cs - 1), QColor(0, 0, 90)),
                 (cs - 1) * (cs - 1));
        QCOMPARE(pixels::countColour(image, QRect(cs + 1, 2 * cs + 1, cs - 1, cs - 1), QColor(255, 255, 200)),
                 (cs - 1) * (cs - 1));
        QVERIFY(pixels::same(image.pixel(0, 0), QColor(255, 255, 200))); // the first fill's colour
    }

    void diagonalsOnlyOnCluePositions_data()
    {
        QTest::addColumn<QPoint>("cell");
        QTest::addColumn<bool>("diagonal");
        QTest::newRow("row 0 above a down run") << QPoint(1, 0) << true;
        QTest::newRow("row 0, second column") << QPoint(2, 0) << true;
        QTest::newRow("column 0 left of an across run") << QPoint(0, 2) << true;
        QTest::newRow("block heading a run inside") << QPoint(4, 2) << true;
        QTest::newRow("block heading nothing") << QPoint(3, 1) << false;
        QTest::newRow("block at the bottom edge") << QPoint(1, 4) << false;
        QTest::newRow("row 0 above blocks") << QPoint(3, 0) << false;
        QTest::newRow("corner") << QPoint(0, 0) << false;
    }
    void diagonalsOnlyOnCluePositions()
    {
        QFETCH(QPoint, cell);
        QFETCH(bool, diagonal);
        const int cs = 30;
        for (const bool show : {true, false}) {
            Painted p(edgeBoard(), cs);
            modGDI::paintBoard(p.canvas, p.board, false, show, 1);
            const QImage image = p.done();
            const QRect inside(cell.x() * cs + 1, cell.y() * cs + 1, cs - 1, cs - 1);
            const int light = pixels::countColour(image, inside, kLight);
            QCOMPARE(light, diagonal && show ? cs - 1 : 0);
            if (diagonal && show) {
                for (const QPoint &px : diagonalOf(cell.x(), cell.y(), cs))
                    QVERIFY(pixels::same(image.pixel(px), kLight));
            }
        }
    }

    void digitsOfPaintBoard_data()
    {
        QTest::addColumn<bool>("showSolution");
        QTest::addColumn<int>("pen");
        QTest::addColumn<int>("pencil");
        QTest::addColumn<bool>("digitShown");
        QTest::newRow("solution shown, empty cell") << true << 0 << 0 << true;
        QTest::newRow("empty cell") << false << 0 << 0 << false;
        QTest::newRow("pen digit: the solution's digit in its colour") << false << 3 << 0 << true;
        QTest::newRow("pencil digit likewise") << false << 0 << 5 << true;
    }
    void digitsOfPaintBoard()
    {
        QFETCH(bool, showSolution);
        QFETCH(int, pen);
        QFETCH(int, pencil);
        QFETCH(bool, digitShown);
        const int cs = 35;
        Painted p(edgeBoard(), cs);
        const auto i = std::size_t(p.board.cellIndex(2, 1));
        p.board.penEntries[i] = std::uint8_t(pen);
        p.board.pencilEntries[i] = std::uint8_t(pencil);
        modGDI::setSolutionDigitColour(QColor(0, 140, 0));
        modGDI::paintBoard(p.canvas, p.board, showSolution, true, 1);
        const QImage image = p.done();
        const QRect digitBox(2 * cs + 3, cs + 3, cs - 6, cs - 6);
        const QRect ink = pixels::inkBounds(image, kWhite, QRect(2 * cs + 1, cs + 1, cs - 1, cs - 1));
        QCOMPARE(!ink.isEmpty(), digitShown);
        if (digitShown) {
            QVERIFY(digitBox.contains(ink));
            QVERIFY(pixels::countColour(image, ink, QColor(0, 140, 0)) > 0);
            QCOMPARE(pixels::countColour(image, ink, kPenBlue), 0);
        }
    }

    void sumRectRounding_data()
    {
        QTest::addColumn<int>("cellSize");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QRect>("expected"); // for cell (1, 2)
        QTest::newRow("across at 35") << 35 << modGDI::Across << QRect(QPoint(56, 77), QPoint(67, 88));
        QTest::newRow("down at 35") << 35 << modGDI::Down << QRect(QPoint(42, 91), QPoint(53, 102));
        QTest::newRow("across at 25") << 25 << modGDI::Across << QRect(QPoint(40, 55), QPoint(47, 62));
        QTest::newRow("down at 25") << 25 << modGDI::Down << QRect(QPoint(30, 65), QPoint(37, 72));
        QTest::newRow("other direction counts as across") << 25 << 0 << QRect(QPoint(40, 55), QPoint(47, 62));
        QTest::newRow("across at 70") << 70 << modGDI::Across << QRect(QPoint(112, 154), QPoint(134, 176));
    }
    void sumRectRounding()
    {
        QFETCH(int, cellSize);
        QFETCH(int, direction);
        QFETCH(QRect, expected);
        QCOMPARE(modGDI::sumRect(1, 2, cellSize, direction), expected);
    }

    void sumBoxIsFilledAndHoldsItsText_data()
    {
        QTest::addColumn<int>("cellSize");
        QTest::addColumn<int>("direction");
        QTest::newRow("across at 25") << 25 << modGDI::Across;
        QTest::newRow("down at 25") << 25 << modGDI::Down;
        QTest::newRow("across at 35") << 35 << modGDI::Across;
        QTest::newRow("down at 35") << 35 << modGDI::Down;
    }
    void sumBoxIsFilledAndHoldsItsText()
    {
        QFETCH(int, cellSize);
        QFETCH(int, direction);
        const QColor ground(0, 200, 0);
        const QColor text(255, 255, 0);
        Painted p(edgeBoard(), cellSize, ground);
        p.dc->setFontPointSize(8.6);
        modGDI::drawSum(p.canvas, 1, 2, QStringLiteral("17"), text, direction);
        const QImage image = p.done();
        const QRect box = modGDI::sumRect(1, 2, cellSize, direction);
        QCOMPARE(pixels::inkBounds(image, ground), box);
        QCOMPARE(pixels::countColour(image, box, kBlack) + pixels::countColour(image, box, text),
                 box.width() * box.height());
        QVERIFY(pixels::countColour(image, box, text) > 4);
    }

    void paintSumsFindsEveryClue()
    {
        const int cs = 35;
        Painted p(edgeBoard(), cs);
        p.dc->setFontPointSize(8.6);
        modGDI::paintBoard(p.canvas, p.board, false, true, 1);
        modGDI::paintSums(p.canvas, p.board, kWhite);
        const QImage image = p.done();
        const auto whiteIn = [&](int col, int row, int direction) {
            return pixels::countColour(image, modGDI::sumRect(col, row, cs, direction), kWhite);
        };
        QVERIFY(whiteIn(0, 1, modGDI::Across) > 0); // 9 + 8, left of row 1
        QVERIFY(whiteIn(0, 2, modGDI::Across) > 0);
        QVERIFY(whiteIn(1, 0, modGDI::Down) > 0); // 9 + 7, above column 1
        QVERIFY(whiteIn(2, 0, modGDI::Down) > 0);
        QVERIFY(whiteIn(4, 2, modGDI::Down) > 0); // 4 + 2, inside the grid
        QCOMPARE(whiteIn(4, 2, modGDI::Across), 0);
        QCOMPARE(whiteIn(3, 1, modGDI::Across) + whiteIn(3, 1, modGDI::Down), 0); // heads nothing
        QCOMPARE(whiteIn(0, 3, modGDI::Across), 0);
    }

    void paintEntryCellWipesTheFrameAndKeepsTheMark()
    {
        const int cs = 35;
        Painted p(edgeBoard(), cs);
        modGDI::paintBoard(p.canvas, p.board, false, true, 1);
        modGDI::drawSelectionFrame(p.canvas, 1, 1);
        const QRect frame(cs + 3, cs + 3, cs - 6, cs - 6);
        p.dc->end();
        QCOMPARE(pixels::countColour(p.image, frame, kLight), 2 * (cs - 6) + 2 * (cs - 8));
        p.dc->begin(&p.image);
        p.board.errorMarks[std::size_t(p.board.cellIndex(1, 1))] = 1;
        modGDI::paintEntryCell(p.canvas, p.board, 1, 1);
        const QImage image = p.done();
        QCOMPARE(pixels::countColour(image, frame, kLight), 0);
        QCOMPARE(pixels::art(image, QRect(62, 36, 8, 8), kError),
                 (QStringList{"........", ".######.", ".####.#.", ".##.#.#.", ".##.#.#.", ".##.#.#.", ".######.",
                              "........"}));
    }

    void emptyEntryCellIsOnlyItsColour()
    {
        const int cs = 25;
        Painted p(edgeBoard(), cs, QColor(1, 2, 3));
        modGDI::paintEntryCell(p.canvas, p.board, 2, 2);
        const QImage image = p.done();
        QCOMPARE(pixels::inkBounds(image, QColor(1, 2, 3)), QRect(2 * cs + 3, 2 * cs + 3, cs - 6, cs - 6));
        QCOMPARE(pixels::countColour(image, image.rect(), kWhite), (cs - 6) * (cs - 6));
    }

    void entryDigitColours_data()
    {
        QTest::addColumn<int>("pen");
        QTest::addColumn<int>("pencil");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("pen") << 4 << 0 << kPenBlue;
        QTest::newRow("pencil") << 0 << 4 << QColor(150, 150, 150);
    }
    void entryDigitColours()
    {
        QFETCH(int, pen);
        QFETCH(int, pencil);
        QFETCH(QColor, colour);
        const int cs = 35;
        Painted p(edgeBoard(), cs);
        const auto i = std::size_t(p.board.cellIndex(1, 2));
        p.board.penEntries[i] = std::uint8_t(pen);
        p.board.pencilEntries[i] = std::uint8_t(pencil);
        modGDI::paintEntryCell(p.canvas, p.board, 1, 2);
        const QImage image = p.done();
        const QRect box(cs + 3, 2 * cs + 3, cs - 6, cs - 6);
        const QRect ink = pixels::inkBounds(image, kWhite, box);
        QVERIFY(!ink.isEmpty());
        QCOMPARE(pixels::countColour(image, ink, colour) + pixels::countColour(image, ink, kWhite),
                 ink.width() * ink.height());
        QVERIFY(qAbs(ink.center().x() - box.center().x()) <= 2);
    }

    void crossPixels_data()
    {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<bool>("inked");
        // Cell (1, 1) at 35: A = B = 39, C = D = 66.
        QTest::newRow("first line's start") << QPoint(39, 39) << true;
        QTest::newRow("first line's last") << QPoint(65, 65) << true;
        QTest::newRow("first line's end, excluded") << QPoint(66, 66) << false;
        QTest::newRow("second line's start") << QPoint(66, 39) << true;
        QTest::newRow("second line's last") << QPoint(40, 65) << true;
        QTest::newRow("second line's end, excluded") << QPoint(39, 66) << false;
        QTest::newRow("middle") << QPoint(52, 52) << true;
    }
    void crossPixels()
    {
        QFETCH(QPoint, pixel);
        QFETCH(bool, inked);
        Painted p(edgeBoard(), 35);
        modGDI::drawCross(p.canvas, 1, 1, modGDI::tools().errorPen);
        const QImage image = p.done();
        QCOMPARE(pixels::same(image.pixel(pixel), kError), inked);
        QCOMPARE(pixels::countColour(image, image.rect(), kError), 2 * 27);
    }

    void newToolsReplaceTheOld()
    {
        const int cs = 40;
        Painted p(edgeBoard(), cs);
        modGDI::createDrawingTools(QColor(250, 250, 250), QColor(40, 40, 40), 3);
        QCOMPARE(modGDI::tools().darkLinePen, (GdiPen{kBlack, 3}));
        QCOMPARE(modGDI::tools().errorPen, (GdiPen{kError, 1}));
        modGDI::paintBoard(p.canvas, p.board, false, true, 1);
        const QImage image = p.done();
        // The dark line between entries (1, 1) and (2, 1) is three pixels wide around x = 2 * cs.
        const int y = cs + cs / 2;
        QVERIFY(pixels::same(image.pixel(2 * cs - 1, y), kBlack));
        QVERIFY(pixels::same(image.pixel(2 * cs, y), kBlack));
        QVERIFY(pixels::same(image.pixel(2 * cs + 1, y), kBlack));
        QVERIFY(pixels::same(image.pixel(2 * cs + 3, y), QColor(250, 250, 250)));
    }
};

QTEST_MAIN(TestBoardPainter)
#include "test_board_painter.moc"
