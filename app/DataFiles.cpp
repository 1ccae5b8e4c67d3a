#include "app/DataFiles.h"

#include <QDir>
#include <QStandardPaths>

namespace DataFiles {

namespace {

const QString subfolder = QStringLiteral("velmora");

void addOnce(QStringList &folders, const QString &folder)
{
    if (folder.isEmpty())
        return;
    const QString clean = QDir::cleanPath(folder);
    if (!folders.contains(clean))
        folders.append(clean);
}

} // namespace

QStringList searchFolders(const QString &programFolder)
{
    QStringList folders;
    addOnce(folders, programFolder);
    const QString user = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!user.isEmpty())
        addOnce(folders, user + '/' + subfolder);
#ifdef Q_OS_WIN
    // An installed Windows program keeps its files beside itself; the other
    // data folders Qt lists there (ProgramData, the program's own) add nothing.
    return folders;
#endif
    // Relative to the program rather than an absolute path fixed at configure
    // time: the .deb installs under /usr whatever prefix the build was made
    // with, and a tree copied elsewhere as a whole still finds its files.
    if (!programFolder.isEmpty())
        addOnce(folders, programFolder + QStringLiteral("/" VELMORA_DATA_FROM_PROGRAM));
    const QStringList system = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const QString &folder : system)
        addOnce(folders, folder + '/' + subfolder);
    return folders;
}

QString locate(const QString &name, const QStringList &folders, bool (*found)(const QString &path))
{
    for (const QString &folder : folders) {
        const QString path = folder + '/' + name;
        if (found(path))
            return path;
    }
    return {};
}

} // namespace DataFiles
