// Codes to generator requests and back.
#include "generator/code_generation.h"

#include "generator/generator.h"

namespace kakuro {
namespace {

PuzzleRequest requestOf(const PuzzleCode &code)
{
    PuzzleRequest request;
    request.width = code.width;
    request.height = code.height;
    request.difficulty = Difficulty(code.difficulty);
    // Master puzzles take crossing runs or region sums as their hardest step, as the seed says; a
    // short contradiction as the hardest step can take the generator seconds on a large board.
    request.masterRung = Technique(int(Technique::CrossingRuns) + int(code.seed % 2));
    request.exact = true;
    return request;
}

} // namespace

std::optional<kakuro::BookPuzzle> puzzleOfCode(const PuzzleCode &code)
{
    const std::optional<GeneratedPuzzle> made = generatePuzzle(code.seed, requestOf(code));
    if (!made)
        return std::nullopt;
    return made->record;
}

std::optional<CodedPuzzle> makeCodedPuzzle(int width, int height, int difficulty, std::uint32_t firstSeed,
                                           int attempts, const std::function<bool()> &cancelled)
{
    CodedPuzzle out;
    out.code.width = width;
    out.code.height = height;
    out.code.difficulty = difficulty;
    for (int k = 0; k < attempts; ++k) {
        if (cancelled && cancelled())
            return std::nullopt;
        out.code.seed = (firstSeed + std::uint32_t(k)) & kMaxCodeSeed;
        if (std::optional<kakuro::BookPuzzle> record = puzzleOfCode(out.code)) {
            out.record = std::move(*record);
            return out;
        }
    }
    return std::nullopt;
}

} // namespace kakuro
