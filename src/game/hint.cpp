// Hints on the player's board: a wrong digit first, then marks that lost their digit, then a step
// of reasoning.
#include "game/hint.h"

#include "game/hint_text.h"

#include <algorithm>

namespace game {
namespace {

// The solver's view of the puzzle: the same layout and clues, entry cells numbered in reading order.
kakuro::Puzzle solverPuzzleOf(const puzzle::Puzzle &puzzle)
{
    puzzle::BookPuzzle record;
    record.width = puzzle.width();
    record.height = puzzle.height();
    for (int i = 1; i <= puzzle.cellCount(); ++i)
        record.cells.push_back(std::uint8_t(puzzle.solution(i)));
    return kakuro::puzzleFromRecord(record);
}

} // namespace

HintFinder::HintFinder(const puzzle::Puzzle &puzzle)
    : puzzle_(puzzle), solverPuzzle_(solverPuzzleOf(puzzle)), search_(solverPuzzle_)
{
}

Hint HintFinder::next(const puzzle::Entries &entries)
{
    Hint hint;
    auto about = [&](HintKind kind, int i, int digit, const QString &text) {
        hint.kind = kind;
        hint.cell = i;
        hint.digit = digit;
        hint.cells = {i};
        hint.text = text;
        return hint;
    };
    for (int i = 1; i <= puzzle_.cellCount(); ++i) {
        const int digit = entries.digit(i);
        if (puzzle_.solution(i) != 0 && digit != 0 && digit != puzzle_.solution(i))
            return about(HintKind::WrongDigit, i, digit,
                         wrongDigitText(digit, puzzle_.colOf(i), puzzle_.rowOf(i)));
    }
    for (int i = 1; i <= puzzle_.cellCount(); ++i) {
        const int marks = entries.marks(i);
        if (puzzle_.solution(i) != 0 && entries.digit(i) == 0 && marks != 0 &&
            !(marks & kakuro::digitBit(puzzle_.solution(i))))
            return about(HintKind::LostDigit, i, puzzle_.solution(i),
                         lostDigitText(puzzle_.colOf(i), puzzle_.rowOf(i)));
    }
    for (int i = 1; i <= puzzle_.cellCount(); ++i) {
        const int marks = entries.marks(i);
        if (puzzle_.solution(i) != 0 && entries.digit(i) == 0 && kakuro::isSingle(kakuro::DigitSet(marks)))
            return about(HintKind::Placement, i, puzzle_.solution(i),
                         lastMarkText(puzzle_.solution(i), puzzle_.colOf(i), puzzle_.rowOf(i)));
    }

    // Solver cell c is board cell positionOf[c] + 1.
    auto indexOf = [&](int cell) { return solverPuzzle_.positionOf[std::size_t(cell)] + 1; };
    std::vector<kakuro::DigitSet> board(std::size_t(solverPuzzle_.cellCount()), kakuro::kAllDigits);
    for (int c = 0; c < solverPuzzle_.cellCount(); ++c) {
        if (const int digit = entries.digit(indexOf(c)))
            board[std::size_t(c)] = kakuro::digitBit(digit);
        else if (const int marks = entries.marks(indexOf(c)))
            board[std::size_t(c)] = kakuro::DigitSet(marks);
    }

    const std::optional<HintStep> step = search_.find(board);
    if (!step) {
        hint.text = noStepText();
        return hint;
    }
    hint.kind = step->places ? HintKind::Placement : HintKind::Removal;
    hint.technique = step->technique;
    hint.cell = indexOf(step->cell);
    if (step->places)
        hint.digit = kakuro::lowestDigit(step->after);
    else
        kakuro::forEachDigit(kakuro::DigitSet(step->before & ~step->after),
                             [&](int d) { hint.removedDigits << d; });
    hint.cells = {hint.cell};
    for (int run : step->runs)
        for (int k = 0; k < solverPuzzle_.runs[std::size_t(run)].length; ++k)
            hint.cells << indexOf(solverPuzzle_.cellsOf(run)[k]);
    std::sort(hint.cells.begin(), hint.cells.end());
    hint.cells.erase(std::unique(hint.cells.begin(), hint.cells.end()), hint.cells.end());
    hint.text = stepText(solverPuzzle_, board, *step);
    return hint;
}

Hint findHint(const puzzle::Puzzle &puzzle, const puzzle::Entries &entries)
{
    return HintFinder(puzzle).next(entries);
}

} // namespace game
