#include "draw/CountEntry.h"

#include "core/Messages.h"
#include "core/CardEntry.h"
#include "core/NumberText.h"
#include "core/Platform.h"
#include "core/SettingsStore.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

CountEntry::CountEntry(QLineEdit *field, SettingsStore &store, QObject *parent)
    : QObject(parent), m_field(field), m_store(store)
{
    connect(field, &QLineEdit::textChanged, this, &CountEntry::Text1_Change);
    field->installEventFilter(this);
}

void CountEntry::Text1_Change()
{
    m_store.set(settingsKey(), m_field->text());
}

bool CountEntry::settlePendingCheck()
{
    if (!m_checkPending)
        return true;
    m_checkPending = false;
    if (!m_field)
        return true;
    return Text1_LostFocus();
}

bool CountEntry::Text1_LostFocus()
{
    // The message box takes the focus, and giving it back may bounce: one check
    // at a time, so a refusal can never trigger itself.
    if (m_checking || !m_field)
        return true;
    m_checking = true;
    const Verdict verdict = check(m_field->text());
    if (verdict == Verdict::NotNumeric) {
        Platform::current().message(Messages::mustBeNumerical(), Messages::numericValueRequired(),
                                    Platform::Icon::Warning);
    } else if (verdict == Verdict::AboveLimit) {
        Platform::current().message(Messages::upToDeckSize(), applicationTitle(),
                                    Platform::Icon::Warning);
    }
    if (verdict != Verdict::Accepted && m_field) {
        if (QWidget *window = m_field->window()) {
            window->activateWindow();
        }
        m_field->setFocus(Qt::OtherFocusReason);
    }
    m_checking = false;
    return verdict == Verdict::Accepted;
}

bool CountEntry::eventFilter(QObject *watched, QEvent *event)
{
    // The field's own destructor sends it a last focus-out once it is no
    // longer a QLineEdit; qobject_cast sees that, a QPointer comparison would
    // treat the remains as a line edit.
    auto *field = qobject_cast<QLineEdit *>(watched);
    if (field && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            // A held key would draw again and again; one press, one draw.
            if (!key->isAutoRepeat() && Text1_LostFocus())
                emit countConfirmed();
            return true;
        }
    }
    if (field && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        // Only a move to another control of this window counts: not switching to
        // another application, not a popup or the message box itself, not the
        // window closing.
        const bool toControl = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason
            || reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason
            || reason == Qt::OtherFocusReason;
        // The new owner of the focus is known by now.
        QWidget *now = QApplication::focusWidget();
        if (toControl && field->window()->isVisible() && now && now != field
            && now->window() == field->window()) {
            // Checked once the focus change is over, or earlier when the click
            // that moved the focus asks for it (settlePendingCheck).
            m_checkPending = true;
            QTimer::singleShot(0, this, &CountEntry::settlePendingCheck);
        }
    }
    return QObject::eventFilter(watched, event);
}

