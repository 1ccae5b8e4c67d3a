#pragma once

#include <QByteArray>
#include <QString>

// Puts a complete file at a path, replacing only the directory entry of that
// name: an existing link of that name is replaced by the new file (its target
// stays untouched), never written through, and an earlier file survives any
// failure. The bytes go to a new file beside it that then takes the name in
// one step.
//
// Where the folder takes no new file but the existing one may be written (a
// folder the user may not add to, a file system out of inodes), the existing
// regular file is overwritten in place instead: not atomic, but the only way
// the save can happen at all there.
namespace FileReplacer {

// Returns an empty text on success, else the system's reason.
QString replace(const QString &path, const QByteArray &bytes);

} // namespace FileReplacer
