// The key/value layer over a per-user settings file (QSettings, native format): byte values are
// stored as byte arrays, names as text, and the file is replaced whole on each write, and only by
// a complete one.
#include "store/settings_file_store.h"

#include "platform/paths.h"
#include "platform/whole_file.h"
#include "store/key_value_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMap>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cerrno>

#include <sys/stat.h>

namespace store {
namespace {

// The settings layer decodes a value stored as "@Variant(...)" recursively, one stack frame for
// every list or map nested in it, so a forged value of a few hundred kilobytes overflows the
// stack. The game never stores one, and 4 KB nest at most some hundred deep: a file with a
// longer one cannot be ours and is treated as unreadable.
constexpr qsizetype kMaxVariantValue = 4096;

bool holdsOversizedVariant(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false; // the settings layer finds that out for itself
    const QByteArray text = file.readAll();
    const QByteArray marker("@Variant(");
    for (qsizetype at = text.indexOf(marker); at >= 0; at = text.indexOf(marker, at)) {
        // The value runs to the end of its line; a backslash before the line break continues it.
        qsizetype end = at;
        for (;;) {
            end = text.indexOf('\n', end + 1);
            if (end < 0) {
                end = text.size();
                break;
            }
            qsizetype last = end - 1;
            if (last > at && text.at(last) == '\r')
                --last;
            if (text.at(last) != '\\')
                break;
        }
        if (end - at > kMaxVariantValue)
            return true;
        at = end; // a later value on the same line is shorter
    }
    return false;
}

// The settings file is locked while it is written, so that two copies of the game take turns. A
// copy killed while it held the lock leaves it behind; one whose owner is gone, or one that could
// not be read two seconds after it was made, is cleared. The wait for a running copy's lock is
// bounded.
constexpr int kStaleLockMs = 2000;
constexpr int kLockWaitMs = 3000;

// Whether what stands at a lock path can be a lock of ours: nothing, or a small regular file. The
// lock would wait for ever on a named pipe, read a link to an endless device without end, and
// retry a folder it can neither read nor remove.
bool canBeOurLock(const QString &lockPath)
{
    struct stat st {};
    if (::lstat(QFile::encodeName(lockPath).constData(), &st) != 0)
        return errno == ENOENT;
    return S_ISREG(st.st_mode) && st.st_size <= 4096;
}

// The settings layer writes the file it was opened on, and it puts the new file in place even when
// the disk refused its last bytes. So the values are written to a scratch file beside ours and read
// back; only when every value came back whole do its bytes replace the settings file, through
// platform::writeWholeFile, which checks each byte written.
bool writeSettingsFile(const QString &path, const QMap<QString, QVariant> &values)
{
    if (!QDir().mkpath(QFileInfo(path).path()))
        return false;
    const QString lockPath = path + QStringLiteral(".lock");
    if (!canBeOurLock(lockPath) || !canBeOurLock(lockPath + QStringLiteral(".rmlock")))
        return false;
    QLockFile lock(lockPath);
    lock.setStaleLockTime(kStaleLockMs);
    if (!lock.tryLock(kLockWaitMs))
        return false;

    QTemporaryFile scratch(path + QStringLiteral(".XXXXXX"));
    if (!scratch.open())
        return false;
    scratch.close();
    {
        QSettings out(scratch.fileName(), QSettings::NativeFormat);
        for (auto it = values.begin(); it != values.end(); ++it)
            out.setValue(it.key(), it.value());
        out.sync();
        if (out.status() != QSettings::NoError)
            return false;
    }
    // The settings layer remembers what it wrote under each file name and may not read that file
    // again, so the scratch file is read back under a name it has never seen.
    const QString readBack = scratch.fileName() + QStringLiteral(".back");
    if (!QFile::rename(scratch.fileName(), readBack))
        return false;
    const auto removeReadBack = qScopeGuard([&] { QFile::remove(readBack); });
    {
        const QSettings back(readBack, QSettings::NativeFormat);
        const QStringList keys = back.allKeys();
        if (back.status() != QSettings::NoError || keys.size() != values.size())
            return false;
        for (const QString &key : keys) {
            const auto it = values.find(key);
            if (it == values.end() || back.value(key) != *it)
                return false;
        }
    }
    QFile written(readBack);
    if (!written.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = written.readAll();
    if (written.error() != QFileDevice::NoError)
        return false;
    return platform::writeWholeFile(path, bytes, nullptr);
}

// Reads through the settings layer; writes are kept here until commit() writes the whole file.
class SettingsFileStore final : public KeyValueStore {
public:
    explicit SettingsFileStore(const QString &path)
        : path_(path), settings_(path, QSettings::NativeFormat), readStatus_(settings_.status())
    {
    }

    bool readable() const { return readStatus_ != QSettings::AccessError; }

    std::optional<QByteArray> readBytes(const QString &name, qsizetype room) const override
    {
        const QVariant v = valueOf(name);
        QByteArray bytes;
        if (v.typeId() == QMetaType::QByteArray)
            bytes = v.toByteArray();
        else if (v.canConvert<QString>())
            bytes = v.toString().toUtf8();
        else
            return std::nullopt;
        if (bytes.size() > room)
            return std::nullopt;
        return bytes;
    }

    std::optional<QString> readText(const QString &name, qsizetype room) const override
    {
        const QVariant v = valueOf(name);
        QString text;
        if (v.typeId() == QMetaType::QByteArray)
            text = QString::fromUtf8(v.toByteArray());
        else if (v.canConvert<QString>())
            text = v.toString();
        else
            return std::nullopt;
        if (text.size() > room)
            return std::nullopt;
        return text;
    }

    bool hasValue(const QString &name) const override
    {
        return written_.contains(name) || settings_.contains(name);
    }

    void writeBytes(const QString &name, const QByteArray &bytes) override { written_.insert(name, bytes); }
    void writeText(const QString &name, const QString &text) override { written_.insert(name, text); }

    bool commit() override
    {
        // Values of the file that this run does not write (another book's times, say) stay.
        QMap<QString, QVariant> values;
        for (const QString &key : settings_.allKeys())
            values.insert(key, settings_.value(key));
        values.insert(written_);
        return writeSettingsFile(path_, values);
    }

private:
    QVariant valueOf(const QString &name) const
    {
        const auto it = written_.find(name);
        return it != written_.end() ? *it : settings_.value(name);
    }

    QString path_;
    QSettings settings_; // only read: its own write would put a short file in place on a full disk
    QSettings::Status readStatus_;
    QMap<QString, QVariant> written_;
};

} // namespace

QString settingsFilePath()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (config.isEmpty())
        return {};
    return platform::joinPath(config, storeKeyPath(QLatin1Char('/')) + QStringLiteral(".conf"));
}

std::unique_ptr<KeyValueStore> openSettingsFile(const QString &path)
{
    // No settings file the game writes comes near this size (32767 puzzles' times and names take
    // some 32 MB at most); a larger one is not ours, and reading it would cost its size in memory
    // twice.
    constexpr qint64 kMaxSettingsFileBytes = qint64(64) << 20;
    // Something other than a file where the file belongs cannot be read: a named pipe would hold
    // the game until someone wrote to it.
    const QFileInfo info(path);
    if (info.exists() &&
        (!info.isFile() || info.size() > kMaxSettingsFileBytes || holdsOversizedVariant(path)))
        return nullptr;
    auto store = std::make_unique<SettingsFileStore>(path);
    if (!store->readable())
        return nullptr;
    return store;
}

OpenedStore openUserStore()
{
    const QString path = settingsFilePath();
    if (path.isEmpty())
        return {OpenStatus::Failed, nullptr};
    const QFileInfo file(path);
    platform::removeLeftoverTemporaries(file.path(), file.fileName());
    std::unique_ptr<KeyValueStore> store = openSettingsFile(path);
    if (!store)
        return {OpenStatus::Failed, nullptr};
    return {OpenStatus::Opened, std::move(store)};
}

} // namespace store
