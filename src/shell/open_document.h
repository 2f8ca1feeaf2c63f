// Opening help pages and web pages in the system's default viewer.
#pragma once

#include <QString>

#include <functional>

namespace shellLinks {

// Opens a local file path or a web address; a failure does nothing.
void openDocument(const QString &target);

// The documents beside the program, from the program folder (without a trailing separator).
QString helpPagePath(const QString &appFolder);
QString morePuzzlesPath(const QString &appFolder);
QString logoPath(const QString &appFolder);
QString iconPath(const QString &appFolder);

// Test seam: receives every target instead of the desktop services; empty restores them.
void setDocumentOpener(std::function<void(const QString &)> opener);

} // namespace shellLinks
