// The settings store's back end where there is no registry: a per-user settings file.
#pragma once

#include <QString>

namespace modReg {

// The file that stands for our key: the user's configuration folder, then "Norvane/Korvel/1.0.conf".
// Empty when the platform names no configuration folder.
QString settingsFilePath();

} // namespace modReg
