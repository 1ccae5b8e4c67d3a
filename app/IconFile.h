#pragma once

#include <QIcon>
#include <QString>

namespace IconFile {

// The icon in a Windows .ico file, decoded only when a size of it is first
// asked for: X11 and Windows ask as the window is shown, Wayland (which shows
// the desktop file's icon) and the offscreen platform never do. A file that
// cannot be read gives an icon with no pictures.
QIcon load(const QString &path);

} // namespace IconFile
