// Doing what the command line asked: the draw, the files and the lines.
#include "cli/CommandLine.h"

#include "cli/Console.h"
#include "cli/ProgressLine.h"
#include "core/Language.h"
#include "export/DeckExport.h"
#include "pictures/PictureNames.h"
#include "core/Messages.h"
#include "pictures/CardImageSet.h"
#include "core/CardEntry.h"
#include "core/Failure.h"
#include "core/Platform.h"
#include "core/RandomSource.h"
#include "core/DrawRule.h"
#include "export/CardPaths.h"
#include "export/FileReplacer.h"

#include <QGuiApplication>
#include <QSet>
#include <QTime>

#include <cerrno>
#include <optional>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <tuple>
#include <utility>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace CommandLine {

namespace {

// One line on stderr, prefixed with the program's name as command-line tools do.
int fail(int code, const QString &why)
{
    Console::write(stderr, QStringLiteral("velmora: %1\n").arg(why));
    return code;
}

// The draw asks the platform only for the time of day; nothing here opens a
// box or a dialog.
class Headless final : public Platform
{
public:
    void message(const QString &, const QString &, Icon) override {}
    bool messageWithOption(const QString &, const QString &, Icon, const QString &) override { return false; }
    bool question(const QString &, const QString &) override { return false; }
    QString browseFolder(QWidget *, const QString &, const QString &) override { return {}; }
    bool openUrl(const QUrl &) override { return false; }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &, QString *) override { return {}; }
    bool print(QWidget *, const QString &, const QString &, const PrintPaint &) override { return false; }
    float secondsSinceMidnight() override { return float(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f; }
    void yield() override {}
};

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

bool g_displayUnreachable = false;
// The platform's notes while the window starts, held back: when it cannot
// start they would only repeat, in three lines, the one that says why.
QList<std::tuple<QtMsgType, QString, QString>> g_heldBack;

void duringWindowStart(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    g_displayUnreachable = g_displayUnreachable || message.contains(QLatin1String("could not connect to display"));
    if (type != QtFatalMsg && context.category && std::strncmp(context.category, "qt.qpa.", 7) == 0) {
        g_heldBack.append({type, QString::fromLatin1(context.category), message});
        return;
    }
    if (type != QtFatalMsg)
        return g_qtMessages(type, context, message);
    fail(WindowFailed, g_displayUnreachable ? Messages::noDisplay()
                                            : Messages::windowCannotOpen(message.section(u'\n', 0, 0)));
    std::_Exit(WindowFailed);
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

// Whether standard output was closed (velmora >&-). Then the first file
// opened would take its number, and the lines would be written into a card.
bool outputClosed()
{
#ifdef Q_OS_WIN
    return false; // a windowed program started without a console has none, and may still write files
#else
    return ::fcntl(STDOUT_FILENO, F_GETFD) == -1 && errno == EBADF;
#endif
}

// Read before main() runs: the application object that words the parse's
// refusals opens files, and one would take a closed output's number.
const bool outputClosedAtStart = outputClosed();

// The stored picture where the format takes it, as an image the pool's
// threads may read (a pixmap is the main thread's alone).
QImage storedPicture(const CardArt &art)
{
    const CardImageSet &set = CardImageSet::shared();
    const QPixmap &picture = art.kind == CardArt::Kind::Joker ? set.picture(PictureNames::joker(art.index + 1))
                                                              : set.face(art.index);
    return picture.toImage();
}

// Writes every card's file (or the one PDF); a card that cannot be written is
// named on stderr and the others are still written. Returns the cards whose
// files are there.
QList<DeckExport::Card> write(QList<DeckExport::Card> cards, const QString &folder, const Options &options)
{
    DeckExport::Request request;
    request.folder = folder;
    request.format = options.format;
    request.width = options.width;
    request.print.size = options.size;
    request.print.bleed = options.bleed;
    request.print.back = options.back;
    request.print.layout = options.layout;
    request.print.paper = CardSheet::localePaper();
    request.pdfTitle = options.deck ? QStringLiteral("Deck") : QStringLiteral("Drawn cards");
    if (CardFile::usesStoredPicture(options.format, options.width, options.size))
        for (DeckExport::Card &card : cards)
            card.stored = storedPicture(card.art);
    request.cards = cards;
    ProgressLine line;
    const DeckExport::Result result = DeckExport::run(request, line.progress());
    line.finish();
    for (const QString &failure : result.failures)
        fail(WriteFailed, failure);
    QList<DeckExport::Card> written;
    for (const int index : result.written)
        written.append(cards.at(index));
    return written;
}

// A line for each card. People read the clipboard's form; a program reading
// a pipe or file gets the entry and the name apart, split by a tab.
int print(const QList<DeckExport::Card> &cards)
{
#ifdef Q_OS_WIN
    const bool forPeople = _isatty(_fileno(stdout));
#else
    const bool forPeople = isatty(fileno(stdout));
#endif
    for (const DeckExport::Card &card : cards) {
        const QString line = forPeople ? card.spoken : card.name + u'\t' + card.title;
        if (!Console::write(stdout, line + u'\n')) {
            const int error = errno;
            return fail(WriteFailed, Messages::stdoutUnwritable(QString::fromLocal8Bit(std::strerror(error))));
        }
    }
    return Success;
}

int draw(const Options &options)
{
#ifndef Q_OS_WIN
    // No display is needed for pictures that never reach the screen.
    qputenv("QT_QPA_PLATFORM", "minimal");
#endif
    g_qtMessages = qInstallMessageHandler(quietAboutRuntimeDir);
    // Qt sees none of the arguments: they are read already, and a -platform
    // among them would make it look for a display.
    static char name[] = "velmora";
    static char *argv[] = {name, nullptr};
    static int argc = 1;
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("velmora"));
    QGuiApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    // Before the first text: the folder's refusal is in the user's language too.
    Language::install();

    QString folder;
    if (!options.folder.isEmpty()) {
        const std::variant<QString, ParseError> checked = saveFolder(options.folder);
        if (const ParseError *error = std::get_if<ParseError>(&checked))
            return fail(error->exitCode, error->message);
        folder = std::get<QString>(checked);
    }

    Headless platform;
    Platform *previous = Platform::install(&platform);
    struct Restore {
        Platform *previous;
        ~Restore() { Platform::install(previous); }
    } restore{previous};
    QList<DeckExport::Card> cards;
    try {
        cards = options.deck ? DeckExport::wholeDeck(options.jokers)
                             : DeckExport::drawn(DrawRule::drawCardNumbers(RandomSource::shared(), options.count));
    } catch (const Failure &failure) {
        return fail(BadArguments, failure.description());
    }
    // A line stands for a card that is on disk, so the files come first.
    const QList<DeckExport::Card> there = folder.isEmpty() ? cards : write(cards, folder, options);
    const int printed = print(there);
    return there.size() < cards.size() ? WriteFailed : printed;
}

} // namespace

