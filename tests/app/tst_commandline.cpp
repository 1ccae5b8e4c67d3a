// The command line as a script sees it: the built program run without a
// display, its output, its files and its exit status.
#include "cardface/CardImageSet.h"
#include "core/CardEntry.h"
#include "export/CardExport.h"
#include "tests/support/FormFixture.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestSettings.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

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
        if (!m.hasMatch() || m.captured(2) != CardEntry::cardName(m.captured(1).toInt()))
            return {-1};
        numbers << m.captured(1).toInt();
    }
    return numbers;
}

} // namespace

class TstCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSettings::redirectUserConfig(); }

    void runs_data();
    void runs();
    void qtOptionsAloneOpenTheWindow();
    void saveToWritesWhatSaveAllWrites_data();
    void saveToWritesWhatSaveAllWrites();
    void fullDiskExitsThreeWithNothingHalfWritten();
};

void TstCommandLine::runs_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<int>("cards"); // -1: no cards expected at all
    QTest::addColumn<QString>("says");
    const auto ok = [](const char *name, const QString &count, int cards) {
        QTest::addRow("%s", name) << QStringList{"--draw", count} << 0 << cards << QString();
    };
    const auto bad = [](const char *name, const QStringList &args, const QString &says) {
        QTest::addRow("%s", name) << args << 2 << 0 << says;
    };
    ok("one card", "1", 1);
    ok("the whole deck, each card once", "52", 52);
    ok("52.5 rounds to even, 52", "52.5", 52);
    ok("2.5 rounds to even, 2", "2.5", 2);
    ok("3.5 rounds to even, 4", "3.5", 4);
    ok("blanks around the number are fine", " 7 ", 7);
    bad("53 cards are more than a deck", {"--draw", "53"}, "1 to 52");
    bad("52.6 rounds to 53", {"--draw", "52.6"}, "1 to 52");
    bad("0.5 rounds to even, 0: nothing to draw", {"--draw=0.5"}, "1 to 52");
    bad("beyond 32 bits", {"--draw", "1e300"}, "1 to 52");
    bad("not a number", {"--draw", "five"}, "not \"five\"");
    bad("a number followed by letters", {"--draw", "12abc"}, "12abc");
    bad("unknown option", {"--draw", "5", "--colour"}, "colour");
    bad("unknown format", {"--draw", "5", "--format", "gif"}, "gif");
    bad("missing folder", {"--draw", "5", "--save-to", QDir::tempPath() + "/velmora-no-such-folder"}, "does not exist");
    bad("a file is no folder", {"--draw", "5", "--save-to", VELMORA_EXE}, "not a folder");
    bad("--save-to without --draw", {"--save-to", QDir::tempPath()}, "needs --draw");
    bad("a stray argument", {"--draw", "5", "extra"}, "extra");
    QTest::addRow("Qt's options beside --draw change nothing, even a platform that cannot start")
        << QStringList{"--draw", "3", "--platform", "xcb", "-style", "fusion", "-reverse"} << 0 << 3 << QString();
    QTest::addRow("--help lists the exit codes") << QStringList{"--help"} << 0 << -1 << "2 bad arguments, 3 a file";
    QTest::addRow("-? is help too") << QStringList{"-?"} << 0 << -1 << "2 bad arguments, 3 a file";
    QTest::addRow("--version") << QStringList{"--version"} << 0 << -1 << "velmora 1.";
}

void TstCommandLine::runs()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(int, cards);
    QFETCH(QString, says);
    QTemporaryDir config;
    const Run run = velmora(args, config.path());
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2((run.lines.join(u'\n') + run.error).contains(says), qPrintable(run.error));
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

void TstCommandLine::qtOptionsAloneOpenTheWindow() // as in any Qt program; the probe ends it once shown
{
    qputenv("VELMORA_EXIT_WHEN_SHOWN", "1");
    const Run run = velmora({"--platform", "offscreen", "--style", "fusion", "-geometry", "300x300+0+0", "-reverse"});
    qunsetenv("VELMORA_EXIT_WHEN_SHOWN");
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.lines.isEmpty() && !run.error.contains(QStringLiteral("velmora:")), qPrintable(run.error));
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
            QCOMPARE(CardExport::bitmapFace(QPixmap::fromImage(png)),
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
    CardExport::saveBitmap(CardImageSet::shared().face(0), base.filePath(QStringLiteral("whole.bmp")));
    QStringList whole;
    for (const QString &name : files)
        if (QFileInfo(folder + u'/' + name).size() == QFileInfo(base.filePath(QStringLiteral("whole.bmp"))).size())
            whole << name;

    QCOMPARE(run.exitCode, 3);
    QVERIFY2(run.error.startsWith(QStringLiteral("velmora: Cannot write ")) && run.error.count(u'\n') == 1,
             qPrintable(run.error));
    // Every printed card has its whole file, and nothing else is there.
    QCOMPARE(whole, files);
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
