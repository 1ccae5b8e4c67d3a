#include "app/DataFiles.h"

#include "core/XdgFolder.h"

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

QString userDataFolder()
{
    return xdgUserFolder("XDG_DATA_HOME", ".local/share", QStandardPaths::GenericDataLocation);
}

QStringList systemDataFolders()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // Qt skips relative entries too, but where all are relative it leaves
    // none, where the rules fall back to the default as for an empty value.
    QStringList folders = qEnvironmentVariable("XDG_DATA_DIRS").split(u':');
    folders.removeIf([](const QString &folder) { return !folder.startsWith(u'/'); });
    return folders.isEmpty() ? QStringList{QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")}
                             : folders;
#else
    return QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
#endif
}

} // namespace

QStringList searchFolders(const QString &programFolder)
{
    QStringList folders;
    addOnce(folders, programFolder);
    const QString user = userDataFolder();
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
    const QStringList system = systemDataFolders();
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
