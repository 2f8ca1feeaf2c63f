// Who the program is: title, version, maker and addresses, in one place.
#pragma once

#include <QString>

class QIcon;

namespace platform {

inline const QString appTitle = QStringLiteral("Korvel");
inline constexpr int versionMajor = 1;
inline constexpr int versionMinor = 0;
// The maker's short name, which names the folder of the settings (the registry key on Windows).
inline const QString makerName = QStringLiteral("Norvane");
inline const QString companyName = QStringLiteral("Norvane Games");
inline const QString authorEmail = QStringLiteral("author@norvane-games.example");
inline const QString gameWebPage = QStringLiteral("https://norvane-games.example/korvel/");
inline const QString makerHomePage = QStringLiteral("https://norvane-games.example/");

// "1.0"
QString versionText();

// The main window's icon, which every dialog takes. Built once, from our own icon file when it
// lies beside the program, else drawn.
QIcon windowIcon();

} // namespace platform
