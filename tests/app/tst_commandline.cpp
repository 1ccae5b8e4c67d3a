// The command line as a script sees it: the built program run without a
// display, its output, its files and its exit status.
#include "cli/CommandLine.h"
#include "pictures/CardImageSet.h"
#include "core/CardEntry.h"
#include "core/Language.h"
#include "core/Messages.h"
#include "export/BitmapFile.h"
#include "save/CardExport.h"
#include "render/CardRenderer.h"
#include "tests/support/FormFixture.h"
#include "tests/support/ImageCheck.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestSettings.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#ifndef Q_OS_WIN
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

struct Run {
    int exitCode = -1;
    QStringList lines; // stdout
    QString error;     // stderr
};

// env: NAME=value pairs beside a clean environment without a display.
// typed: on Windows, velmora.com with these arguments as typed in cmd, quotes
// and all, rather than quoted again by QProcess.
Run velmora(const QStringList &args, const QStringList &env = {}, const QString &typed = QString(),
            const std::function<void()> &inChild = {})
{
    QProcess p;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_LOGGING_RULES", "LC_ALL", "LC_PAPER", "LANG", "LANGUAGE", "LC_MESSAGES"})
        environment.remove(QLatin1String(name));
    for (const QString &pair : env)
        environment.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
    p.setProcessEnvironment(environment);
    QString program = QStringLiteral(VELMORA_EXE);
#ifdef Q_OS_WIN
    if (!typed.isEmpty()) {
        program = QStringLiteral(VELMORA_COM);
        p.setNativeArguments(typed);
    }
    Q_UNUSED(inChild);
#else
    Q_UNUSED(typed);
    if (inChild)
        p.setChildProcessModifier(inChild);
#endif
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return {};
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    // Windows ends lines with CR LF.
    return {p.exitCode(), out.split(QRegularExpression(QStringLiteral("\\r?\\n")), Qt::SkipEmptyParts),
            QString::fromUtf8(p.readAllStandardError())};
}

// Each line "Card N<TAB>name"; the card numbers in printed order.
QList<int> cardsOf(const Run &run)
{
    static const QRegularExpression line(QStringLiteral("^Card ([1-9][0-9]?)\t(.+)$"));
    QList<int> numbers;
    for (const QString &l : run.lines) {
        const auto m = line.match(l);
        if (!m.hasMatch() || m.captured(2) != CardEntry::englishCardName(m.captured(1).toInt()))
            return {-1};
        numbers << m.captured(1).toInt();
    }
    return numbers;
}

// The picture against the card the renderer draws into the same place (card
// rectangle in the picture's pixels), in percent off.
double offCard(const QImage &seen, int faceIndex, const QRectF &card, CardSize size = CardSize::Picture,
               bool bleed = false)
{
    QImage expected(seen.size(), QImage::Format_ARGB32_Premultiplied);
    expected.fill(Qt::transparent);
    QPainter p(&expected);
    p.setRenderHint(QPainter::Antialiasing);
    CardRenderer::paint(p, card, CardArt::face(faceIndex), size, bleed);
    p.end();
    return ImageCheck::percentOff(seen, expected);
}

} // namespace

// Why script(1) cannot give the program a terminal here, or nothing.
const char *noTerminal()
{
#ifdef Q_OS_WIN
    return "script(1) makes the terminal here; Windows has none to hand";
#else
    return QStandardPaths::findExecutable(QStringLiteral("script")).isEmpty() ? "script(1) (util-linux) is not installed"
                                                                              : nullptr;
#endif
}

