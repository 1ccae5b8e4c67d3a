#include "export/FileReplacer.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QSaveFile>
#endif

namespace FileReplacer {

#ifdef Q_OS_UNIX

namespace {

QString reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Writes every byte at the start of fd and cuts the file there; 0 or errno.
int writeAll(int fd, const QByteArray &bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done), off_t(done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return ENOSPC;
        done += n;
    }
    if (::ftruncate(fd, off_t(bytes.size())) != 0)
        return errno;
    if (::fsync(fd) != 0)
        return errno;
    return 0;
}

// A new file beside the target: same folder, so the rename cannot cross file
// systems. Returns the open descriptor, or -1 with errno set.
int createBeside(const QString &path, QByteArray *tempName)
{
    const QFileInfo info(path);
    const QString stem = info.absolutePath() + QStringLiteral("/.") + info.fileName() + u'.';
    for (int attempt = 0; attempt < 100; ++attempt) {
        *tempName = QFile::encodeName(stem + QString::number(QRandomGenerator::global()->generate64(), 36));
        const int fd = ::open(tempName->constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// The folder refuses new entries, but the file itself may take the bytes.
bool noNewEntryAllowed(int error)
{
    return error == EACCES || error == EPERM || error == ENOSPC || error == EDQUOT;
}

QString overwriteInPlace(const QByteArray &target, const QByteArray &bytes, int createError)
{
    struct stat entry;
    if (::lstat(target.constData(), &entry) != 0 || !S_ISREG(entry.st_mode))
        return reason(createError);
    // O_NOFOLLOW and the second check: the entry may have changed since.
    const int fd = ::open(target.constData(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return reason(errno);
    struct stat opened;
    int error = ::fstat(fd, &opened) != 0 ? errno : (S_ISREG(opened.st_mode) ? 0 : createError);
    if (error == 0)
        error = writeAll(fd, bytes);
    if (::close(fd) != 0 && error == 0)
        error = errno;
    return error == 0 ? QString() : reason(error);
}

} // namespace

QString replace(const QString &path, const QByteArray &bytes)
{
    const QByteArray target = QFile::encodeName(path);
    QByteArray tempName;
    const int fd = createBeside(path, &tempName);
    if (fd < 0) {
        const int createError = errno;
        if (noNewEntryAllowed(createError))
            return overwriteInPlace(target, bytes, createError);
        return reason(createError);
    }

    // A regular file being replaced keeps its permissions, as an edit would.
    struct stat existing;
    int error = 0;
    if (::lstat(target.constData(), &existing) == 0 && S_ISREG(existing.st_mode)
        && ::fchmod(fd, existing.st_mode & 07777) != 0)
        error = errno;
    if (error == 0)
        error = writeAll(fd, bytes);
    if (::close(fd) != 0 && error == 0)
        error = errno;
    // rename() replaces the entry of that name itself, whatever it is (a link
    // included), and either completely or not at all.
    if (error == 0 && ::rename(tempName.constData(), target.constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(tempName.constData());
        return reason(error);
    }
    return QString();
}

#else

QString replace(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        // Read before cancelWriting(), which replaces it with its own text.
        const QString why = file.errorString();
        file.cancelWriting();
        return why;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

#endif

} // namespace FileReplacer
