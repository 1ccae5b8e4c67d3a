#include "export/FileReplacer.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
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

// Every temporary name is this, 16 hexadecimal digits, a hyphen and the name
// it stands in for: a shape no person types, so that a save removes only
// what a save made.
constexpr char marker[] = ".velmora-tmp-";
constexpr qsizetype markerSize = sizeof marker - 1;
constexpr qsizetype randomDigits = 16;

// On a shared disk a save on another machine may hold a lock this one cannot
// see: there a copy must also be older than any save could run, an hour
// against seconds for a deck on a slow share.
constexpr time_t sharedDiskSeconds = 60 * 60;

QString reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The folder itself, so that every step works in the same one: moved
// meanwhile, the file still lands in it and a failed copy is still removed.
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

struct Disk {
    // One syncfs() puts every file written in the folder on the disk, bytes
    // and inode: so on the local disk file systems, whose sync writes back
    // every inode, commits the journal where there is one and flushes the
    // disk's cache (ext2 and ext3 are served by the ext4 driver). A network
    // share or a FUSE file system may keep a sync to itself, and FAT's sync
    // leaves the disk's cache as it is: there each file gets a flush of its
    // own, which they all honour.
    bool flushedWhole = false;
    // Only this machine writes it, so every save's lock shows here.
    bool local = false;
};

Disk diskOf(int folder)
{
#ifdef Q_OS_LINUX
    struct statfs disk;
    if (::fstatfs(folder, &disk) == 0) {
        switch (quint32(disk.f_type)) {
        case EXT4_SUPER_MAGIC:
        case XFS_SUPER_MAGIC:
        case BTRFS_SUPER_MAGIC:
        case TMPFS_MAGIC:
            return {true, true};
        case F2FS_SUPER_MAGIC:
        case MSDOS_SUPER_MAGIC:
        case EXFAT_SUPER_MAGIC:
        case RAMFS_MAGIC:
            return {false, true};
        }
    }
#endif
    Q_UNUSED(folder);
    return {};
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

// Writes every byte at the start of fd, and for a file written in place cuts
// its old tail off; 0 or errno.
int writeAll(int fd, const QByteArray &bytes, bool inPlace)
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
    return !inPlace || ::ftruncate(fd, off_t(bytes.size())) == 0 ? 0 : errno;
}

QByteArray temporaryName(const QByteArray &name)
{
    return marker + QByteArray::number(QRandomGenerator::global()->generate64(), 16).rightJustified(randomDigits, '0')
        + '-' + name;
}

bool isTemporaryName(const QByteArray &entry)
{
    const QByteArray random = entry.mid(markerSize, randomDigits);
    return entry.startsWith(marker) && entry.size() > markerSize + randomDigits + 1
        && entry[markerSize + randomDigits] == '-'
        && std::all_of(random.begin(), random.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

int lockHeld(int fd)
{
    int error = 0;
    do
        error = ::flock(fd, LOCK_EX) == 0 ? 0 : errno;
    while (error == EINTR);
    return error;
}

// A new file under a temporary name, where the disk makes no unnamed one. It
// is locked before it counts as made: a clean-up that took it in the moment
// between (its name seen unlocked) has removed it, and another is made.
int createNamed(int folder, const QByteArray &name, QByteArray *temporary)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        *temporary = temporaryName(name);
        const int fd = ::openat(folder, temporary->constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                0666);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return -1;
        // A share that takes no lock leaves the copy to the age rule.
        (void)lockHeld(fd);
        struct stat mine, named;
        if (::fstat(fd, &mine) == 0
            && ::fstatat(folder, temporary->constData(), &named, AT_SYMLINK_NOFOLLOW) == 0
            && mine.st_ino == named.st_ino && mine.st_dev == named.st_dev)
            return fd;
        ::close(fd);
    }
    errno = EEXIST;
    return -1;
}

