// The generator behind puzzle codes: a code's puzzle, and a new puzzle with its code. Puzzles come
// and go as book records, so that callers never see the solver's own types.
#pragma once

#include "core/book_format.h"
#include "solver/puzzle_code.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace kakuro {

// The puzzle that `code` names, or nothing when its seed yields none (no code this program hands
// out is such a one). Precondition: isEncodable(code) and code.version == kGeneratorVersion.
std::optional<kakuro::BookPuzzle> puzzleOfCode(const PuzzleCode &code);

struct CodedPuzzle {
    PuzzleCode code;
    kakuro::BookPuzzle record;
};

// A new puzzle of the size and difficulty (0 Easy .. 4 Master) asked, trying seeds from
// `firstSeed` on, at most `attempts` of them. `cancelled` is asked between seeds; nothing is
// returned once it says yes, or when no seed gave a puzzle.
std::optional<CodedPuzzle> makeCodedPuzzle(int width, int height, int difficulty, std::uint32_t firstSeed,
                                           int attempts, const std::function<bool()> &cancelled = {});

} // namespace kakuro
