#include "core/SettingsStore.h"

#include "core/Platform.h"

#include <QDir>
#include <QSettings>
#include <QtGlobal>

namespace {

std::unique_ptr<QSettings> openUserStore()
{
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(
        QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\Quenlow"),
        QSettings::NativeFormat);
#else
    // No application name: QSettings then names the file after the organisation,
    // and the native format on Unix is INI with the .conf suffix, giving
    // $XDG_CONFIG_HOME/Quenlow.conf.
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Quenlow"), QString());
#endif
}

QString keyPath(const QString &key)
{
    return SettingsStore::section() + u'/' + key;
}

} // namespace

SettingsStore::SettingsStore() : m_settings(openUserStore()) {}

SettingsStore::SettingsStore(const QString &iniFile)
    : m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat))
{
}

SettingsStore::~SettingsStore() = default;

bool SettingsStore::contains(const QString &key) const
{
    return m_settings->contains(keyPath(key));
}

QString SettingsStore::get(const QString &key, const QString &defaultValue) const
{
    const QVariant v = m_settings->value(keyPath(key));
    if (!v.isValid())
        return defaultValue;
    // A value stored as a list by another program reads back as its first item
    // rather than as nothing at all.
    if (v.userType() == QMetaType::QStringList) {
        const QStringList list = v.toStringList();
        return list.isEmpty() ? QString() : list.first();
    }
    return v.toString();
}

bool SettingsStore::set(const QString &key, const QString &value)
{
    // Start-up hands every stored value straight back; rewriting an unchanged
    // file costs a synced disk write each time and gains nothing. After a
    // failed write the disk may differ from memory, so then every set writes.
    const QVariant stored = m_settings->value(keyPath(key));
    if (!m_writeFailed && stored.userType() == QMetaType::QString && stored.toString() == value
        && m_settings->status() == QSettings::NoError)
        return true;
    m_settings->setValue(keyPath(key), value);
    m_settings->sync();
    // A file that was unreadable at start leaves FormatError behind for the
    // whole run, yet the write itself goes through and replaces that file:
    // only an access error means the value did not reach the disk.
    if (m_settings->status() != QSettings::AccessError)
        return true;

    m_writeFailed = true;
    qWarning("Velmora: could not write setting \"%s\" to %s",
             qPrintable(key), qPrintable(location()));
    // Once per run: a failing disk must not turn every keystroke into a box.
    if (!m_failureReported) {
        m_failureReported = true;
        Platform::current().message(
            QStringLiteral("Your settings could not be saved to %1.\r\n"
                           "Velmora keeps working, but this change will be lost when it closes.")
                .arg(location()),
            applicationTitle(), Platform::Icon::Warning);
    }
    return false;
}

QString SettingsStore::location() const
{
#ifdef Q_OS_WIN
    return m_settings->fileName() + QStringLiteral("\\Velmora");
#else
    return QDir::toNativeSeparators(m_settings->fileName());
#endif
}