// What a shell command writes to its terminal under script(1); it must succeed.
QString onTerminal(const QString &command)
{
    QProcess p;
    p.start(QStandardPaths::findExecutable(QStringLiteral("script")), {"-qec", command, "/dev/null"});
    if (!p.waitForFinished(600000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        QTest::qFail(qPrintable(QStringLiteral("%1 failed").arg(command)), __FILE__, __LINE__);
    return QString::fromUtf8(p.readAllStandardOutput());
}

Q_DECLARE_METATYPE(CardSize)

class TstCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSettings::redirectUserConfig(); }

    void folderRules_data();
    void folderRules();
    void runs_data();
    void runs();
    void closedOutputIsSaidSo();
    void qtOptionsAloneOpenTheWindow();
    void aTerminalGetsTheClipboardsForm();
    void progressShowsOnATerminalOnly();
    void everyCardThatCanBeWrittenIs();
    void saveToWritesWhatSaveAllWrites_data();
    void saveToWritesWhatSaveAllWrites();
    void fullDiskExitsThreeWithNothingHalfWritten();
    void drawnFormatsShowTheCardsDrawn_data();
    void drawnFormatsShowTheCardsDrawn();
    void windowsConsole_data();
    void windowsConsole();
};

void TstCommandLine::folderRules_data()
{
    QTest::addColumn<QByteArray>("folder"); // the bytes as a script passes them
    QTest::addColumn<QString>("says");
    const QByteArray temp = QFile::encodeName(QDir::tempPath());
    QTest::addRow("a missing folder") << temp + "/velmora-no-such-folder" << "does not exist";
    QTest::addRow("a file is no folder") << QByteArray(VELMORA_EXE) << "is not a folder";
    QTest::addRow("a name longer than the system allows is not called missing")
        << temp + '/' + QByteArray(300, 'a') << "longer than the system allows";
#ifndef Q_OS_WIN
    QTest::addRow("bytes that are no text are not called missing") << temp + "/\xff\xfe" << "not UTF-8";
#endif
}

void TstCommandLine::folderRules()
{
#ifdef Q_OS_WIN
    QSKIP("on Windows the arguments are read from the process's own command line, not from argv");
#endif
    QFETCH(QByteArray, folder);
    QFETCH(QString, says);
    char program[] = "velmora", option[] = "--save-to";
    char *argv[] = {program, option, folder.data()};
    const QString typed = CommandLine::arguments(3, argv).constLast();
    const auto checked = CommandLine::saveFolder(typed);
    QVERIFY(std::holds_alternative<CommandLine::ParseError>(checked));
    QVERIFY2(std::get<CommandLine::ParseError>(checked).message.contains(says),
             qPrintable(std::get<CommandLine::ParseError>(checked).message));
}

// The program as a script runs it: what reaches the process, its lines and
// its status.
void TstCommandLine::runs_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("env");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<int>("cards"); // -1: no cards expected at all
    QTest::addColumn<QString>("says");
    QTest::addRow("the whole deck, each card once") << QStringList{"--draw", "52"} << QStringList{} << 0 << 52 << QString();
    QTest::addRow("an unknown option without a display is refused, not an abort")
        << QStringList{"--bogus"} << QStringList{} << 2 << 0 << "--bogus";
    QTest::addRow("an unknown option with a display is refused, no window opens")
        << QStringList{"--bogus"} << QStringList{"QT_QPA_PLATFORM=offscreen", "VELMORA_EXIT_WHEN_SHOWN=1"} << 2 << 0
        << "--bogus";
#ifndef Q_OS_WIN // a Windows desktop is always there to open the window on
    QTest::addRow("the window without a display says so, not an abort")
        << QStringList{} << QStringList{} << 4 << 0 << Messages::noDisplay();
    QTest::addRow("the window on a display that cannot be reached says so, not an abort")
        << QStringList{} << QStringList{"DISPLAY=:2147"} << 4 << 0 << Messages::noDisplay();
#endif
    QTest::addRow("--help") << QStringList{"--help"} << QStringList{} << 0 << -1 << CommandLine::helpText();
