// The key/value layer under the settings store: named values of raw bytes or text in one
// per-user key, read with a given room.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>

namespace store {

// One open key of the store. A value is read with a given room: a missing value, or one longer
// than the room, is a failed read (nothing). Writes take effect at commit().
class KeyValueStore {
public:
    virtual ~KeyValueStore() = default;

    // The stored bytes of `name`, when present and at most `room` bytes long.
    virtual std::optional<QByteArray> readBytes(const QString &name, qsizetype room) const = 0;
    // The stored text of `name`, when present and at most `room` characters long.
    virtual std::optional<QString> readText(const QString &name, qsizetype room) const = 0;
    // Whether a value `name` is stored, whatever its type and size.
    virtual bool hasValue(const QString &name) const = 0;

    virtual void writeBytes(const QString &name, const QByteArray &bytes) = 0;
    virtual void writeText(const QString &name, const QString &text) = 0;

    // Stores the writes. False when the store could not be written.
    virtual bool commit() = 0;
};

// How opening the store went.
enum class OpenStatus {
    Opened,
    Failed,      // the user's store cannot be reached: the player is told
    Unavailable, // our key can be neither opened nor created: nothing is read or written, silently
};

struct OpenedStore {
    OpenStatus status = OpenStatus::Unavailable;
    std::unique_ptr<KeyValueStore> store; // set when Opened
};

// The path of our key below the user's software settings: "Norvane", the title, "major.minor".
QString storeKeyPath(QChar separator);

// Opens the current user's store of this program (the registry on Windows, a settings file
// elsewhere), creating the key when missing.
OpenedStore openUserStore();

// Reads `name` into the leading bytes of `dest` (its size is the room). A shorter value fills
// only its own length; the rest of `dest` keeps its bytes. False on a failed read.
bool readInto(const KeyValueStore &store, const QString &name, std::span<std::uint8_t> dest);

// Reads a name stored as text, with room for `roomChars` characters and a terminator: the text
// up to its first NUL, at most `roomChars` characters. Nothing on a failed read.
std::optional<QString> readName(const KeyValueStore &store, const QString &name, qsizetype roomChars);

} // namespace store
