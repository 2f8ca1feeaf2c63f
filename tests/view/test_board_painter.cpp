// The board painter on an image: fills, grid lines, clue diagonals, sums, digits, marks and the
// selection frame, all in the colours of the palette it is given, at device pixel ratios 1, 1.5
// and 2; and the board picture on two screens, of 96 and 192 dpi (two_screens.json).
#include "support/game_fixture.h"
#include "view/board_painter.h"
#include "view/board_picture.h"
#include "view/board_view.h"
#include "view/pixels.h"

#include <QScreen>
#include <QSet>

#include <QTest>
#include <QWindow>
#include <cmath>

using view::BoardPalette;

namespace {

constexpr int kCell = 35;

// Entry cells at the top left reach both outer edges; block (4, 2) heads a run inside the grid.
//   row 1: 9 8 # #
//   row 2: 7 6 # #
//   row 3: # # # 4
//   row 4: # # # 2
const QStringList kBoard{"98##", "76##", "###4", "###2"};

// The board painted with solution digits and fill inset `inset`, then a pen 9 at (1, 1), a pencil
// 8 at (2, 1), an error mark on a hint-lit (1, 2), candidate marks 1 and 9 and the selection frame
// at (2, 2), a pen 2 shown in conflict at (4, 4) and the cross at (4, 3). On an image of device
// pixel ratio `ratio`, as the screen's picture is made.
QImage paintScene(const BoardPalette &palette, double ratio = 1, int inset = 2)
{
    const kakuro::Puzzle puzzle = fixture::puzzleOf(kBoard);
    puzzle::Entries entries(puzzle.entryCellCount());
    entries.write(puzzle.cellAt(1, 1), 9, false);
    entries.write(puzzle.cellAt(2, 1), 8, true);
    entries.setErrorMark(puzzle.cellAt(1, 2));
    entries.setMarks(puzzle.cellAt(2, 2), 0x101);
    entries.setMarks(puzzle.cellAt(1, 1), 0x010); // hidden under the pen digit
    entries.write(puzzle.cellAt(4, 4), 2, false);
    std::vector<std::uint8_t> conflicts(std::size_t(puzzle.entryCellCount()), 0);
    conflicts[std::size_t(puzzle.cellAt(4, 4))] = 1;
    std::vector<std::uint8_t> lit(conflicts.size(), 0);
    lit[std::size_t(puzzle.cellAt(1, 2))] = 1;
    const int side = qRound((5 * kCell + 1) * ratio);
    QImage image = pixels::blankImage(side, side, QColor(1, 2, 3));
    image.setDevicePixelRatio(ratio);
    view::GdiCanvas dc(&image);
    dc.setFontPointSize(11);
    view::BoardPainter painter(dc, kCell, puzzle, entries, palette);
    painter.paintBoard(view::BoardDigits::Solution, view::ClueDiagonals::Drawn, inset);
    painter.paintSums();
    painter.showConflicts(&conflicts);
    painter.showHighlights(&lit);
    for (const QPoint cell : {QPoint(1, 1), QPoint(2, 1), QPoint(1, 2), QPoint(2, 2), QPoint(4, 4)})
        painter.paintEntryCell(cell.x(), cell.y());
    painter.drawSelectionFrame(2, 2);
    painter.drawCross(4, 3);
    return image;
}

QRect digitBox(int col, int row)
{
    return {col * kCell + 3, row * kCell + 3, kCell - 6, kCell - 6};
}

// The inside of the (c, r) ninth of a cell's digit box, clear of the selection frame.
QRect ninth(int col, int row, int c, int r)
{
    const int third = (kCell - 6) / 3;
    return {col * kCell + 3 + c * third + 1, row * kCell + 3 + r * third + 1, third - 1, third - 1};
}

} // namespace