#ifndef Q_OS_WIN // there the language is the user's display language, not these variables
    Language::install(QLocale(QStringLiteral("de")));
    QCOMPARE(Language::current(), QStringLiteral("de"));
    QTest::addRow("--help follows LANGUAGE") << QStringList{"--help"} << QStringList{"LANGUAGE=de"} << 0 << -1
                                             << CommandLine::helpText();
    QTest::addRow("a refusal follows LANG") << QStringList{"--bogus"} << QStringList{"LANG=de_DE.UTF-8"} << 2 << 0
                                            << Messages::unknownOption(QStringLiteral("--bogus"));
    QTest::addRow("a pipe reads English card names in any language")
        << QStringList{"--draw", "52"} << QStringList{"LANGUAGE=de"} << 0 << 52 << QString();
    Language::install(QLocale::c());
    QTest::addRow("LC_ALL=C keeps English whatever LANGUAGE lists")
        << QStringList{"--bogus"} << QStringList{"LANGUAGE=de", "LC_ALL=C"} << 2 << 0
        << Messages::unknownOption(QStringLiteral("--bogus"));
#endif
}

void TstCommandLine::runs()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, env);
    QFETCH(int, exitCode);
    QFETCH(int, cards);
    QFETCH(QString, says);
    QTemporaryDir config;
    const Run run = velmora(args, env + QStringList{"XDG_CONFIG_HOME=" + config.path()});
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2((run.lines.join(u'\n') + run.error).contains(says.section(u'\n', 0, 0)), qPrintable(run.error));
    // Nothing on stderr, or one line and nothing else.
    QVERIFY2(exitCode == 0 ? run.error.isEmpty()
                           : run.error.startsWith(QStringLiteral("velmora: ")) && run.error.count(u'\n') == 1,
             qPrintable(run.error));
    if (cards >= 0) {
        const QList<int> numbers = cardsOf(run);
        QCOMPARE(QSet<int>(numbers.begin(), numbers.end()).size(), cards);
        QCOMPARE(numbers.size(), cards);
        QVERIFY(!numbers.contains(-1));
    }
    // The stored settings are the window's; a script never changes them.
    QCOMPARE(QDir(config.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

// Closed, its number would go to the first file opened: nothing is written.
void TstCommandLine::closedOutputIsSaidSo()
{
#ifdef Q_OS_WIN
    QSKIP("a Windows program started without a console has no output to close");
#else
    QTemporaryDir out;
    const Run run = velmora({"--draw", "5", "--save-to", out.path()}, {}, {}, [] { ::close(STDOUT_FILENO); });
    QCOMPARE(run.exitCode, 3);
    QVERIFY2(run.error.contains(QStringLiteral("standard output is closed")), qPrintable(run.error));
    QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
#endif
}

void TstCommandLine::qtOptionsAloneOpenTheWindow() // as in any Qt program; the probe ends it once shown
{
    const Run run = velmora({"--platform", "offscreen", "--style", "fusion", "-geometry", "300x300+0+0", "-reverse"},
                            {"VELMORA_EXIT_WHEN_SHOWN=1"});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.lines.isEmpty() && !run.error.contains(QStringLiteral("velmora:")), qPrintable(run.error));
}

// A read-only card, refused as the user nobody where the tests run as root
// (root may write any file).
void TstCommandLine::everyCardThatCanBeWrittenIs()
{
#ifdef Q_OS_WIN
    QSKIP("read-only files are refused alike on Windows; the user switch here is POSIX");
#else
    const passwd *user = ::getuid() == 0 ? ::getpwnam("nobody") : ::getpwuid(::getuid());
    if (!user)
        QSKIP("no user nobody to refuse the read-only card to");
    const uid_t uid = user->pw_uid;
    const gid_t gid = user->pw_gid;
    QTemporaryDir out;
    const QByteArray readOnly = QFile::encodeName(out.filePath(QStringLiteral("Card 1.bmp")));
    QVERIFY(TestFiles::write(readOnly, "kept") && ::chmod(readOnly, 0444) == 0 && ::chown(readOnly, uid, gid) == 0);
    QVERIFY(::chmod(QFile::encodeName(out.path()), 0755) == 0 && ::chown(QFile::encodeName(out.path()), uid, gid) == 0);
    const Run run = velmora({"--draw", "52", "--save-to", out.path()}, {}, {}, [uid, gid] {
        if (::getuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0))
            ::_exit(127);
    });
    QCOMPARE(run.exitCode, 3);
    QVERIFY2(run.error.contains(QStringLiteral("Card 1.bmp")) && run.error.count(u'\n') == 1, qPrintable(run.error));
    QStringList printed;
    for (int n : cardsOf(run))
        printed << CardEntry::text(n) + QStringLiteral(".bmp");
    QCOMPARE(printed.size(), 51);
    QVERIFY(!printed.contains(QStringLiteral("Card 1.bmp")));
    for (const QString &name : printed)
        QVERIFY2(QFileInfo(out.filePath(name)).size() > 0, qPrintable(name));
    QCOMPARE(TestFiles::read(out.filePath(QStringLiteral("Card 1.bmp"))), QByteArray("kept"));
#endif
}

