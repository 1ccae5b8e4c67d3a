#pragma once

#include <QDir>
#include <QStandardPaths>
#include <QString>

// A per-user folder the XDG rules name by a variable ($XDG_CONFIG_HOME,
// $XDG_DATA_HOME). The rules have a relative value ignored for the default
// under the home folder; Qt takes it as it stands, which would make the folder
// the program was started in a place its files are read from and written to.
inline QString xdgUserFolder([[maybe_unused]] const char *variable, [[maybe_unused]] const char *defaultUnderHome,
                             QStandardPaths::StandardLocation location)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    if (!qEnvironmentVariable(variable).startsWith(u'/'))
        return QDir::homePath() + u'/' + QLatin1String(defaultUnderHome);
#endif
    return QStandardPaths::writableLocation(location);
}
