#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Puts complete files at their paths, replacing only the directory entry of
// each name: an existing link of that name is replaced by the new file (its
// target stays untouched), never written through, and an earlier file
// survives any failure. The bytes go to a hidden twin beside it
// (".<name>.<random>") that takes the name in one step once it is on the disk.
// Twins that a killed save left behind are removed by a later save of the same
// name, once no running save can own them.
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
// in-place fallback and without removing twins left behind.
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
    ~Batch(); // what was never committed is dropped: its twins go
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
        QByteArray path;
        int fd = -1;
        quint64 device = 0, inode = 0;
        bool flushedWhole = false; // one flush of its file system covers every file in it
    };
    struct File {
        QString path;
        QByteArray name, twin; // no twin: written in place
        int folder = 0;        // index into m_folders
        int fd = -1;
        int error = 0;
    };
    int folderOf(const QByteArray &path);
    void drop();

    QList<Folder> m_folders;
    QList<File> m_files;
};

} // namespace FileReplacer