// A pipe gets the tab form (every other test reads one); a terminal, the
// form people read: script(1) gives the program one.
void TstCommandLine::aTerminalGetsTheClipboardsForm()
{
    if (const char *why = noTerminal())
        QSKIP(why);
    const QString seen = onTerminal(QStringLiteral("'%1' --draw 52").arg(QStringLiteral(VELMORA_EXE)));
    const QStringList lines = seen.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 52);
    for (const QString &line : lines)
        QCOMPARE(line, CardEntry::textWithName(line.section(u' ', 1, 1).toInt()));
}

// A long export rewrites one line on a terminal's standard error, and writes
// nothing of it into a pipe.
void TstCommandLine::progressShowsOnATerminalOnly()
{
    if (const char *why = noTerminal())
        QSKIP(why);
    QTemporaryDir out;
    // Big enough to pass the line's second on any machine of today.
    const QString export_ = QStringLiteral("'%1' --deck --jokers --save-to '%2' --format png --size 2048")
                                .arg(QStringLiteral(VELMORA_EXE), out.path());
    const QString seen = onTerminal(export_ + QStringLiteral(" >/dev/null"));
    QString pattern = QRegularExpression::escape(Messages::progressLine(1111, 54, 3333, QStringLiteral("4:44")));
    pattern.replace(QStringLiteral("1111"), QStringLiteral("([0-9]+)")).replace(QStringLiteral("3333"), QStringLiteral("([0-9]+)"));
    pattern.replace(QRegularExpression::escape(QStringLiteral("4:44")), QStringLiteral("[0-9]+:[0-5][0-9]"));
    const auto lines = QRegularExpression(u'\r' + pattern).globalMatch(seen);
    int shown = 0;
    for (auto it = lines; it.hasNext(); ++shown) {
        const auto line = it.next();
        QCOMPARE(line.captured(2).toInt(), line.captured(1).toInt() * 100 / 54);
    }
    QVERIFY2(shown > 0, qPrintable(seen));
    QVERIFY2(!seen.contains(u'\n'), qPrintable(seen)); // one line, rewritten
    QVERIFY2(seen.endsWith(u'\r'), qPrintable(seen));  // and wiped at the end

    const Run piped = velmora({"--deck", "--save-to", out.path(), "--format", "png", "--size", "2048"});
    QCOMPARE(piped.exitCode, 0);
    QCOMPARE(piped.error, QString());
}

void TstCommandLine::saveToWritesWhatSaveAllWrites_data()
{
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QString>("suffix");
    QTest::addRow("bitmaps by default") << QStringList{} << ".bmp";
    QTest::addRow("--format bmp") << QStringList{"--format", "bmp"} << ".bmp";
    QTest::addRow("--format png keeps transparency") << QStringList{"--format", "PNG"} << ".png";
}

