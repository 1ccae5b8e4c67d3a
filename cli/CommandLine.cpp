// Reading the command line: what the user asked for, or why it cannot be
// done. Nothing here writes, draws or needs an application object.
#include "cli/CommandLine.h"

#include "cli/Console.h"
#include "core/CardEntry.h"
#include "core/Messages.h"
#include "core/NumberText.h"
#include "core/DrawRule.h"
#include "export/NativePath.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <windows.h>
#include <shellapi.h>
#else
#include <sys/stat.h>
#endif

namespace CommandLine {

namespace {

ParseError refused(const QString &why)
{
    return {why, BadArguments};
}

// Qt's own options, as the QGuiApplication and QApplication constructors and
// the X11 platform document them, with one dash or two: the window's to read.
// The first list's take the next argument as their value.
const QStringList qtOptionsWithValue{"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                                     "qwindowicon", "qwindowtitle", "session", "style", "stylesheet", "display",
                                     "geometry", "title", "icon", "name"};
const QStringList qtFlags{"reverse", "widgetcount", "sync", "testability", "nograb", "dograb", "qmljsdebugger"};

// How many arguments from i on make one of Qt's options: 0 for none.
int qtOptionLength(const QStringList &arguments, qsizetype i)
{
    const QString &argument = arguments.at(i);
    if (argument.size() < 2 || !argument.startsWith(u'-'))
        return 0;
    const QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1).section(u'=', 0, 0);
    if (qtFlags.contains(name))
        return 1;
    if (!qtOptionsWithValue.contains(name))
        return 0;
    return argument.contains(u'=') || i + 1 == arguments.size() ? 1 : 2;
}

// Velmora's own options as given, before any is checked.
struct Given {
    bool help = false, version = false;
    bool deck = false, jokers = false, bleed = false;
    std::optional<QString> draw, saveTo, format, size, pdfLayout, cardSize, back;

