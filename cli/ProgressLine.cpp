#include "cli/ProgressLine.h"

#include "cli/Console.h"
#include "core/Messages.h"

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

// Before a second has passed a quick export would only flicker a line.
constexpr qint64 ShowAfterMs = 1000;
// Often enough to look alive, rarely enough to cost nothing.
constexpr qint64 RedrawEveryMs = 100;

} // namespace

ProgressLine::ProgressLine(std::FILE *stream) : m_stream(stream)
{
#ifdef Q_OS_WIN
    m_terminal = _isatty(_fileno(stream));
#else
    m_terminal = isatty(fileno(stream));
#endif
    m_clock.start();
}

Progress ProgressLine::progress()
{
    return Progress{[this](int done, int total) { step(done, total); }, nullptr};
}

QString ProgressLine::timeLeft(qint64 milliseconds)
{
    const qint64 seconds = (milliseconds + 999) / 1000;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

void ProgressLine::step(int done, int total)
{
    const qint64 elapsed = m_clock.elapsed();
    if (!m_terminal || total <= 0 || elapsed < ShowAfterMs || done >= total)
        return;
    if (m_shownAt >= 0 && elapsed - m_shownAt < RedrawEveryMs)
        return;
    m_shownAt = elapsed;
    // The pace so far is the best guess at the pace to come.
    const qint64 left = done > 0 ? elapsed * (total - done) / done : 0;
    const QString line = Messages::progressLine(done, total, int(qint64(done) * 100 / total), timeLeft(left));
    // Blanks over what a longer line left, then back to the line's start.
    const QString padding(qMax<qsizetype>(0, m_width - line.size()), u' ');
    Console::write(m_stream, u'\r' + line + padding);
    m_width = line.size();
}

void ProgressLine::finish()
{
    if (m_width == 0)
        return;
    Console::write(m_stream, u'\r' + QString(m_width, u' ') + u'\r');
    m_width = 0;
}
