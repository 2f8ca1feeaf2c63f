// The hint search: the rungs of the ladder, cheapest first, each looking once at the board.
#include "game/hint_search.h"

#include "solver/grader.h"

namespace game {
namespace {

HintStep hintStepOf(const kakuro::LogicStep &s, const kakuro::CellStep &c)
{
    HintStep step;
    step.technique = s.technique;
    step.cell = c.cell;
    step.before = c.before;
    step.after = c.after;
    step.places = kakuro::isSingle(c.after);
    step.runs = s.runs;
    step.run = s.runs.empty() ? kakuro::kNoRun : s.runs.front();
    step.group = s.group;
    step.digits = s.digits;
    step.hidden = s.hidden;
    step.assumed = s.assumedDigit;
    return step;
}

} // namespace

HintSearch::HintSearch(const kakuro::Puzzle &puzzle) : steps_(puzzle) {}

std::optional<HintStep> HintSearch::find(const std::vector<kakuro::DigitSet> &board)
{
    for (kakuro::Technique rung : kakuro::humanLadder()) {
        const std::vector<kakuro::LogicStep> steps = steps_.of(rung, board);
        // A cell counts when the step found it open: a decided cell has nothing left to learn.
        auto counts = [](const kakuro::CellStep &c) { return !kakuro::isSingle(c.before) && c.after != 0; };
        for (const kakuro::LogicStep &s : steps)
            for (const kakuro::CellStep &c : s.cells)
                if (counts(c) && kakuro::isSingle(c.after))
                    return hintStepOf(s, c);
        for (const kakuro::LogicStep &s : steps)
            for (const kakuro::CellStep &c : s.cells)
                if (counts(c))
                    return hintStepOf(s, c);
    }
    return std::nullopt;
}

} // namespace game
