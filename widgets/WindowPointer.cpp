#include "widgets/WindowPointer.h"

#include <QChildEvent>
#include <QEvent>

WindowPointer::WindowPointer(QWidget *window) : m_window(window)
{
    if (!m_window)
        return;
    follow(m_window);
    const auto children = m_window->findChildren<QWidget *>();
    for (QWidget *child : children)
        follow(child);
    // The text fields show the I-beam from their construction on; the arrow of
    // setting 0 has to be there before the first mouse move.
    apply();
}

void WindowPointer::setMousePointer(int setting)
{
    m_setting = setting;
    apply();
}

void WindowPointer::setMouseIcon(const QCursor &cursor)
{
    m_icon = cursor;
    m_hasIcon = true;
    apply();
}

QCursor WindowPointer::cursor() const
{
    switch (m_setting) {
    case Hourglass: return QCursor(Qt::WaitCursor);
    case Custom: return m_hasIcon ? m_icon : QCursor(Qt::PointingHandCursor);
    default: return QCursor(Qt::ArrowCursor);
    }
}

void WindowPointer::apply()
{
    if (!m_window)
        return;
    const QCursor c = cursor();
    put(m_window, c);
    const auto children = m_window->findChildren<QWidget *>();
    for (QWidget *child : children)
        put(child, c);
}

void WindowPointer::follow(QWidget *widget)
{
    // Installing twice would still filter once; removing first keeps it so.
    widget->removeEventFilter(this);
    widget->installEventFilter(this);
}

void WindowPointer::put(QWidget *widget, const QCursor &c)
{
    const bool wasApplying = m_applying;
    m_applying = true;
    widget->setCursor(c);
    m_applying = wasApplying;
}

bool WindowPointer::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::CursorChange: {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && !m_applying && widget->cursor() != cursor())
            put(widget, cursor());
        break;
    }
    case QEvent::ChildPolished: {
        // Sent once the new child is fully built, after its own constructor
        // has chosen its pointer; earlier (ChildAdded) the choice would follow.
        auto *child = qobject_cast<QWidget *>(static_cast<QChildEvent *>(event)->child());
        if (child) {
            follow(child);
            put(child, cursor());
            const auto grandChildren = child->findChildren<QWidget *>();
            for (QWidget *grandChild : grandChildren) {
                follow(grandChild);
                put(grandChild, cursor());
            }
        }
        break;
    }
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

