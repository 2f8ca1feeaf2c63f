// The three best times of each puzzle: where a time ranks and how it enters the table.
#pragma once

#include "store/settings_store.h"

#include <QString>

#include <cstdint>

namespace store {

// The name "Clear Data" writes. A name that begins with it is shown blank.
inline const QString kHiddenName = QStringLiteral("Anonymous");

// The rank 1..3 that `seconds` would take in the table of `puzzle`, or 4 when it would not
// enter it (also for a puzzle without a table). A slot ranks the time when it is empty (0) or
// holds a longer time, so a time equal to a stored one ranks after it and a cleared slot
// (99999) is taken by any real time.
// With `own`, `puzzle` is one of the player's own puzzles.
int rankForTime(const store::Settings &settings, int puzzle, std::int32_t seconds, bool own = false);

// Puts `seconds`, `name` and the number of hints taken at the rank rankForTime gives, moving the
// entries below it down one and dropping the old third; does nothing when the time does not rank.
void insertTime(store::Settings &settings, int puzzle, std::int32_t seconds, const QString &name,
                std::int32_t hints = 0, bool own = false);

// Empties every rank of the table of `puzzle` as "Clear Data" does: the cleared time, the hidden
// name and no hints, so that the table comes back cleared after a restart.
void clearTimes(store::Settings &settings, int puzzle, bool own = false);

// The table of `puzzle` (of the player's own with `own`), or nothing for a puzzle without one.
const store::PuzzleStats *statsOf(const store::Settings &settings, int puzzle, bool own = false);

} // namespace store
