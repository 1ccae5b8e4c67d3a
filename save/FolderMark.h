#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QAction;
class QLineEdit;

// Marks the folder field while its text names no existing folder (or is not a
// full path): a warning icon inside the field, a tooltip and an accessible
// description. It only shows what a save will meet; it changes nothing a
// button does.
//
// Typing never waits for the file system: the check runs on a thread of its
// own that nothing waits for (a folder on an unreachable mount can block for
// minutes), at most one at a time, and its answer comes back as an event. A
// check that never returns costs one sleeping thread, leaves the mark as it
// was and does not hold up the program's exit.
class FolderMark : public QObject
{
    Q_OBJECT
public:
    explicit FolderMark(QLineEdit *field, QObject *parent = nullptr);
    ~FolderMark() override;

    static QString missingText() { return tr("This folder does not exist"); }
    // Whether the mark is shown now (for tests and assistive technology).
    bool isShown() const;

private:
    void textChanged();
    void startProbe();
    void answered(bool exists);
    void show(bool missing);

    QPointer<QLineEdit> m_field;
    QAction *m_action = nullptr;
    bool m_checking = false;        // a check is in flight
    bool m_recheck = false;         // the text changed while it ran
    QString m_description;          // the field's own, restored when the folder exists
    QString m_toolTip;
};
