#pragma once

#include "core/Progress.h"

#include <QElapsedTimer>
#include <QString>

#include <cstdio>

// How far a long export is, for a person watching a terminal: once the work
// has run about a second, one line on standard error rewritten in place with
// the count, the percentage and the time left, and wiped when the work ends
// so the cards' own lines follow on a clean one. Nothing at all when standard
// error is a pipe or a file: a log gets no carriage returns.
class ProgressLine
{
public:
    explicit ProgressLine(std::FILE *stream = stderr);
    ~ProgressLine() { finish(); }
    ProgressLine(const ProgressLine &) = delete;
    ProgressLine &operator=(const ProgressLine &) = delete;

    // A Progress that reports here.
    Progress progress();
    void step(int done, int total);
    void finish();

    // "1:05": minutes and seconds, rounded up so the last second shows 0:01.
    static QString timeLeft(qint64 milliseconds);

private:
    std::FILE *m_stream;
    bool m_terminal = false;
    QElapsedTimer m_clock;
    qint64 m_shownAt = -1;
    qsizetype m_width = 0; // of the line now on screen
};
