#pragma once

#include <QString>
#include <memory>

class QSettings;

// Per-user text values of section "Velmora" of application "Quenlow".
// Linux and macOS: $XDG_CONFIG_HOME/Quenlow.conf (INI). Windows: the registry
// key HKCU\Software\VB and VBA Program Settings\Quenlow\Velmora, where earlier
// versions of the program kept the same values.
// Every set() is written through at once; a write that fails keeps the value in
// memory for this run, is reported once per run and never throws.
class SettingsStore
{
public:
    SettingsStore();                                  // the user's own store
    explicit SettingsStore(const QString &iniFile);   // a given INI file (tests, tools)
    ~SettingsStore();

    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    bool contains(const QString &key) const;
    QString get(const QString &key, const QString &defaultValue) const;
    // Returns whether the value reached the backing store.
    bool set(const QString &key, const QString &value);

    // Where the values live, for messages and the README.
    QString location() const;

    // Whether a write has failed during this run.
    bool hasWriteFailed() const { return m_writeFailed; }

    static QString section() { return QStringLiteral("Velmora"); }

private:
    std::unique_ptr<QSettings> m_settings;
    bool m_writeFailed = false;
    bool m_failureReported = false;
};