void TstCommandLine::saveToWritesWhatSaveAllWrites()
{
    QFETCH(QStringList, extra);
    QFETCH(QString, suffix);
    QTemporaryDir cli, window;
    const Run run = velmora(QStringList{"--draw", "52", "--save-to", cli.path()} + extra);
    QCOMPARE(run.exitCode, 0);
    const QList<int> numbers = cardsOf(run);
    QCOMPARE(numbers.size(), 52);
    QCOMPARE(QDir(cli.path()).entryList(QDir::Files).size(), 52);

    // The same entries through the window's save-all.
    FormFixture f;
    for (int n : numbers)
        f.List1()->addItem(CardEntry::text(n));
    f.Text2()->setText(window.path() + u'/');
    f.form().exporter().PushButton1_Click();
    for (int n : numbers) {
        const QString name = CardEntry::text(n) + suffix;
        const QByteArray written = TestFiles::read(cli.filePath(name));
        QVERIFY2(!written.isEmpty(), qPrintable(name));
        if (suffix == QLatin1String(".bmp")) {
            QCOMPARE(written, TestFiles::read(window.filePath(name)));
        } else {
            const QImage png = QImage::fromData(written, "PNG");
            QCOMPARE(qAlpha(png.pixel(0, 0)), 0); // the corner stays clear; on white it is the bitmap
            QCOMPARE(BitmapFile::opaqueFace(QPixmap::fromImage(png)),
                     QImage(window.filePath(CardEntry::text(n) + QStringLiteral(".bmp"))).convertToFormat(QImage::Format_RGB32));
        }
    }
}

void TstCommandLine::fullDiskExitsThreeWithNothingHalfWritten()
{
    QTemporaryDir base;
    const QString folder = base.filePath(QStringLiteral("full"));
    const TestFiles::SmallDisk disk(folder);
    if (!disk.mounted())
        QSKIP("cannot mount a small tmpfs here (needs root and mount permission)");
    const Run run = velmora({"--draw", "52", "--save-to", folder});
    const QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    // Every face makes a bitmap of the same size: the size of a whole file.
    BitmapFile::save(CardImageSet::shared().face(0), base.filePath(QStringLiteral("whole.bmp")));
    QStringList whole;
    for (const QString &name : files)
        if (QFileInfo(folder + u'/' + name).size() == QFileInfo(base.filePath(QStringLiteral("whole.bmp"))).size())
            whole << name;

    QCOMPARE(run.exitCode, 3);
    // Every printed card has its whole file, and nothing else is there; each
    // card left out has its line.
    QCOMPARE(whole, files);
    QVERIFY(!run.lines.isEmpty() && run.lines.size() < 52);
    QCOMPARE(run.error.count(QStringLiteral("velmora: Cannot write ")), 52 - run.lines.size());
    QCOMPARE(run.error.count(u'\n'), 52 - run.lines.size());
    QStringList printed;
    for (int n : cardsOf(run))
        printed << CardEntry::text(n) + QStringLiteral(".bmp");
    printed.sort();
    QStringList sorted = files;
    sorted.sort();
    QCOMPARE(sorted, printed);
}

void TstCommandLine::drawnFormatsShowTheCardsDrawn_data()
{
    QTest::addColumn<QStringList>("format");
    QTest::addColumn<QString>("paperLocale");
    QTest::addColumn<QString>("paper"); // for a PDF: what pdfinfo names the pages
    QTest::addColumn<int>("count");
    QTest::addColumn<CardSize>("size");
    QTest::addRow("--size 710: PNGs of 710 x 960") << QStringList{"png", "--size", "710"} << "" << "" << 5
                                                   << CardSize::Picture;
    QTest::addRow("a bridge PNG of 675 px is 675 x 1050, laid out for its shape")
        << QStringList{"png", "--card-size", "bridge", "--size", "675"} << "" << "" << 5 << CardSize::Bridge;
    // Every face, so that each clipped shape of the figures is seen.
    QTest::addRow("SVG renders elsewhere as the card") << QStringList{"svg"} << "" << "" << 52 << CardSize::Picture;
    QTest::addRow("PDF on A4 sheets of poker cards, no pictures in it") << QStringList{"pdf"} << "de_DE.UTF-8" << "(A4)"
                                                                        << 5 << CardSize::Poker;
    QTest::addRow("PDF on Letter where the locale prints on it") << QStringList{"pdf", "--card-size", "picture"}
                                                                << "en_US.UTF-8" << "(letter)" << 5 << CardSize::Picture;
    // Each face as the PNG draws it, at 300 dpi from the PDF.
    QTest::addRow("PDF one card per page, at the card's size in whole points")
        << QStringList{"pdf", "--pdf-layout", "card", "--card-size", "bridge"} << "" << "162 x 252 pts" << 52
        << CardSize::Bridge;
    QTest::addRow("with bleed and a back, each page trim and bleed, each front followed by its back")
        << QStringList{"pdf", "--pdf-layout", "card", "--bleed", "--back", "3"} << "" << "198 x 270 pts" << 52
        << CardSize::Poker;
}

