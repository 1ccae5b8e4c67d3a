#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QMouseEvent;
class QWidget;
class WindowPointer;

// The pointer rules of the main window: a move over the window's own
// background, the "Preview" frame or the "Save Results" frame shows the arrow;
// a move over any of the four push buttons shows the hand. Every other control
// leaves the setting alone, and an hourglass in force is never replaced.
//
// Qt hands a move without buttons over a child without mouse tracking on to
// its parent, so a move over Text2 would also reach Frame4 and a move over
// PushButton9 would reach Frame4 after the button. Each rule therefore runs
// only when its own widget is the one under the mouse, never for a move passed
// up from a child.
class PointerRules : public QObject
{
    Q_OBJECT
public:
    struct Areas {
        QWidget *window = nullptr;
        QWidget *frame2 = nullptr;
        QWidget *frame4 = nullptr;
        QWidget *pushButton1 = nullptr;
        QWidget *pushButton2 = nullptr;
        QWidget *pushButton3 = nullptr;
        QWidget *pushButton9 = nullptr;
    };

    PointerRules(WindowPointer &pointer, const Areas &areas, QObject *parent = nullptr);

    // One handler per area; the mouse buttons, keys and position do not matter.
    void Form_MouseMove();
    void Frame2_MouseMove();
    void Frame4_MouseMove();
    void PushButton1_MouseMove();
    void PushButton2_MouseMove();
    void PushButton3_MouseMove();
    void PushButton9_MouseMove();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using Handler = void (PointerRules::*)();
    struct Rule {
        QPointer<QWidget> area;
        Handler handler;
    };

    void setUnlessHourglass(int setting);
    static bool isOwnMove(QWidget *area, const QMouseEvent &move);

    WindowPointer &m_pointer;
    QList<Rule> m_rules;
};
