// Hints on the player's board: a wrong digit first, then marks that lost their digit, then a step
// of reasoning.
#include "game/hint.h"

#include "game/hint_text.h"

#include <algorithm>

namespace game {

HintFinder::HintFinder(const kakuro::Puzzle &puzzle) : puzzle_(puzzle), search_(puzzle) {}

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
    for (int i = 0; i < puzzle_.entryCellCount(); ++i) {
        const int digit = entries.digit(i);
        if (digit != 0 && digit != puzzle_.solution(i))
            return about(HintKind::WrongDigit, i, digit,
                         wrongDigitText(digit, puzzle_.colOf(i), puzzle_.rowOf(i)));
    }
    for (int i = 0; i < puzzle_.entryCellCount(); ++i) {
        const int marks = entries.marks(i);
        if (entries.digit(i) == 0 && marks != 0 && !(marks & kakuro::digitBit(puzzle_.solution(i))))
            return about(HintKind::LostDigit, i, puzzle_.solution(i),
                         lostDigitText(puzzle_.colOf(i), puzzle_.rowOf(i)));
    }
    for (int i = 0; i < puzzle_.entryCellCount(); ++i) {
        const int marks = entries.marks(i);
        if (entries.digit(i) == 0 && kakuro::isSingle(kakuro::DigitSet(marks)))
            return about(HintKind::Placement, i, puzzle_.solution(i),
                         lastMarkText(puzzle_.solution(i), puzzle_.colOf(i), puzzle_.rowOf(i)));
    }

    std::vector<kakuro::DigitSet> board(std::size_t(puzzle_.entryCellCount()), kakuro::kAllDigits);
    for (int c = 0; c < puzzle_.entryCellCount(); ++c) {
        if (const int digit = entries.digit(c))
            board[std::size_t(c)] = kakuro::digitBit(digit);
        else if (const int marks = entries.marks(c))
            board[std::size_t(c)] = kakuro::DigitSet(marks);
    }

    const std::optional<HintStep> step = search_.find(board);
    if (!step) {
        hint.text = noStepText();
        return hint;
    }
    hint.kind = step->places ? HintKind::Placement : HintKind::Removal;
    hint.technique = step->technique;
    hint.cell = step->cell;
    if (step->places)
        hint.digit = kakuro::lowestDigit(step->after);
    else
        kakuro::forEachDigit(kakuro::DigitSet(step->before & ~step->after),
                             [&](int d) { hint.removedDigits << d; });
    hint.cells = {hint.cell};
    for (int run : step->runs)
        for (int cell : puzzle_.cells(run))
            hint.cells << cell;
    std::sort(hint.cells.begin(), hint.cells.end());
    hint.cells.erase(std::unique(hint.cells.begin(), hint.cells.end()), hint.cells.end());
    hint.text = stepText(puzzle_, board, *step);
    return hint;
}

Hint findHint(const kakuro::Puzzle &puzzle, const puzzle::Entries &entries)
{
    return HintFinder(puzzle).next(entries);
}

} // namespace game
