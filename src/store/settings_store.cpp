// The settings store. Until the store's back ends land this only sets the first-run defaults.
#include "store/settings_store.h"

namespace modReg {

void loadSettings(modData::Board &board, Settings &settings)
{
    board.lastPlayed[1] = 1;
    board.bookIndex = 1;
    board.pencilMode = 0;
    settings.soundOptions = {0, 1, 1, 1, 1};
    settings.puzzleStats.assign(std::size_t(board.puzzleCount) + 1, PuzzleStats{});
}

void saveSettings(const modData::Board &, const Settings &) {}

} // namespace modReg
