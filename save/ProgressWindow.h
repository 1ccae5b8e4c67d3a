#pragma once

#include "core/Progress.h"

#include <QPointer>
#include <QString>
#include <atomic>

class QProgressDialog;
class QWidget;

// The window's side of a long export or print: a progress dialog with Cancel
// that shows itself only once the work has run for about a second (a quick
// export flashes nothing). The work reports on the UI thread; each report
// lets the event queue run once so the dialog paints and Cancel is heard.
// The owner going away while the work runs cancels it.
class ProgressWindow
{
public:
    ProgressWindow(QWidget *owner, const QString &label);
    ~ProgressWindow();

    ProgressWindow(const ProgressWindow &) = delete;
    ProgressWindow &operator=(const ProgressWindow &) = delete;

    // Valid while this object lives.
    Progress progress();
    bool cancelled() const { return m_cancel.load(); }

    static constexpr int MinimumDurationMs = 1000;

private:
    QPointer<QProgressDialog> m_dialog;
    std::atomic_bool m_cancel{false};
};
