#pragma once

#include <QObject>
#include <QPointer>

class QLineEdit;
class QWidget;
class SettingsStore;

// The output folder is nothing but the text of its field: typed, picked in
// the folder browser, or the desktop default; every change is stored at once.
class OutputFolder : public QObject
{
    Q_OBJECT
public:
    OutputFolder(QLineEdit *field, QWidget *owner, SettingsStore &store, QObject *parent = nullptr);

    static QString settingsKey() { return QStringLiteral("Text2"); }

    // Fills the field at start-up: the stored text, or the desktop default
    // while nothing is stored.
    void load();

    void PushButton9_Click();
    void Text2_Change();

private:
    QPointer<QLineEdit> m_field;
    QPointer<QWidget> m_owner;
    SettingsStore &m_store;
};
