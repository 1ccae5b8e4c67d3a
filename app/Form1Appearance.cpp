#include "Form1.h"
#include "ui_Form1.h"

#include "Main.h"
#include "WindowPointer.h"

#include <QPixmap>

void Form1::ApplySkin()
{
}

void Form1::loadHandPointer()
{
    const QString path = programFolder() + QStringLiteral("/HAND-M.CUR");
    if (!Main::FileExists(path))
        return;
    const QPixmap picture(path);
    if (!picture.isNull())
        m_pointer->setMouseIcon(QCursor(picture));
}

void Form1::setUpPointerRules()
{
}
