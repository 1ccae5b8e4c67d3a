#pragma once

#include <QString>

class QMessageBox;
class QWidget;

// Message boxes wide enough for their whole title: Qt sizes a box by its text
// alone, and window managers cut a longer title short ("Ve...ra").
namespace TitleFit {

// The width a window needs for the window manager to show its whole title:
// the title in the title bar's bold font, with room beside it for the window
// icon and three title-bar buttons, and the frame's edges.
int widthForTitle(const QString &title, const QWidget *window);

// Makes a message box at least that wide; its text, icon and buttons stay.
void fitTitle(QMessageBox &box);

} // namespace TitleFit
