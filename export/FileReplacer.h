#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Puts complete files at their paths, replacing only the directory entry of
// each name: an existing link of that name is replaced by the new file (its
// target stays untouched), never written through, and an earlier file
// survives any failure. The bytes go to a new file in the same folder that
// has no name at all while it is written and flushed (O_TMPFILE); it gets a
// temporary name and at once takes the card's, so a killed save leaves
// nothing but, in that instant, the named copy. Where the disk makes no
// unnamed files (FAT, some network shares) the copy is made under the
// temporary name from the start. The new file keeps the old one's owner,
// group and permissions; a user who may not give it to that owner (only root
// may give a file away) is refused, and the old file stays.
//
// A temporary name is ".velmora-tmp-<16 hex digits>-<name>", and a save holds
// a lock on its copy from before the copy has that name until it has the
// card's. Each save removes from the folders it writes the copies left over
// by killed saves, of any format: a regular file of the user's under such a
// name that no save holds locked (on a network share, where a save on another
// machine holds a lock this one may not see, only once it is an hour old).
// Nothing else is ever removed, whatever its name looks like.
//
// An existing file the user could not write is refused with the system's
// reason, as any program writing it would be, even where the folder would let
// it be replaced (root, who may write any file, may replace it).
//
// Where the folder refuses the user a new entry but the existing file may be
// written, that file is overwritten in place instead, the only way the save
// can happen there, and only where a want of room cannot cut it short: a file
// with no other link (another name would change with it), on a disk with room
// for the whole new content, reserved before any of the old is cut. Never on a
// full disk or a folder out of inodes: the old file then stays as it was. Not
// atomic: a disk error or a crash mid-write may leave it part-written.
//
// On Windows, QSaveFile does the same, one file at a time, without the
// in-place fallback; its own temporary names never carry the marker above,
// and nothing of ours removes files there.
namespace FileReplacer {

// One file as a batch of its own. Returns an empty text on success, else the
// system's reason.
QString replace(const QString &path, const QByteArray &bytes);

// Many files for the price of one flush of the disk: each added file is
// written beside its name and, on commit(), the batch is flushed to the disk
// once, then every file takes its name, then each folder is flushed once.
// Until commit() every name keeps what it held (an in-place write excepted: it
// happens in add()). Holds one descriptor per added file: a deck's worth, not
// thousands.
class Batch
{
public:
    Batch() = default;
    ~Batch(); // what was never committed is dropped: its copies go
    Batch(const Batch &) = delete;
    Batch &operator=(const Batch &) = delete;

    // An empty text, or the system's reason why this file cannot be written;
    // the file then plays no further part.
    QString add(const QString &path, const QByteArray &bytes);

    struct Failed {
        QString path;
        QString reason;
    };
    // The added files that failed only now, in the order added; every other
    // one holds its name.
    QList<Failed> commit();

private:
    struct Folder {
        int fd = -1;
        quint64 device = 0, inode = 0;
        bool flushedWhole = false; // one flush of its file system covers every file in it
    };
    struct File {
        QString path;
        QByteArray name, temporary; // no temporary name: unnamed yet, or written in place
        int folder = 0;             // index into m_folders
        int fd = -1;                // locked until the file has its name
        int error = 0;
        bool inPlace = false;
    };
    int folderOf(const QByteArray &path);
    void drop();

    QList<Folder> m_folders;
    QList<File> m_files;
};

} // namespace FileReplacer
