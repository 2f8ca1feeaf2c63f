// The player's settings, changed by name.
#include "store/player_settings.h"

#include "store/score.h"

namespace store {

PlayerSettings::PlayerSettings(int puzzleCount, int ownPuzzleCount)
    : settings_(firstRunSettings(puzzleCount, ownPuzzleCount))
{
}

bool PlayerSettings::load(int puzzleCount, int ownPuzzleCount)
{
    return loadSettings(settings_, puzzleCount, ownPuzzleCount);
}

bool PlayerSettings::save() const
{
    return saveSettings(settings_);
}

void PlayerSettings::rememberLastPuzzle(int number)
{
    settings_.lastPuzzle = number;
}

void PlayerSettings::setPencilMode(bool pencil)
{
    settings_.pencilMode = pencil ? 1 : 0;
}

void PlayerSettings::setKeepProgress(bool on)
{
    settings_.keepProgress = on;
}

void PlayerSettings::setAutoMarks(bool on)
{
    settings_.autoMarks = on;
}

void PlayerSettings::setShowConflicts(bool on)
{
    settings_.showConflicts = on;
}

void PlayerSettings::setShowCombinations(bool on)
{
    settings_.showCombinations = on;
}

void PlayerSettings::setColourScheme(ColourScheme scheme)
{
    settings_.colourScheme = scheme;
}

void PlayerSettings::setKeyScheme(std::int32_t scheme)
{
    settings_.keyScheme = scheme;
}

void PlayerSettings::setFitWindow(bool on)
{
    settings_.fitWindow = on;
}

void PlayerSettings::rememberWindowPlace(const WindowPlace &place)
{
    settings_.windowPlace = place;
}

void PlayerSettings::rememberCombinationsPosition(std::int32_t x, std::int32_t y)
{
    settings_.combinationsPosition = std::pair(x, y);
}

bool PlayerSettings::recordBestTime(int puzzle, std::int32_t seconds, const QString &name, std::int32_t hints,
                                    bool own)
{
    if (rankForTime(settings_, puzzle, seconds, own) > 3)
        return false;
    insertTime(settings_, puzzle, seconds, name, hints, own);
    return true;
}

void PlayerSettings::clearBestTimes(int puzzle, bool own)
{
    clearTimes(settings_, puzzle, own);
}

void PlayerSettings::addOwnPuzzles(int count)
{
    if (count > 0 && settings_.ownPuzzleStats.size() <= std::size_t(count))
        settings_.ownPuzzleStats.resize(std::size_t(count) + 1);
}

} // namespace store