void TstCommandLine::drawnFormatsShowTheCardsDrawn()
{
    QFETCH(QStringList, format);
    QFETCH(QString, paperLocale);
    QFETCH(QString, paper);
    QFETCH(int, count);
    QFETCH(CardSize, size);
    const QString kind = format.constFirst();
    const bool backs = format.contains(QStringLiteral("--back"));
    const qreal bleedMm = format.contains(QStringLiteral("--bleed")) ? CardSizes::BleedMm : 0;
    for (const char *needed : {"pdfinfo", "pdfimages", "pdftoppm", "rsvg-convert"})
        if (QStandardPaths::findExecutable(QLatin1String(needed)).isEmpty())
            QSKIP(qPrintable(QStringLiteral("%1 is not installed (poppler-utils, librsvg2-bin: "
                                            "scripts/install-deps --dev)").arg(QLatin1String(needed))));
    QTemporaryDir out;
    const Run run = velmora(QStringList{"--draw", QString::number(count), "--save-to", out.path(), "--format"} + format,
                            paperLocale.isEmpty() ? QStringList() : QStringList{"LC_PAPER=" + paperLocale});
    QCOMPARE(run.exitCode, 0);
    const QList<int> cards = cardsOf(run);
    QCOMPARE(cards.size(), count);

    if (kind != QLatin1String("pdf")) {
        QCOMPARE(QDir(out.path()).entryList(QDir::Files).size(), count);
        for (int n : cards) {
            const QString file = out.filePath(CardEntry::text(n) + u'.' + kind);
            QImage seen(file, "PNG");
            if (kind == QLatin1String("svg")) {
                const QString png = out.filePath(QStringLiteral("rendered.png"));
                ImageCheck::tool(QStringLiteral("rsvg-convert"), {"-w", "284", "-o", png, file});
                seen = QImage(png);
            }
            const int width = kind == QLatin1String("png") ? format.constLast().toInt() : 284;
            QCOMPARE(seen.size(), QSize(width, CardSizes::heightForWidth(size, width)));
            const double off = offCard(seen, n - 1, QRectF(QPointF(0, 0), seen.size()), size);
            QVERIFY2(off < 1.0, qPrintable(QStringLiteral("%1 is %2% off").arg(file).arg(off)));
        }
        return;
    }

    const QString pdf = out.filePath(QStringLiteral("Cards.pdf"));
    QCOMPARE(QDir(out.path()).entryList(QDir::Files), QStringList{QStringLiteral("Cards.pdf")});
    const QString info = ImageCheck::tool(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size: .*") + QRegularExpression::escape(paper))),
             qPrintable(info));
    const bool sheets = !format.contains(QStringLiteral("--pdf-layout"));
    const int pages = (sheets ? 1 : count) * (backs ? 2 : 1);
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages: +%1\n").arg(pages))), qPrintable(info));
    // Only the two heading lines: not one picture anywhere in the document.
    QCOMPARE(ImageCheck::tool(QStringLiteral("pdfimages"), {"-list", pdf}).trimmed().count(u'\n'), 1);

    // Each card at 300 dpi where the page puts it, in draw order: on sheets a
    // centred grid of 63 mm cards; alone, the card fills its page.
    const auto points = QRegularExpression(QStringLiteral("Page size: +([0-9.]+) x ([0-9.]+) pts")).match(info);
    const QSizeF pageMm(points.captured(1).toDouble() * 25.4 / 72, points.captured(2).toDouble() * 25.4 / 72);
    const QSizeF cardMm = sheets ? CardSizes::trimMm(size) : pageMm;
    const int columns = int((pageMm.width() - 5) / cardMm.width()) + (sheets ? 0 : 1);
    const int rows = int((pageMm.height() - 5) / cardMm.height()) + (sheets ? 0 : 1);
    const QPointF gridMm((pageMm.width() - columns * cardMm.width()) / 2, (pageMm.height() - rows * cardMm.height()) / 2);
    const qreal px = 300 / 25.4;
    for (int i = 0; i < cards.size(); ++i) {
        const int slot = sheets ? i : 0;
        const QRectF card(QPointF(gridMm.x() + slot % columns * cardMm.width(), gridMm.y() + slot / columns * cardMm.height()) * px,
                          cardMm * px);
        const QRect crop = card.toRect();
        const QString prefix = out.filePath(QStringLiteral("page%1").arg(i));
        const QString page = QString::number(sheets ? 1 : (backs ? 2 * i + 1 : i + 1));
        ImageCheck::tool(QStringLiteral("pdftoppm"), {"-r", "300", "-f", page, "-l", page, "-x", QString::number(crop.x()), "-y",
                                          QString::number(crop.y()), "-W", QString::number(crop.width()), "-H",
                                          QString::number(crop.height()), "-png", "-singlefile", pdf, prefix});
        const QImage seen(prefix + QStringLiteral(".png"));
        QVERIFY(!seen.isNull());
        const qreal bleed = bleedMm * px;
        const double off = offCard(seen, cards.at(i) - 1,
                                   card.translated(-crop.topLeft()).adjusted(bleed, bleed, -bleed, -bleed), size, bleed > 0);
        QVERIFY2(off < 1.0, qPrintable(QStringLiteral("card %1 is %2% off").arg(i).arg(off)));
    }
}

