#include "app/PointerRules.h"

#include "widgets/WindowPointer.h"

#include <QMouseEvent>
#include <QWidget>

PointerRules::PointerRules(WindowPointer &pointer, const Areas &areas, QObject *parent)
    : QObject(parent), m_pointer(pointer)
{
    const Rule rules[] = {
        {areas.window, &PointerRules::Form_MouseMove},
        {areas.frame2, &PointerRules::Frame2_MouseMove},
        {areas.frame4, &PointerRules::Frame4_MouseMove},
        {areas.pushButton1, &PointerRules::PushButton1_MouseMove},
        {areas.pushButton2, &PointerRules::PushButton2_MouseMove},
        {areas.pushButton3, &PointerRules::PushButton3_MouseMove},
        {areas.pushButton9, &PointerRules::PushButton9_MouseMove},
    };
    for (const Rule &rule : rules) {
        if (!rule.area)
            continue;
        // Without tracking these widgets would only hear of moves while a
        // mouse button is held.
        rule.area->setMouseTracking(true);
        rule.area->installEventFilter(this);
        m_rules.append(rule);
    }
}

void PointerRules::Form_MouseMove() { setUnlessHourglass(WindowPointer::Default); }
void PointerRules::Frame2_MouseMove() { setUnlessHourglass(WindowPointer::Default); }
void PointerRules::Frame4_MouseMove() { setUnlessHourglass(WindowPointer::Default); }
void PointerRules::PushButton1_MouseMove() { setUnlessHourglass(WindowPointer::Custom); }
void PointerRules::PushButton2_MouseMove() { setUnlessHourglass(WindowPointer::Custom); }
void PointerRules::PushButton3_MouseMove() { setUnlessHourglass(WindowPointer::Custom); }
void PointerRules::PushButton9_MouseMove() { setUnlessHourglass(WindowPointer::Custom); }

void PointerRules::setUnlessHourglass(int setting)
{
    // The hourglass says the program is busy; a passing mouse must not hide that.
    if (m_pointer.mousePointer() == WindowPointer::Hourglass)
        return;
    if (m_pointer.mousePointer() != setting)
        m_pointer.setMousePointer(setting);
}

bool PointerRules::isOwnMove(QWidget *area, const QMouseEvent &move)
{
    // The position is in the receiving widget's coordinates, also for a move
    // passed up from a child; a child at that point means the mouse is over
    // the child, whose own rule (or lack of one) decides.
    const QPoint at = move.position().toPoint();
    return area->rect().contains(at) && area->childAt(at) == nullptr;
}

bool PointerRules::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseMove)
        return QObject::eventFilter(watched, event);
    for (const Rule &rule : std::as_const(m_rules)) {
        if (rule.area == watched) {
            if (isOwnMove(rule.area, *static_cast<QMouseEvent *>(event)))
                (this->*rule.handler)();
            break;
        }
    }
    // The widgets still get their moves: buttons track hover and presses.
    return false;
}

