// The page printer: the current puzzle (or its solution) and a footer line on one page.
#pragma once

#include "core/puzzle.h"
#include "print/page_target.h"
#include "print/print_settings.h"
#include "puzzle/entries.h"

#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

class QWidget;

namespace print {

inline const QString jobName = QStringLiteral("DOM");

enum class PrintOutcome {
    Printed,         // the page was handed to the device
    SettingsRefused, // a size the page cannot take; the player was told, nothing was started
    DocumentRefused, // "Could not start Printing .."
    PageRefused,     // "Could not start a New page .."; the document was abandoned
    Failed,          // the device failed while drawing or at the end; the player was told
};

// A setting the page cannot take, and what to tell the player about it.
struct SettingsProblem {
    enum Field { SolutionFontSize, SumFontSize, FooterFontSize, CellSize, LineSize };
    Field field;
    QString text;
};

// The first setting, in the order the dialog reads them, that a page of `printable` pixels at
// `dotsPerInch` cannot take: a cell must fit on the page, a line must be no wider than a cell
// (0 draws the thinnest line), and a font must be at least 1 point and no taller than the page.
std::optional<SettingsProblem> checkSettings(const PrintSettings &s, QSize printable, int dotsPerInch);

// The footer's rectangle: from half a cell in, two points-as-pixels per footer point below the
// board (which spans gridHeight + 1 cells), to the printable width, one cell high.
// Precondition: the settings passed checkSettings.
QRect footerRect(const PrintSettings &s, int gridHeight, int printableWidth);

// Prints `puzzle` on one page of `target`: footer, board, and the sums when `showSums` (which
// also draws the clue diagonals). With `showSolution` every entry cell shows its solution digit;
// without it, a cell the player has filled shows the player's own digit. Fills, lines and digits
// take the settings' colours. Failures are told to the player in message boxes over `parent`.
PrintOutcome printPuzzle(const kakuro::Puzzle &puzzle, const puzzle::Entries &entries,
                         const PrintSettings &settings, bool showSolution, bool showSums, PageTarget &target,
                         QWidget *parent);

} // namespace print
