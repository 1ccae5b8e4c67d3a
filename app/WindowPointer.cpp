#include "WindowPointer.h"

#include <QAbstractScrollArea>

WindowPointer::WindowPointer(QWidget *window) : m_window(window) {}

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
    m_window->setCursor(c);
    // Text fields and the list set their own I-beam and arrow on themselves and
    // their viewports; the window's setting has to win over those.
    const auto children = m_window->findChildren<QWidget *>();
    for (QWidget *child : children)
        child->setCursor(c);
}
