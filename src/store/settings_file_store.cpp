// The key/value layer over a per-user settings file (QSettings, native format): byte values are
// stored as byte arrays, names as text, and the file is replaced whole on each write.
#include "store/settings_file_store.h"

#include "store/key_value_store.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>

#include <sys/stat.h>

namespace modReg {
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
    return config + QLatin1Char('/') + storeKeyPath(QLatin1Char('/')) + QStringLiteral(".conf");
}

OpenedStore openUserStore()
{
    const QString path = settingsFilePath();
    if (path.isEmpty())
        return {OpenStatus::Failed, nullptr};
    auto store = std::make_unique<SettingsFileStore>(path);
    if (!store->readable())
        return {OpenStatus::Failed, nullptr};
    return {OpenStatus::Opened, std::move(store)};
}

} // namespace modReg