// A file without a name in the folder, or -1 with errno. Naming it later
// needs /proc, or the right to link any open file (root's).
int createUnnamed(int folder)
{
#ifdef O_TMPFILE
    static const bool linkable = ::access("/proc/self/fd", X_OK) == 0 || ::geteuid() == 0;
    if (linkable) {
        const int fd = ::openat(folder, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
        if (fd >= 0 && lockHeld(fd) != 0) {
            ::close(fd);
            errno = EOPNOTSUPP;
            return -1;
        }
        return fd;
    }
#endif
    Q_UNUSED(folder);
    errno = EOPNOTSUPP;
    return -1;
}

// Gives an unnamed file a temporary name; 0 or errno.
int nameUnnamed(int fd, int folder, const QByteArray &name, QByteArray *temporary)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        *temporary = temporaryName(name);
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
        if (::linkat(AT_FDCWD, self.constData(), folder, temporary->constData(), AT_SYMLINK_FOLLOW) == 0)
            return 0;
#ifdef AT_EMPTY_PATH
        if (errno == ENOENT && ::linkat(fd, "", folder, temporary->constData(), AT_EMPTY_PATH) == 0)
            return 0;
#endif
        if (errno != EEXIST) {
            temporary->clear();
            return errno;
        }
    }
    temporary->clear();
    return EEXIST;
}

