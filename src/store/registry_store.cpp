// The key/value layer over the Windows registry: our key under HKEY_CURRENT_USER\Software,
// byte values as REG_BINARY and names as REG_SZ. Built on Windows only.
#include "store/key_value_store.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

namespace store {
namespace {

class RegistryStore final : public KeyValueStore {
public:
    RegistryStore(HKEY software, HKEY key) : software_(software), key_(key) {}
    ~RegistryStore() override
    {
        RegCloseKey(key_);
        RegCloseKey(software_);
    }
    RegistryStore(const RegistryStore &) = delete;
    RegistryStore &operator=(const RegistryStore &) = delete;

    // A value longer than the room fails with ERROR_MORE_DATA.
    std::optional<QByteArray> readBytes(const QString &name, qsizetype room) const override
    {
        QByteArray buffer(room > 0 ? room : 1, '\0');
        DWORD size = DWORD(room);
        const std::wstring wname = name.toStdWString();
        if (RegQueryValueExW(key_, wname.c_str(), nullptr, nullptr, reinterpret_cast<BYTE *>(buffer.data()),
                             &size) != ERROR_SUCCESS)
            return std::nullopt;
        buffer.truncate(qsizetype(size));
        return buffer;
    }

    std::optional<QString> readText(const QString &name, qsizetype room) const override
    {
        const std::optional<QByteArray> bytes = readBytes(name, room * qsizetype(sizeof(char16_t)));
        if (!bytes)
            return std::nullopt;
        return QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes->constData()),
                                  bytes->size() / qsizetype(sizeof(char16_t)));
    }

    bool hasValue(const QString &name) const override
    {
        const std::wstring wname = name.toStdWString();
        return RegQueryValueExW(key_, wname.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    }

    // Write results are ignored: a failed write leaves that value as it was.
    void writeBytes(const QString &name, const QByteArray &bytes) override
    {
        const std::wstring wname = name.toStdWString();
        RegSetValueExW(key_, wname.c_str(), 0, REG_BINARY, reinterpret_cast<const BYTE *>(bytes.constData()),
                       DWORD(bytes.size()));
    }

    // The text without a terminator; an empty name is a value of size 0.
    void writeText(const QString &name, const QString &text) override
    {
        const std::wstring wname = name.toStdWString();
        RegSetValueExW(key_, wname.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE *>(text.utf16()),
                       DWORD(text.size() * qsizetype(sizeof(char16_t))));
    }

    bool commit() override { return true; }

private:
    HKEY software_;
    HKEY key_;
};

} // namespace

OpenedStore openUserStore()
{
    HKEY software = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_ALL_ACCESS, &software) != ERROR_SUCCESS)
        return {OpenStatus::Failed, nullptr};
    SECURITY_ATTRIBUTES security{};
    security.nLength = sizeof(security);
    security.lpSecurityDescriptor = nullptr;
    security.bInheritHandle = TRUE;
    wchar_t keyClass[] = L"USERDATA";
    const std::wstring path = storeKeyPath(QLatin1Char('\\')).toStdWString();
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExW(software, path.c_str(), 0, keyClass, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        &security, &key, &disposition) != ERROR_SUCCESS) {
        RegCloseKey(software);
        return {OpenStatus::Unavailable, nullptr};
    }
    return {OpenStatus::Opened, std::make_unique<RegistryStore>(software, key)};
}

} // namespace store
