// The command line's parsing, in process: every option, what it accepts and
// how it refuses, without a display, a window or a file.
#include "cli/CommandLine.h"
#include "core/CardEntry.h"
#include "core/Messages.h"

#include <QTest>

using Action = CommandLine::Options::Action;
using Format = CardFile::Format;
using Layout = CardSheet::Layout;

class TstCommandLineParse : public QObject
{
    Q_OBJECT
private slots:
    void parseRules_data();
    void parseRules();
    void deckRules_data();
    void deckRules();
};

void TstCommandLineParse::parseRules_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("says"); // empty: the options below
    QTest::addColumn<Action>("action");
    QTest::addColumn<int>("count");
    QTest::addColumn<Format>("format");
    QTest::addColumn<int>("width");
    QTest::addColumn<Layout>("layout");
    const auto ok = [](const char *name, const QStringList &args, Action action, int count = 0,
                       Format format = Format::Bmp, int width = CardFile::PictureWidth,
                       Layout layout = Layout::Sheets) {
        QTest::addRow("%s", name) << args << QString() << action << count << format << width << layout;
    };
    const auto draw = [&](const char *name, const QString &count, int cards) {
        ok(name, {"--draw", count}, Action::Draw, cards);
    };
    const auto bad = [](const char *name, const QStringList &args, const QString &says) {
        QTest::addRow("%s", name) << args << says << Action::Window << 0 << Format::Bmp << 0 << Layout::Sheets;
    };
    const QStringList png{"--draw", "1", "--save-to", "/", "--format", "png"};
    draw("one card", "1", 1);
    draw("52.5 rounds to even, 52", "52.5", 52);
    draw("2.5 rounds to even, 2", "2.5", 2);
    draw("3.5 rounds to even, 4", "3.5", 4);
    draw("blanks around the number are fine", " 7 ", 7);
    bad("53 cards are more than a deck", {"--draw", "53"}, Messages::countOutOfRange("53"));
    bad("52.6 rounds to 53", {"--draw", "52.6"}, Messages::countOutOfRange("52.6"));
    bad("0.5 rounds to even, 0: nothing to draw", {"--draw=0.5"}, Messages::countOutOfRange("0.5"));
    bad("beyond 32 bits", {"--draw", "1e300"}, Messages::countOutOfRange("1e300"));
    bad("not a number", {"--draw", "five"}, Messages::countNotNumber("five"));
    bad("a number followed by letters", {"--draw", "12abc"}, Messages::countNotNumber("12abc"));
    bad("an option's value may not be missing", {"--draw"}, Messages::needsValue("--draw"));
    bad("an unknown option alone is named, not left to the window", {"--bogus"}, Messages::unknownOption("--bogus"));
    bad("an option of ours with one dash is unknown, named as typed", {"-draw", "5"}, Messages::unknownOption("-draw"));
    bad("--draw given twice", {"--draw", "5", "--draw=6"}, Messages::givenTwice("--draw"));
    bad("a file option without --save-to", {"--draw", "5", "--format", "png"}, Messages::needsSaveTo("format"));
    bad("--save-to names a folder", {"--draw", "5", "--save-to="}, Messages::saveToNeedsFolder());
    bad("unknown format", {"--draw", "5", "--save-to", "/", "--format", "gif"}, Messages::formatRefused("gif"));
    bad("--save-to without --draw", {"--save-to", "/"}, Messages::needsDraw("save-to"));
    bad("a stray argument", {"--draw", "5", "extra"}, Messages::unexpectedArgument("extra"));
    bad("--size is a whole number", png + QStringList{"--size", "71.5"},
        Messages::sizeRefused(CardFile::MinWidth, CardFile::MaxWidth, "71.5"));
    bad("--size stays within its bounds", png + QStringList{"--size", QString::number(CardFile::MaxWidth + 1)},
        Messages::sizeRefused(CardFile::MinWidth, CardFile::MaxWidth, QString::number(CardFile::MaxWidth + 1)));
    bad("--size is for PNG only", {"--draw", "1", "--save-to", "/", "--format", "pdf", "--size", "100"},
        Messages::sizeForPngOnly());
    bad("--pdf-layout is for PDF only", {"--draw", "1", "--save-to", "/", "--pdf-layout", "card"},
        Messages::pdfLayoutForPdfOnly());
    bad("--pdf-layout is sheets or card", {"--draw", "1", "--save-to", "/", "--format", "pdf", "--pdf-layout", "roll"},
        Messages::pdfLayoutRefused("roll"));
    ok("a format's name in any case, a PNG width", png + QStringList{"--size", "744"}, Action::Draw, 1, Format::Png, 744);
    ok("one card per page", {"--draw", "2", "--save-to", "/", "--format", "PDF", "--pdf-layout=Card"}, Action::Draw, 2,
       Format::Pdf, CardFile::PictureWidth, Layout::CardPerPage);
    const QStringList pdf{"--deck", "--save-to", "/", "--format", "pdf"};
    bad("--deck is the whole deck, no draw", {"--deck", "--draw", "5"}, Messages::deckOrDraw());
    bad("a draw holds no jokers", {"--draw", "5", "--jokers"}, Messages::jokersNeedDeck());
    bad("a flag given twice", {"--deck", "--deck"}, Messages::givenTwice("--deck"));
    bad("--card-size names a size", png + QStringList{"--card-size", "tarot"}, Messages::cardSizeRefused("tarot"));
    bad("--card-size needs --save-to", {"--deck", "--card-size", "poker"}, Messages::needsSaveTo("card-size"));
    bad("--bleed is for PDF only: a picture has no cut", png + QStringList{"--bleed"}, Messages::forPdfOnly("bleed"));
    bad("--back is for PDF only", png + QStringList{"--back", "2"}, Messages::forPdfOnly("back"));
    bad("--back counts the 12 backs from 1", pdf + QStringList{"--back", "0"}, Messages::backRefused("0"));
    bad("file options without a draw or deck", {"--bleed"}, Messages::needsDraw("bleed"));
    ok("Qt's options beside --draw change nothing, even a platform that cannot start",
       {"--draw", "3", "--platform", "xcb", "-style", "fusion", "-reverse"}, Action::Draw, 3);
    ok("Qt's options alone are the window's", {"-platform", "offscreen", "--style", "fusion", "-geometry", "300x300"},
       Action::Window);
    ok("no option is the window", {}, Action::Window);
    ok("--help", {"--help"}, Action::Help);
    ok("-? is help too", {"-?"}, Action::Help);
    ok("--version", {"-v"}, Action::Version);
}

