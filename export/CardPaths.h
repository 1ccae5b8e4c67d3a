#pragma once

#include <QString>

class Failure;

// Where a card's file goes, and why a folder text cannot take it.
namespace CardPaths {

// Why a folder text cannot take the files (empty, blank or not a full path),
// or an empty text when it can.
QString folderProblem(const QString &folderText);

// The file for an entry: the folder text as a full native path
// (NativePath::folder), a separator when it does not already end in one, the
// entry text, a dot and the extension ("bmp", "svg", ...). Throws Failure for
// an unusable folder text rather than writing into the working directory.
QString cardFilePath(const QString &folderText, const QString &entryText, const QString &extension);

// A file that could not be written, named with native separators and the
// system's reason.
Failure writeFailure(const QString &path, const QString &reason);

} // namespace CardPaths
