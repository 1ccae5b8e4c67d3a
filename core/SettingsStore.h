#pragma once

#include <QHash>
#include <QString>
#include <memory>

class QSettings;
class QTimer;

// Per-user text values of section "Velmora" of application "Quenlow".
// Linux and macOS: the plain INI file Quenlow.conf in the user's config folder
// ($XDG_CONFIG_HOME on Linux; see IniFormat). Windows: the registry key
// HKCU\Software\VB and VBA Program Settings\Quenlow\Velmora, where earlier
// versions of the program kept the same values.
// Every set() is written through at once; a write that fails keeps the value in
// memory for this run, is reported once per run and never throws.
//
// The file is only ever a regular file of its own, of at most
// IniFormat::maximumFileSize bytes: one that is a link, a FIFO, a device, a
// folder or bigger is neither read (a FIFO would block start-up, a huge file
// take seconds) nor written through or replaced; the run then starts from the
// defaults and keeps its values in memory. While anything but a regular file
// stands where the file's lock file goes, the file is read but not written
// (taking the lock would wait on it for ever). A lock that stays taken for
// about a second leaves the change unwritten, in memory; every value not
// written goes with the next write that can take the lock. A missing folder
// is made only in a folder that exists.
//
// The warning that settings cannot be saved waits until the values have
// stopped changing for a moment (or the store closes): a box opening between
// two keystrokes would take the second.
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
    void openFile(const QString &path);
    // Why the file cannot be used (no regular file, too big), or an empty text.
    QString fileProblem() const;
    // Why the file cannot be written now (its folder cannot be made, its lock
    // file cannot be taken within about a second), or an empty text.
    QString writeProblem();
    bool reportFailure(const QString &key, const QString &value, const QString &why);
    void showWarning();

    std::unique_ptr<QSettings> m_settings;
    QString m_file;                       // empty for the registry
    QHash<QString, QString> m_unsaved;    // values that could not reach the store
    bool m_writeFailed = false;
    bool m_failureReported = false;
    bool m_lockWaitFailed = false;        // later writes wait only a moment
    std::unique_ptr<QTimer> m_warning;    // the warning, waiting for a quiet moment
};
