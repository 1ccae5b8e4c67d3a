#include "app/CommandLine.h"

#include "app/Console.h"
#include "app/QtPlatform.h"
#include "cardface/CardImageSet.h"
#include "core/CardEntry.h"
#include "core/Failure.h"
#include "core/NumberText.h"
#include "core/RandomSource.h"
#include "draw/CardDraw.h"
#include "draw/CountEntry.h"
#include "export/CardExport.h"
#include "export/CardFile.h"
#include "export/FileReplacer.h"
#include "export/NativePath.h"
#include "render/CardSheet.h"

#include <QCommandLineParser>
#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSet>

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
    Console::write(stderr, QStringLiteral("velmora: %1\n").arg(why));
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

// A PNG's width in pixels: a whole number, nothing else, within bounds.
std::optional<int> pngWidth(const QString &text, QString *why)
{
    const QString range = QStringLiteral("from %1 to %2").arg(CardFile::MinWidth).arg(CardFile::MaxWidth);
    bool digits = !text.isEmpty() && text.size() <= 9;
    for (const QChar c : text)
        digits = digits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    const int width = digits ? text.toInt() : -1;
    if (width < CardFile::MinWidth || width > CardFile::MaxWidth) {
        *why = QStringLiteral("--size needs a width in pixels, a whole number %1, not \"%2\"").arg(range, text);
        return std::nullopt;
    }
    return width;
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
#ifdef Q_OS_WIN
    if (std::strcmp(arg, "/?") == 0) // how Windows programs are asked for help
        return true;
#endif
    if (std::strncmp(arg, "--", 2) != 0)
        return false;
    const std::string_view name = optionName(arg);
    for (const char *own : {"draw", "save-to", "format", "size", "pdf-layout", "help", "help-all", "version"})
        if (name == own)
            return true;
    return false;
}

QtMessageHandler g_qtMessages = nullptr;

