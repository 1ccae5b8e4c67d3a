#pragma once

#include "core/DrawRule.h"

#include <QObject>
#include <QPointer>

class QLineEdit;
class SettingsStore;

// The card count field: every edit is stored at once, and the text is checked
// when the focus moves from the field to another control of the window. A
// refused text stays as typed; the focus goes back to the field.
class CountEntry : public QObject
{
    Q_OBJECT
public:
    CountEntry(QLineEdit *field, SettingsStore &store, QObject *parent = nullptr);

    static QString settingsKey() { return QStringLiteral("Number Of Cards"); }

    void Text1_Change();
    // Checks the count; returns whether it was accepted.
    bool Text1_LostFocus();

    // A click that took the focus from the field runs the pending check
    // first, and goes through only when the count was accepted: a refused
    // count is never drawn with, and a refusal never stacks on another box.
    bool settlePendingCheck();

    // Whether a count text would be accepted when the field loses the focus.
    using Verdict = DrawRule::CountVerdict;
    static Verdict check(const QString &text) { return DrawRule::checkCount(text); }

signals:
    // Enter (or the keypad's Enter) in the field, with a count that passed the
    // check: the window draws, as a click on the draw button would. A refused
    // count gets the same message as when the focus leaves, and no draw.
    void countConfirmed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QLineEdit> m_field;
    SettingsStore &m_store;
    bool m_checking = false;
    bool m_checkPending = false;
};
