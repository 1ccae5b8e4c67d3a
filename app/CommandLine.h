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
    WindowFailed = 4, // velmora.com could not start velmora.exe
};

// Whether the arguments are for the command line rather than the window: one
// of Velmora's own options (--draw, --save-to, --format, --help, -h, -?,
// --version, -v). Qt's options (-platform, --style, -geometry, ...) and anything
// else leave it to the window, as in any Qt program. Decided before any
// application object exists, since the window needs a display and the command
// line must not.
bool wanted(int argc, char **argv);

// Parses, draws, prints and writes; returns the process exit code. Qt's own
// options are accepted and have no effect: no window is opened.
int run(int argc, char **argv);

} // namespace CommandLine
