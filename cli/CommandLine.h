#pragma once

#include "export/CardFile.h"
#include "render/CardSheet.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

// The scripter's way in: velmora --draw N | --deck [--jokers] [--save-to DIR]
// [--format bmp|png|svg|pdf] [--card-size picture|poker|bridge] [--size WIDTH]
// [--pdf-layout sheets|card] [--bleed] [--back N],
// and --help, --version. Runs without a display and never touches the stored
// settings; the draw, the number rules and the file writing are the window's.
//
// main() reads the arguments with parse(), before any application object
// exists (the window needs a display, the command line must not), and either
// opens the window or hands the result to run().
namespace CommandLine {

enum ExitCode {
    Success = 0,
    BadArguments = 2, // unknown option, bad count, format or folder
    WriteFailed = 3,  // a card file (or standard output) could not be written
    WindowFailed = 4, // the window cannot open: no display, or velmora.com could not start velmora.exe
};

struct Options {
    // Window: no option of ours, only Qt's (-platform, -style, ...) if any.
    enum class Action { Window, Help, Version, Draw } action = Action::Window;
    qint32 count = 0;
    QString folder; // as typed; empty: print the cards only
    CardFile::Format format = CardFile::Format::Bmp;
    int width = CardFile::PictureWidth;
    CardSheet::Layout layout = CardSheet::Layout::Sheets;
    bool deck = false;   // the 52 cards in suit order instead of a draw
    bool jokers = false; // and the two jokers after them
    CardSize size = CardSize::Picture; // poker for a PDF unless told
    bool bleed = false;  // PDF only
    int back = -1;       // PDF only: no backs, or the back 0..11 behind every card
};

struct ParseError {
    QString message; // one line, without the program's name
    int exitCode = BadArguments;
};

using Parsed = std::variant<Options, ParseError>;

// The arguments after the program's name, as the user typed them. Reads
// nothing but the text: no file system, no application object.
Parsed parse(const QStringList &arguments);

// Whether the result is the window's to handle.
bool wantsWindow(const Parsed &parsed);

// The program's arguments, its name first, decoded before any application
// object exists: on Windows from the wide command line (the ANSI argv loses
// "Карты ♠"), with Console::arguments' repairs; elsewhere from the bytes.
QStringList arguments(int argc, char **argv);

// The folder given to --save-to as the full path the files go into, or why it
// cannot take them: missing, not a folder, a name longer than the system
// allows or one whose bytes are no text.
std::variant<QString, ParseError> saveFolder(const QString &typed);

// Why the window cannot open, before Qt would abort for it: the platform Qt
// would start (the arguments' -platform, else the environment's) needs a
// display and none is set. Nothing when it can try.
std::optional<ParseError> displayMissing(const QStringList &arguments);

// Around the window's QApplication: a display that is set but cannot be
// reached makes Qt abort; this says so in one line and exits with
// WindowFailed instead.
void guardWindowStart(bool on);

// Prints the error, the help or the version, or draws, prints and writes
// every card it can; returns the process exit code.
int run(const Parsed &parsed);

// The text --help prints.
QString helpText();

} // namespace CommandLine
