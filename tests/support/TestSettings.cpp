#include "tests/support/TestSettings.h"

#include <QDir>
#include <QFile>

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
    // Read as any plain INI reader would: the line "key=value" under
    // "[Velmora]", the value to the end of the line.
    if (present)
        *present = false;
    QFile file(userSettingsFile());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    bool inSection = false;
    const QList<QByteArray> lines = file.readAll().split('\n');
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
}
