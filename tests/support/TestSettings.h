#pragma once

#include <QMap>
#include <QString>
#include <QTemporaryDir>

// The user's store, private to one test program. On Linux a settings file in
// a temporary folder: redirectUserConfig() points XDG_CONFIG_HOME (and HOME)
// there before any QSettings exists. On Windows the registry key the program
// uses, emptied when the suite starts (the suites run one after another).
// Call redirectUserConfig() first thing in initTestCase().
class TestSettings
{
public:
    static void redirectUserConfig();
    static QString configHome();
    static QString userSettingsFile();

    // False on Windows, where the store is the registry and not a file.
    static bool storeIsAFile();

    // Empties the user's store so the next start is a first start.
    static void clearUserStore();
    // Reads a value straight from the user's store, bypassing the program: as
    // a plain INI reader would from the file, or from the registry.
    static QString readUserValue(const QString &key, bool *present = nullptr);
    // Puts values into the user's store as a person or an earlier version left
    // them: a hand-written file, or text values in the registry. False when
    // they could not be written.
    static bool writeUserValues(const QMap<QString, QString> &values);
};
