#include "export/AddFolder.h"

#include "core/Platform.h"

#include <QDir>
#include <QFileInfo>

namespace AddFolder {

QChar separator()
{
    return QDir::separator();
}

QString SpecialFolderPath(QStandardPaths::StandardLocation location)
{
    // Qt names a desktop folder even where none exists ($HOME/Desktop on a bare
    // system); only a folder that is really there is any use as a default.
    const QString path = QStandardPaths::writableLocation(location);
    if (path.isEmpty() || !QFileInfo(path).isDir())
        return QString();
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

bool endsWithSeparator(const QString &path)
{
    return path.endsWith(u'/') || path.endsWith(separator());
}

QString DesktopFolder()
{
    QString folder = SpecialFolderPath(QStandardPaths::DesktopLocation);
    if (folder.isEmpty())
        folder = QDir::toNativeSeparators(QDir::homePath());
    if (!endsWithSeparator(folder))
        folder += separator();
    return folder;
}

QString BrowseFolder(QWidget *owner, const QString &prompt)
{
    QString start = SpecialFolderPath(QStandardPaths::DesktopLocation);
    if (start.isEmpty())
        start = QDir::homePath();
    return Platform::current().browseFolder(owner, prompt, start);
}

} // namespace AddFolder
