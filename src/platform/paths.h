// Joining folder and file names: one rule for every path the program builds.
#pragma once

#include <QString>

namespace platform {

// `name` under `folder`, which may or may not end in a separator ("/" or "\"); built with "/",
// which every platform accepts.
QString joinPath(const QString &folder, const QString &name);

} // namespace platform
