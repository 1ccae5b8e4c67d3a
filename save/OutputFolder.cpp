#include "save/OutputFolder.h"

#include "core/Messages.h"
#include "export/AddFolder.h"
#include "core/ErrorReport.h"
#include "core/Guard.h"
#include "core/SettingsStore.h"

#include <QLineEdit>

OutputFolder::OutputFolder(QLineEdit *field, QWidget *owner, SettingsStore &store, QObject *parent)
    : QObject(parent), m_field(field), m_owner(owner), m_store(store)
{
    connect(field, &QLineEdit::textChanged, this, &OutputFolder::Text2_Change);
}

void OutputFolder::load()
{
    // The default is worked out only when it is needed: a stored empty text
    // stays empty.
    const QString stored = m_store.contains(settingsKey())
        ? m_store.get(settingsKey(), QString())
        : AddFolder::DesktopFolder();
    m_field->setText(stored);
}

void OutputFolder::Text2_Change()
{
    m_store.set(settingsKey(), m_field->text());
}

void OutputFolder::PushButton9_Click()
{
    Guard guard(ErrorReport::location("PushButton9_Click"));
    QString chosen;

    guard(100, [&] { chosen = AddFolder::BrowseFolder(m_owner, Messages::selectFolder()); });
    // The branch that goes on is the one a failed test takes.
    if (!guard.test(102, [&] { return !chosen.isEmpty(); }))
        return;
    if (guard.test(104, [&] { return !AddFolder::endsWithSeparator(chosen); }))
        guard(106, [&] { m_field->setText(chosen + AddFolder::separator()); });
    else
        guard(108, [&] { m_field->setText(chosen); });
}

