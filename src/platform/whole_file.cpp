// Complete writes, and the clearing of leftover temporaries.
#include "platform/whole_file.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace platform {

bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *reason)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (reason)
            *reason = file.errorString();
        return false;
    }
    // A short write or a failed flush is not seen by commit(), so both are checked here. A write
    // cut short is tried again for the rest, which fails with the system's reason.
    const auto fail = [&] {
        if (reason)
            *reason = file.errorString();
        file.cancelWriting();
        return false;
    };
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return fail();
        done += written;
    }
    if (!file.flush())
        return fail();
    if (!file.commit()) {
        if (reason)
            *reason = file.errorString();
        return false;
    }
    return true;
}

void removeLeftoverTemporaries(const QString &folder, const QString &fileName)
{
    // Qt names a temporary with six random letters; a name of one case only ("3.sav.backup") is
    // more likely the player's own copy, and stays.
    const QRegularExpression name(
        QLatin1Char('^') +
        QRegularExpression::wildcardToRegularExpression(fileName,
                                                        QRegularExpression::UnanchoredWildcardConversion) +
        QStringLiteral("\\.(?=[A-Za-z]*[a-z])(?=[A-Za-z]*[A-Z])[A-Za-z]{6}(\\..*)?$"));
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-60);
    const QFileInfoList entries = QDir(folder).entryInfoList({fileName + QStringLiteral(".??????*")},
                                                             QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        if (entry.isSymLink() || !name.match(entry.fileName()).hasMatch() ||
            entry.lastModified().toUTC() > before)
            continue;
        QFile::remove(entry.filePath());
    }
}

} // namespace platform