// A save killed before its copy took the card's name leaves it behind under
// a temporary name, and nothing else would ever remove it. Every save holds
// a lock on each of its copies from before the copy has a name until it has
// taken the card's: a copy of the user's whose lock no one holds is left
// over, whatever its format. Anything else in the folder stays untouched.
void removeLeftovers(int folder, const Disk &disk)
{
    const int fd = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *listing = fd < 0 ? nullptr : ::fdopendir(fd);
    if (!listing) {
        if (fd >= 0)
            ::close(fd);
        return;
    }
    const time_t now = std::time(nullptr);
    while (const dirent *entry = ::readdir(listing)) {
        const QByteArray name(entry->d_name);
        struct stat seen, opened;
        if (!isTemporaryName(name) || ::fstatat(folder, name.constData(), &seen, AT_SYMLINK_NOFOLLOW) != 0
            || !S_ISREG(seen.st_mode) || seen.st_uid != ::geteuid()
            || (!disk.local && now - seen.st_mtime < sharedDiskSeconds))
            continue;
        const int copy = ::openat(folder, name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (copy < 0)
            continue;
        // Still the same file once locked: a save may have renamed it over a
        // card meanwhile, and another taken its name.
        if (::fstat(copy, &opened) == 0 && opened.st_ino == seen.st_ino && opened.st_dev == seen.st_dev
            && ::flock(copy, LOCK_EX | LOCK_NB) == 0
            && ::fstatat(folder, name.constData(), &seen, AT_SYMLINK_NOFOLLOW) == 0
            && opened.st_ino == seen.st_ino && opened.st_dev == seen.st_dev)
            ::unlinkat(folder, name.constData(), 0);
        ::close(copy);
    }
    ::closedir(listing);
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

// The new file takes the old one's owner and group, then its permissions
// (a change of owner clears set-id bits); 0 or errno. A user who may not give
// a file to that owner gets the refusal: the card keeps its old file rather
// than change hands.
int keepOwnerAndMode(int fd, const struct stat &old)
{
    struct stat mine;
    if (::fstat(fd, &mine) != 0)
        return errno;
    if ((mine.st_uid != old.st_uid || mine.st_gid != old.st_gid)
        && ::fchown(fd, mine.st_uid != old.st_uid ? old.st_uid : uid_t(-1),
                    mine.st_gid != old.st_gid ? old.st_gid : gid_t(-1)) != 0)
        return errno;
    return (mine.st_mode & 07777) == (old.st_mode & 07777) || ::fchmod(fd, old.st_mode & 07777) == 0 ? 0 : errno;
}

} // namespace

Batch::~Batch()
{
    drop();
}

void Batch::drop()
{
    for (const File &file : std::as_const(m_files)) {
        if (!file.temporary.isEmpty())
            ::unlinkat(m_folders[file.folder].fd, file.temporary.constData(), 0);
        if (file.fd >= 0)
            ::close(file.fd);
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
    const Disk disk = diskOf(fd);
    removeLeftovers(fd, disk);
    m_folders.append({fd, quint64(st.st_dev), quint64(st.st_ino), disk.flushedWhole});
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
    const int folder = m_folders[file.folder].fd;

    struct stat existing;
    const bool regular = ::fstatat(folder, file.name.constData(), &existing, AT_SYMLINK_NOFOLLOW) == 0
        && S_ISREG(existing.st_mode);
    // Asked as open() would judge it: by the effective ids (access() takes
    // the real ones), with ACLs, a read-only mount and root's override.
    if (regular && ::faccessat(folder, file.name.constData(), W_OK, AT_EACCESS) != 0)
        return reason(errno);

    file.fd = createUnnamed(folder);
    int error = file.fd < 0 ? errno : 0;
    // A disk without unnamed files (FAT, some network shares) refuses them
    // with one of these.
    if (error == EOPNOTSUPP || error == EISDIR || error == EINVAL || error == ENOENT) {
        file.fd = createNamed(folder, file.name, &file.temporary);
        error = file.fd < 0 ? errno : 0;
    }
    if (file.fd >= 0) {
        // A regular file being replaced keeps its owner and permissions, as
        // an edit would.
        if (regular)
            error = keepOwnerAndMode(file.fd, existing);
    } else if (regular && (error == EACCES || error == EPERM)) {
        // Refused by the folder's permissions, not for want of room (on a full
        // disk or with no inode left the in-place write could run short). The
        // file is opened with O_NOFOLLOW and looked at again: the entry may
        // have changed since.
        file.inPlace = true;
        file.fd = ::openat(folder, file.name.constData(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        struct stat opened;
        if (file.fd >= 0 && ::fstat(file.fd, &opened) == 0 && S_ISREG(opened.st_mode) && opened.st_nlink == 1)
            error = reserve(file.fd, bytes, opened.st_size);
    }
    if (error == 0)
        error = writeAll(file.fd, bytes, file.inPlace);
    if (error != 0) {
        if (!file.temporary.isEmpty())
            ::unlinkat(folder, file.temporary.constData(), 0);
        if (file.fd >= 0)
            ::close(file.fd);
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
        const Folder &folder = m_folders[file.folder];
        // A failed write may only show at a close (a network share's), which
        // the file's own descriptor waits for: it holds the lock until the
        // file has its name.
        if (file.error == 0 && !folder.flushedWhole) {
            const int probe = ::dup(file.fd);
            if (probe < 0 || ::close(probe) != 0)
                file.error = errno;
        }
        if (file.error == 0 && !file.inPlace && file.temporary.isEmpty())
            file.error = nameUnnamed(file.fd, folder.fd, file.name, &file.temporary);
        // rename() replaces the entry of that name itself, whatever it is (a
        // link included), and either completely or not at all.
        if (file.error == 0 && !file.inPlace) {
            if (::renameat(folder.fd, file.temporary.constData(), folder.fd, file.name.constData()) == 0)
                file.temporary.clear();
            else
                file.error = errno;
        }
        // A folder deleted meanwhile took the written file with it, as it
        // would have a moment later: no failure of the save.
        struct stat st;
        if (file.error == ENOENT && ::fstat(folder.fd, &st) == 0 && st.st_nlink == 0)
            file.error = 0;
        if (!file.temporary.isEmpty())
            ::unlinkat(folder.fd, std::exchange(file.temporary, QByteArray()).constData(), 0);
        const int closeError = ::close(std::exchange(file.fd, -1)) == 0 ? 0 : errno;
        if (file.inPlace && file.error == 0)
            file.error = closeError;
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
