#pragma once

#include <QCursor>
#include <QObject>
#include <QPointer>
#include <QWidget>

// The window-wide pointer setting: 0 the default arrow, 11 the hourglass,
// 99 the custom pointer picture. Whatever it is, it shows over the window and
// every control on it, the text fields and the list included.
//
// Qt widgets pick their own pointers: a line edit sets the I-beam on itself
// (again whenever it turns read-only or editable), a list sets one on its
// viewport, and controls added later bring their own. So the setting is put
// on every widget of the window, and a widget that changes its pointer behind
// the setting's back, or a child that turns up later, gets it put back.
class WindowPointer : public QObject
{
    Q_OBJECT
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

    // Re-applies the setting to every control.
    void apply();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow(QWidget *widget);
    void put(QWidget *widget, const QCursor &c);

    QPointer<QWidget> m_window;
    int m_setting = Default;
    QCursor m_icon;
    bool m_hasIcon = false;
    // Set while this object itself changes pointers, so its own changes are
    // not mistaken for a widget overriding the setting.
    bool m_applying = false;
};
