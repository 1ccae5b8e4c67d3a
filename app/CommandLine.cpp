#include "app/CommandLine.h"

#include "app/QtPlatform.h"
#include "cardface/CardImageSet.h"
#include "core/CardEntry.h"
#include "core/Failure.h"
#include "core/NumberText.h"
#include "core/RandomSource.h"
#include "draw/CardDraw.h"
#include "draw/CountEntry.h"
#include "export/CardExport.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <cerrno>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace CommandLine {

namespace {

// One line on stderr, prefixed with the program's name as command-line tools do.
int fail(int code, const QString &why)
{
    std::fprintf(stderr, "velmora: %s\n", qPrintable(why));
    return code;
}

std::optional<qint32> cardCount(const QString &text, QString *why)
{
    // The count field's rule, and one more: a command line has no use for 0 cards.
    const CountEntry::Verdict verdict = CountEntry::check(text);
    if (verdict == CountEntry::Verdict::NotNumeric) {
        *why = QStringLiteral("--draw needs a number of cards from 1 to 52, not \"%1\"").arg(text);
        return std::nullopt;
    }
    const double count = NumberText::roundHalfEven(*NumberText::value(text));
    if (verdict == CountEntry::Verdict::AboveLimit || count < 1) {
        *why = QStringLiteral("--draw needs a number of cards from 1 to 52; \"%1\" is out of range").arg(text);
        return std::nullopt;
    }
    return qint32(count);
}

// Qt's own options, as QGuiApplication, QApplication and the X11 platform read
// them, with one dash or two; those marked take the next argument as value.
struct QtOption {
    const char *name;
    bool takesValue;
};
constexpr QtOption qtOptions[] = {
    {"platform", true},   {"platformpluginpath", true}, {"platformtheme", true}, {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true}, {"qwindowtitle", true}, {"session", true},
    {"style", true},      {"stylesheet", true},   {"display", true},       {"geometry", true},
    {"title", true},      {"icon", true},         {"name", true},          {"reverse", false},
    {"widgetcount", false}, {"sync", false},      {"testability", false},  {"nograb", false},
    {"dograb", false},    {"qmljsdebugger", false},
};

// The option's name without its dashes and without "=value".
std::string_view optionName(const char *arg)
{
    std::string_view name(arg);
    name.remove_prefix(name.starts_with("--") ? 2 : 1);
    return name.substr(0, name.find('='));
}

// How many arguments from argv[i] on make one of Qt's options: 0 for none.
int qtOptionLength(int argc, char **argv, int i)
{
    if (argv[i][0] != '-' || argv[i][1] == '\0')
        return 0;
    const std::string_view name = optionName(argv[i]);
    for (const QtOption &option : qtOptions) {
        if (name == option.name) {
            const bool valueAttached = std::strchr(argv[i], '=') != nullptr;
            return option.takesValue && !valueAttached && i + 1 < argc ? 2 : 1;
        }
    }
    return 0;
}

// The options below; anything else leaves the choice to the window.
bool isOwnOption(const char *arg)
{
    if (std::strcmp(arg, "-h") == 0 || std::strcmp(arg, "-?") == 0 || std::strcmp(arg, "-v") == 0)
        return true;
    if (std::strncmp(arg, "--", 2) != 0)
        return false;
    const std::string_view name = optionName(arg);
    for (const char *own : {"draw", "save-to", "format", "help", "help-all", "version"})
        if (name == own)
            return true;
    return false;
}

QtMessageHandler g_qtMessages = nullptr;

// Where XDG_RUNTIME_DIR is unset (cron, containers, su) the platform's start
// warns about it on stderr, which a script would take for an error of ours.
void quietAboutRuntimeDir(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    g_qtMessages(type, context, message);
}

#ifdef Q_OS_WIN
// A windowed program started from a console writes nowhere until it joins
// that console. Output already sent to a file or a pipe keeps its handle.
void joinParentConsole()
{
    const auto missing = [](DWORD which) {
        const HANDLE handle = GetStdHandle(which);
        return handle == nullptr || handle == INVALID_HANDLE_VALUE;
    };
    const bool out = missing(STD_OUTPUT_HANDLE);
    const bool err = missing(STD_ERROR_HANDLE);
    if ((!out && !err) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (out)
        std::freopen("CONOUT$", "w", stdout);
    if (err)
        std::freopen("CONOUT$", "w", stderr);
}
#endif

} // namespace

bool wanted(int argc, char **argv)
{
    for (int i = 1; i < argc;) {
        if (const int taken = qtOptionLength(argc, argv, i)) {
            i += taken; // a value such as the title in -title --draw is Qt's too
            continue;
        }
        if (isOwnOption(argv[i]))
            return true;
        ++i;
    }
    return false;
}

int run(int argc, char **argv)
{
#ifdef Q_OS_WIN
    joinParentConsole();
#else
    // No display is needed for pictures that never reach the screen.
    qputenv("QT_QPA_PLATFORM", "minimal");
#endif
    g_qtMessages = qInstallMessageHandler(quietAboutRuntimeDir);
    // Qt's own options are for a window: "-platform xcb" would make Qt look for
    // a display (and abort without one), "-style" would be an unknown option
    // here. They are taken out before Qt sees them. Where none is given, Qt
    // gets the arguments untouched, which keeps Unicode ones whole on Windows.
    std::vector<char *> kept{argv[0]};
    for (int i = 1; i < argc;) {
        if (const int taken = qtOptionLength(argc, argv, i))
            i += taken;
        else
            kept.push_back(argv[i++]);
    }
    int keptCount = int(kept.size());
    kept.push_back(nullptr);
    const bool stripped = keptCount < argc;
    QGuiApplication app(stripped ? keptCount : argc, stripped ? kept.data() : argv);
    QGuiApplication::setApplicationName(QStringLiteral("velmora"));
    QGuiApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Draws random playing cards.\n"
        "Without options it opens its window. With --draw it prints the drawn cards, one per\n"
        "line (\"Card 17<TAB>four of diamonds\"), optionally writes their faces, and ends.\n"
        "\n"
        "Exit status: 0 success, 2 bad arguments, 3 a file could not be written."));
    parser.addHelpOption();