int run(const Parsed &parsed)
{
#ifdef Q_OS_WIN
    joinParentConsole();
#endif
    if (const ParseError *error = std::get_if<ParseError>(&parsed))
        return fail(error->exitCode, error->message);
    const bool closed = outputClosedAtStart;
    const Options &options = std::get<Options>(parsed);
    // The help and the refusals below are in the user's language, which needs
    // an application object; the draw makes its own, with pictures.
    std::optional<QCoreApplication> texts;
    if (options.action != Options::Action::Draw && !QCoreApplication::instance()) {
        static char name[] = "velmora";
        static char *argv[] = {name, nullptr};
        static int argc = 1;
        texts.emplace(argc, argv);
        Language::install();
    }
    if (closed)
        return fail(WriteFailed, Messages::stdoutClosed());
    switch (options.action) {
    case Options::Action::Help:
        // Written here rather than by Qt, which would use the ANSI code page.
        return Console::write(stdout, helpText()) ? Success : WriteFailed;
    case Options::Action::Version:
        return Console::write(stdout, QStringLiteral("velmora %1\n").arg(QStringLiteral(VELMORA_VERSION)))
            ? Success : WriteFailed;
    case Options::Action::Draw:
        return draw(options);
    case Options::Action::Window:
        break;
    }
    return fail(BadArguments, Messages::nothingToDo());
}

void guardWindowStart(bool on)
{
    if (on) {
        g_qtMessages = qInstallMessageHandler(duringWindowStart);
        return;
    }
    qInstallMessageHandler(g_qtMessages);
    for (const auto &[type, category, message] : std::exchange(g_heldBack, {})) {
        const QByteArray name = category.toLatin1();
        g_qtMessages(type, QMessageLogContext(nullptr, 0, nullptr, name.constData()), message);
    }
}

} // namespace CommandLine
