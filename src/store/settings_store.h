// The per-user settings: last puzzle, pen/pencil mode, sound flags and best times per puzzle.
#pragma once

#include "puzzle/board_model.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace modReg {

// The three best times of one puzzle, ranks 1..3 at indices 1..3 (index 0 unused).
// A time of 0 is an empty slot; 99999 a slot emptied by "Clear Data".
struct PuzzleStats {
    std::array<std::int32_t, 4> bestTimes{};
    std::array<QString, 4> bestNames;
};

inline constexpr std::int32_t kClearedTime = 99999;

// What the store keeps besides lastPlayed, bookIndex and pencilMode (which live in the board).
struct Settings {
    std::array<std::uint8_t, 4> reserved{};
    std::array<std::int16_t, 5> soundOptions{}; // 1st to 4th at indices 1..4
    std::vector<PuzzleStats> puzzleStats;       // puzzle n at index n; index 0 unused
};

// Fills the board's lastPlayed, bookIndex (always 1) and pencilMode and all of `settings` from
// the current user's store; what is missing or unreadable gets its default. Call after the book
// is open: one record is read per puzzle. A store that cannot be reached is reported with
// " Error Failerd" and leaves the first-run values.
void loadSettings(modData::Board &board, Settings &settings);
// Writes them back: the three fixed values and four per puzzle of the book; values of other
// puzzles in the store are left alone. Called once, when the main window is unloaded. A store
// that cannot be reached or written is reported with " Error Failerd".
void saveSettings(const modData::Board &board, const Settings &settings);

} // namespace modReg
