#include "core/SettingsStore.h"

#include "core/Messages.h"
#include "core/XdgFolder.h"
#include "core/IniFormat.h"
#include "core/Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#endif

namespace {

QString keyPath(const QString &key)
{
    return SettingsStore::section() + u'/' + key;
}

// How long the values must stay unchanged before the warning of a failed
// write opens: longer than the pause between two keystrokes.
constexpr int quietMilliseconds = 1000;

} // namespace

SettingsStore::SettingsStore()
{
#ifdef Q_OS_WIN
    m_settings = std::make_unique<QSettings>(
        QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\Quenlow"),
        QSettings::NativeFormat);
#else
    openFile(xdgUserFolder("XDG_CONFIG_HOME", ".config", QStandardPaths::GenericConfigLocation)
             + QStringLiteral("/Quenlow.conf"));
#endif
}

SettingsStore::SettingsStore(const QString &iniFile)
{
    openFile(iniFile);
}

SettingsStore::~SettingsStore()
{
    // Closing before the quiet moment came: the user still hears of it.
    if (m_warning && m_warning->isActive())
        showWarning();
}

void SettingsStore::openFile(const QString &path)
{
    m_file = QFileInfo(path).absoluteFilePath();
    const QString problem = fileProblem();
    if (!problem.isEmpty()) {
        qWarning("Velmora: settings file %s not used: %s", qPrintable(location()), qPrintable(problem));
        return;
    }
    // A link to a regular file (how dotfile managers keep settings) is read
    // and written at its target, so the link itself stays in place.
    const QFileInfo entry(m_file);
    m_settings = std::make_unique<QSettings>(entry.isSymLink() ? entry.canonicalFilePath() : m_file,
                                             IniFormat::format());
}

QString SettingsStore::fileProblem() const
{
    const QString tooBig = QStringLiteral("it is %1 bytes, more than a settings file of ours holds");
#ifdef Q_OS_UNIX
    // lstat first: only a link to a regular file is followed; a link to a
    // device, a FIFO, a folder or nothing is never read or written through.
    const QByteArray name = QFile::encodeName(m_file);
    struct stat entry;
    if (::lstat(name.constData(), &entry) != 0)
        return errno == ENOENT ? QString() : QString::fromLocal8Bit(std::strerror(errno));
    if (S_ISLNK(entry.st_mode)) {
        if (::stat(name.constData(), &entry) != 0)
            return QStringLiteral("it is a link to nothing");
        if (!S_ISREG(entry.st_mode))
            return QStringLiteral("it is a link to something other than a regular file");
    }
    if (!S_ISREG(entry.st_mode))
        return QStringLiteral("it is not a regular file");
    if (entry.st_size > IniFormat::maximumFileSize)
        return tooBig.arg(entry.st_size);
    return QString();
#else
    const QFileInfo info(m_file);
    if (info.isSymLink() && !info.exists())
        return QStringLiteral("it is a link to nothing");
    if (info.exists() && !info.isFile())
        return QStringLiteral("it is not a regular file");
    if (info.size() > IniFormat::maximumFileSize)
        return tooBig.arg(info.size());
    return QString();
#endif
}

QString SettingsStore::writeProblem()
{
    // The registry takes no lock file and has no folder to make.
    if (m_file.isEmpty())
        return QString();
    const QFileInfo file(m_file);
    const QString target = file.isSymLink() ? file.canonicalFilePath() : m_file;
    // QSettings makes every missing folder on the way to its file, the home
    // folder included.
    if (!makeUserFolder(QFileInfo(target).absolutePath()))
        return QStringLiteral("its folder does not exist and cannot be made there");

    // QSettings takes a lock file beside the file it writes, and waits until
    // it can: through a FIFO of that name, or a folder it cannot remove as
    // stale, it waits for ever.
    const QString lock = target + QStringLiteral(".lock");
#ifdef Q_OS_UNIX
    struct stat entry;
    const bool plain = ::lstat(QFile::encodeName(lock).constData(), &entry) != 0 || S_ISREG(entry.st_mode);
#else
    const QFileInfo info(lock);
    const bool plain = !info.exists() || info.isFile();
#endif
    if (!plain)
        return QStringLiteral("%1, where its lock file goes, is not a regular file").arg(QDir::toNativeSeparators(lock));

    // A regular lock file it waits on too: left by a program that ended in a
    // folder that does not let it be removed, for ever; held by another
    // running program, until the lock is half a minute old. So the lock is
    // taken here first, for a bounded time, and let go just before QSettings
    // takes it again. Once a wait has run out, later writes only look.
    QLockFile lockFile(lock);
    if (lockFile.tryLock(m_lockWaitFailed ? 50 : 1000)) {
        lockFile.unlock();
        return QString();
    }
    m_lockWaitFailed = true;
    return QStringLiteral("its lock file %1 %2")
        .arg(QDir::toNativeSeparators(lock),
             lockFile.error() == QLockFile::LockFailedError
                 ? QStringLiteral("stayed taken (by another program, or left behind and not removable)")
                 : QStringLiteral("cannot be made"));
}

