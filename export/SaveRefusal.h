#pragma once

#include <QString>

// Why Windows refused a save, in words a user can act on.
namespace SaveRefusal {

// Called at once when writing path failed, with the text the failed file
// operation reported. What lies at the name says most (a folder of that name,
// no such folder, a read-only file, a file another program holds open: the
// last two both fail the replacing rename with "Access denied"); else the
// system's error code in plain words ("The disk is full."), else the system's
// own text. Qt's own wording never comes back. Elsewhere than on Windows the
// reported text is returned as it is.
QString inPlainWords(const QString &path, const QString &reported);

} // namespace SaveRefusal
