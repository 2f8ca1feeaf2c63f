// The one owner of the player's settings while the program runs.
#pragma once

#include "store/settings_store.h"

#include <QString>

#include <cstdint>

namespace store {

// Holds the settings from start-up to exit. Everyone reads them through values(); they change only
// through the operations below, each named for what the player did, and reach the store only
// through save(), which the main window calls once as it goes away.
class PlayerSettings {
public:
    // First-run values, with an empty table of best times for each of `puzzleCount` puzzles of the
    // book and `ownPuzzleCount` of the player's own.
    explicit PlayerSettings(int puzzleCount = 0, int ownPuzzleCount = 0);

    const Settings &values() const { return settings_; }

    // Reads the current user's store (see loadSettings). False when the store cannot be reached:
    // the first-run values stay and the player must be told.
    bool load(int puzzleCount, int ownPuzzleCount);
    // Writes the settings to the current user's store (see saveSettings). False when the store
    // could not be reached or written: the player must be told.
    bool save() const;

    // The book's puzzle the player opened, which the next start opens again.
    void rememberLastPuzzle(int number);
    void setPencilMode(bool pencil);
    // The player's options.
    void setKeepProgress(bool on);
    void setAutoMarks(bool on);
    void setShowConflicts(bool on);
    void setShowCombinations(bool on);
    void setColourScheme(ColourScheme scheme);
    void setKeyScheme(std::int32_t scheme);
    void setFitWindow(bool on);
    // Where the player left the windows.
    void rememberWindowPlace(const WindowPlace &place);
    void rememberCombinationsPosition(std::int32_t x, std::int32_t y);

    // The player finished `puzzle` (one of the player's own with `own`) in `seconds` with `hints`
    // hints: the time enters its table of best times when it ranks among the three best. Returns
    // whether it did.
    bool recordBestTime(int puzzle, std::int32_t seconds, const QString &name, std::int32_t hints = 0,
                        bool own = false);
    // "Clear Data": every rank of the puzzle's table holds the cleared time and the hidden name.
    void clearBestTimes(int puzzle, bool own = false);
    // The player's own puzzles now number at least `count`: each has a table of best times.
    void addOwnPuzzles(int count);

private:
    Settings settings_;
};

} // namespace store
