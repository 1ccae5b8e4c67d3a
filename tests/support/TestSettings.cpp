#include "tests/support/TestSettings.h"

#include <QDir>
#include <QFile>
#include <QSettings>

namespace {
QTemporaryDir &home()
{
    static QTemporaryDir dir;
    return dir;
}
} // namespace

void TestSettings::redirectUserConfig()
{
    qputenv("XDG_CONFIG_HOME", configHome().toUtf8());
    qputenv("HOME", home().path().toUtf8());
    QDir().mkpath(configHome());
}

QString TestSettings::configHome()
{
    return home().path() + QStringLiteral("/config");
}

QString TestSettings::userSettingsFile()
{
    return configHome() + QStringLiteral("/Quenlow.conf");
}

void TestSettings::clearUserStore()
{
    QFile::remove(userSettingsFile());
}

QString TestSettings::readUserValue(const QString &key, bool *present)
{
    QSettings file(userSettingsFile(), QSettings::IniFormat);
    const QVariant v = file.value(QStringLiteral("Velmora/") + key);
    if (present)
        *present = v.isValid();
    return v.toString();
}