// Where XDG_RUNTIME_DIR is unset (cron, containers, su) the platform's start
// warns about it on stderr, which a script would take for an error of ours.
// So would the display platform's own notes (Wine's Windows refuses the DPI
// awareness Qt asks for, every run): no window is opened here.
void quietAboutRuntimeDir(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))
        || (context.category && std::strncmp(context.category, "qt.qpa.", 7) == 0))
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
        "line, optionally writes their faces, and ends. On a terminal a line reads\n"
        "\"Card 17 (four of diamonds)\"; into a pipe or file it is \"Card 17<TAB>four of diamonds\".\n"
        "  velmora --draw 5 --save-to DIR --format png --size 744   PNGs for print at 300 dpi\n"
        "  velmora --draw 9 --save-to DIR --format pdf              DIR/Cards.pdf, ready to cut\n"
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
                                    QStringLiteral("Also write the cards into <folder>: Card N.bmp for each "
                                                   "(.png, .svg), or one Cards.pdf; an existing file is "
                                                   "replaced."),
                                    QStringLiteral("folder"));
    const QCommandLineOption format(
        QStringLiteral("format"),
        QStringLiteral("The files' format: bmp (white corners, default), png (transparent corners), "
                       "svg (a drawing of any size) or pdf (one file, Cards.pdf, with every card at its "
                       "real size, 63 mm wide, on A4 or Letter sheets with cut marks)."),
        QStringLiteral("bmp|png|svg|pdf"), QStringLiteral("bmp"));
    const QCommandLineOption size(
        QStringLiteral("size"),
        QStringLiteral("With --format png: each card <width> pixels wide (%1 to %2), drawn sharp at that size; "
                       "the height follows the card's proportion. Default: the picture's own 71 x 96.")
            .arg(CardFile::MinWidth)
            .arg(CardFile::MaxWidth),
        QStringLiteral("width"));
    const QCommandLineOption pdfLayout(
        QStringLiteral("pdf-layout"),
        QStringLiteral("With --format pdf: sheets (as many cards as fit a page, default) or card (one card "
                       "per page of the card's own size, as printing services take them)."),
        QStringLiteral("sheets|card"), QStringLiteral("sheets"));
    parser.addOptions({draw, saveTo, format, size, pdfLayout});

    if (!parser.parse(Console::arguments(QGuiApplication::arguments())))
        return fail(BadArguments, parser.errorText());
    // Written here rather than by the parser, which would use the ANSI code page.
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))
        || parser.isSet(QStringLiteral("?")))
        return Console::write(stdout, parser.helpText()) ? Success : WriteFailed;
    if (parser.isSet(QStringLiteral("version")))
        return Console::write(stdout, QStringLiteral("velmora %1\n").arg(QStringLiteral(VELMORA_VERSION)))
            ? Success : WriteFailed;
    if (!parser.positionalArguments().isEmpty())
        return fail(BadArguments, QStringLiteral("unexpected argument \"%1\"; see velmora --help")
                                      .arg(parser.positionalArguments().constFirst()));
    if (!parser.isSet(draw)) {
        for (const QCommandLineOption *option : {&saveTo, &format, &size, &pdfLayout})
            if (parser.isSet(*option))
                return fail(BadArguments, QStringLiteral("--%1 needs --draw").arg(option->names().constFirst()));
        return fail(BadArguments, QStringLiteral("nothing to do; see velmora --help"));
    }

    QString why;
    const std::optional<qint32> count = cardCount(parser.value(draw), &why);
    if (!count)
        return fail(BadArguments, why);

    const std::optional<CardFile::Format> fileFormat = CardFile::formatNamed(parser.value(format));
    if (!fileFormat)
        return fail(BadArguments,
                    QStringLiteral("--format is bmp, png, svg or pdf, not \"%1\"").arg(parser.value(format)));
    int width = CardFile::PictureWidth;
    if (parser.isSet(size)) {
        if (*fileFormat != CardFile::Format::Png)
            return fail(BadArguments, QStringLiteral("--size is for --format png only (SVG and PDF are drawings "
                                                     "of any size; a bitmap is the picture's own)"));
        const std::optional<int> chosen = pngWidth(parser.value(size), &why);
        if (!chosen)
            return fail(BadArguments, why);
        width = *chosen;
    }
    const QString layoutName = parser.value(pdfLayout).toLower();
    if (parser.isSet(pdfLayout) && *fileFormat != CardFile::Format::Pdf)
        return fail(BadArguments, QStringLiteral("--pdf-layout is for --format pdf only"));
    if (layoutName != QLatin1String("sheets") && layoutName != QLatin1String("card"))
        return fail(BadArguments,
                    QStringLiteral("--pdf-layout is sheets or card, not \"%1\"").arg(parser.value(pdfLayout)));
    const auto layout = layoutName == QLatin1String("card") ? CardSheet::Layout::CardPerPage
                                                            : CardSheet::Layout::Sheets;

    QString folder;
    if (parser.isSet(saveTo)) {
        // Read as the window reads its field, and from where a script runs.
        folder = NativePath::folder(parser.value(saveTo));
        const QFileInfo info(folder);
        if (!info.exists())
            return fail(BadArguments, QStringLiteral("the folder %1 does not exist").arg(folder));
        if (!info.isDir())
            return fail(BadArguments, QStringLiteral("%1 is not a folder").arg(folder));
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
#ifdef Q_OS_WIN
    const bool forPeople = _isatty(_fileno(stdout));
#else
    const bool forPeople = isatty(fileno(stdout));
#endif
    // The PDF is one file for the whole draw, written before any line is
    // printed: a line still stands for a card that is on disk.
    if (!folder.isEmpty() && *fileFormat == CardFile::Format::Pdf) {
        QList<int> faces;
        for (const qint16 number : cards)
            faces.append(number - 1);
        try {
            CardFile::savePdf(faces, CardExport::cardFilePath(folder, QStringLiteral("Cards"), QStringLiteral("pdf")),
                              layout, CardSheet::localePaper(), QStringLiteral("Drawn cards"));
        } catch (const Failure &failure) {
            return fail(WriteFailed, failure.description());
        }
    }
    // The files take their names together, after one flush of the disk; up
    // to the first that cannot be written.
    FileReplacer::Batch batch;
    QList<QPair<qint16, QString>> added;
    QString failed;
    for (const qint16 number : cards) {
        QString path;
        if (!folder.isEmpty() && *fileFormat != CardFile::Format::Pdf) {
            try {
                path = CardFile::path(folder, CardEntry::text(number), *fileFormat);
                CardFile::save(CardImageSet::shared().face(number - 1), number - 1, path, *fileFormat, width,
                               CardEntry::cardName(number), &batch);
            } catch (const Failure &failure) {
                failed = failure.description();
                break;
            }
        }
        added.append({number, path});
    }
    QSet<QString> unsaved;
    for (const FileReplacer::Batch::Failed &late : batch.commit()) {
        if (unsaved.isEmpty()) // an earlier card than the one that stopped the loop
            failed = CardExport::writeFailure(late.path, late.reason).description();
        unsaved.insert(late.path);
    }
    // A line appears only for a card whose file is there. People read the
    // clipboard's form; a program reading a pipe or file gets the entry and
    // the name apart, split by a tab.
    bool printed = true;
    for (const auto &[number, path] : std::as_const(added)) {
        if (unsaved.contains(path))
            continue;
        const QString line = forPeople ? CardEntry::textWithName(number)
                                       : CardEntry::text(number) + u'\t' + CardEntry::cardName(number);
        printed = Console::write(stdout, line + u'\n') && printed;
    }
    if (!failed.isEmpty())
        return fail(WriteFailed, failed);
    if (!printed || std::ferror(stdout))
        return fail(WriteFailed, QStringLiteral("cannot write to standard output: %1")
                                     .arg(QString::fromLocal8Bit(std::strerror(errno))));
    return Success;
}

} // namespace CommandLine
