#include "cli/CommandLine.h"
#include "pictures/CardImageSet.h"
#include "app/Form1.h"
#include "app/QtPlatform.h"
#include "core/RandomSource.h"
#include "core/SettingsStore.h"
#include "app/ShownProbe.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Decided before any application object: the window needs a display, the
    // command line must run without one.
    const QStringList arguments = CommandLine::arguments(argc, argv);
    const CommandLine::Parsed parsed = CommandLine::parse(arguments.mid(1));
    if (!CommandLine::wantsWindow(parsed))
        return CommandLine::run(parsed);
    if (const std::optional<CommandLine::ParseError> missing = CommandLine::displayMissing(arguments))
        return CommandLine::run(*missing);

    // The card pictures decode on another core while the window is built.
    CardImageSet::preload();
    CommandLine::guardWindowStart(true);
    QApplication app(argc, argv);
    CommandLine::guardWindowStart(false);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setDesktopFileName(QStringLiteral("velmora"));

    QApplication::setWindowIcon(Form1::applicationIcon());

    QtPlatform platform;
    Platform::install(&platform);

    SettingsStore store;
    Form1 window(store, RandomSource::shared());
    window.Form_Load();
    ShownProbe probe;
    if (qEnvironmentVariableIntValue("VELMORA_EXIT_WHEN_SHOWN") == 1)
        app.installEventFilter(&probe);
    window.show();
    return app.exec();
}
