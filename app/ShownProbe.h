#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>

// Benchmark hook (VELMORA_EXIT_WHEN_SHOWN=1), shared by the program and the
// bare window it is measured against: once a window is exposed and painted,
// print the monotonic clock and the memory figures to stderr and leave at once,
// without shutting down, so nothing is written to the settings store.
class ShownProbe : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && watched->isWindowType()
            && static_cast<QWindow *>(watched)->isExposed())
            QTimer::singleShot(0, [] {
                QFile status(QStringLiteral("/proc/self/status"));
                status.open(QIODevice::ReadOnly);
                const QByteArray lines = status.readAll();
                const auto kB = [&](const char *key) {
                    return lines.mid(lines.indexOf(key)).split('\n').first().simplified();
                };
                std::fprintf(stderr, "shown_ns %lld %s %s\n",
                             (long long)std::chrono::steady_clock::now().time_since_epoch().count(),
                             kB("VmRSS:").constData(), kB("VmHWM:").constData());
                std::fflush(stderr);
                std::_Exit(0);
            });
        return false;
    }
};