#ifndef Q_OS_WIN
    // Qt knows -? for help only on Windows; people type it everywhere.
    QCommandLineOption question(QStringLiteral("?"));
    question.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(question);
#endif
    parser.addVersionOption();
    const QCommandLineOption draw(QStringLiteral("draw"),
                                  QStringLiteral("Draw <count> distinct cards (1 to 52) and print them."),
                                  QStringLiteral("count"));
    const QCommandLineOption saveTo(QStringLiteral("save-to"),
                                    QStringLiteral("Also write each card's face as <folder>/Card N.bmp "
                                                   "(an existing file is replaced)."),
                                    QStringLiteral("folder"));
    const QCommandLineOption format(QStringLiteral("format"),
                                    QStringLiteral("The files' format: bmp (white corners, default) or png "
                                                   "(transparent corners)."),
                                    QStringLiteral("bmp|png"), QStringLiteral("bmp"));
    parser.addOptions({draw, saveTo, format});

    if (!parser.parse(QGuiApplication::arguments()))
        return fail(BadArguments, parser.errorText());
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))
        || parser.isSet(QStringLiteral("?")))
        parser.showHelp(Success);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    if (!parser.positionalArguments().isEmpty())
        return fail(BadArguments, QStringLiteral("unexpected argument \"%1\"; see velmora --help")
                                      .arg(parser.positionalArguments().constFirst()));
    if (!parser.isSet(draw)) {
        for (const QCommandLineOption *option : {&saveTo, &format})
            if (parser.isSet(*option))
                return fail(BadArguments, QStringLiteral("--%1 needs --draw").arg(option->names().constFirst()));
        return fail(BadArguments, QStringLiteral("nothing to do; see velmora --help"));
    }

    QString why;
    const std::optional<qint32> count = cardCount(parser.value(draw), &why);
    if (!count)
        return fail(BadArguments, why);

    const QString formatName = parser.value(format).toLower();
    if (formatName != QLatin1String("bmp") && formatName != QLatin1String("png"))
        return fail(BadArguments, QStringLiteral("--format is bmp or png, not \"%1\"").arg(parser.value(format)));
    const auto imageFormat = formatName == QLatin1String("png") ? CardExport::ImageFormat::Png
                                                                : CardExport::ImageFormat::Bmp;

    QString folder;
    if (parser.isSet(saveTo)) {
        const QFileInfo info(parser.value(saveTo));
        if (!info.exists())
            return fail(BadArguments, QStringLiteral("the folder %1 does not exist")
                                          .arg(QDir::toNativeSeparators(parser.value(saveTo))));
        if (!info.isDir())
            return fail(BadArguments, QStringLiteral("%1 is not a folder")
                                          .arg(QDir::toNativeSeparators(parser.value(saveTo))));
        // The window wants a full path; a script may well give one relative
        // to where it runs.
        folder = QDir::toNativeSeparators(info.absoluteFilePath());
    }

    QtPlatform platform; // the clock that reseeds the generator, as in the window
    Platform *previous = Platform::install(&platform);
    struct Restore {
        Platform *previous;
        ~Restore() { Platform::install(previous); }
    } restore{previous};

    QList<qint16> cards;
    try {
        cards = CardDraw::drawCardNumbers(RandomSource::shared(), *count);
    } catch (const Failure &failure) {
        return fail(BadArguments, failure.description());
    }
    for (const qint16 number : cards) {
        const QString entry = CardEntry::text(number);
        if (!folder.isEmpty()) {
            try {
                CardExport::saveBitmap(CardImageSet::shared().face(number - 1),
                                       CardExport::cardImagePath(folder, entry, imageFormat), imageFormat);
            } catch (const Failure &failure) {
                return fail(WriteFailed, failure.description());
            }
        }
        // A line appears only for a card whose file is there.
        std::printf("%s\t%s\n", qPrintable(entry), qPrintable(CardEntry::cardName(number)));
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        return fail(WriteFailed, QStringLiteral("cannot write to standard output: %1")
                                     .arg(QString::fromLocal8Bit(std::strerror(errno))));
    return Success;
}

} // namespace CommandLine
