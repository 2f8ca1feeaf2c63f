// Reading values with a given room, common to every back end of the key/value layer.
#include "store/key_value_store.h"

#include "platform/app_identity.h"

#include <algorithm>

namespace store {

QString storeKeyPath(QChar separator)
{
    return platform::makerName + separator + platform::appTitle + separator + platform::versionText();
}

bool readInto(const KeyValueStore &store, const QString &name, std::span<std::uint8_t> dest)
{
    const std::optional<QByteArray> bytes = store.readBytes(name, qsizetype(dest.size()));
    if (!bytes)
        return false;
    std::copy_n(reinterpret_cast<const std::uint8_t *>(bytes->constData()),
                std::min<std::size_t>(std::size_t(bytes->size()), dest.size()), dest.begin());
    return true;
}

std::optional<QString> readName(const KeyValueStore &store, const QString &name, qsizetype roomChars)
{
    std::optional<QString> text = store.readText(name, roomChars + 1);
    if (!text)
        return std::nullopt;
    const qsizetype nul = text->indexOf(QChar(u'\0'));
    if (nul >= 0)
        text->truncate(nul);
    text->truncate(roomChars);
    return text;
}

} // namespace store
