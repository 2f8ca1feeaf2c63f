// The per-user settings: last puzzle, pen/pencil mode, sound flags and best times per puzzle.
#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace store {

class KeyValueStore;

// The three best times of one puzzle, ranks 1..3 at indices 1..3 (index 0 unused).
// A time of 0 is an empty slot; 99999 a slot emptied by "Clear Data". Each time keeps the number
// of hints the player took on the way.
struct PuzzleStats {
    std::array<std::int32_t, 4> bestTimes{};
    std::array<QString, 4> bestNames;
    std::array<std::int32_t, 4> hintCounts{};
};

inline constexpr std::int32_t kClearedTime = 99999;

// The main window as the player left it, while it could be resized.
struct WindowPlace {
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool maximised = false;
    std::int32_t zoomLevel = 3;
};

// The colour schemes of the board on screen, in their stored order (the value COLOURSCHEME).
enum class ColourScheme : std::int32_t { Classic, Paper, Dark, HighContrast };
inline constexpr int kColourSchemeCount = int(ColourScheme::HighContrast) + 1;

// Everything the store keeps. While the program runs, store::PlayerSettings holds them and is the
// only one that changes them; the functions below read and write such a value.
struct Settings {
    std::int32_t lastPuzzle = 1; // the puzzle in play; the game keeps it within the book
    // The first 2 bytes of SOLVINGDATA, the book index, have no field: there is one book, so they
    // are always written as 1 and never read back.
    std::int16_t pencilMode = 0; // 0 pen, 1 pencil
    // The last 4 bytes of SOLVINGDATA: nothing uses them; they are read and written back as
    // they were, so that the value keeps its layout.
    std::array<std::uint8_t, 4> reserved{};
    // SOUNDOPTIONS, 1st to 4th at indices 1..4 (0 unused): the game plays no sound; they are kept (1 when
    // missing) only so that the stored value keeps its layout.
    std::array<std::int16_t, 5> soundOptions{};
    std::vector<PuzzleStats> puzzleStats; // puzzle n at index n; index 0 unused
    // The same for the player's own puzzles, stored under names of their own ("MYSTATS"n...).
    std::vector<PuzzleStats> ownPuzzleStats;

    // The player's options beyond the first release. Each is stored only once it differs from its
    // default (or was stored before), so that an untouched store holds what it always held.
    bool showCombinations = false;
    bool showConflicts = false;
    bool keepProgress = false;                         // a puzzle left after a change is saved on the way out
    ColourScheme colourScheme = ColourScheme::Classic; // of the board on screen
    // Where the combinations window last stood on the screen; none until it has been shown.
    std::optional<std::pair<std::int32_t, std::int32_t>> combinationsPosition;
    std::int32_t keyScheme = 0; // 0 Classic, 1 Common
    bool autoMarks = true;      // a placed digit leaves the marks of its runs
    bool fitWindow = false;     // the window can be resized and the board follows it
    // While fitWindow is on: the window's size, whether it was maximised, and the zoom step.
    std::optional<WindowPlace> windowPlace;
};

// What the player is told when the store cannot be reached or written.
QString storeFailureText();

// The first-run values, with an empty table of best times for each of `puzzleCount` puzzles of the
// book and `ownPuzzleCount` of the player's own.
Settings firstRunSettings(int puzzleCount, int ownPuzzleCount = 0);

// Fills `settings` from the current user's store for a book of `puzzleCount` puzzles and
// `ownPuzzleCount` puzzles of the player's own (one record of best times is read per puzzle); what is missing
// or unreadable gets its default. Returns false when the store cannot be reached: the first-run values stay
// and the player must be told.
bool loadSettings(Settings &settings, int puzzleCount, int ownPuzzleCount = 0);
// The reading part of loadSettings: every value of `kv` over what `settings` holds, for the
// puzzles that have a record in settings.puzzleStats.
void readSettings(const KeyValueStore &kv, Settings &settings);
// Writes them back: the three fixed values and four per puzzle of the book; the tables of the
// player's own puzzles only once they hold a time (or were stored before); values of other
// puzzles in the store are left alone. Returns false when the store could not be reached or
// written: the player must be told.
bool saveSettings(const Settings &settings);

} // namespace store
