// The colour schemes. Past Classic, each keeps digits and sums at 4.5:1 or more against their
// cell and against the hint fill, the error mark at 3:1 against both, the frame at 3:1 against an
// entry cell, and pen and pencil 3:1 apart, by the WCAG 2 contrast measure. Digits that read well
// on both leave the hint fill only a tint of the entry cell (1.25:1 or more).
#include "view/board_palette.h"

namespace view {
namespace {

// Light grey clue cells with dark sums, on white paper.
BoardPalette paper()
{
    BoardPalette p;
    p.entry = QColor(255, 255, 255);
    p.clue = QColor(205, 205, 205);
    p.lightLine = QColor(170, 170, 170);
    p.darkLine = QColor(60, 60, 60);
    p.errorMark = QColor(200, 0, 0);
    p.pen = QColor(0, 0, 100);
    p.pencil = QColor(101, 101, 101);
    p.solution = QColor(0, 0, 0);
    p.sum = QColor(20, 20, 20);
    p.mark = QColor(60, 60, 60);
    p.conflict = QColor(190, 0, 0);
    p.hint = QColor(255, 222, 164);
    p.frame = QColor(90, 90, 200);
    return p;
}

// Near-black entry cells with light digits; slate clue cells stand apart from them.
BoardPalette dark()
{
    BoardPalette p;
    p.entry = QColor(16, 16, 16);
    p.clue = QColor(70, 80, 100);
    p.lightLine = QColor(40, 40, 50);
    p.darkLine = QColor(110, 110, 110);
    p.errorMark = QColor(255, 90, 90);
    p.pen = QColor(240, 248, 255);
    p.pencil = QColor(143, 143, 143);
    p.solution = QColor(230, 230, 230);
    p.sum = QColor(255, 255, 255);
    p.mark = QColor(150, 150, 150);
    p.conflict = QColor(255, 110, 110);
    p.hint = QColor(48, 40, 9);
    p.frame = QColor(200, 200, 200);
    return p;
}

// Black and white, with strong colours only where they carry meaning.
BoardPalette highContrast()
{
    BoardPalette p;
    p.entry = QColor(255, 255, 255);
    p.clue = QColor(0, 0, 0);
    p.lightLine = QColor(255, 255, 255);
    p.darkLine = QColor(0, 0, 0);
    p.errorMark = QColor(200, 0, 0);
    p.pen = QColor(0, 0, 0);
    p.pencil = QColor(90, 90, 90);
    p.solution = QColor(0, 0, 0);
    p.sum = QColor(255, 255, 255);
    p.mark = QColor(60, 60, 60);
    p.conflict = QColor(200, 0, 0);
    p.hint = QColor(255, 220, 164);
    p.frame = QColor(0, 0, 255);
    return p;
}

} // namespace

BoardPalette BoardPalette::ofScheme(store::ColourScheme scheme)
{
    using store::ColourScheme;
    switch (scheme) {
    case ColourScheme::Paper:
        return paper();
    case ColourScheme::Dark:
        return dark();
    case ColourScheme::HighContrast:
        return highContrast();
    default:
        return classic();
    }
}

} // namespace view
