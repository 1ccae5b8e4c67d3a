#include "export/FolderMark.h"

#include "export/NativePath.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QStyle>
#include <QTimer>

#include <atomic>
#include <thread>

struct FolderMark::Probe {
    QString path;
    std::atomic<bool> done{false};
    bool exists = false; // written before done, read after it
};

FolderMark::FolderMark(QLineEdit *field, QObject *parent) : QObject(parent), m_field(field)
{
    m_action = new QAction(field->style()->standardIcon(QStyle::SP_MessageBoxWarning), missingText(), this);
    m_action->setToolTip(missingText());
    m_poll = new QTimer(this);
    m_poll->setInterval(30);
    connect(m_poll, &QTimer::timeout, this, &FolderMark::poll);
    // Checked from the first text the window fills in: until an answer is in,
    // the field shows no mark rather than a wrong one.
    connect(field, &QLineEdit::textChanged, this, &FolderMark::textChanged);
}

FolderMark::~FolderMark() = default;

bool FolderMark::isShown() const
{
    return m_field && m_field->actions().contains(m_action);
}

void FolderMark::textChanged()
{
    if (m_probe) {
        m_recheck = true;
        return;
    }
    startProbe();
}

void FolderMark::startProbe()
{
    const QString text = m_field->text();
    // Not a full path: saves would land wherever the program was started.
    if (!QDir::isAbsolutePath(text)) {
        show(true);
        return;
    }
    m_probe = std::make_shared<Probe>();
    m_probe->path = NativePath::folder(text); // as the saves will read it
    std::thread([probe = m_probe] {
        probe->exists = QFileInfo(probe->path).isDir();
        probe->done.store(true, std::memory_order_release);
    }).detach();
    m_poll->start();
}

void FolderMark::poll()
{
    if (!m_probe || !m_probe->done.load(std::memory_order_acquire))
        return;
    m_poll->stop();
    const bool missing = !m_probe->exists;
    m_probe.reset();
    if (m_recheck) {
        m_recheck = false;
        startProbe();
        return;
    }
    show(missing);
}

void FolderMark::show(bool missing)
{
    if (!m_field || missing == isShown())
        return;
    if (missing) {
        m_description = m_field->accessibleDescription();
        m_toolTip = m_field->toolTip();
        m_field->addAction(m_action, QLineEdit::TrailingPosition);
        m_field->setToolTip(missingText());
        m_field->setAccessibleDescription(missingText() + QStringLiteral(". ") + m_description);
    } else {
        m_field->removeAction(m_action);
        m_field->setToolTip(m_toolTip);
        m_field->setAccessibleDescription(m_description);
    }
}

