// The saved-game file of one puzzle: four lines in initialisation-file layout.
#pragma once

#include "puzzle/board_model.h"

#include <QString>

namespace modData {

// Where saved games live for the program in `appFolder`: its own "saved" folder for a copy run
// from its build or unpacked folder, or the per-user data folder's "saved" for an installed copy,
// which is recognised by the marker file "korvel.installed" beside the program.
QString savedGamesFolder(const QString &appFolder);

// Writes the board's entries and the current puzzle number to `path`, creating its folder when
// missing and replacing the old file only when the new one is complete. Returns false (with
// `error` set to a sentence for the player) when it could not.
bool writeSavedGame(const Board &b, const QString &path, QString *error = nullptr);

// Fills penEntries and pencilEntries from `path` when the file belongs to the current puzzle;
// otherwise changes nothing. Called on a freshly reset board. A damaged PEN or PENCIL value
// restores the digits before its first fault; digits land only in entry cells, and a cell that
// would get both keeps its pen digit.
void readSavedGame(Board &b, const QString &path);

} // namespace modData
