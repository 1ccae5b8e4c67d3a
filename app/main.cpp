#include "Form1.h"
#include "QtPlatform.h"
#include "RandomSource.h"
#include "SettingsStore.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

// Benchmark hook (VELMORA_EXIT_WHEN_SHOWN=1): once the window is first exposed
// and painted, print the monotonic clock and the memory figures to stderr and
// leave without shutting down, so nothing is written to the settings store.
class ExitWhenShown : public QObject
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

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setDesktopFileName(QStringLiteral("velmora"));

    QApplication::setWindowIcon(Form1::applicationIcon());

    QtPlatform platform;
    Platform::install(&platform);

    SettingsStore store;
    Form1 window(store, RandomSource::shared());
    window.Form_Load();
    ExitWhenShown probe;
    if (qEnvironmentVariableIntValue("VELMORA_EXIT_WHEN_SHOWN") == 1)
        app.installEventFilter(&probe);
    window.show();
    return app.exec();
}
