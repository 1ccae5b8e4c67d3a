#pragma once

#include <QStandardPaths>
#include <QString>

class QWidget;

// The output folder's helpers: the desktop default and the folder browser.
namespace AddFolder {

// The platform's own path separator, as the user sees it in the folder field.
QChar separator();

// The path of a standard folder in native separators, or an empty text when
// the system names none or it does not exist.
QString SpecialFolderPath(QStandardPaths::StandardLocation location);

// The default output folder with a final separator: the desktop, or the home
// folder when there is no desktop folder.
QString DesktopFolder();

// The folder browser, modal to owner and starting at the desktop every time.
// Returns the chosen folder's path as the system gives it, or an empty text.
QString BrowseFolder(QWidget *owner, const QString &prompt);

// Whether a path already ends in a separator ("/" or, on Windows, "\" too),
// as a file-system root does.
bool endsWithSeparator(const QString &path);

} // namespace AddFolder
