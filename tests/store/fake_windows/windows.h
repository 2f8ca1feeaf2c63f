// A stand-in for <windows.h> in tests: the registry calls and types the registry store uses, over
// a registry kept in memory, so that the store's own source builds and runs on Linux. Every key
// opened, created or closed is logged, with how it was opened.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstring>
#include <map>
#include <set>

using BYTE = unsigned char;
using BOOL = int;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using REGSAM = DWORD;
using LPBYTE = BYTE *;
using LPDWORD = DWORD *;
using LPVOID = void *;
using LPCWSTR = const wchar_t *;
using LPWSTR = wchar_t *;

#define TRUE 1

struct SECURITY_ATTRIBUTES {
    DWORD nLength;
    LPVOID lpSecurityDescriptor;
    BOOL bInheritHandle;
};
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES *;

// An open key: the full path of the key it stands for.
struct HKEY__ {
    QString path;
};
using HKEY = HKEY__ *;
using PHKEY = HKEY *;

constexpr LONG ERROR_SUCCESS = 0;
constexpr LONG ERROR_FILE_NOT_FOUND = 2;
constexpr LONG ERROR_ACCESS_DENIED = 5;
constexpr LONG ERROR_MORE_DATA = 234;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_BINARY = 3;
constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
constexpr DWORD REG_CREATED_NEW_KEY = 1;
constexpr DWORD REG_OPENED_EXISTING_KEY = 2;
constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;

namespace fakeRegistry {

struct Value {
    DWORD type = 0;
    QByteArray data;
};
struct Key {
    std::map<QString, Value> values;
};

inline HKEY__ currentUser{QStringLiteral("HKCU")};
inline std::map<QString, Key> keys; // by full path
inline std::set<QString> refused;   // paths that can be neither opened nor created
inline QStringList calls;           // "open ...", "create ...", "close ..." in order
inline int openHandles = 0;

// An empty registry with only HKCU\Software.
inline void reset()
{
    keys = {{QStringLiteral("HKCU\\Software"), Key{}}};
    refused.clear();
    calls.clear();
    openHandles = 0;
}

inline QString accessText(REGSAM access)
{
    return access == KEY_ALL_ACCESS ? QStringLiteral("all access")
                                    : QStringLiteral("access %1").arg(access, 0, 16);
}

inline HKEY openHandle(const QString &path)
{
    ++openHandles;
    return new HKEY__{path};
}

} // namespace fakeRegistry

#define HKEY_CURRENT_USER (&fakeRegistry::currentUser)

inline LONG RegOpenKeyExW(HKEY parent, LPCWSTR subKey, DWORD, REGSAM access, PHKEY result)
{
    const QString path = parent->path + QLatin1Char('\\') + QString::fromWCharArray(subKey);
    fakeRegistry::calls.append(QStringLiteral("open %1, %2").arg(path, fakeRegistry::accessText(access)));
    if (fakeRegistry::refused.count(path))
        return ERROR_ACCESS_DENIED;
    if (!fakeRegistry::keys.count(path))
        return ERROR_FILE_NOT_FOUND;
    *result = fakeRegistry::openHandle(path);
    return ERROR_SUCCESS;
}

inline LONG RegCreateKeyExW(HKEY parent, LPCWSTR subKey, DWORD, LPWSTR keyClass, DWORD options, REGSAM access,
                            LPSECURITY_ATTRIBUTES security, PHKEY result, LPDWORD disposition)
{
    const QString path = parent->path + QLatin1Char('\\') + QString::fromWCharArray(subKey);
    const QString className = keyClass ? QString::fromWCharArray(keyClass) : QString();
    fakeRegistry::calls.append(
        QStringLiteral("create %1, class %2, %3, %4, %5")
            .arg(path, className,
                 options == REG_OPTION_NON_VOLATILE ? QStringLiteral("non-volatile")
                                                    : QStringLiteral("volatile"),
                 fakeRegistry::accessText(access),
                 !security                                ? QStringLiteral("no security attributes")
                 : security->nLength != sizeof(*security) ? QStringLiteral("attributes of a wrong length")
                 : security->lpSecurityDescriptor         ? QStringLiteral("a security descriptor")
                 : security->bInheritHandle               ? QStringLiteral("inheritable")
                                                          : QStringLiteral("not inheritable")));
    if (fakeRegistry::refused.count(path))
        return ERROR_ACCESS_DENIED;
    const bool existed = fakeRegistry::keys.count(path) != 0;
    if (!existed)
        fakeRegistry::keys[path] = {};
    if (disposition)
        *disposition = existed ? REG_OPENED_EXISTING_KEY : REG_CREATED_NEW_KEY;
    *result = fakeRegistry::openHandle(path);
    return ERROR_SUCCESS;
}

inline LONG RegQueryValueExW(HKEY key, LPCWSTR name, LPDWORD, LPDWORD type, LPBYTE data, LPDWORD size)
{
    const auto &values = fakeRegistry::keys.at(key->path).values;
    const auto found = values.find(QString::fromWCharArray(name));
    if (found == values.end())
        return ERROR_FILE_NOT_FOUND;
    const QByteArray &stored = found->second.data;
    if (type)
        *type = found->second.type;
    const DWORD room = size ? *size : 0;
    if (size)
        *size = DWORD(stored.size());
    if (!data)
        return ERROR_SUCCESS;
    if (DWORD(stored.size()) > room)
        return ERROR_MORE_DATA;
    std::memcpy(data, stored.constData(), std::size_t(stored.size()));
    return ERROR_SUCCESS;
}

inline LONG RegSetValueExW(HKEY key, LPCWSTR name, DWORD, DWORD type, const BYTE *data, DWORD size)
{
    fakeRegistry::keys.at(key->path).values[QString::fromWCharArray(name)] = {
        type, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size))};
    return ERROR_SUCCESS;
}

inline LONG RegCloseKey(HKEY key)
{
    fakeRegistry::calls.append(QStringLiteral("close %1").arg(key->path));
    if (key == HKEY_CURRENT_USER)
        return ERROR_SUCCESS; // a predefined key: closing it is a fault the log shows
    --fakeRegistry::openHandles;
    delete key;
    return ERROR_SUCCESS;
}
