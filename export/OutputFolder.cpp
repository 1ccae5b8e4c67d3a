#include "OutputFolder.h"

#include "AddFolder.h"
#include "ErrorReport.h"
#include "Guard.h"
#include "SettingsStore.h"

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

    guard(100, [&] { chosen = AddFolder::BrowseFolder(m_owner, QStringLiteral("Please select folder:")); });
    bool empty = false;
    if (!guard(102, [&] { empty = chosen.isEmpty(); }))
        empty = false;
    if (empty)
        return;
    bool needsSeparator = true;
    if (!guard(104, [&] { needsSeparator = !AddFolder::endsWithSeparator(chosen); }))
        needsSeparator = true;
    if (needsSeparator)
        guard(106, [&] { m_field->setText(chosen + AddFolder::separator()); });
    else
        guard(108, [&] { m_field->setText(chosen); });
}
