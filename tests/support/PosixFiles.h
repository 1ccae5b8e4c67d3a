#pragma once

// What only POSIX file systems have: FIFOs and inode numbers. On Windows the
// helpers report that they cannot, and the tests that need them skip.
#include <QFile>
#include <QString>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace PosixFiles {

inline bool makeFifo(const QString &path)
{
#ifdef Q_OS_UNIX
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
#else
    Q_UNUSED(path);
    return false;
#endif
}

// The inode of the entry itself (a link is not followed); 0 when unknown.
inline quint64 inode(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? quint64(st.st_ino) : 0;
#else
    Q_UNUSED(path);
    return 0;
#endif
}

} // namespace PosixFiles
