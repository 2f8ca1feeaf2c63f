// The program's identity and its window icon.
#include "platform/app_identity.h"

#include "platform/paths.h"

#include <QCoreApplication>
#include <QFile>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace platform {

QString versionText()
{
    return QString::number(versionMajor) + QLatin1Char('.') + QString::number(versionMinor);
}

QIcon windowIcon()
{
    static QIcon icon = [] {
        const QString path = joinPath(QCoreApplication::applicationDirPath(), QStringLiteral("48x48.ico"));
        QIcon fromFile(path);
        if (QFile::exists(path) && !fromFile.availableSizes().isEmpty())
            return fromFile;
        // A drawn stand-in: a small Kakuro clue cell.
        QPixmap pm(48, 48);
        pm.fill(Qt::white);
        QPainter p(&pm);
        p.fillRect(0, 0, 48, 48, Qt::black);
        p.setPen(QPen(QColor(150, 150, 150), 2));
        p.drawLine(2, 2, 46, 46);
        p.setPen(Qt::white);
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(16);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRect(22, 4, 24, 20), Qt::AlignCenter, QStringLiteral("17"));
        p.drawText(QRect(2, 26, 24, 20), Qt::AlignCenter, QStringLiteral("9"));
        p.end();
        return QIcon(pm);
    }();
    return icon;
}

} // namespace platform
