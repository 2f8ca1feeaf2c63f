// The generator's loop: a layout, a filling, tightening and repairs, then the grade; a filling that
// cannot be repaired or lands in the wrong band is dropped for a fresh one.
#include "generator/generator.h"

#include "generator/digit_filler.h"
#include "generator/layout_generator.h"
#include "generator/repairer.h"

#include <algorithm>

namespace kakuro {
namespace {

constexpr int kLayoutTries = 40;
constexpr int kFillsPerLayout = 3;
constexpr int kTightenRounds = 5;
constexpr int kHardenMoves = 80; // redrawn runs on the way from a repaired puzzle to a master one

LayoutOptions layoutFor(Random &random, const PuzzleRequest &request)
{
    LayoutOptions o;
    o.width = request.width;
    o.height = request.height;
    o.blockPercent = request.blockPercent + int(random.below(7)) - 3;
    o.maxRun = 9;
    return o;
}

} // namespace

Technique ceilingOf(const PuzzleRequest &request)
{
    switch (request.difficulty) {
    case Difficulty::Easy:
        return Technique::HiddenSingle;
    case Difficulty::Medium:
        return Technique::Remainder;
    case Difficulty::Hard:
        return Technique::TriplesAndQuads;
    case Difficulty::Expert:
        return Technique::RunConsistency;
    case Difficulty::Master:
        return request.masterRung;
    case Difficulty::Guessing:
        break;
    }
    return Technique::Contradiction;
}

std::optional<GeneratedPuzzle> generatePuzzle(std::uint64_t seed, const PuzzleRequest &request)
{
    Random random(seed);
    GeneratedPuzzle out;
    const Technique ceiling = ceilingOf(request);
    const auto stop = [&] { return request.stopRequested && request.stopRequested(); };
    for (int tryLayout = 0; tryLayout < kLayoutTries && !stop(); ++tryLayout) {
        ++out.layouts;
        const std::optional<std::vector<bool>> layout = makeLayout(random, layoutFor(random, request));
        if (!layout)
            continue;
        Puzzle p = puzzleFromLayout(request.width, request.height, *layout);
        for (int fill = 0; fill < kFillsPerLayout && !stop(); ++fill) {
            std::vector<int> leans = drawLeans(random, p);
            std::vector<std::uint8_t> digits(std::size_t(p.entryCellCount()), 0);
            if (!fillDigits(random, p, digits, leans))
                continue;
            setSums(p, digits);
            tighten(random, p, digits, kTightenRounds);
            const Technique repairCeiling = std::min(ceiling, Technique::RunConsistency);
            if (!repairUntilSolved(random, p, digits, leans, repairCeiling, out.repairs))
                continue;
            if (ceiling > repairCeiling && !hardenUntil(random, p, digits, leans, ceiling, kHardenMoves))
                continue;
            Grader grader(p);
            out.grade = grader.grade(ceiling);
            if (!out.grade.solvedByLogic || (request.exact && out.grade.difficulty != request.difficulty) ||
                (request.exact && request.difficulty == Difficulty::Master && out.grade.hardest != ceiling))
                continue;
            out.record = recordOf(p, digits);
            return out;
        }
    }
    return std::nullopt;
}

} // namespace kakuro
