#include "save/ProgressWindow.h"

#include <QCoreApplication>
#include <QProgressDialog>

ProgressWindow::ProgressWindow(QWidget *owner, const QString &label)
    : m_dialog(new QProgressDialog(owner))
{
    m_dialog->setObjectName(QStringLiteral("ProgressWindow"));
    m_dialog->setLabelText(label);
    m_dialog->setWindowTitle(label);
    m_dialog->setAccessibleName(label);
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setMinimumWidth(360); // room for the title with the file's name
    m_dialog->setMinimumDuration(MinimumDurationMs);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    QObject::connect(m_dialog, &QProgressDialog::canceled, m_dialog, [this] { m_cancel.store(true); });
    // The first value starts the clock of the minimum duration.
    m_dialog->setValue(0);
}

ProgressWindow::~ProgressWindow()
{
    delete m_dialog.data();
}

Progress ProgressWindow::progress()
{
    Progress progress;
    progress.cancel = &m_cancel;
    progress.step = [this](int done, int total) {
        if (!m_dialog) {
            m_cancel.store(true);
            return;
        }
        if (m_dialog->maximum() != total)
            m_dialog->setMaximum(total);
        m_dialog->setValue(done);
        // A dialog not shown yet runs no event queue of its own: the clicks
        // and the timer that shows it wait for this.
        QCoreApplication::processEvents();
    };
    return progress;
}