void TstCommandLineParse::parseRules()
{
    QFETCH(QStringList, args);
    QFETCH(QString, says);
    const CommandLine::Parsed parsed = CommandLine::parse(args);
    if (const auto *error = std::get_if<CommandLine::ParseError>(&parsed)) {
        QCOMPARE(error->message, says);
        QCOMPARE(error->exitCode, int(CommandLine::BadArguments));
        return;
    }
    QVERIFY2(says.isEmpty(), qPrintable(says));
    const auto &options = std::get<CommandLine::Options>(parsed);
    QTEST(options.action, "action");
    QTEST(int(options.count), "count");
    QTEST(options.format, "format");
    QTEST(options.width, "width");
    QTEST(options.layout, "layout");
}

// What --deck, --card-size, --bleed and --back make of the options.
void TstCommandLineParse::deckRules_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("jokers");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("bleed");
    QTest::addColumn<int>("back");
    QTest::addRow("--deck alone prints the deck; pictures keep their proportion")
        << QStringList{"--deck"} << false << int(CardSize::Picture) << false << -1;
    QTest::addRow("a PDF is poker cards unless told, backs counted from 1")
        << QStringList{"--deck", "--jokers", "--save-to", "/", "--format", "pdf", "--bleed", "--back", "12"} << true
        << int(CardSize::Poker) << true << 11;
    QTest::addRow("--card-size applies to every format, in any case")
        << QStringList{"--deck", "--save-to", "/", "--format", "svg", "--card-size", "Bridge"} << false
        << int(CardSize::Bridge) << false << -1;
}

void TstCommandLineParse::deckRules()
{
    QFETCH(QStringList, args);
    const CommandLine::Parsed parsed = CommandLine::parse(args);
    QVERIFY(std::holds_alternative<CommandLine::Options>(parsed));
    const auto &options = std::get<CommandLine::Options>(parsed);
    QVERIFY(options.deck);
    QCOMPARE(options.count, CardEntry::DeckSize);
    QTEST(options.jokers, "jokers");
    QTEST(int(options.size), "size");
    QTEST(options.bleed, "bleed");
    QTEST(options.back, "back");
}

QTEST_GUILESS_MAIN(TstCommandLineParse)
#include "tst_commandlineparse.moc"
