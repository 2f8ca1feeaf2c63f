// Hints: the next step a person could take on the board as the player has it, told in a sentence
// that teaches the reasoning. Only a wrong digit and marks that leave out the right digit are found
// by looking at the solution; every other hint reasons from the clues, the digits written (pen and
// pencil alike) and, in an empty cell with marks, those marks.
#pragma once

#include "core/puzzle.h"
#include "game/hint_search.h"
#include "puzzle/entries.h"

#include <QList>
#include <QString>

namespace game {

enum class HintKind {
    Nothing,    // no step can be found
    WrongDigit, // a digit on the board is wrong
    LostDigit,  // the marks of an empty cell leave out the digit that belongs there
    Placement,  // a digit can be written in a cell
    Removal,    // some digits can be ruled out of a cell
};

struct Hint {
    HintKind kind = HintKind::Nothing;
    kakuro::Technique technique = kakuro::Technique::Combinations; // the reasoning, for Placement and Removal
    int cell = -1; // the entry cell the hint is about; -1 with Nothing
    int digit = 0; // WrongDigit: the wrong digit; LostDigit and Placement: the digit that goes there
    QList<int> removedDigits; // Removal: the digits ruled out, ascending
    QList<int> cells; // to highlight: the cell and the entry cells of the runs the reasoning used, ascending
    QString text;
};

// Finds hints on one puzzle; keeps what it derives from the puzzle between hints.
class HintFinder {
public:
    // The puzzle must outlive the finder.
    explicit HintFinder(const kakuro::Puzzle &puzzle);
    HintFinder(kakuro::Puzzle &&) = delete;
    HintFinder(const HintFinder &) = delete;
    HintFinder &operator=(const HintFinder &) = delete;

    // The first wrong digit in reading order, else the first cell whose marks leave out its
    // digit, else the first step of the cheapest rung that makes progress (a placement before a
    // removal), or Nothing.
    Hint next(const puzzle::Entries &entries);

private:
    const kakuro::Puzzle &puzzle_;
    HintSearch search_;
};

// The same without keeping anything.
Hint findHint(const kakuro::Puzzle &puzzle, const puzzle::Entries &entries);

} // namespace game
