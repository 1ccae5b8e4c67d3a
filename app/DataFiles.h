#pragma once

#include <QString>
#include <QStringList>

// Where the program's optional files (the hand pointer HAND-M.CUR, the skin
// x/o.cjs) are looked for. The folder of the program file comes first, as it
// always has on Windows and in the build tree; an installed program keeps its
// files in its data folder instead, and a user without root puts their own
// in their data folder, which is looked at before the system's.
namespace DataFiles {

// The folders, best first: the program's folder, the user's data folder
// (~/.local/share/velmora), the data folder the program was installed with
// (/usr/share/velmora beside /usr/bin/velmora), then the system's other data
// folders ($XDG_DATA_DIRS, each with velmora). Each folder appears once. A
// relative path in these variables is ignored, as the XDG rules say.
QStringList searchFolders(const QString &programFolder);

// The path of the first folders[i] + "/" + name that found() accepts, or the
// empty text when none does. Each caller keeps its own test of what counts as
// there (a normal file for the skin, any existing entry for the pointer).
QString locate(const QString &name, const QStringList &folders, bool (*found)(const QString &path));

} // namespace DataFiles
