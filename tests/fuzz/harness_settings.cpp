// Fuzzes the settings store's file back end: a settings file decoded into the settings.
#include "harnesses.h"

#include "store/settings_file_store.h"
#include "store/settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace fuzzing {
namespace {

QString scratchFolder()
{
    // In memory where there is room for it: every input is written to a file.
    static QTemporaryDir folder(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                    ? QStringLiteral("/dev/shm/korvel-fuzz-XXXXXX")
                                    : QDir::tempPath() + QStringLiteral("/korvel-fuzz-XXXXXX"));
    return folder.path();
}

// The names as the game keeps them: at most 50 characters, with nothing from a NUL on.
const char *checkNames(const store::Settings &s)
{
    for (std::size_t n = 1; n < s.puzzleStats.size(); ++n) {
        for (std::size_t k = 1; k <= 3; ++k) {
            const QString &name = s.puzzleStats[n].bestNames[k];
            if (name.size() > 50)
                return "a name longer than 50 characters";
            if (name.contains(QChar(u'\0')))
                return "a name holding a NUL";
        }
    }
    return nullptr;
}

} // namespace

const char *settingsFile(Input data)
{
    // Stored values may name GUI types (a colour, an image), which need the application.
    ensureGuiApplication();
    // A new name for every input: the settings layer caches files by name and would otherwise
    // take a file rewritten within the same millisecond for the one it read before.
    static int serial = 0;
    const QString path = scratchFolder() + QStringLiteral("/%1.conf").arg(++serial);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(reinterpret_cast<const char *>(data.data()),
                                                           qint64(data.size())) != qint64(data.size()))
            return "the scratch file could not be written";
    }
    const char *broken = nullptr;
    if (std::unique_ptr<store::KeyValueStore> kv = store::openSettingsFile(path)) {
        store::Settings settings = store::firstRunSettings(3);
        store::readSettings(*kv, settings);
        if (settings.puzzleStats.size() != 4)
            broken = "the table of best times resized";
        else
            broken = checkNames(settings);
    }
    QFile::remove(path);
    return broken;
}

} // namespace fuzzing
