// velmora.com, the console's way in. Typing "velmora" in cmd runs velmora.com
// before velmora.exe, and a console program is waited for: the command line's
// lines arrive in order before the next prompt, and its exit status reaches
// %ERRORLEVEL%. Without options of its own it starts the window, velmora.exe
// beside it, with the same arguments, and returns at once, as starting a
// windowed program from cmd does.
#include "cli/CommandLine.h"
#include "cli/Console.h"

#include <QString>

#include <string>
#include <windows.h>

namespace {

int startWindow()
{
    // The command line as typed, less the program's own name (quoted or not).
    const std::wstring line = GetCommandLineW();
    std::size_t rest = 0;
    if (!line.empty() && line[0] == L'"') {
        rest = line.find(L'"', 1);
        rest = rest == std::wstring::npos ? line.size() : rest + 1;
    } else {
        rest = line.find_first_of(L" \t");
        rest = rest == std::wstring::npos ? line.size() : rest;
    }
    std::wstring program(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, program.data(), DWORD(program.size()))) == program.size())
        program.resize(program.size() * 2);
    program.resize(length);
    program.replace(program.rfind(L'.'), std::wstring::npos, L".exe");
    std::wstring command = L"\"" + program + L"\"" + line.substr(rest);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    // Detached: the window's own notes must not land in the console the user
    // goes on typing in, as they do not when Explorer starts it.
    if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr, nullptr,
                        &startup, &started)) {
        const QString why = qt_error_string(int(GetLastError()));
        Console::write(stderr, QStringLiteral("velmora: cannot start %1: %2\n")
                                   .arg(QString::fromStdWString(program), why));
        return CommandLine::WindowFailed;
    }
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return CommandLine::Success;
}

} // namespace

int main(int argc, char *argv[])
{
    const CommandLine::Parsed parsed = CommandLine::parse(CommandLine::arguments(argc, argv).mid(1));
    if (!CommandLine::wantsWindow(parsed))
        return CommandLine::run(parsed);
    return startWindow();
}
