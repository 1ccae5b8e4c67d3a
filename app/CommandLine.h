#pragma once

// The scripter's way in: velmora --draw N [--save-to DIR] [--format bmp|png|svg|pdf]
// [--size WIDTH] [--pdf-layout sheets|card],
// and --help, --version. Runs without a display and never touches the stored
// settings; the draw, the number rules and the file writing are the window's.
namespace CommandLine {

enum ExitCode {
    Success = 0,
    BadArguments = 2, // unknown option, bad count, format or folder
    WriteFailed = 3,  // a card file (or standard output) could not be written
};

// Whether the arguments are for the command line rather than the window: any
// "--" option or -h, -?, -v. Decided before any application object exists,
// since the window needs a display and the command line must not. Qt's own
// single-dash options (-platform, -style, ...) still go to the window.
bool wanted(int argc, char **argv);

// Parses, draws, prints and writes; returns the process exit code.
int run(int argc, char **argv);

} // namespace CommandLine
