#pragma once

#include <QCursor>
#include <QPointer>
#include <QWidget>

// The window-wide pointer setting: 0 the default arrow, 11 the hourglass,
// 99 the custom pointer picture. Whatever it is, it shows over the window and
// every control on it, the text fields and the list included.
class WindowPointer
{
public:
    enum Setting { Default = 0, Hourglass = 11, Custom = 99 };

    explicit WindowPointer(QWidget *window);

    int mousePointer() const { return m_setting; }
    void setMousePointer(int setting);

    // The custom pointer picture (MouseIcon); without one, 99 shows the
    // system's pointing hand.
    void setMouseIcon(const QCursor &cursor);
    bool hasMouseIcon() const { return m_hasIcon; }

    // The cursor the current setting shows.
    QCursor cursor() const;

    // Re-applies the setting to every control, for controls created later.
    void apply();

private:
    QPointer<QWidget> m_window;
    int m_setting = Default;
    QCursor m_icon;
    bool m_hasIcon = false;
};
