// Opening documents and web pages.
#include "shell/open_document.h"

// TODO(shell)
namespace shellLinks {
void openDocument(const QString &) {}
QString helpPagePath(const QString &appFolder) { return appFolder + QStringLiteral("/HELP/help1.htm"); }
QString morePuzzlesPath(const QString &appFolder) { return appFolder + QStringLiteral("/HELP/more-puzzles.htm"); }
QString logoPath(const QString &appFolder) { return appFolder + QStringLiteral("/HELP/Velks.jpg"); }
QString iconPath(const QString &appFolder) { return appFolder + QStringLiteral("/48x48.ico"); }
void setDocumentOpener(std::function<void(const QString &)>) {}
} // namespace shellLinks
