// The key/value layer over a per-user settings file (QSettings, native format): byte values are
// stored as byte arrays, names as text, and the file is replaced whole on each write.
#include "store/settings_file_store.h"

#include "platform/paths.h"
#include "store/key_value_store.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>

#include <sys/stat.h>

namespace store {
namespace {

// Which file a path names right now; a completed write replaces the file with a new one.
struct FileIdentity {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileIdentity &) const = default;
};

FileIdentity identityOf(const QString &path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return {true, st.st_dev, st.st_ino};
}

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

// The settings file is locked while it is written. A program killed while taking the lock, or
// while clearing someone else's abandoned lock, leaves an empty lock file behind, which would
// hold the next write for half a minute; such leftovers are cleared after a second instead.
// A lock held by a running program is left alone.
void clearAbandonedLocks(const QString &path)
{
    for (const QString &name : {path + QStringLiteral(".lock.rmlock"), path + QStringLiteral(".lock")}) {
        QLockFile lock(name);
        lock.setStaleLockTime(1000);
        if (lock.tryLock(1500))
            lock.unlock();
    }
}

class SettingsFileStore final : public KeyValueStore {
public:
    explicit SettingsFileStore(const QString &path)
        : path_(path), settings_(path, QSettings::NativeFormat), readStatus_(settings_.status())
    {
    }

    bool readable() const { return readStatus_ != QSettings::AccessError; }

    std::optional<QByteArray> readBytes(const QString &name, qsizetype room) const override
    {
        const QVariant v = settings_.value(name);
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
        const QVariant v = settings_.value(name);
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

    bool hasValue(const QString &name) const override { return settings_.contains(name); }

    void writeBytes(const QString &name, const QByteArray &bytes) override
    {
        settings_.setValue(name, bytes);
    }
    void writeText(const QString &name, const QString &text) override { settings_.setValue(name, text); }

    bool commit() override
    {
        const FileIdentity before = identityOf(path_);
        clearAbandonedLocks(path_);
        settings_.sync();
        switch (settings_.status()) {
        case QSettings::NoError:
            return true;
        case QSettings::AccessError:
            return false;
        case QSettings::FormatError:
            // Once a read found faults the status keeps saying so whatever the write did; a
            // completed write put a new file in place of the old one.
            return identityOf(path_) != before;
        }
        return false;
    }

private:
    QString path_;
    QSettings settings_;
    QSettings::Status readStatus_;
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
    if (info.exists() && (!info.isFile() || info.size() > kMaxSettingsFileBytes || holdsOversizedVariant(path)))
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
    std::unique_ptr<KeyValueStore> store = openSettingsFile(path);
    if (!store)
        return {OpenStatus::Failed, nullptr};
    return {OpenStatus::Opened, std::move(store)};
}

} // namespace store
