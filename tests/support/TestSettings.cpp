#include "tests/support/TestSettings.h"

#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QSettings>

namespace {
QTemporaryDir &home()
{
    static QTemporaryDir dir;
    return dir;
}

#ifdef Q_OS_WIN
const QString registryKey = QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\Quenlow");
#endif
} // namespace

void TestSettings::redirectUserConfig()
{
    qputenv("XDG_CONFIG_HOME", configHome().toUtf8());
    qputenv("HOME", home().path().toUtf8());
    QDir().mkpath(configHome());
#ifdef Q_OS_WIN
    clearUserStore();
#endif
}

QString TestSettings::configHome()
{
    return home().path() + QStringLiteral("/config");
}

QString TestSettings::userSettingsFile()
{
    return configHome() + QStringLiteral("/Quenlow.conf");
}

bool TestSettings::storeIsAFile()
{
#ifdef Q_OS_WIN
    return false;
#else
    return true;
#endif
}

void TestSettings::clearUserStore()
{
#ifdef Q_OS_WIN
    QSettings(registryKey, QSettings::NativeFormat).remove(QStringLiteral("Velmora"));
#else
    QFile::remove(userSettingsFile());
#endif
}

QString TestSettings::readUserValue(const QString &key, bool *present)
{
    if (present)
        *present = false;
#ifdef Q_OS_WIN
    // A fresh QSettings reads the registry itself, not another object's cache.
    const QVariant value = QSettings(registryKey, QSettings::NativeFormat).value(QStringLiteral("Velmora/") + key);
    if (present)
        *present = value.isValid();
    return value.toString();
#else
    // Read as any plain INI reader would: the line "key=value" under
    // "[Velmora]", the value to the end of the line.
    bool inSection = false;
    const QList<QByteArray> lines = TestFiles::read(userSettingsFile()).split('\n');
    for (const QByteArray &bytes : lines) {
        const QString line = QString::fromUtf8(bytes);
        if (line.startsWith(u'[')) {
            inSection = line == QStringLiteral("[Velmora]");
        } else if (inSection && line.startsWith(key + u'=')) {
            if (present)
                *present = true;
            return line.mid(key.size() + 1);
        }
    }
    return QString();
#endif
}

bool TestSettings::writeUserValues(const QMap<QString, QString> &values)
{
    clearUserStore();
#ifdef Q_OS_WIN
    // Text values (REG_SZ), as the earlier program stored every setting.
    QSettings registry(registryKey, QSettings::NativeFormat);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        registry.setValue(QStringLiteral("Velmora/") + it.key(), it.value());
    registry.sync();
    return registry.status() == QSettings::NoError;
#else
    QByteArray text("[Velmora]\n");
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        text += it.key().toUtf8() + '=' + it.value().toUtf8() + '\n';
    return TestFiles::write(userSettingsFile(), text);
#endif
}
