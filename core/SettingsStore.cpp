#include "core/SettingsStore.h"

#include "core/Messages.h"
#include "core/XdgFolder.h"
#include "core/IniFormat.h"
#include "core/Platform.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
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

QString configFolder()
{
    return xdgUserFolder("XDG_CONFIG_HOME", ".config", QStandardPaths::GenericConfigLocation);
}

} // namespace

SettingsStore::SettingsStore()
{
#ifdef Q_OS_WIN
    m_settings = std::make_unique<QSettings>(
        QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\Quenlow"),
        QSettings::NativeFormat);
#else
    openFile(configFolder() + QStringLiteral("/Quenlow.conf"));
#endif
}

SettingsStore::SettingsStore(const QString &iniFile)
{
    openFile(iniFile);
}

SettingsStore::~SettingsStore() = default;

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

QString SettingsStore::lockProblem() const
{
    // QSettings takes a lock file beside the file it writes, and waits until
    // it can: through a FIFO of that name, or a folder it cannot remove as
    // stale, it waits for ever. The registry takes no lock file.
    if (m_file.isEmpty())
        return QString();
    const QFileInfo file(m_file);
    const QString lock = (file.isSymLink() ? file.canonicalFilePath() : m_file) + QStringLiteral(".lock");
#ifdef Q_OS_UNIX
    struct stat entry;
    if (::lstat(QFile::encodeName(lock).constData(), &entry) != 0 || S_ISREG(entry.st_mode))
        return QString();
#else
    const QFileInfo info(lock);
    if (!info.exists() || info.isFile())
        return QString();
#endif
    return QStringLiteral("%1, where its lock file goes, is not a regular file").arg(QDir::toNativeSeparators(lock));
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
    // differ from memory, so then every set writes.
    m_settings->sync();
    const QVariant stored = m_settings->value(keyPath(key));
    if (!m_writeFailed && stored.userType() == QMetaType::QString && stored.toString() == value
        && m_settings->status() == QSettings::NoError) {
        m_unsaved.remove(key);
        return true;
    }
    const QString lock = lockProblem();
    if (!lock.isEmpty())
        return reportFailure(key, value, lock);
    m_settings->setValue(keyPath(key), value);
    m_settings->sync();
    // A status the first read left behind stays for the whole run: only an
    // access error means the value did not reach the disk.
    if (m_settings->status() != QSettings::AccessError) {
        m_unsaved.remove(key);
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
    if (!m_failureReported) {
        m_failureReported = true;
        Platform::current().message(
            Messages::settingsNotSaved(location()),
            applicationTitle(), Platform::Icon::Warning);
    }
    return false;
}

QString SettingsStore::location() const
{
#ifdef Q_OS_WIN
    if (m_file.isEmpty())
        return m_settings->fileName() + QStringLiteral("\\Velmora");
#endif
    return QDir::toNativeSeparators(m_file);
}