void TstCommandLine::windowsConsole_data()
{
#ifndef Q_OS_WIN
    QSKIP("velmora.com, /? and Windows quoting are Windows things");
#endif
    QTest::addColumn<QString>("typed"); // after "velmora.com", as in cmd; %1: a temporary folder
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<int>("cards");
    QTest::addColumn<QString>("says");
    QTest::addRow("velmora.com prints the cards and exits 0") << "--draw 3" << 0 << 3 << QString();
    QTest::addRow("/? is help, its usage naming the program, not its path") << "/?" << 0 << -1
                                                                           << CommandLine::helpText();
    QTest::addRow("a quoted folder ending in a backslash is that folder, options after it still count")
        << "--draw 2 --save-to \"%1\\\" --format png" << 0 << 2 << QString();
    QTest::addRow("a folder's name in a message is itself, in UTF-8 when redirected")
        << "--draw 1 --save-to \"%1\\Карты ♠\"" << 2 << 0 << "Карты ♠ does not exist";
}

void TstCommandLine::windowsConsole()
{
#ifdef Q_OS_WIN
    QFETCH(QString, typed);
    QFETCH(int, exitCode);
    QFETCH(int, cards);
    QFETCH(QString, says);
    QTemporaryDir folder;
    typed.replace(QLatin1String("%1"), QDir::toNativeSeparators(folder.path()));
    const Run run = velmora({}, {}, typed);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2((run.lines.join(u'\n') + run.error).contains(says.section(u'\n', 0, 0)), qPrintable(run.error));
    if (cards >= 0)
        QCOMPARE(cardsOf(run).size(), cards);
    if (typed.contains(QLatin1String("--format png")))
        QCOMPARE(QDir(folder.path()).entryList({QStringLiteral("*.png")}, QDir::Files).size(), cards);
#endif
}

QTEST_MAIN(TstCommandLine)
#include "tst_commandline.moc"
