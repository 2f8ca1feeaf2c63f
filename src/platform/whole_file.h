// Replacing a file only by a complete new one, and clearing away what killed writes left behind.
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Writes `bytes` as the new content of the file at `path`, but puts the new file in place only when
// every byte reached the disk: the write and the flush of the last buffered bytes are checked,
// since a full disk or a file-size limit may refuse them and QSaveFile::commit() would still put
// the short file in place. On failure the old file stays as it was, no temporary is left, and
// `reason` (when given) holds the system's words for what went wrong.
bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *reason);

// Removes from `folder` the temporaries that writes of the file `fileName` (a name or a wildcard
// pattern such as "*.sav") left behind when they were killed: regular files named like the file
// followed by a dot and six letters of both cases, with anything after that, last changed more than
// a minute ago (a running write takes far less).
void removeLeftoverTemporaries(const QString &folder, const QString &fileName);

} // namespace platform
