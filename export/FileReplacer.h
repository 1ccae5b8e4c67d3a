#pragma once

#include <QByteArray>
#include <QString>

// Puts a complete file at a path, replacing only the directory entry of that
// name: an existing link of that name is replaced by the new file (its target
// stays untouched), never written through, and an earlier file survives any
// failure. The bytes go to a hidden twin beside it (".<name>.<random>") that
// then takes the name in one step. Twins that a killed save left behind are
// removed by a later save of the same name, once no running save can own them.
//
// An existing file the user could not write is refused with the system's
// reason, as any program writing it would be, even where the folder would let
// it be replaced (root, who may write any file, may replace it).
//
// Where the folder refuses the user a new entry but the existing file may be
// written, that file is overwritten in place instead, the only way the save
// can happen there, and only where a want of room cannot cut it short: a file
// with no other link (another name would change with it), on a disk with room
// for the whole new content, reserved before any of the old is cut. Never on a
// full disk or a folder out of inodes: the old file then stays as it was. Not
// atomic: a disk error or a crash mid-write may leave it part-written.
//
// On Windows, QSaveFile does the same without the in-place fallback and
// without removing twins left behind.
namespace FileReplacer {

// Returns an empty text on success, else the system's reason.
QString replace(const QString &path, const QByteArray &bytes);

} // namespace FileReplacer