    std::optional<QString> *valueOf(const QString &name)
    {
        for (auto [option, value] : {std::pair{"draw", &draw}, {"save-to", &saveTo}, {"format", &format},
                                     {"size", &size}, {"pdf-layout", &pdfLayout}, {"card-size", &cardSize},
                                     {"back", &back}})
            if (name == QLatin1String(option))
                return value;
        return nullptr;
    }
    bool *flag(const QString &argument)
    {
        for (auto [option, value] : {std::pair{"--deck", &deck}, {"--jokers", &jokers}, {"--bleed", &bleed}})
            if (argument == QLatin1String(option))
                return value;
        return nullptr;
    }
    // The options that only say how files are written, by name.
    QList<std::pair<const char *, bool>> fileOptions() const
    {
        return {{"format", format.has_value()}, {"card-size", cardSize.has_value()}, {"size", size.has_value()},
                {"pdf-layout", pdfLayout.has_value()}, {"bleed", bleed}, {"back", back.has_value()}};
    }
};

// Sorts the arguments into Given, or refuses the first that is not ours, not
// Qt's or given twice.
std::variant<Given, ParseError> sortArguments(const QStringList &arguments)
{
    Given given;
    for (qsizetype i = 0; i < arguments.size();) {
        if (const int taken = qtOptionLength(arguments, i)) {
            i += taken; // a value such as the title in -title --draw is Qt's too
            continue;
        }
        const QString &argument = arguments.at(i++);
        if (QStringList{"-h", "-?", "--help", "--help-all"}.contains(argument)) {
            given.help = true;
        } else if (argument == QLatin1String("-v") || argument == QLatin1String("--version")) {
            given.version = true;
        } else if (argument.size() < 2 || !argument.startsWith(u'-')) {
            return refused(Messages::unexpectedArgument(argument));
        } else if (bool *flag = given.flag(argument)) {
            if (*flag)
                return refused(Messages::givenTwice(argument));
            *flag = true;
        } else {
            const QString name = argument.section(u'=', 0, 0);
            std::optional<QString> *value = name.startsWith(QLatin1String("--")) ? given.valueOf(name.mid(2)) : nullptr;
            if (!value)
                return refused(Messages::unknownOption(name));
            if (value->has_value())
                return refused(Messages::givenTwice(name));
            if (argument.contains(u'='))
                *value = argument.section(u'=', 1);
            else if (i < arguments.size())
                *value = arguments.at(i++);
            else
                return refused(Messages::needsValue(name));
        }
    }
    return given;
}

std::optional<qint32> cardCount(const QString &text, QString *why)
{
    // The count field's rule, and one more: a command line has no use for 0 cards.
    const DrawRule::CountVerdict verdict = DrawRule::checkCount(text);
    if (verdict == DrawRule::CountVerdict::NotNumeric) {
        *why = Messages::countNotNumber(text);
        return std::nullopt;
    }
    const double count = NumberText::roundHalfEven(*NumberText::value(text));
    if (verdict == DrawRule::CountVerdict::AboveLimit || count < 1) {
        *why = Messages::countOutOfRange(text);
        return std::nullopt;
    }
    return qint32(count);
}

// A PNG's width in pixels: a whole number, nothing else, within bounds.
std::optional<int> pngWidth(const QString &text, QString *why)
{
    const bool digits = !text.isEmpty() && text.size() <= 9
        && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    const int width = digits ? text.toInt() : -1;
    if (width < CardFile::MinWidth || width > CardFile::MaxWidth) {
        *why = Messages::sizeRefused(CardFile::MinWidth, CardFile::MaxWidth, text);
        return std::nullopt;
    }
    return width;
}

// One of the 12 backs, counted from 1 as people count them.
std::optional<int> backNumber(const QString &text)
{
    const bool digits = !text.isEmpty() && text.size() <= 2
        && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    const int number = digits ? text.toInt() : 0;
    if (number < 1 || number > 12)
        return std::nullopt;
    return number - 1;
}

// The draw's options, each checked against its own rule and the others.
Parsed drawOptions(const Given &given)
{
    for (const auto &[name, given_] : given.fileOptions())
        if (given_ && !given.saveTo)
            return refused(Messages::needsSaveTo(QLatin1String(name)));
    Options options;
    options.action = Options::Action::Draw;
    QString why;
    if (given.deck) {
        options.deck = true;
        options.jokers = given.jokers;
        options.count = CardEntry::DeckSize;
    } else {
        const std::optional<qint32> count = cardCount(*given.draw, &why);
        if (!count)
            return refused(why);
        options.count = *count;
    }
    if (!given.saveTo)
        return options;
    if (given.saveTo->isEmpty())
        return refused(Messages::saveToNeedsFolder());
    options.folder = *given.saveTo;

    const QString formatName = given.format.value_or(QStringLiteral("bmp"));
    const std::optional<CardFile::Format> format = CardFile::formatNamed(formatName);
    if (!format)
        return refused(Messages::formatRefused(formatName));
    options.format = *format;
    if (given.size) {
        if (*format != CardFile::Format::Png)
            return refused(Messages::sizeForPngOnly());
        const std::optional<int> width = pngWidth(*given.size, &why);
        if (!width)
            return refused(why);
        options.width = *width;
    }
    if (given.pdfLayout) {
        const QString layout = given.pdfLayout->toLower();
        if (*format != CardFile::Format::Pdf)
            return refused(Messages::pdfLayoutForPdfOnly());
        if (layout != QLatin1String("sheets") && layout != QLatin1String("card"))
            return refused(Messages::pdfLayoutRefused(*given.pdfLayout));
        options.layout = layout == QLatin1String("card") ? CardSheet::Layout::CardPerPage : CardSheet::Layout::Sheets;
    }
    // Pictures keep the stored pictures' proportion; paper is cut to cards' sizes.
    options.size = *format == CardFile::Format::Pdf ? CardSize::Poker : CardSize::Picture;
    if (given.cardSize) {
        const std::optional<CardSize> size = CardSizes::named(*given.cardSize);
        if (!size)
            return refused(Messages::cardSizeRefused(*given.cardSize));
        options.size = *size;
    }
    if (*format != CardFile::Format::Pdf && (given.bleed || given.back))
        return refused(Messages::forPdfOnly(QLatin1String(given.bleed ? "bleed" : "back")));
    options.bleed = given.bleed;
    if (given.back) {
        const std::optional<int> back = backNumber(*given.back);
        if (!back)
            return refused(Messages::backRefused(*given.back));
        options.back = *back;
    }
    return options;
}

} // namespace

