// The sentences of hints, one kind per rung of reasoning, every text through tr().
#pragma once

#include "game/hint_search.h"

#include <QString>

namespace game {

// "The 7 in row 3, column 5 is wrong."
QString wrongDigitText(int digit, int col, int row);

// "Your marks in row 3, column 5 leave out a digit that belongs there."
QString lostDigitText(int col, int row);

// "Your marks in row 3, column 5 leave only 4, so that cell is 4."
QString lastMarkText(int digit, int col, int row);

// "No step can be found by reasoning from here."
QString noStepText();

// The sentences that explain `step`, found on `puzzle` from `board` (per cell the digit written,
// the marks, or every digit).
QString stepText(const kakuro::Puzzle &puzzle, const std::vector<kakuro::DigitSet> &board,
                 const HintStep &step);

} // namespace game
