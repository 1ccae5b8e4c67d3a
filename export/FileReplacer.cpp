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
#ifdef Q_OS_LINUX
#include <linux/magic.h>
#include <sys/vfs.h>
#endif
#else
#include "export/SaveRefusal.h"
#include <QSaveFile>
#endif

namespace FileReplacer {

QString replace(const QString &path, const QByteArray &bytes)
{
    Batch batch;
    const QString problem = batch.add(path, bytes);
    if (!problem.isEmpty())
        return problem;
    const QList<Batch::Failed> failed = batch.commit();
    return failed.isEmpty() ? QString() : failed.constFirst().reason;
}

#ifdef Q_OS_UNIX

namespace {

// A twin younger than this may belong to a save still running, in this
// program or another: a save holds its twins only while it writes one batch
// (a deck at most) and flushes it, seconds even on a slow network share.
// (Should a hung disk keep one longer, removing it loses nothing: that save's
// rename fails and says so, its old file kept.)
constexpr time_t staleTwinSeconds = 10 * 60;

QString reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

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

// Whether one syncfs() puts every file written in the folder on the disk,
// bytes and inode: so on the local disk file systems, whose sync writes back
// every inode, commits the journal where there is one and flushes the disk's
// cache (ext2 and ext3 are served by the ext4 driver). A network share or a
// FUSE file system may keep a sync to itself, and FAT's sync leaves the
// disk's cache as it is: there each file gets a flush of its own, which they
// all honour.
bool flushedWhole(int folder)
{
#ifdef Q_OS_LINUX
    struct statfs disk;
    if (::fstatfs(folder, &disk) == 0) {
        switch (quint32(disk.f_type)) {
        case EXT4_SUPER_MAGIC:
        case XFS_SUPER_MAGIC:
        case BTRFS_SUPER_MAGIC:
        case TMPFS_MAGIC:
            return true;
        }
    }
#endif
    Q_UNUSED(folder);
    return false;
}

// One flush of the whole file system that holds fd; 0 or errno.
int flushDisk(int fd)
{
#ifdef Q_OS_LINUX
    return ::syncfs(fd) == 0 ? 0 : errno;
#else
    return ::fsync(fd) == 0 ? 0 : errno;
#endif
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

} // namespace

Batch::~Batch()
{
    drop();
}

void Batch::drop()
{
    for (const File &file : std::as_const(m_files)) {
        if (file.fd >= 0)
            ::close(file.fd);
        if (!file.twin.isEmpty())
            ::unlinkat(m_folders[file.folder].fd, file.twin.constData(), 0);
    }
    for (const Folder &folder : std::as_const(m_folders))
        ::close(folder.fd);
    m_files.clear();
    m_folders.clear();
}

int Batch::folderOf(const QByteArray &path)
{
    // Found by its path for every file: a folder moved away meanwhile takes no
    // more of them, as a save of their own would find it gone.
    struct stat st;
    if (::stat(path.constData(), &st) != 0)
        return -1;
    for (int i = 0; i < m_folders.size(); ++i)
        if (m_folders[i].device == quint64(st.st_dev) && m_folders[i].inode == quint64(st.st_ino))
            return i;
    const int fd = openFolder(path);
    if (fd < 0 || ::fstat(fd, &st) != 0) {
        const int error = errno;
        if (fd >= 0)
            ::close(fd);
        errno = error;
        return -1;
    }
    m_folders.append({path, fd, quint64(st.st_dev), quint64(st.st_ino), flushedWhole(fd)});
    return int(m_folders.size() - 1);
}

QString Batch::add(const QString &path, const QByteArray &bytes)
{
    const QFileInfo info(path);
    File file;
    file.path = path;
    file.name = QFile::encodeName(info.fileName());
    file.folder = folderOf(QFile::encodeName(info.absolutePath()));
    if (file.folder < 0)
        return reason(errno);
    const Folder &folder = m_folders[file.folder];
    removeStaleTwins(folder.fd, folder.path, file.name);

    struct stat existing;
    const bool regular = ::fstatat(folder.fd, file.name.constData(), &existing, AT_SYMLINK_NOFOLLOW) == 0
        && S_ISREG(existing.st_mode);
    // Asked as open() would judge it: by the effective ids (access() takes
    // the real ones), with ACLs, a read-only mount and root's override.
    if (regular && ::faccessat(folder.fd, file.name.constData(), W_OK, AT_EACCESS) != 0)
        return reason(errno);

    file.fd = createTwin(folder.fd, file.name, &file.twin);
    int error = file.fd < 0 ? errno : 0;
    if (file.fd >= 0) {
        // A regular file being replaced keeps its permissions, as an edit would.
        if (regular && ::fchmod(file.fd, existing.st_mode & 07777) != 0)
            error = errno;
    } else if (regular && (error == EACCES || error == EPERM)) {
        // Refused by the folder's permissions, not for want of room (on a full
        // disk or with no inode left the in-place write could run short). The
        // file is opened with O_NOFOLLOW and looked at again: the entry may
        // have changed since.
        file.twin.clear();
        file.fd = ::openat(folder.fd, file.name.constData(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        struct stat opened;
        if (file.fd >= 0 && ::fstat(file.fd, &opened) == 0 && S_ISREG(opened.st_mode) && opened.st_nlink == 1)
            error = reserve(file.fd, bytes, opened.st_size);
    }
    if (error == 0)
        error = writeAll(file.fd, bytes);
    if (error != 0) {
        if (file.fd >= 0)
            ::close(file.fd);
        if (!file.twin.isEmpty())
            ::unlinkat(folder.fd, file.twin.constData(), 0);
        return reason(error);
    }
#ifdef Q_OS_LINUX
    // Its bytes head for the disk now, while the next file is made; commit()
    // waits for them all at once.
    (void)::sync_file_range(file.fd, 0, 0, SYNC_FILE_RANGE_WRITE);
#endif
    m_files.append(file);
    return QString();
}

QList<Batch::Failed> Batch::commit()
{
    // Every file's bytes and inode on the disk before any of them takes its
    // name: one flush of the whole file system, or one per file where only
    // that is honoured. A failed flush of the whole leaves none of its files
    // promised: an inode the disk did not take would show in no file's own
    // flush afterwards, and its name would then lead nowhere.
    for (int f = 0; f < m_folders.size(); ++f) {
        // One file alone is flushed by itself, not with all that other
        // programs left unwritten.
        const bool alone = std::count_if(m_files.cbegin(), m_files.cend(), [f](const File &file) {
                               return file.folder == f;
                           }) == 1;
        int whole = -1;
        for (File &file : m_files) {
            if (file.folder != f)
                continue;
            if (alone || !m_folders[f].flushedWhole) {
                file.error = ::fsync(file.fd) == 0 ? 0 : errno;
            } else {
                if (whole < 0)
                    whole = flushDisk(file.fd);
                file.error = whole;
            }
        }
    }
    for (File &file : m_files) {
        // A failed write may only show at the close.
        const int closeError = ::close(std::exchange(file.fd, -1)) == 0 ? 0 : errno;
        if (file.error == 0)
            file.error = closeError;
        const Folder &folder = m_folders[file.folder];
        if (file.twin.isEmpty())
            continue;
        // rename() replaces the entry of that name itself, whatever it is (a
        // link included), and either completely or not at all.
        if (file.error == 0 && ::renameat(folder.fd, file.twin.constData(), folder.fd, file.name.constData()) != 0) {
            file.error = errno;
            // A folder deleted meanwhile took the written file with it, as it
            // would have a moment later: no failure of the save.
            struct stat st;
            if (file.error == ENOENT && ::fstat(folder.fd, &st) == 0 && st.st_nlink == 0)
                file.error = 0;
        }
        if (file.error != 0)
            ::unlinkat(folder.fd, file.twin.constData(), 0);
    }
    // The new names on the disk, one flush per folder. A folder opened only as
    // a path, or on a file system that flushes no folders, cannot be flushed:
    // its names reach the disk with the file system's next write-back.
    for (int f = 0; f < m_folders.size(); ++f) {
        if (::fsync(m_folders[f].fd) == 0 || errno == EBADF || errno == EINVAL)
            continue;
        const int error = errno;
        for (File &file : m_files)
            if (file.folder == f && file.error == 0)
                file.error = error;
    }

    QList<Failed> failed;
    for (const File &file : std::as_const(m_files))
        if (file.error != 0)
            failed.append({file.path, reason(file.error)});
    m_files.clear();
    drop();
    return failed;
}

#else

Batch::~Batch() = default;

// QSaveFile flushes and renames each file as it is added.
QString Batch::add(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return SaveRefusal::inPlainWords(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        // Read before cancelWriting(), which replaces it with its own text.
        const QString why = SaveRefusal::inPlainWords(path, file.errorString());
        file.cancelWriting();
        return why;
    }
    if (!file.commit())
        return SaveRefusal::inPlainWords(path, file.errorString());
    return QString();
}

QList<Batch::Failed> Batch::commit()
{
    return {};
}

#endif

} // namespace FileReplacer
