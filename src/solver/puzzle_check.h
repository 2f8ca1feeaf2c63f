// The checks a puzzle of a book must pass: its stored solution keeps the rules, and its clues admit
// that solution and no other (optionally: logic finds it without a guess).
#pragma once

#include "core/book_format.h"
#include "solver/grader.h"

#include <string>
#include <vector>

namespace kakuro {

struct PuzzleReport {
    std::vector<std::string> problems; // empty when the puzzle is fine
    int solutions = 0;                 // 0, 1, 2 meaning "more than one", or -1: the search gave up
    bool graded = false;               // `grade` holds the grader's verdict
    Grade grade;
};

// `requireLogic` adds the grader: a puzzle that logic cannot finish is a problem too.
// Positions in the messages are (column, row), 1-based as in the game.
PuzzleReport checkPuzzle(const kakuro::BookPuzzle &record, bool requireLogic = false);

} // namespace kakuro
