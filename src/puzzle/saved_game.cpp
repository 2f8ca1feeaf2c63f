// Writing and reading saved games.
#include "puzzle/saved_game.h"

#include "puzzle/ini_reader.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace modData {
namespace {

const QString kSection = QStringLiteral("SAVED");
const QString kInstalledMarker = QStringLiteral("korvel.installed");

QString joined(const QString &folder, const QString &name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

// "PEN=" and one character per cell; a cell always holds 0-9, anything else is written as empty.
QByteArray entryLine(const char *key, const ByteArray1 &entries, int cellCount)
{
    QByteArray line(key);
    line.reserve(line.size() + cellCount + 2);
    for (int i = 1; i <= cellCount; ++i) {
        const std::uint8_t v = std::size_t(i) < entries.size() ? entries[std::size_t(i)] : 0;
        line += char('0' + (v <= 9 ? v : 0));
    }
    return line + "\r\n";
}

// Copies the digits of `value` into the entry cells of `entries`, stopping at the first
// character that is not a digit; `skip` marks cells that already hold a digit elsewhere.
void restoreDigits(const Board &b, const QString &value, ByteArray1 &entries, const ByteArray1 *skip)
{
    const qsizetype n = std::min<qsizetype>(value.size(), b.cellCount);
    for (qsizetype k = 0; k < n; ++k) {
        const QChar c = value.at(k);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return;
        const std::size_t i = std::size_t(k) + 1;
        if (i >= entries.size() || i >= b.layoutGrid.size() || b.layoutGrid[i] == 0)
            continue;
        if (skip && i < skip->size() && (*skip)[i] != 0)
            continue;
        entries[i] = std::uint8_t(c.unicode() - '0');
    }
}

} // namespace

QString savedGamesFolder(const QString &appFolder)
{
    if (QFileInfo::exists(joined(appFolder, kInstalledMarker))) {
        const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        if (!data.isEmpty())
            return joined(data, QStringLiteral("saved"));
    }
    return joined(appFolder, QStringLiteral("saved"));
}

bool writeSavedGame(const Board &b, const QString &path, QString *error)
{
    const auto fail = [&](const QString &why) {
        if (error)
            *error = QStringLiteral("The game could not be saved to %1: %2")
                         .arg(QDir::toNativeSeparators(path), why);
        return false;
    };
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return fail(
            QStringLiteral("the folder %1 could not be created.").arg(QDir::toNativeSeparators(folder)));

    QByteArray text = "[SAVED]\r\nPUZNUM=" + QByteArray::number(b.lastPlayed[1]) + "\r\n";
    text += entryLine("PEN=", b.penEntries, b.cellCount);
    text += entryLine("PENCIL=", b.pencilEntries, b.cellCount);

    // The old file is replaced only once the new one is written in full, so a crash or a full
    // disk leaves the previous save in place.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString() + QLatin1Char('.'));
    if (file.write(text) != text.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return fail(why + QLatin1Char('.'));
    }
    if (!file.commit())
        return fail(file.errorString() + QLatin1Char('.'));
    return true;
}

void readSavedGame(Board &b, const QString &path)
{
    const IniReader ini(path);
    if (ini.profileInt(kSection, QStringLiteral("PUZNUM"), -1) != b.lastPlayed[1])
        return;
    restoreDigits(b, ini.profileString(kSection, QStringLiteral("PEN")), b.penEntries, nullptr);
    restoreDigits(b, ini.profileString(kSection, QStringLiteral("PENCIL")), b.pencilEntries, &b.penEntries);
}

} // namespace modData
