#include "cli/CommandLine.h"
#include "pictures/CardImageSet.h"
#include "app/Form1.h"
#include "app/QtPlatform.h"
#include "core/Language.h"
#include "core/RandomSource.h"
#include "core/SettingsStore.h"
#include "app/ShownProbe.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Decided before any application object: the window needs a display, the
    // command line must run without one.
    const QStringList arguments = CommandLine::arguments(argc, argv);
    CommandLine::Parsed parsed = CommandLine::parse(arguments.mid(1));
    std::optional<CommandLine::ParseError> missing;
    if (CommandLine::wantsWindow(parsed))
        missing = CommandLine::displayMissing(arguments);
    if (!CommandLine::wantsWindow(parsed) || missing) {
        // Said in the user's language, which takes an application object: a
        // plain one, worded again inside it. Only here: once an application
        // object has gone, Qt's thread pool is gone with it for good, and the
        // window's start-up needs that pool.
        {
            QCoreApplication texts(argc, argv);
            Language::install();
            parsed = CommandLine::parse(arguments.mid(1));
            if (missing)
                missing = CommandLine::displayMissing(arguments);
        }
        if (!CommandLine::wantsWindow(parsed))
            return CommandLine::run(parsed);
        return CommandLine::run(*missing);
    }

    // The card pictures decode on another core while the window is built.
    CardImageSet::preload();
    CommandLine::guardWindowStart(true);
    QApplication app(argc, argv);
    CommandLine::guardWindowStart(false);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setDesktopFileName(QStringLiteral("velmora"));
    Language::install();

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
