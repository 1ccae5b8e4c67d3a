#pragma once

#include <QStringList>

#include <cstdio>

// The command line's text, out and in, as a console's user reads and types it.
namespace Console {

// Writes text to stdout or stderr, after what C's stdio holds for it, so lines
// keep their order. On Windows a console gets UTF-16 (WriteConsoleW): a folder
// named "Карты ♠" shows as itself whatever the console's code page. A file or
// a pipe gets UTF-8 (see Console.cpp for why); elsewhere the locale's encoding.
// False when the text could not be written.
bool write(std::FILE *stream, const QString &text);

// The arguments as the user meant them where Windows quoting got in the way:
// "/?" is help (-?), and a quoted folder that ends in a backslash,
// --save-to "C:\Cards\", reaches a program as C:\Cards" followed by the rest of
// the line in the same argument; it is split back into the folder and the
// arguments after it. Elsewhere the arguments come back as given.
QStringList arguments(const QStringList &given);

} // namespace Console