Parsed parse(const QStringList &arguments)
{
    const std::variant<Given, ParseError> sorted = sortArguments(arguments);
    if (const ParseError *error = std::get_if<ParseError>(&sorted))
        return *error;
    const Given &given = std::get<Given>(sorted);
    Options options;
    if (given.help)
        options.action = Options::Action::Help;
    else if (given.version)
        options.action = Options::Action::Version;
    else if (given.draw && given.deck)
        return refused(Messages::deckOrDraw());
    else if (given.jokers && !given.deck)
        return refused(Messages::jokersNeedDeck());
    else if (given.draw || given.deck)
        return drawOptions(given);
    else if (given.saveTo)
        return refused(Messages::needsDraw(QStringLiteral("save-to")));
    for (const auto &[name, given_] : given.fileOptions())
        if (given_)
            return refused(Messages::needsDraw(QLatin1String(name)));
    return options;
}

bool wantsWindow(const Parsed &parsed)
{
    const Options *options = std::get_if<Options>(&parsed);
    return options && options->action == Options::Action::Window;
}

QStringList arguments(int argc, char **argv)
{
    QStringList given;
#ifdef Q_OS_WIN
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    int count = 0;
    if (wchar_t **wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i)
            given << QString::fromWCharArray(wide[i]);
        LocalFree(wide);
    }
#else
    for (int i = 0; i < argc; ++i)
        given << QString::fromLocal8Bit(argv[i]);
#endif
    return Console::arguments(given);
}

std::variant<QString, ParseError> saveFolder(const QString &typed)
{
    // Read as the window reads its field, and from where a script runs.
    const QString folder = NativePath::folder(typed);
    const QString missing = Messages::folderNotThere(folder);
    const QString tooLong = Messages::folderNameTooLong(folder);
#ifdef Q_OS_WIN
    if (!QFileInfo::exists(folder)) {
        const QStringList names = folder.split(u'\\');
        const bool nameTooLong = std::any_of(names.begin(), names.end(), [](const QString &name) { return name.size() > 255; });
        return refused(nameTooLong ? tooLong : missing);
    }
#else
    struct stat status;
    if (::stat(QFile::encodeName(folder).constData(), &status) != 0) {
        const int error = errno;
        if (error == ENAMETOOLONG)
            return refused(tooLong);
        // Bytes the system's encoding cannot read reach us as U+FFFD: no
        // file of that name can be found again.
        if (folder.contains(QChar::ReplacementCharacter))
            return refused(Messages::folderNameNotText(folder));
        if (error == ENOENT)
            return refused(missing);
        if (error != ENOTDIR)
            return refused(Messages::folderUnreachable(folder, QString::fromLocal8Bit(std::strerror(error))));
    }
#endif
    if (!QFileInfo(folder).isDir())
        return refused(Messages::notAFolder(folder));
    return folder;
}

std::optional<ParseError> displayMissing(const QStringList &arguments)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // The platform Qt would start: the last -platform given, else
    // QT_QPA_PLATFORM, else its default, the X server or Wayland.
    QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i)
        if (arguments.at(i) == QLatin1String("-platform") || arguments.at(i) == QLatin1String("--platform"))
            platform = arguments.at(i + 1);
    const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    bool found = platform.isEmpty() && (x11 || wayland);
    for (const QString &name : platform.split(u';', Qt::SkipEmptyParts)) {
        const QString plugin = name.section(u':', 0, 0);
        found = found || (plugin == QLatin1String("xcb") ? x11 : plugin.startsWith(QLatin1String("wayland")) ? wayland : true);
    }
    if (!found)
        return ParseError{Messages::noDisplay(), WindowFailed};
