#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

class QAction;
class QLineEdit;
class QTimer;

// Marks the folder field while its text names no existing folder (or is not a
// full path): a warning icon inside the field, a tooltip and an accessible
// description. It only shows what a save will meet; it changes nothing a
// button does.
//
// Typing never waits for the file system: the check runs on a thread of its
// own (a folder on an unreachable mount can block for minutes), at most one
// at a time, and the field polls for its answer. A check that never returns
// costs one sleeping thread and leaves the mark as it was.
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
    struct Probe;
    void textChanged();
    void startProbe();
    void poll();
    void show(bool missing);

    QPointer<QLineEdit> m_field;
    QAction *m_action = nullptr;
    QTimer *m_poll = nullptr;
    std::shared_ptr<Probe> m_probe; // the check in flight, if any
    bool m_recheck = false;         // the text changed while it ran
    QString m_description;          // the field's own, restored when the folder exists
    QString m_toolTip;
};
