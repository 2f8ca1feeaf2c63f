// Writing and reading saved games.
#include "puzzle/saved_game.h"

#include "platform/paths.h"
#include "platform/whole_file.h"
#include "puzzle/ini_reader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#include <vector>

namespace puzzle {
namespace {

const QString kSection = QStringLiteral("SAVED");
// Saved games are a few kilobytes; the reader takes at most this much.
constexpr qint64 kMaxSavedGameBytes = 1 << 20;

// "PEN=" and one character per grid cell in reading order, 0 for an empty cell or a block.
QByteArray entryLine(const char *key, const kakuro::Puzzle &puzzle, const Entries &entries,
                     int (Entries::*digitOf)(int) const)
{
    QByteArray line(key);
    const int cellCount = puzzle.width() * puzzle.height();
    line.reserve(line.size() + cellCount + 2);
    for (int position = 0; position < cellCount; ++position) {
        const int cell = puzzle.cellAt(position);
        line += char('0' + (cell < 0 ? 0 : (entries.*digitOf)(cell)));
    }
    return line + "\r\n";
}

// Writes the digits of `value` into the entry cells, stopping at the first character that is not
// a digit. Pencil digits skip cells that already hold a pen digit.
void restoreDigits(const QString &value, bool inPencil, const kakuro::Puzzle &puzzle, Entries &entries)
{
    const qsizetype n = std::min<qsizetype>(value.size(), puzzle.width() * puzzle.height());
    for (qsizetype k = 0; k < n; ++k) {
        const QChar c = value.at(k);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return;
        const int cell = puzzle.cellAt(int(k));
        const int digit = c.unicode() - '0';
        if (cell < 0 || (inPencil && entries.pen(cell) != 0))
            continue;
        if (digit == 0)
            continue; // an empty cell: nothing to write, and nothing to take out
        entries.write(cell, digit, inPencil);
    }
}

// "MARKS=" and one comma-separated field per grid cell, its marked digits in increasing order.
QByteArray marksLine(const kakuro::Puzzle &puzzle, const Entries &entries)
{
    QByteArray line("MARKS=");
    const int cellCount = puzzle.width() * puzzle.height();
    for (int position = 0; position < cellCount; ++position) {
        if (position > 0)
            line += ',';
        const int cell = puzzle.cellAt(position);
        for (int d = 1; d <= 9 && cell >= 0; ++d) {
            if (entries.marks(cell) & (1 << (d - 1)))
                line += char('0' + d);
        }
    }
    return line + "\r\n";
}

// Marks come back only from a line with exactly one field of digits 1-9 per grid cell; marks on
// cells that are not entry cells are dropped.
void restoreMarks(const QString &value, const kakuro::Puzzle &puzzle, Entries &entries)
{
    const QStringList fields = value.split(QLatin1Char(','));
    if (fields.size() != puzzle.width() * puzzle.height())
        return;
    std::vector<int> marks(std::size_t(fields.size()), 0);
    for (qsizetype k = 0; k < fields.size(); ++k) {
        for (const QChar c : fields.at(k)) {
            if (c < QLatin1Char('1') || c > QLatin1Char('9'))
                return;
            marks[std::size_t(k)] |= 1 << (c.unicode() - '1');
        }
    }
    for (int cell = 0; cell < puzzle.entryCellCount(); ++cell)
        entries.setMarks(cell, marks[std::size_t(puzzle.positionOf(cell))]);
}

// The count under `key`; 0 when missing, damaged or not above 0.
int countOf(const IniReader &ini, const char *key)
{
    bool isNumber = false;
    const int count = ini.profileString(kSection, QLatin1String(key)).toInt(&isNumber);
    return isNumber && count > 0 ? count : 0;
}

int restoreFrom(const IniReader &ini, int number, const kakuro::Puzzle &puzzle, Entries &entries, int *hints)
{
    if (entries.cellCount() != puzzle.entryCellCount())
        return 0;
    if (ini.profileInt(kSection, QStringLiteral("PUZNUM"), -1) != number)
        return 0;
    restoreDigits(ini.profileString(kSection, QStringLiteral("PEN")), false, puzzle, entries);
    restoreDigits(ini.profileString(kSection, QStringLiteral("PENCIL")), true, puzzle, entries);
    restoreMarks(ini.profileString(kSection, QStringLiteral("MARKS")), puzzle, entries);
    if (hints)
        *hints = countOf(ini, "HINTS");
    return countOf(ini, "SECONDS");
}

} // namespace

QString savedGamesFolder(const QString &appFolder)
{
    if (QFileInfo::exists(platform::joinPath(appFolder, QStringLiteral("korvel.installed")))) {
        const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        if (!data.isEmpty())
            return platform::joinPath(data, QStringLiteral("saved"));
    }
    return platform::joinPath(appFolder, QStringLiteral("saved"));
}

QString savedGamePath(const QString &folder, int number)
{
    return platform::joinPath(folder, QString::number(number) + QStringLiteral(".sav"));
}

QByteArray savedGameText(int number, const kakuro::Puzzle &puzzle, const Entries &entries, int seconds,
                         int hints)
{
    QByteArray text = "[SAVED]\r\nPUZNUM=" + QByteArray::number(number) + "\r\n";
    text += entryLine("PEN=", puzzle, entries, &Entries::pen);
    text += entryLine("PENCIL=", puzzle, entries, &Entries::pencil);
    if (entries.hasAnyMark())
        text += marksLine(puzzle, entries);
    if (seconds > 0)
        text += "SECONDS=" + QByteArray::number(seconds) + "\r\n";
    if (hints > 0)
        text += "HINTS=" + QByteArray::number(hints) + "\r\n";
    return text;
}

bool writeSavedGame(const QString &path, int number, const kakuro::Puzzle &puzzle, const Entries &entries,
                    QString *error, int seconds, int hints)
{
    const auto fail = [&](const QString &why) {
        if (error)
            *error = QCoreApplication::translate("puzzle::SavedGame", "The game could not be saved to %1: %2")
                         .arg(QDir::toNativeSeparators(path), why);
        return false;
    };
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return fail(QCoreApplication::translate("puzzle::SavedGame", "the folder %1 could not be created.")
                        .arg(QDir::toNativeSeparators(folder)));

    // The saved game of this puzzle is a file of its own: a symbolic link standing in its place
    // (to another puzzle's saved game, say) is replaced, never written through.
    if (QFileInfo(path).isSymLink() && !QFile::remove(path))
        return fail(
            QCoreApplication::translate("puzzle::SavedGame", "the link there could not be replaced."));

    // The old file is replaced only once the new one is written in full, so a crash or a full
    // disk leaves the previous save in place.
    QString why;
    if (!platform::writeWholeFile(path, savedGameText(number, puzzle, entries, seconds, hints), &why))
        return fail(why + QLatin1Char('.'));
    return true;
}

SavedGameFile loadSavedGameFile(const QString &path, QByteArray &bytes, QString *reason)
{
    bytes.clear();
    const QFileInfo info(path);
    if (!info.exists())
        return SavedGameFile::Missing;
    const auto unreadable = [&](const QString &why) {
        if (reason)
            *reason = why;
        return SavedGameFile::Unreadable;
    };
    // Opening a named pipe would wait for a writer, and a device can be endless.
    if (!info.isFile())
        return unreadable(QCoreApplication::translate("puzzle::SavedGame", "it is not a file"));
    if (info.size() > kMaxSavedGameBytes)
        return unreadable(
            QCoreApplication::translate("puzzle::SavedGame", "it is larger than any saved game"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return unreadable(file.errorString());
    bytes = file.read(kMaxSavedGameBytes);
    if (file.error() != QFileDevice::NoError) {
        bytes.clear();
        return unreadable(file.errorString());
    }
    return SavedGameFile::Read;
}

int readSavedGame(const QString &path, int number, const kakuro::Puzzle &puzzle, Entries &entries, int *hints)
{
    return restoreFrom(IniReader(path), number, puzzle, entries, hints);
}

int readSavedGameBytes(const QByteArray &bytes, int number, const kakuro::Puzzle &puzzle, Entries &entries,
                       int *hints)
{
    return restoreFrom(IniReader::fromBytes(bytes), number, puzzle, entries, hints);
}

} // namespace puzzle
