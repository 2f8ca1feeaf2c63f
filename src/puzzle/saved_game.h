// The saved-game file of one puzzle: four lines in initialisation-file layout.
#pragma once

#include "puzzle/board_model.h"

#include <QString>

namespace modData {

// Writes the board's entries and the current puzzle number to `path`, replacing the old file
// only when the new one is complete. Returns false (with `error` set) when it could not.
bool writeSavedGame(const Board &b, const QString &path, QString *error = nullptr);

// Fills penEntries and pencilEntries from `path` when the file belongs to the current puzzle;
// otherwise changes nothing. Called on a freshly reset board.
void readSavedGame(Board &b, const QString &path);

} // namespace modData
