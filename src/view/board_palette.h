// The colours a board is drawn in. The screen has its own palette, chosen among the colour schemes,
// and the printer builds one from its dialog, so neither changes the other's colours.
#pragma once

#include "store/settings_store.h"

#include <QColor>

namespace view {

struct BoardPalette {
    QColor entry = QColor(255, 255, 255);     // entry cells, and the ground under everything
    QColor clue = QColor(0, 0, 0);            // clue cells and other blocks
    QColor lightLine = QColor(150, 150, 150); // lines between blocks, clue diagonals
    QColor darkLine = QColor(0, 0, 0);        // lines before and above entry cells
    int lineWidth = 1;                        // of both grid lines
    QColor errorMark = QColor(200, 20, 20);   // Check All's flash and lasting marks
    QColor pen = QColor(20, 20, 240);
    QColor pencil = QColor(150, 150, 150);
    QColor solution = QColor(0, 0, 0);     // solution digits, and the player's own on paper
    QColor sum = QColor(255, 255, 255);    // clue sums
    QColor mark = QColor(150, 150, 150);   // candidate marks
    QColor conflict = QColor(200, 20, 20); // digits that break a run's rules, when shown
    QColor hint = QColor(255, 244, 170);   // behind the digits of the cells a hint is about
    QColor frame = QColor(150, 150, 150);  // the selection frame

    // The colours of the board on screen as it always was.
    static BoardPalette classic() { return {}; }
    // The palette of `scheme`; Classic for any other value.
    static BoardPalette ofScheme(store::ColourScheme scheme);
};

} // namespace view