bool SettingsStore::contains(const QString &key) const
{
    return m_unsaved.contains(key) || (m_settings && m_settings->contains(keyPath(key)));
}

QString SettingsStore::get(const QString &key, const QString &defaultValue) const
{
    QString value = defaultValue;
    if (m_unsaved.contains(key)) {
        value = m_unsaved.value(key);
    } else if (m_settings) {
        const QVariant v = m_settings->value(keyPath(key));
        if (v.isValid()) {
            // A value stored as a list by another program reads back as its
            // first item rather than as nothing at all.
            if (v.userType() == QMetaType::QStringList) {
                const QStringList list = v.toStringList();
                value = list.isEmpty() ? QString() : list.first();
            } else {
                value = v.toString();
            }
        }
    }
    return value;
}

bool SettingsStore::set(const QString &key, const QString &value)
{
    // Still changing: the warning waits on.
    if (m_warning && m_warning->isActive())
        m_warning->start();
    if (!m_settings)
        return reportFailure(key, value, fileProblem().isEmpty() ? QStringLiteral("unusable") : fileProblem());
    // The file may have become a link, a FIFO or too big since it was read.
    const QString problem = fileProblem();
    if (!problem.isEmpty()) {
        m_settings.reset();
        return reportFailure(key, value, problem);
    }

    // Start-up hands every stored value straight back; rewriting an unchanged
    // file costs a synced disk write each time and gains nothing. The value
    // compared with is the one on disk: sync() reads the file again only when
    // its size or time changed since this copy last read or wrote it, which
    // is when another running copy wrote it. After a failed write the disk may
    // differ from memory, so then every set writes; and a sync() then would
    // write what QSettings still holds, so it waits for the lock check.
    if (!m_writeFailed) {
        m_settings->sync();
        const QVariant stored = m_settings->value(keyPath(key));
        if (stored.userType() == QMetaType::QString && stored.toString() == value
            && m_settings->status() == QSettings::NoError)
            return true;
    }
    const QString cannot = writeProblem();
    if (!cannot.isEmpty())
        return reportFailure(key, value, cannot);
    // Every value an earlier write could not store goes with this one.
    m_unsaved.insert(key, value);
    for (auto it = m_unsaved.cbegin(); it != m_unsaved.cend(); ++it)
        m_settings->setValue(keyPath(it.key()), it.value());
    m_settings->sync();
    // A status the first read left behind stays for the whole run: only an
    // access error means the value did not reach the disk.
    if (m_settings->status() != QSettings::AccessError) {
        m_unsaved.clear();
        return true;
    }
    return reportFailure(key, value, QStringLiteral("the file could not be written"));
}

bool SettingsStore::reportFailure(const QString &key, const QString &value, const QString &why)
{
    m_unsaved.insert(key, value);
    m_writeFailed = true;
    qWarning("Velmora: could not write setting \"%s\" to %s: %s", qPrintable(key), qPrintable(location()),
             qPrintable(why));
    // Once per run: a failing disk must not turn every keystroke into a box.
    if (m_failureReported)
        return false;
    m_failureReported = true;
    if (!QCoreApplication::instance()) {
        showWarning();
        return false;
    }
    m_warning = std::make_unique<QTimer>();
    m_warning->setSingleShot(true);
    m_warning->setInterval(quietMilliseconds);
    QObject::connect(m_warning.get(), &QTimer::timeout, [this] { showWarning(); });
    m_warning->start();
    return false;
}

void SettingsStore::showWarning()
{
    if (m_warning)
        m_warning->stop();
    Platform::current().message(
        Messages::settingsNotSaved(location()),
        applicationTitle(), Platform::Icon::Warning);
}

QString SettingsStore::location() const
{
#ifdef Q_OS_WIN
    if (m_file.isEmpty())
        return m_settings->fileName() + QStringLiteral("\\Velmora");
#endif
    return QDir::toNativeSeparators(m_file);
}
