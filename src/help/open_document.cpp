// Opening documents and web pages, and where the documents beside the program lie.
#include "help/open_document.h"

#include "platform/language.h"
#include "platform/paths.h"

#include <QDesktopServices>
#include <QFileInfo>

namespace help {
namespace {

std::function<void(const QString &)> &openerSlot()
{
    static std::function<void(const QString &)> slot;
    return slot;
}

// A web address names its scheme ("https:", "mailto:"); a Windows drive letter ("C:/...") is
// one letter long and so is not taken for one.
bool isWebAddress(const QString &target)
{
    const QUrl url(target, QUrl::StrictMode);
    return url.isValid() && url.scheme().size() > 1 && !url.isLocalFile();
}

} // namespace

QUrl urlToOpen(const QString &target)
{
    if (target.isEmpty())
        return {};
    if (isWebAddress(target))
        return QUrl(target, QUrl::StrictMode);
    // A file URL names a local file too; as text it may carry spaces, so it is read tolerantly.
    const bool fileUrl = target.startsWith(QLatin1String("file:"), Qt::CaseInsensitive);
    const QString path = fileUrl ? QUrl(target, QUrl::TolerantMode).toLocalFile() : target;
    if (path.isEmpty() || !QFileInfo::exists(path))
        return {};
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
}

void openDocument(const QString &target)
{
    if (openerSlot()) {
        openerSlot()(target);
        return;
    }
    const QUrl url = urlToOpen(target);
    if (!url.isEmpty())
        QDesktopServices::openUrl(url); // no handler: nothing happens, nothing is reported
}

QString helpPagePath(const QString &appFolder)
{
    return helpPagePath(appFolder, platform::currentLanguage());
}

QString helpPagePath(const QString &appFolder, const QString &language)
{
    const QString translated =
        platform::joinPath(appFolder, QStringLiteral("HELP/%1/help1.htm").arg(language));
    if (QFileInfo::exists(translated))
        return translated;
    return platform::joinPath(appFolder, QStringLiteral("HELP/help1.htm"));
}

QString morePuzzlesPath(const QString &appFolder)
{
    return platform::joinPath(appFolder, QStringLiteral("HELP/more-puzzles.htm"));
}

QString logoPath(const QString &appFolder)
{
    return platform::joinPath(appFolder, QStringLiteral("HELP/Velks.jpg"));
}

QString iconPath(const QString &appFolder)
{
    return platform::joinPath(appFolder, QStringLiteral("48x48.ico"));
}

void setDocumentOpener(std::function<void(const QString &)> opener)
{
    openerSlot() = std::move(opener);
}

} // namespace help
