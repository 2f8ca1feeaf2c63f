// The settings store's back end where there is no registry: a per-user settings file.
#pragma once

#include "store/key_value_store.h"

#include <QString>

#include <memory>

namespace store {

// The file that stands for our key: the user's configuration folder, then "Norvane/Korvel/1.0.conf".
// Empty when the platform names no configuration folder.
QString settingsFilePath();

// The key/value layer over the settings file at `path`; nothing when something that is not a
// file stands there, the file cannot be read, or it holds a value the game never writes and the
// settings layer cannot decode safely.
std::unique_ptr<KeyValueStore> openSettingsFile(const QString &path);

} // namespace store