class TestBoardPainter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // How many pixels of a region are in one of the classic palette's colours; -1: some.
    void pixels_data()
    {
        QTest::addColumn<QRect>("region");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<int>("count");
        const BoardPalette c = BoardPalette::classic();
        const int k = kCell;
        const auto row = [](const char *name, QRect region, QColor colour, int count) {
            QTest::newRow(name) << region << colour << count;
        };
        const auto inside = [](int col, int row) { return QRect(col * k + 2, row * k + 2, k - 2, k - 2); };
        row("clue fill, no diagonal on a block heading nothing", inside(3, 1), c.clue, (k - 2) * (k - 2));
        row("fill inset strip in the entry colour", {3 * k, k + 1, k, 1}, c.entry, k - 1);
        row("dark line between entries", {2 * k, k, 1, k}, c.darkLine, k);
        row("dark line before an entry below a block", {4 * k, 3 * k, k, 1}, c.darkLine, k);
        row("light line between blocks", {4 * k, k, 1, k}, c.lightLine, k);
        row("clue diagonal on a clue cell", {4 * k + 1, 2 * k + 1, k / 2, k / 2}, c.lightLine, k / 2);
        row("no diagonal on the corner", inside(0, 0), c.lightLine, 0);
        row("down sum in its box", view::sumRect(4, 2, k, view::SumDirection::Down), c.sum, -1);
        row("no across sum where no run starts", view::sumRect(4, 2, k, view::SumDirection::Across), c.sum,
            0);
        row("pen digit", digitBox(1, 1), c.pen, -1);
        row("pencil digit", digitBox(2, 1), c.pencil, -1);
        row("pen cell shows no solution digit", digitBox(1, 1), c.solution, 0);
        row("solution digit in an untouched cell", digitBox(4, 3), c.solution, -1);
        row("mark 1 in the top left ninth", ninth(2, 2, 0, 0), c.mark, -1);
        row("mark 9 in the bottom right ninth", ninth(2, 2, 2, 2), c.mark, -1);
        row("no mark 5 in the middle ninth", ninth(2, 2, 1, 1), c.mark, 0);
        row("no mark under a digit", ninth(1, 1, 1, 1), c.mark, 0);
        row("a hint-lit cell", digitBox(1, 2), c.hint, -1);
        row("a digit in conflict", digitBox(4, 4), c.conflict, -1);
        row("a digit in conflict leaves its pen colour", digitBox(4, 4), c.pen, 0);
        row("error mark in the top right corner", {2 * k - 7, 2 * k + 2, 7, 7}, c.errorMark, 29);
        row("selection frame's top", {2 * k + 3, 2 * k + 3, k - 6, 1}, c.lightLine, k - 6);
        row("cross: two lines, end points left out", inside(4, 3), c.errorMark, 2 * (k - 8));
    }
    void pixels()
    {
        QFETCH(QRect, region);
        QFETCH(QColor, colour);
        QFETCH(int, count);
        const int found = pixels::countColour(paintScene(BoardPalette::classic()), colour, region);
        QCOMPARE(count < 0 ? qMin(found, 1) : found, qAbs(count)); // -1: at least one
    }

    // Past Classic, by the WCAG 2 measure: digits and sums 4.5:1 against their cell and digits
    // against the hint fill; error mark 3:1 against both, frame 3:1 against an entry cell; pen and
    // pencil 3:1 apart; the hint fill a visible tint of the entry cell.
    void colourSchemesReadWell_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::newRow("Paper") << int(store::ColourScheme::Paper);
        QTest::newRow("Dark") << int(store::ColourScheme::Dark);
        QTest::newRow("High Contrast") << int(store::ColourScheme::HighContrast);
    }
    void colourSchemesReadWell()
    {
        QFETCH(int, scheme);
        const BoardPalette p = BoardPalette::ofScheme(store::ColourScheme(scheme));
        const auto luminance = [](const QColor &c) {
            const auto channel = [](double v) {
                return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
        };
        const auto contrast = [&](const QColor &a, const QColor &b) {
            const double la = luminance(a), lb = luminance(b);
            return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
        };
        for (const QColor &cell : {p.entry, p.hint}) {
            for (const QColor &digit : {p.pen, p.pencil, p.solution, p.mark, p.conflict})
                QVERIFY2(contrast(digit, cell) >= 4.5, qPrintable(digit.name() + cell.name()));
            QVERIFY(contrast(p.errorMark, cell) >= 3);
        }
        QVERIFY(contrast(p.sum, p.clue) >= 4.5);
        QVERIFY(contrast(p.frame, p.entry) >= 3);
        QVERIFY(contrast(p.hint, p.entry) >= 1.25);
        QVERIFY(contrast(p.pen, p.pencil) >= 3);
        QVERIFY(p.entry != p.clue && p.pen != BoardPalette::classic().pen);
    }

    // Every colour on the board comes from the palette given, each of them is used, and painting
    // in another palette leaves the next classic painting as it was.
    void onlyThePaletteGiven()
    {
        const QImage classic = paintScene(BoardPalette::classic());
        BoardPalette other;
        QSet<QRgb> expected{QColor(1, 2, 3).rgb()}; // the ground, at the far corner no line reaches
        int hue = 0;
        for (QColor BoardPalette::*field :
             {&BoardPalette::entry, &BoardPalette::clue, &BoardPalette::lightLine, &BoardPalette::darkLine,
              &BoardPalette::errorMark, &BoardPalette::pen, &BoardPalette::pencil, &BoardPalette::solution,
              &BoardPalette::sum, &BoardPalette::mark, &BoardPalette::conflict, &BoardPalette::hint,
              &BoardPalette::frame})
            expected << (other.*field = QColor::fromHsv(hue += 36, 255, 200)).rgb();
        const QImage painted = paintScene(other);
        QSet<QRgb> found;
        for (int y = 0; y < painted.height(); ++y)
            for (int x = 0; x < painted.width(); ++x)
                found << painted.pixel(x, y);
        QCOMPARE(found, expected);
        QCOMPARE(paintScene(BoardPalette::classic()), classic);
    }

    // On a high-density screen every grid line is one device pixel wide wherever it runs, the fills
    // of neighbouring clue cells meet their line, and digits are drawn at the device's resolution,
    // as large in logical pixels as at ratio 1.
    void atDeviceRatio_data()
    {
        QTest::addColumn<double>("ratio");
        QTest::newRow("200%") << 2.0;
        QTest::newRow("150%") << 1.5;
    }
    void atDeviceRatio()
    {
        QFETCH(double, ratio);
        const QColor green(0, 200, 0); // the lines and the sums, apart from the rest
        const BoardPalette c{.lightLine = green, .darkLine = green, .sum = green};
        const QImage plain = paintScene(c, 1, 1), sharp = paintScene(c, ratio, 1);
        const auto at = [ratio](int x) { return qRound(x * ratio); };
        const auto line = [&](QPoint p) { return pixels::same(sharp.pixel(p), green); };
        const auto oneWide = [&](QPoint p, QPoint d) { return line(p) && !line(p - d) && !line(p + d); };
        for (int k = 1; k <= 4; ++k) // each line where it crosses the middle of a cell
            for (int cell = 0; cell < 5; ++cell)
                QVERIFY(oneWide(QPoint(at(k * kCell), at(cell * kCell + kCell / 2)), {1, 0}) &&
                        oneWide(QPoint(at(cell * kCell + kCell / 2), at(k * kCell)), {0, 1}));
        const QRect clueCells(QPoint(at(3 * kCell) + 1, at(kCell) + 1),
                              QPoint(at(5 * kCell) - 1, at(3 * kCell) - 1));
        QCOMPARE(pixels::countColour(sharp, c.clue, clueCells) + pixels::countColour(sharp, green, clueCells),
                 clueCells.width() * clueCells.height()); // no entry colour, no gap

        QRect small, large; // the pen digit, the only one in its colour
        pixels::countColour(plain, c.pen, QRect(), &small);
        pixels::countColour(sharp, c.pen, QRect(), &large);
        QVERIFY(qAbs(large.height() - small.height() * ratio) <= ratio + 1);
        bool withinPixel = false; // scaled up, a glyph would change colour only where a logical pixel starts
        for (int x = large.left() + 1; x <= large.right(); ++x) {
            const bool startsPixel = at(int(x / ratio)) == x || at(int(x / ratio) + 1) == x;
            for (int y = large.top(); y <= large.bottom() && !startsPixel; ++y)
                withinPixel |= sharp.pixel(x, y) != sharp.pixel(x - 1, y); // pen or entry colour
        }
        QVERIFY(withinPixel);
    }

    // On the sharper screen the picture is drawn again at device pixel ratio 2 (twice the size) and
    // shown pixel for pixel; back on the first it is the very picture it was, selection frame included.
    void pictureFollowsItsScreen()
    {
        const QList<QScreen *> screens = QGuiApplication::screens();
        QVERIFY2(screens.size() == 2 && screens[1]->devicePixelRatio() == 2, "two_screens.json");
        GameFixture f({fixture::smallPuzzle()});
        view::BoardView board(f.game);
        view::BoardPicture *picture = board.picture();
        board.repaintBoard();
        board.show();
        board.selectCell(2, 2);
        const QImage plain = picture->image().copy();

        board.windowHandle()->setScreen(screens[1]);
        const QImage shown = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage &sharp = picture->image();
        QCOMPARE(shown.copy(sharp.rect()), sharp);
        // The picture ends with the board's edge lines: the device pixels beyond them are not white.
        QCOMPARE(sharp.size(), shown.size() - QSize(1, 1));
        for (int i = 0; i < shown.height(); ++i)
            QVERIFY(shown.pixelColor(shown.width() - 1, i) != Qt::white);
        for (int i = 0; i < shown.width(); ++i)
            QVERIFY(shown.pixelColor(i, shown.height() - 1) != Qt::white);
        board.windowHandle()->setScreen(screens[0]);
        QCOMPARE(picture->image(), plain);
    }
};

QTEST_MAIN(TestBoardPainter)
#include "test_board_painter.moc"
