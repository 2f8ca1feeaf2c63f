// Opening help pages and web pages in the system's default viewer.
#pragma once

#include <QString>
#include <QUrl>

#include <functional>

namespace help {

// Opens a local file path or a web address; a failure does nothing.
void openDocument(const QString &target);

// What openDocument hands to the desktop: a web address as it is, a local path as a file URL
// (so spaces and other characters survive whole). Empty when there is nothing to open: an empty
// target or a local file that does not exist.
QUrl urlToOpen(const QString &target);

// The documents beside the program, from the program folder. The help page is the one in the
// language spoken (HELP/de/help1.htm for "de") when it is there, else the English one.
QString helpPagePath(const QString &appFolder);
QString helpPagePath(const QString &appFolder, const QString &language);
QString morePuzzlesPath(const QString &appFolder);
QString logoPath(const QString &appFolder);
QString iconPath(const QString &appFolder);

// Test seam: receives every target instead of the desktop services; empty restores them.
void setDocumentOpener(std::function<void(const QString &)> opener);

} // namespace help
