#pragma once

#include <QString>
#include <QTemporaryDir>

// A private settings file in a temporary folder, and the same for the user's
// store: points XDG_CONFIG_HOME (and HOME) into the folder before any QSettings
// exists. Call redirectUserConfig() first thing in initTestCase().
class TestSettings
{
public:
    static void redirectUserConfig();
    static QString configHome();
    static QString userSettingsFile();

    // Removes the user's store file so the next start is a first start.
    static void clearUserStore();
    // Reads a value straight from the user's store file as a plain INI reader
    // would, bypassing the program.
    static QString readUserValue(const QString &key, bool *present = nullptr);
};
