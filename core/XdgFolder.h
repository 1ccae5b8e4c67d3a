#pragma once

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QString>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#include <unistd.h>
#endif

// A per-user folder the XDG rules name by a variable ($XDG_CONFIG_HOME,
// $XDG_DATA_HOME). The rules have a relative value ignored for the default
// under the home folder; Qt takes it as it stands, which would make the folder
// the program was started in a place its files are read from and written to.
inline QString xdgUserFolder([[maybe_unused]] const char *variable, [[maybe_unused]] const char *defaultUnderHome,
                             QStandardPaths::StandardLocation location)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    if (!qEnvironmentVariable(variable).startsWith(u'/'))
        return QDir::homePath() + u'/' + QLatin1String(defaultUnderHome);
#endif
    return QStandardPaths::writableLocation(location);
}

// Whether `folder` is a folder now: one that is missing is made, private to
// the user, but only in a parent that exists. System users have a home folder
// that does not exist on purpose (/nonexistent); making it, as QDir::mkpath
// would, gives a home to whoever may create folders there.
inline bool makeUserFolder(const QString &folder)
{
    if (QFileInfo(folder).isDir())
        return true;
    return QFileInfo(QFileInfo(folder).absolutePath()).isDir()
        && QDir().mkdir(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// $XDG_RUNTIME_DIR when it is the user's private folder that the session made
// (a folder of the user's, closed to everyone else), else an empty text.
// QStandardPaths would make one where there is none, in the temporary folder.
inline QString xdgRuntimeFolder()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    const QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    struct stat entry;
    if (folder.startsWith(u'/') && ::stat(QFile::encodeName(folder).constData(), &entry) == 0
        && S_ISDIR(entry.st_mode) && entry.st_uid == ::geteuid() && (entry.st_mode & 077) == 0)
        return folder;
#endif
    return QString();
}