#else
    Q_UNUSED(arguments);
#endif
    return std::nullopt;
}

QString helpText()
{
    return QCoreApplication::translate("CommandLine",
        "Usage: velmora [options]\n"
        "Draws random playing cards.\n"
        "Without options it opens its window. With --draw or --deck it prints the cards, one\n"
        "per line, optionally writes their files, and ends. On a terminal a line reads\n"
        "\"Card 17 (four of diamonds)\"; into a pipe or file it is \"Card 17<TAB>four of diamonds\".\n"
        "  velmora --draw 5 --save-to DIR --format png --size 744   PNGs for print at 300 dpi\n"
        "  velmora --draw 9 --save-to DIR --format pdf              DIR/Cards.pdf, ready to cut\n"
        "  velmora --deck --jokers --save-to DIR --format pdf --pdf-layout card --bleed --back 3\n"
        "                                       a whole deck with backs, as print services take it\n"
        "\n"
        "Exit status: 0 success, 2 bad arguments, 3 a file could not be written,\n"
        "4 the window cannot open (no display).\n"
        "\n"
        "Options:\n"
        "  -h, -?, --help           Displays this help.\n"
        "  -v, --version            Displays version information.\n"
        "  --draw <count>           Draw <count> distinct cards (1 to 52) and print them.\n"
        "  --deck                   Instead of a draw, the whole deck of 52 in suit order\n"
        "                           (spades, diamonds, clubs, hearts; ace to king).\n"
        "  --jokers                 With --deck, the two jokers after it: Joker 1 (red) and\n"
        "                           Joker 2 (black).\n"
        "  --save-to <folder>       Also write the cards into <folder>: Card N.bmp for each\n"
        "                           (.png, .svg; Joker N for the jokers), or one Cards.pdf; an\n"
        "                           existing file is replaced. A card that cannot be written\n"
        "                           is named on standard error and the others are still\n"
        "                           written. Big exports use every core; on a terminal a line\n"
        "                           on standard error shows how far they are.\n"
        "  --format <bmp|png|svg|pdf>  With --save-to, the files' format: bmp (white\n"
        "                           corners, default), png (transparent corners), svg (a\n"
        "                           drawing of any size) or pdf (one file, Cards.pdf, with\n"
        "                           every card at its real size on A4 or Letter sheets with\n"
        "                           cut marks).\n"
        "  --card-size <picture|poker|bridge>  With --save-to, the card's shape: picture (63 x\n"
        "                           85.2 mm, the pictures' own; default but for pdf), poker\n"
        "                           (2.5 x 3.5 in; default for pdf) or bridge (2.25 x 3.5 in).\n"
        "  --size <width>           With --format png: each card <width> pixels wide (%1 to\n"
        "                           %2), drawn sharp at that size; the height follows the\n"
        "                           card size's proportion, and the file says the resolution\n"
        "                           that prints it at its real width (750 px poker: 300 dpi).\n"
        "                           Default: the picture's own 71 x 96.\n"
        "  --pdf-layout <sheets|card>  With --format pdf: sheets (as many cards as fit a\n"
        "                           page, default) or card (one card per page of the card's\n"
        "                           own size, as printing services take them).\n"
        "  --bleed                  With --format pdf: 1/8 in of the card's background beyond\n"
        "                           each cut edge (a poker card's page is 198 x 270 pt); on\n"
        "                           sheets the cut marks stay outside it.\n"
        "  --back <1-12>            With --format pdf: that back behind every card. On sheets\n"
        "                           each page of fronts is followed by its backs, mirrored\n"
        "                           for long-edge duplex; with card, each card's front page\n"
        "                           by its back page.\n"
        "\n"
        "Qt's own options (-platform, -style, -geometry, ...) are for the window.\n")
        .arg(CardFile::MinWidth)
        .arg(CardFile::MaxWidth);
}

} // namespace CommandLine
