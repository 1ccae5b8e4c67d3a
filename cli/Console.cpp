#include "cli/Console.h"

#ifdef Q_OS_WIN
#include <io.h>
#include <string>
#include <windows.h>
#endif

namespace Console {

bool write(std::FILE *stream, const QString &text)
{
    if (std::fflush(stream) != 0)
        return false;
#ifdef Q_OS_WIN
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    if (handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) {
        const std::wstring wide = text.toStdWString();
        DWORD written = 0;
        return WriteConsoleW(handle, wide.data(), DWORD(wide.size()), &written, nullptr) && written == wide.size();
    }
    // Redirected output is UTF-8, not the ANSI or OEM code page a console
    // program would once have written: those have no "♠" and, on a Western
    // system, no Cyrillic, so a name would reach the file as "?". UTF-8 loses
    // nothing, is what Notepad, PowerShell 7, Python and git read by default,
    // and is what the same command writes on Linux, so a script reads both
    // alike. Text mode still ends lines with CR LF.
    const QByteArray bytes = text.toUtf8();
#else
    const QByteArray bytes = text.toLocal8Bit();
#endif
    return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream) == size_t(bytes.size())
        && std::fflush(stream) == 0;
}

QStringList arguments(const QStringList &given)
{
#ifdef Q_OS_WIN
    QStringList meant;
    for (const QString &argument : given) {
        const qsizetype quote = argument.indexOf(u'"');
        if (argument == QLatin1String("/?")) {
            meant << QStringLiteral("-?");
        } else if (quote < 0) {
            meant << argument;
        } else {
            // The quote stands for the backslash it swallowed (C:\ must stay
            // the drive's root, not its current folder); no Windows name and no
            // option of ours holds a quote.
            meant << argument.left(quote) + u'\\';
            meant << argument.mid(quote + 1).simplified().split(u' ', Qt::SkipEmptyParts);
        }
    }
    return meant;
#else
    return given;
#endif
}

} // namespace Console
