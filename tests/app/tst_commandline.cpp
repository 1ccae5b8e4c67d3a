// The command line as a script sees it: the built program run without a
// display, its output, its files and its exit status.
#include "core/CardEntry.h"
#include "export/CardExport.h"
#include "tests/support/FormFixture.h"
#include "tests/support/TestSettings.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int exitCode = -1;
    QStringList lines; // stdout
    QString error;     // stderr
};

Run velmora(const QStringList &args, const QString &configHome = QString())
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    if (!configHome.isEmpty())
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VELMORA_EXE), args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return {};
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    return {p.exitCode(), out.split(u'\n', Qt::SkipEmptyParts), QString::fromUtf8(p.readAllStandardError())};
}

// Each line "Card N<TAB>name"; the card numbers in printed order.
QList<int> cardsOf(const Run &run)
{
    static const QRegularExpression line(QStringLiteral("^Card ([1-9][0-9]?)\t(.+)$"));
    QList<int> numbers;
    for (const QString &l : run.lines) {
        const auto m = line.match(l);
        if (!m.hasMatch() || m.captured(2) != CardEntry::cardName(m.captured(1).toInt()))
            return {-1};
        numbers << m.captured(1).toInt();
    }
    return numbers;
}

QByteArray bytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TstCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSettings::redirectUserConfig(); }

    void drawPrintsDistinctNamedCards_data();
    void drawPrintsDistinctNamedCards();
    void badArgumentsExitTwo_data();
    void badArgumentsExitTwo();
    void helpAndVersion();
    void saveToWritesWhatSaveAllWrites_data();
    void saveToWritesWhatSaveAllWrites();
    void fullDiskExitsThreeWithNothingHalfWritten();
};

void TstCommandLine::drawPrintsDistinctNamedCards_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("cards");
    QTest::addRow("one card") << "1" << 1;
    QTest::addRow("five cards") << "5" << 5;
    QTest::addRow("the whole deck") << "52" << 52;
    QTest::addRow("52.5 rounds to even, 52") << "52.5" << 52;
    QTest::addRow("2.5 rounds to even, 2") << "2.5" << 2;
    QTest::addRow("3.5 rounds to even, 4") << "3.5" << 4;
    QTest::addRow("blanks around the number are fine") << " 7 " << 7;
}

void TstCommandLine::drawPrintsDistinctNamedCards()
{
    QFETCH(QString, count);
    QFETCH(int, cards);
    QTemporaryDir config;
    const Run run = velmora({"--draw", count}, config.path());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.error, QString());
    const QList<int> numbers = cardsOf(run);
    QCOMPARE(numbers.size(), cards);
    QCOMPARE(QSet<int>(numbers.begin(), numbers.end()).size(), cards);
    QVERIFY(!numbers.contains(-1));
    // The stored settings are the window's; a script never changes them.
    QCOMPARE(QDir(config.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

void TstCommandLine::badArgumentsExitTwo_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("says");
    const QString missing = QDir::tempPath() + QStringLiteral("/velmora-no-such-folder");
    QTest::addRow("53 cards are more than a deck") << QStringList{"--draw", "53"} << "1 to 52";
    QTest::addRow("52.6 rounds to 53") << QStringList{"--draw", "52.6"} << "1 to 52";
    QTest::addRow("0 cards is nothing to draw") << QStringList{"--draw", "0"} << "1 to 52";
    QTest::addRow("0.5 rounds to even, 0") << QStringList{"--draw", "0.5"} << "1 to 52";
    QTest::addRow("negative count") << QStringList{"--draw=-3"} << "1 to 52";
    QTest::addRow("beyond 32 bits") << QStringList{"--draw", "1e300"} << "1 to 52";
    QTest::addRow("not a number") << QStringList{"--draw", "five"} << "not \"five\"";
    QTest::addRow("a number followed by letters") << QStringList{"--draw", "12abc"} << "12abc";
    QTest::addRow("count missing") << QStringList{"--draw"} << "draw";
    QTest::addRow("unknown option") << QStringList{"--draw", "5", "--colour"} << "colour";
    QTest::addRow("unknown format") << QStringList{"--draw", "5", "--format", "gif"} << "gif";
    QTest::addRow("missing folder") << QStringList{"--draw", "5", "--save-to", missing} << "does not exist";
    QTest::addRow("a file is no folder") << QStringList{"--draw", "5", "--save-to", QString::fromUtf8(VELMORA_EXE)}
                                         << "not a folder";
    QTest::addRow("--save-to without --draw") << QStringList{"--save-to", QDir::tempPath()} << "needs --draw";
    QTest::addRow("a stray argument") << QStringList{"--draw", "5", "extra"} << "extra";
}

void TstCommandLine::badArgumentsExitTwo()
{
    QFETCH(QStringList, args);
    QFETCH(QString, says);
    const Run run = velmora(args);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.lines, QStringList());
    QVERIFY2(run.error.startsWith(QStringLiteral("velmora: ")) && run.error.count(u'\n') == 1
                 && run.error.contains(says),
             qPrintable(run.error));
}

void TstCommandLine::helpAndVersion()
{
    const Run help = velmora({"--help"});
    QCOMPARE(help.exitCode, 0);
    for (const char *text : {"--draw <count>", "--save-to <folder>", "--format <bmp|png>", "2 bad arguments",
                             "3 a file could not be written"})
        QVERIFY2(help.lines.join(u'\n').contains(QLatin1String(text)), text);
    const Run version = velmora({"--version"});
    QCOMPARE(version.exitCode, 0);
    QVERIFY(version.lines.value(0).startsWith(QStringLiteral("velmora ")));
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
        const QByteArray written = bytes(cli.filePath(name));
        QVERIFY2(!written.isEmpty(), qPrintable(name));
        if (suffix == QLatin1String(".bmp")) {
            QCOMPARE(written, bytes(window.filePath(name)));
        } else {
            const QImage png = QImage::fromData(written, "PNG");
            QCOMPARE(qAlpha(png.pixel(0, 0)), 0);
            const QImage bmp(window.filePath(CardEntry::text(n) + QStringLiteral(".bmp")));
            QCOMPARE(png.pixel(35, 48), bmp.pixel(35, 48));
        }
    }
}

void TstCommandLine::fullDiskExitsThreeWithNothingHalfWritten()
{
    QTemporaryDir base;
    const QString folder = base.filePath(QStringLiteral("full"));
    QDir().mkpath(folder);
    if (QProcess::execute(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=64k", "tmpfs", folder}) != 0)
        QSKIP("cannot mount a small tmpfs here (needs root and mount permission)");
    const Run run = velmora({"--draw", "52", "--save-to", folder});
    const QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    QProcess::execute(QStringLiteral("umount"), {folder});

    QCOMPARE(run.exitCode, 3);
    QVERIFY2(run.error.startsWith(QStringLiteral("velmora: Cannot write ")) && run.error.count(u'\n') == 1,
             qPrintable(run.error));
    // Every printed card has its complete file, and nothing else is there.
    QVERIFY(!run.lines.isEmpty() && run.lines.size() < 52);
    QStringList printed;
    for (int n : cardsOf(run))
        printed << CardEntry::text(n) + QStringLiteral(".bmp");
    printed.sort();
    QStringList sorted = files;
    sorted.sort();
    QCOMPARE(sorted, printed);
}

QTEST_MAIN(TstCommandLine)
#include "tst_commandline.moc"
