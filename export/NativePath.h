#pragma once

#include <QString>

// A typed folder turned into the one full path the system itself would read
// from it: the window's saves and the command line's --save-to both name
// their files from this, so each means what the user typed.
namespace NativePath {

// The folder's full path in native separators, with no final separator added.
//
// On Windows it is what Windows makes of the text: "C:Cards" is Cards in the
// current folder of drive C, "C:\Cards " and "C:\Cards." are C:\Cards (Windows
// drops the blanks and dots that end a last name), "C:/Cards" is C:\Cards, and
// the \\?\ (or \\?\UNC\) prefix is dropped, since Qt's file code would take the
// colon after its drive letter for a stream name.
//
// Elsewhere a relative path is taken from the current folder and nothing else
// changes: a name there may end in a blank, and a ".." after a link is the
// kernel's to follow, not text to cut.
QString folder(const QString &typed);

} // namespace NativePath
