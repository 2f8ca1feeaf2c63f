// The print choices that the print dialog hands to the page printer.
#pragma once

#include <QColor>
#include <QString>

#include <cstdint>

namespace print {

// One "&Print Now"'s choices. The defaults are what a fresh print dialog shows, apart from the
// footer line, whose default the dialog supplies.
struct PrintSettings {
    std::int16_t solutionFontSize = 18;             // points: answer digits (and the player's digits)
    std::int16_t sumFontSize = 10;                  // points: sums
    std::int32_t footerFontSize = 8;                // points: the footer line
    QColor entryCellColour = QColor(255, 255, 255); // fill of entry cells and the background
    QColor clueCellColour = QColor(20, 20, 20);
    QColor solutionFontColour = QColor(0, 0, 0);
    QColor sumFontColour = QColor(255, 255, 255);
    QColor footerColour = QColor(0, 0, 0);
    std::int32_t cellSizePixels = 250; // side of one cell in printer pixels
    std::int32_t lineSize = 1;         // grid line width in printer pixels
    QString footerText;
};

} // namespace print
