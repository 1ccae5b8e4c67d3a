#include "export/FileReplacer.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <QHash>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <utility>
#else
#include <QSaveFile>
#endif

namespace FileReplacer {

#ifdef Q_OS_UNIX

namespace {

// A twin younger than this may belong to a save still running, in this
// program or another: a save holds its twin only while it writes one picture
// and flushes it, seconds even on a slow network share. (Should a hung disk
// keep one longer, removing it loses nothing: that save's rename fails and
// says so, its old file kept.)
constexpr time_t staleTwinSeconds = 10 * 60;

QString reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Closes its descriptor when it goes out of scope.
class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() { close(); }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int fd() const { return m_fd; }
    // A failed write may only show at the close: 0 or errno.
    int close()
    {
        const int fd = std::exchange(m_fd, -1);
        return fd < 0 || ::close(fd) == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

// The folder itself, so that every step works in the same one: moved
// meanwhile, the file still lands in it and a failed twin is still removed.
int openFolder(const QByteArray &folder)
{
    int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
#ifdef O_PATH
    // A folder the user may enter and add to, but not list.
    if (fd < 0 && errno == EACCES)
        fd = ::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
#endif
    return fd;
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
    return ::ftruncate(fd, off_t(bytes.size())) == 0 ? 0 : errno;
}

int flush(int fd)
{
    return ::fsync(fd) == 0 ? 0 : errno;
}

// The name a twin stands in for (".<name>.<random>", the random part 64 bits
// in base 36: 13 characters at most, fewer than 10 for one in 180 000), or an
// empty one. A hidden name of the user's own (".Card 5.bmp.old") rarely has a
// part that long.
QByteArray twinFor(const QByteArray &entry)
{
    const qsizetype dot = entry.lastIndexOf('.');
    const QByteArray random = entry.mid(dot + 1);
    if (!entry.startsWith('.') || dot < 2 || random.size() < 10 || random.size() > 13
        || !std::all_of(random.begin(), random.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z');
           }))
        return QByteArray();
    return entry.mid(1, dot - 1);
}

int createTwin(int folder, const QByteArray &name, QByteArray *twin)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        *twin = '.' + name + '.' + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
        const int fd = ::openat(folder, twin->constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// Every twin in the folder, by the name it stands in for.
QMultiHash<QByteArray, QByteArray> twinsIn(int folder)
{
    QMultiHash<QByteArray, QByteArray> found;
    const int fd = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *listing = fd < 0 ? nullptr : ::fdopendir(fd);
    if (!listing) {
        if (fd >= 0)
            ::close(fd);
        return found;
    }
    while (const dirent *entry = ::readdir(listing)) {
        const QByteArray twin(entry->d_name);
        const QByteArray name = twinFor(twin);
        if (!name.isEmpty())
            found.insert(name, twin);
    }
    ::closedir(listing);
    return found;
}

// A save killed between making its twin and renaming it leaves the twin
// behind, and nothing else would ever remove it: the next save of that name
// does, if it is a regular file no running save can still own. The folder is
// listed once every few minutes at most: listing it for every file of a
// save-all would cost time in proportion to cards times files, a second in a
// folder of 10 000.
void removeStaleTwins(int folder, const QByteArray &folderPath, const QByteArray &name)
{
    struct Listing {
        time_t at = 0;
        QMultiHash<QByteArray, QByteArray> twins;
    };
    static std::mutex guard;
    static QHash<QByteArray, Listing> listings;
    const std::lock_guard lock(guard);
    Listing &listing = listings[folderPath];
    const time_t now = std::time(nullptr);
    if (now - listing.at >= staleTwinSeconds || now < listing.at)
        listing = {now, twinsIn(folder)};
    for (const QByteArray &twin : listing.twins.values(name)) {
        struct stat st;
        if (::fstatat(folder, twin.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode)
            && now - st.st_mtime > staleTwinSeconds)
            ::unlinkat(folder, twin.constData(), 0);
    }
    listing.twins.remove(name);
}

// Room for all of the new content, so that writing it cannot run short with
// the old already overwritten. Where that fails, the file keeps the length it
// had. 0 or errno.
int reserve(int fd, const QByteArray &bytes, off_t oldSize)
{
    struct statvfs disk;
    // A disk that writes every change anew (copy-on-write) needs fresh room
    // even for bytes that overwrite others, which the reservation alone does
    // not promise.
    if (::fstatvfs(fd, &disk) == 0 && quint64(disk.f_bavail) * disk.f_frsize < quint64(bytes.size()))
        return ENOSPC;
    int error = 0;
    do
        error = ::posix_fallocate(fd, 0, off_t(bytes.size()));
    while (error == EINTR);
    struct stat now;
    if (error != 0 && ::fstat(fd, &now) == 0 && now.st_size > oldSize)
        (void)::ftruncate(fd, oldSize);
    return error;
}

QString overwriteInPlace(int folder, const QByteArray &name, const QByteArray &bytes, int createError)
{
    // O_NOFOLLOW and the second look: the entry may have changed since.
    Descriptor file(::openat(folder, name.constData(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat opened;
    if (file.fd() < 0 || ::fstat(file.fd(), &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_nlink != 1)
        return reason(createError);
    int error = reserve(file.fd(), bytes, opened.st_size);
    if (error == 0)
        error = writeAll(file.fd(), bytes);
    if (error == 0)
        error = flush(file.fd());
    const int closeError = file.close();
    if (error == 0)
        error = closeError;
    return error == 0 ? QString() : reason(error);
}

} // namespace

QString replace(const QString &path, const QByteArray &bytes)
{
    const QFileInfo info(path);
    const QByteArray name = QFile::encodeName(info.fileName());
    const QByteArray folderPath = QFile::encodeName(info.absolutePath());
    Descriptor folder(openFolder(folderPath));
    if (folder.fd() < 0)
        return reason(errno);
    removeStaleTwins(folder.fd(), folderPath, name);

    struct stat existing;
    const bool regular = ::fstatat(folder.fd(), name.constData(), &existing, AT_SYMLINK_NOFOLLOW) == 0
        && S_ISREG(existing.st_mode);
    // Asked as open() would judge it: by the effective ids (access() takes
    // the real ones), with ACLs, a read-only mount and root's override.
    if (regular && ::faccessat(folder.fd(), name.constData(), W_OK, AT_EACCESS) != 0)
        return reason(errno);

    QByteArray twin;
    Descriptor file(createTwin(folder.fd(), name, &twin));
    if (file.fd() < 0) {
        const int createError = errno;
        // Refused by the folder's permissions, not for want of room: on a full
        // disk or with no inode left the in-place write could run short.
        if (regular && (createError == EACCES || createError == EPERM))
            return overwriteInPlace(folder.fd(), name, bytes, createError);
        return reason(createError);
    }

    // A regular file being replaced keeps its permissions, as an edit would.
    int error = regular && ::fchmod(file.fd(), existing.st_mode & 07777) != 0 ? errno : 0;
    if (error == 0)
        error = writeAll(file.fd(), bytes);
    if (error == 0)
        error = flush(file.fd());
    const int closeError = file.close();
    if (error == 0)
        error = closeError;
    // rename() replaces the entry of that name itself, whatever it is (a link
    // included), and either completely or not at all.
    if (error == 0 && ::renameat(folder.fd(), twin.constData(), folder.fd(), name.constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlinkat(folder.fd(), twin.constData(), 0);
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
