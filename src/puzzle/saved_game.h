// The saved-game file of one puzzle: four lines in initialisation-file layout, and a line of
// candidate marks after them when there are any.
#pragma once

#include "core/puzzle.h"
#include "puzzle/entries.h"

#include <QByteArray>
#include <QString>

namespace puzzle {

// Where saved games live for the program in `appFolder`: its own "saved" folder for a copy run
// from its build or unpacked folder, or the per-user data folder's "saved" for an installed copy,
// which is recognised by the marker file "korvel.installed" beside the program.
QString savedGamesFolder(const QString &appFolder);

// The saved game of puzzle `number` in `folder`.
QString savedGamePath(const QString &folder, int number);

// The text of the file: four CRLF lines, then "MARKS=" when some cell has a mark, "SECONDS="
// when `seconds` (the time played) is above 0 and "HINTS=" when `hints` (hints taken) is.
// `entries` belong to `puzzle`.
QByteArray savedGameText(int number, const kakuro::Puzzle &puzzle, const Entries &entries, int seconds = 0,
                         int hints = 0);

// Writes the file at `path`, creating its folder when missing and replacing the old file only when
// the new one is complete. A symbolic link at `path` is replaced by the file, not written through. Returns
// false, with `error` set to a sentence for the player, when it could not.
bool writeSavedGame(const QString &path, int number, const kakuro::Puzzle &puzzle, const Entries &entries,
                    QString *error = nullptr, int seconds = 0, int hints = 0);

// Restores into fresh `entries` the digits of the file at `path` when it belongs to puzzle
// `number`; otherwise changes nothing. A damaged PEN or PENCIL value restores the digits before
// its first fault; digits land only in entry cells, and a cell that would get both keeps its pen
// digit. A damaged MARKS line restores no marks. Returns the seconds played the file holds, 0 when
// it holds none or a damaged number. `hints`, when given, receives the hints taken the same way.
int readSavedGame(const QString &path, int number, const kakuro::Puzzle &puzzle, Entries &entries,
                  int *hints = nullptr);
// The same, from the bytes of a file already in memory.
int readSavedGameBytes(const QByteArray &bytes, int number, const kakuro::Puzzle &puzzle, Entries &entries,
                       int *hints = nullptr);

// What stands at a saved game's path.
enum class SavedGameFile {
    Missing,
    Read,       // its bytes are read
    Unreadable, // something is there that cannot be read: a file that cannot be opened or read,
                // something other than a file, or a file larger than any saved game
};
// Reads the bytes of the saved game at `path` into `bytes` (empty unless Read); when Unreadable,
// `reason` says why in words for the player, without a full stop.
SavedGameFile loadSavedGameFile(const QString &path, QByteArray &bytes, QString *reason = nullptr);

} // namespace puzzle
