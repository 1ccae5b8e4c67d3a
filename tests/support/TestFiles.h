#pragma once

// Whole files, and a small disk for the faults only a real file system shows.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace TestFiles {

// The file's bytes; empty when it cannot be read.
inline QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes the whole file, making its folder first; false unless every byte got there.
inline bool write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A tmpfs mounted on path with mount's -o options: a disk that really fills
// up, or, made read-only, a folder nobody may write to, root included (tests
// run as root, and permission bits do not stop root). Unmounted on
// destruction, whatever the test's outcome. Mounting needs root and mount
// permission (and a POSIX system): without them mounted() is false, and the
// test skips.
class SmallDisk
{
public:
    explicit SmallDisk(const QString &path, const QString &options = QStringLiteral("size=64k"))
        : SmallDisk(path, QStringList{"-t", "tmpfs", "-o", options, "tmpfs"})
    {
    }
    // Any other mount, given as mount's arguments before the folder: a disk image.
    SmallDisk(const QString &path, const QStringList &how) : m_path(path)
    {
        QDir().mkpath(path);
        m_mounted = QProcess::execute(QStringLiteral("mount"), QStringList(how) << path) == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_path});
    }
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool mounted() const { return m_mounted; }
    // Read-only from now on, once the test has put its files there.
    bool makeReadOnly() const
    {
        return m_mounted && QProcess::execute(QStringLiteral("mount"), {"-o", "remount,ro", m_path}) == 0;
    }

private:
    QString m_path;
    bool m_mounted = false;
};

} // namespace TestFiles
