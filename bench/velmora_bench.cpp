// make bench: Velmora against the floor of each thing it does, side by side in
// one run. Every measure checks its result before its time counts.
#include "bench/BenchStats.h"
#include "core/Messages.h"
#include "render/CardRenderer.h"
#include "draw/CardDraw.h"
#include "save/CardExport.h"
#include "pictures/CardImageSet.h"
#include "app/Form1.h"
#include "core/Platform.h"
#include "core/RandomSource.h"
#include "core/SettingsStore.h"
#include "ui_Form1.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QImageReader>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTime>

#include <functional>
#include <numeric>
#include <sched.h>
#include <random>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

constexpr int rounds = 11;
// A process start moves by a few milliseconds from one run to the next, a
// tenth of what is measured; each round costs under 0.1 s, so start-up takes
// more of them for a median that holds from one run of the table to the next.
constexpr int startUpRounds = 41;
constexpr int cards = 52;

[[noreturn]] void fail(const QString &why)
{
    std::fprintf(stderr, "velmora_bench: %s\n", qPrintable(why));
    std::exit(1);
}

// The real desktop except that a message is recorded instead of shown, so the
// closing "Done." of a save cannot block; the yield is the real event loop turn.
class BenchPlatform final : public Platform
{
public:
    void message(const QString &text, const QString &, Icon) override { messages.append(text); }
    bool messageWithOption(const QString &text, const QString &, Icon, const QString &) override
    {
        messages.append(text);
        return false;
    }
    bool question(const QString &, const QString &) override { return false; }
    QString browseFolder(QWidget *, const QString &, const QString &) override { return {}; }
    bool openUrl(const QUrl &) override { return true; }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &, QString *) override
    {
        return {};
    }
    bool print(QWidget *, const QString &, const QString &, const PrintPaint &) override { return false; }
    float secondsSinceMidnight() override
    {
        return float(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
    }
    void yield() override { QCoreApplication::processEvents(); }
    QStringList messages;
};

// One child started with VELMORA_EXIT_WHEN_SHOWN=1: the time from just before
// the spawn until the child saw its window exposed, and its memory then.
struct Shown {
    double ms = 0;
    double rssMb = 0;
    double hwmMb = 0;
};

QByteArray runChild(const char *exe, const QList<QByteArray> &args, long long *spawnedAt)
{
    int out[2];
    if (pipe(out) != 0)
        fail("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<char *> argv{const_cast<char *>(exe)};
    for (const QByteArray &a : args)
        argv.push_back(const_cast<char *>(a.constData()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    *spawnedAt = std::chrono::steady_clock::now().time_since_epoch().count();
    if (posix_spawn(&pid, exe, &actions, nullptr, argv.data(), environ) != 0)
        fail(QStringLiteral("cannot start %1").arg(QLatin1String(exe)));
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    QByteArray text;
    char buffer[4096];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, n);
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        fail(QStringLiteral("%1 did not end cleanly: %2").arg(QLatin1String(exe), QString::fromLocal8Bit(text)));
    return text;
}

QList<QByteArray> lineWith(const QByteArray &text, const QByteArray &key)
{
    const qsizetype at = text.indexOf(key);
    if (at < 0)
        fail(QStringLiteral("no %1 in: %2").arg(QLatin1String(key), QString::fromLocal8Bit(text)));
    return text.mid(at).split('\n').first().simplified().split(' ');
}

Shown startUp(const char *exe)
{
    long long spawnedAt = 0;
    const QList<QByteArray> w = lineWith(runChild(exe, {}, &spawnedAt), "shown_ns");
    // shown_ns <ns> VmRSS: <kB> kB VmHWM: <kB> kB
    if (w.size() < 8)
        fail("short probe line");
    return {double(w[1].toLongLong() - spawnedAt) / 1e6, w[3].toDouble() / 1024, w[6].toDouble() / 1024};
}

// The picture set in a fresh process: {what start-up waits for, the decoding
// itself}. See loadPicturesOnce.
std::pair<double, double> pictureLoadMs(const char *self)
{
    long long spawnedAt = 0;
    const QByteArray text = runChild(self, {"--load-pictures"}, &spawnedAt);
    return {lineWith(text, "wait_ns")[1].toDouble() / 1e6, lineWith(text, "decode_ns")[1].toDouble() / 1e6};
}

// Child mode, twice in one fresh process. First as the program starts: the
// set is preloaded before the application object, the window's controls are
// built, and then the first shared() takes the pictures, waiting for the
// decoding if it is not done: that wait is what start-up pays. Then the whole
// decoding on this thread, image plugins included, as a fresh set.
int loadPicturesOnce(int argc, char **argv)
{
    CardImageSet::preload();
    QApplication app(argc, argv);
    QWidget window;
    Ui::Form1 ui;
    ui.setupUi(&window);
    auto start = std::chrono::steady_clock::now();
    const CardImageSet &shared = CardImageSet::shared();
    const auto waitNs = (std::chrono::steady_clock::now() - start).count();
    start = std::chrono::steady_clock::now();
    CardImageSet set;
    const auto decodeNs = (std::chrono::steady_clock::now() - start).count();
    if (set.face(51).size() != QSize(71, 96) || shared.face(51).toImage() != set.face(51).toImage())
        fail("the picture set did not load");
    std::fprintf(stderr, "wait_ns %lld\ndecode_ns %lld\n", (long long)waitNs, (long long)decodeNs);
    std::fflush(stderr);
    std::_Exit(0);
}

// Child mode: the program's own start-up, stage by stage, to show where the
// time goes (stderr, not part of the table).
int startUpStages(int argc, char **argv)
{
    std::vector<std::pair<const char *, double>> stages;
    double last = nowMs();
    const auto mark = [&](const char *name) {
        const double t = nowMs();
        stages.push_back({name, t - last});
        last = t;
    };
    QApplication app(argc, argv);
    mark("QApplication");
    BenchPlatform platform;
    Platform::install(&platform);
    SettingsStore store;
    mark("settings store");
    RandomSource random;
    Form1 form(store, random);
    mark("Form1 constructor (controls, Deck1 and its pictures, subsystems)");
    form.Form_Load();
    mark("Form_Load");
    form.show();
    mark("show()");
    if (!QTest::qWaitForWindowExposed(&form))
        fail("not exposed");
    mark("until exposed");
    for (const auto &[name, ms] : stages)
        std::printf("  %-70s %7.2f ms\n", name, ms);
    std::fflush(stdout);
    std::_Exit(0);
}

// One program run to its end without a display; its time from start to exit.
double runToEnd(const QString &exe, const QStringList &args)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    p.setProcessEnvironment(env);
    QElapsedTimer timer;
    timer.start();
    p.start(exe, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        fail(QStringLiteral("%1 %2 failed: %3").arg(exe, args.join(u' '), QString::fromLocal8Bit(p.readAllStandardError())));
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    if (p.readAllStandardOutput().count('\n') != cards)
        fail(QStringLiteral("%1 did not report %2 cards").arg(exe).arg(cards));
    return ms;
}

void checkDrawnDeck(const QListWidget *list)
{
    QSet<QString> seen;
    for (int i = 0; i < list->count(); ++i)
        seen.insert(list->item(i)->text());
    if (list->count() != cards || seen.size() != cards)
        fail(QStringLiteral("the draw listed %1 entries, %2 distinct").arg(list->count()).arg(seen.size()));
    for (int n = 1; n <= cards; ++n)
        if (!seen.contains(QStringLiteral("Card %1").arg(n)))
            fail(QStringLiteral("the draw missed Card %1").arg(n));
}

void checkBitmaps(const QString &folder, const QListWidget *list)
{
    for (int i = 0; i < list->count(); ++i) {
        const QString path = folder + QLatin1Char('/') + list->item(i)->text() + QStringLiteral(".bmp");
        QImageReader reader(path);
        if (reader.format() != "bmp" || reader.size() != QSize(71, 96) || reader.read().isNull())
            fail(QStringLiteral("%1 is not a 71x96 bitmap").arg(path));
    }
}

struct Row {
    QString measure, unit, goal;
    Paired samples;
    double goalRatio = 0; // 0: no goal
    bool percent = false;
};

void printTable(const QList<Row> &table)
{
    std::printf("| Measure | Velmora (median) | Floor (median) | Ratio (median) | Ratio spread (min-max) | Goal | Met |\n");
    std::printf("|---|---|---|---|---|---|---|\n");
    for (const Row &row : table) {
        const std::vector<double> r = row.samples.ratios();
        const double m = median(r);
        const auto ratio = [&](double v) {
            return row.percent ? QStringLiteral("%1 %").arg(v * 100, 0, 'f', 1)
                               : QStringLiteral("%1x").arg(v, 0, 'f', 2);
        };
        const QString met = row.goalRatio == 0 ? QStringLiteral("-")
                                               : (m <= row.goalRatio ? QStringLiteral("yes") : QStringLiteral("**no**"));
        std::printf("| %s | %.3f %s | %.3f %s | %s | %s - %s | %s | %s |\n", qPrintable(row.measure),
                    median(row.samples.subject), qPrintable(row.unit), median(row.samples.floor),
                    qPrintable(row.unit), qPrintable(ratio(m)), qPrintable(ratio(minOf(r))),
                    qPrintable(ratio(maxOf(r))), qPrintable(row.goal), qPrintable(met));
    }
}

QString cpuModel()
{
    QFile info(QStringLiteral("/proc/cpuinfo"));
    info.open(QIODevice::ReadOnly);
    for (const QByteArray &line : info.readAll().split('\n'))
        if (line.startsWith("model name"))
            return QString::fromLatin1(line.mid(line.indexOf(':') + 1).trimmed());
    return QStringLiteral("unknown");
}

QString loadAverage()
{
    QFile f(QStringLiteral("/proc/loadavg"));
    f.open(QIODevice::ReadOnly);
    return QString::fromLatin1(f.readAll().split(' ').mid(0, 3).join(' '));
}

double secondsOf(const std::function<void()> &work)
{
    QElapsedTimer clock;
    clock.start();
    work();
    return clock.nsecsElapsed() / 1e9;
}

// The whole deck as PNGs through the command line, on one core (taskset -c 0)
// or on all; the files are checked before the time counts.
double deckSeconds(int width, bool oneCore)
{
    QTemporaryDir out;
    QStringList args{"--deck", "--save-to", out.path(), "--format", "png", "--size", QString::number(width)};
    QString program = QString::fromUtf8(VELMORA_EXE);
    if (oneCore) {
        args.prepend(program);
        args.prepend(QStringLiteral("0"));
        args.prepend(QStringLiteral("-c"));
        program = QStringLiteral("taskset");
    }
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    const double seconds = secondsOf([&] {
        p.start(program, args);
        if (!p.waitForFinished(600000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
            fail(QStringLiteral("the deck export failed: %1").arg(QString::fromLocal8Bit(p.readAllStandardError())));
    });
    const QStringList files = QDir(out.path()).entryList({"*.png"}, QDir::Files);
    if (files.size() != cards || QImageReader(out.filePath(files.first())).size().width() != width)
        fail("the deck export did not write 52 PNGs of that width");
    return seconds;
}

// The parallel rows: all cores against one at 1024 px; with big, the 4096 px
// deck on one core against its floor, encoding the same 52 images already
// drawn (drawn here one at a time, untimed, on the same one core).
void deckRows(QList<Row> &table, bool big)
{
    Row parallel{"--deck --format png --size 1024: all cores vs one core (taskset -c 0)", "s", "<= 0.645x (1.55x faster)",
                 {}, 1 / 1.55};
    deckSeconds(1024, false); // warm the page cache
    for (int i = 0; i < rounds; ++i) {
        double all = 0, one = 0;
        if (i % 2 == 0)
            all = deckSeconds(1024, false), one = deckSeconds(1024, true);
        else
            one = deckSeconds(1024, true), all = deckSeconds(1024, false);
        parallel.samples.add(all, one);
    }
    table << parallel;
    if (!big)
        return;
    cpu_set_t first;
    CPU_ZERO(&first);
    CPU_SET(0, &first);
    cpu_set_t before;
    sched_getaffinity(0, sizeof(before), &before);
    const auto encodeFloor = [&](int quality, qint64 *bytes) {
        sched_setaffinity(0, sizeof(first), &first);
        double seconds = 0;
        for (int i = 0; i < cards; ++i) {
            QImage image = CardRenderer::image(CardArt::face(i), 4096, CardSize::Picture);
            QByteArray encoded;
            QBuffer buffer(&encoded);
            buffer.open(QIODevice::WriteOnly);
            seconds += secondsOf([&] {
                if (!image.save(&buffer, "PNG", quality))
                    fail("the floor could not encode");
            });
            *bytes += encoded.size();
        }
        sched_setaffinity(0, sizeof(before), &before);
        return seconds;
    };
    constexpr int bigRounds = 3;
    Row oneCore{"--deck --format png --size 4096 on one core vs encoding the same 52 images alone", "s", "<= 1.3x",
                {}, 1.3};
    Row allCores{"--deck --format png --size 4096 on all cores vs the same encoding floor (one core)", "s", "-", {}};
    qint64 defaultBytes = 0, fastBytes = 0;
    double fastSeconds = 0;
    for (int i = 0; i < bigRounds; ++i) {
        double one = 0, all = 0, alone = 0;
        defaultBytes = 0;
        if (i % 2 == 0)
            one = deckSeconds(4096, true), all = deckSeconds(4096, false), alone = encodeFloor(-1, &defaultBytes);
        else
            alone = encodeFloor(-1, &defaultBytes), all = deckSeconds(4096, false), one = deckSeconds(4096, true);
        oneCore.samples.add(one, alone);
        allCores.samples.add(all, alone);
    }
    fastSeconds = encodeFloor(80, &fastBytes); // Qt maps quality 80 to deflate level 1
    table << oneCore << allCores;
    std::printf("PNG compression at 4096 px, 52 faces, one core: default level %.1f MB, %.1f s to encode; "
                "deflate level 1 (quality 80) %.1f MB, %.1f s\n\n",
                defaultBytes / 1e6, median(oneCore.samples.floor), fastBytes / 1e6, fastSeconds);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    // Neither the children nor this process may touch the user's settings.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    if (argc > 1 && qstrcmp(argv[1], "--load-pictures") == 0)
        return loadPicturesOnce(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--start-up-stages") == 0)
        return startUpStages(argc, argv);

    // The save rows alone (after one draw), for a quick look at the save layer
    // where building and timing everything else would take too long.
    const bool saveRowsOnly = argc > 1 && qstrcmp(argv[1], "--save-rows") == 0;
    QApplication app(argc, argv);
    // The deck rows alone, with the 4096 px deck (minutes on one core).
    if (argc > 1 && qstrcmp(argv[1], "--deck-rows") == 0) {
        std::printf("Machine: %ld cores (nproc), %s, load average %s\n\n", sysconf(_SC_NPROCESSORS_ONLN),
                    qPrintable(cpuModel()), qPrintable(loadAverage()));
        QList<Row> table;
        deckRows(table, true);
        printTable(table);
        std::printf("\nLoad average after: %s\n", qPrintable(loadAverage()));
        return 0;
    }
    std::printf("Machine: %ld cores (nproc), %s, Qt %s (built against %s), load average %s\n",
                sysconf(_SC_NPROCESSORS_ONLN), qPrintable(cpuModel()), qVersion(), QT_VERSION_STR,
                qPrintable(loadAverage()));
    std::printf("Each row: %d rounds (start-up and memory: %d), the two sides alternating within a round; ratios "
                "per round.\n\n",
                rounds, startUpRounds);
    std::fflush(stdout);

    QList<Row> table;
    Row startRow{"Start-up to the first shown window", "ms", "<= 1.1x", {}, 1.1};
    Row rssRow{"Resident memory (VmRSS) when shown", "MB", "<= 1.15x", {}, 1.15};
    Row hwmRow{"Peak resident memory (VmHWM) when shown", "MB", "<= 1.15x", {}, 1.15};
    Row pictureRow{"Picture set loading that start-up waits for, share of start-up", "ms", "<= 5 %", {}, 0.05, true};
    Row decodeRow{"Picture set decoding (on its own thread), share of start-up", "ms", "-", {}, 0, true};

    // Start-up and memory: the program and the bare window as child processes.
    if (!saveRowsOnly) {
        qputenv("VELMORA_EXIT_WHEN_SHOWN", "1");
        startUp(VELMORA_EXE); // warm the page cache for both
        startUp(BARE_WINDOW_EXE);
        pictureLoadMs(argv[0]);
        for (int i = 0; i < startUpRounds; ++i) {
            const bool velmoraFirst = i % 2 == 0;
            const Shown bare1 = velmoraFirst ? Shown{} : startUp(BARE_WINDOW_EXE);
            const Shown real = startUp(VELMORA_EXE);
            const Shown bare = velmoraFirst ? startUp(BARE_WINDOW_EXE) : bare1;
            const auto [wait, decode] = pictureLoadMs(argv[0]);
            startRow.samples.add(real.ms, bare.ms);
            rssRow.samples.add(real.rssMb, bare.rssMb);
            hwmRow.samples.add(real.hwmMb, bare.hwmMb);
            pictureRow.samples.add(wait, real.ms);
            decodeRow.samples.add(decode, real.ms);
        }
        qunsetenv("VELMORA_EXIT_WHEN_SHOWN");
        table << startRow << rssRow << hwmRow << pictureRow << decodeRow;
        // --start-up: these rows alone, for comparing builds of the start-up in
        // alternating runs (a few seconds each instead of the whole table).
        if (argc > 1 && qstrcmp(argv[1], "--start-up") == 0) {
            printTable(table);
            return 0;
        }

        // The command line end to end: start, draw 52, write 52 bitmaps, exit;
        // against a minimal Qt program writing the same 52 files.
        {
            QTemporaryDir cliOut, bareOut;
            const QString exe = QString::fromUtf8(VELMORA_EXE), bareExe = QString::fromUtf8(BARE_WRITES_EXE);
            const QStringList cliArgs{"--draw", "52", "--save-to", cliOut.path()};
            runToEnd(exe, cliArgs); // warm the page cache, and the files the floor copies
            runToEnd(bareExe, {cliOut.path(), bareOut.path()});
            Row cliRow{"Command line --draw 52 --save-to vs minimal Qt program writing the same 52 files", "ms",
                       "<= 1.3x", {}, 1.3};
            Row cliSyncRow{"Command line --draw 52 --save-to vs the same, each file flushed (fdatasync)", "ms", "-", {}};
            for (int i = 0; i < rounds; ++i) {
                const bool cliFirst = i % 2 == 0;
                const double b1 = cliFirst ? 0 : runToEnd(bareExe, {cliOut.path(), bareOut.path()});
                const double y1 = cliFirst ? 0 : runToEnd(bareExe, {cliOut.path(), bareOut.path(), "--sync"});
                const double r = runToEnd(exe, cliArgs);
                const double b = cliFirst ? runToEnd(bareExe, {cliOut.path(), bareOut.path()}) : b1;
                const double y = cliFirst ? runToEnd(bareExe, {cliOut.path(), bareOut.path(), "--sync"}) : y1;
                cliRow.samples.add(r, b);
                cliSyncRow.samples.add(r, y);
            }
            table << cliRow << cliSyncRow;
        }
    }

    // In-process: the real window on the real event loop, and beside it the
    // bare window for the floors that need widgets.
    BenchPlatform platform;
    Platform::install(&platform);
    SettingsStore store;
    RandomSource random;
    Form1 form(store, random);
    form.Form_Load();
    form.show();
    QWidget bareWindow;
    Ui::Form1 bare;
    bare.setupUi(&bareWindow);
    bareWindow.show();
    if (!QTest::qWaitForWindowExposed(&form) || !QTest::qWaitForWindowExposed(&bareWindow))
        fail("the windows were not exposed");
    Ui::Form1 &ui = form.controls();
    ui.Text1->setText(QStringLiteral("52"));

    std::mt19937 engine(std::random_device{}());
    std::vector<int> deck(cards);
    const auto shuffleDraw = [&] {
        std::iota(deck.begin(), deck.end(), 1);
        std::shuffle(deck.begin(), deck.end(), engine);
        for (int i = 0; i < cards; ++i)
            QCoreApplication::processEvents();
        if (std::accumulate(deck.begin(), deck.end(), 0) != cards * (cards + 1) / 2)
            fail("the shuffle lost a card");
    };
    // What any visible draw has to do: the same list entries and progress
    // values on the same widgets, one event loop turn per card.
    const auto bareDraw = [&] {
        std::iota(deck.begin(), deck.end(), 1);
        std::shuffle(deck.begin(), deck.end(), engine);
        bare.List1->clear();
        for (int i = 0; i < cards; ++i) {
            bare.ProgressBar1->setValue((i + 1) * 100 / cards);
            QCoreApplication::processEvents();
            bare.List1->addItem(QStringLiteral("Card %1").arg(deck[i]));
        }
        bare.List1->setCurrentRow(0);
        bare.ProgressBar1->setValue(0);
        checkDrawnDeck(bare.List1);
    };
    const auto realDraw = [&] {
        form.draw().PushButton2_Click();
        checkDrawnDeck(ui.List1);
        if (!platform.messages.isEmpty())
            fail(QStringLiteral("the draw reported: %1").arg(platform.messages.join(" | ")));
    };
    const auto timed = [](const auto &f) {
        const double start = nowMs();
        f();
        return nowMs() - start;
    };

    // Shuffle + 52 yields is information only: those yields have nothing to
    // paint. The goal is on the floor that makes the same visible updates.
    Row drawRow{"Draw of 52 cards vs shuffle + 52 yields", "ms", "-", {}};
    Row drawUiRow{"Draw of 52 cards vs same list/progress updates on bare widgets", "ms", "<= 1.2x", {}, 1.2};
    realDraw(), shuffleDraw(), bareDraw();
    for (int i = 0; i < (saveRowsOnly ? 0 : rounds); ++i) {
        double r = 0, s = 0, b = 0;
        if (i % 2 == 0) {
            r = timed(realDraw), s = timed(shuffleDraw), b = timed(bareDraw);
        } else {
            b = timed(bareDraw), s = timed(shuffleDraw), r = timed(realDraw);
        }
        drawRow.samples.add(r, s);
        drawUiRow.samples.add(r, b);
    }
    if (!saveRowsOnly)
        table << drawRow << drawUiRow;

    // Save-all of the 52 listed cards against writing the same bytes plainly.
    QTemporaryDir saved, plain, atomic;
    ui.Text2->setText(QDir::toNativeSeparators(saved.path()) + QDir::separator());
    const auto realSave = [&] {
        platform.messages.clear();
        form.exporter().PushButton1_Click();
        if (platform.messages != QStringList{Messages::done()})
            fail(QStringLiteral("save-all said: %1").arg(platform.messages.join(" | ")));
    };
    realSave();
    checkBitmaps(saved.path(), ui.List1);
    QList<QPair<QString, QByteArray>> files;
    for (int i = 0; i < ui.List1->count(); ++i) {
        QFile f(saved.path() + QLatin1Char('/') + ui.List1->item(i)->text() + QStringLiteral(".bmp"));
        f.open(QIODevice::ReadOnly);
        files.append({plain.path() + QLatin1Char('/') + ui.List1->item(i)->text() + QStringLiteral(".bmp"),
                      f.readAll()});
    }
    const auto plainSave = [&] {
        for (const auto &[path, bytes] : files) {
            QFile f(path);
            if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
                fail(QStringLiteral("cannot write %1").arg(path));
        }
    };
    // The same plain writes, each flushed to the disk before the next, as an
    // atomic replace must do before it may rename over an earlier file.
    const auto syncedSave = [&] {
        for (const auto &[path, bytes] : files) {
            QFile f(path);
            if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()
                || !f.flush() || fdatasync(f.handle()) != 0)
                fail(QStringLiteral("cannot write %1").arg(path));
        }
    };
    // The shortest sequence that replaces the same files so that each name
    // holds its old or its new whole content at every moment, power loss
    // included, in plain POSIX calls: each file written anew beside its name,
    // one flush of the whole file system, the renames, one flush of the folder.
    // What the save-all costs beyond it is its own; beyond the plain writes,
    // what the disk asks for such a replace.
    const auto atomicSave = [&] {
        const int folder = ::open(QFile::encodeName(atomic.path()).constData(), O_RDONLY | O_DIRECTORY);
        if (folder < 0)
            fail("cannot open the atomic floor's folder");
        for (const auto &[path, bytes] : files) {
            const QByteArray twin = '.' + QFile::encodeName(QFileInfo(path).fileName()) + ".new";
            const int fd = ::openat(folder, twin.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd < 0 || ::write(fd, bytes.constData(), size_t(bytes.size())) != bytes.size() || ::close(fd) != 0)
                fail("cannot write the atomic floor's file");
        }
        if (::syncfs(folder) != 0)
            fail("cannot flush the atomic floor");
        for (const auto &[path, bytes] : files) {
            const QByteArray name = QFile::encodeName(QFileInfo(path).fileName());
            if (::renameat(folder, ('.' + name + ".new").constData(), folder, name.constData()) != 0)
                fail("cannot rename the atomic floor's file");
        }
        if (::fsync(folder) != 0 || ::close(folder) != 0)
            fail("cannot flush the atomic floor's folder");
    };
    atomicSave();
    Row saveRow{"Save-all of 52 cards vs plain writes of the same bytes", "ms", "<= 1.3x", {}, 1.3};
    Row saveSyncRow{"Save-all of 52 cards vs plain writes, each followed by fdatasync", "ms", "-", {}};
    Row saveAtomicRow{"Save-all of 52 cards vs the shortest atomic, durable replace (new files, one flush, renames, "
                      "one folder flush)",
                      "ms", "-", {}};
    for (int i = 0; i < rounds; ++i) {
        double r = 0, p = 0, y = 0, a = 0;
        if (i % 2 == 0)
            r = timed(realSave), p = timed(plainSave), y = timed(syncedSave), a = timed(atomicSave);
        else
            a = timed(atomicSave), y = timed(syncedSave), p = timed(plainSave), r = timed(realSave);
        checkBitmaps(saved.path(), ui.List1);
        saveRow.samples.add(r, p);
        saveSyncRow.samples.add(r, y);
        saveAtomicRow.samples.add(r, a);
    }
    table << saveRow << saveSyncRow << saveAtomicRow;

    // Selection: every entry once, until the preview holds that very face.
    for (int i = 0; i < cards; ++i)
        bare.List1->item(i)->setText(ui.List1->item(i)->text());
    const auto faceOf = [&](const QListWidget *list, int row) {
        return CardImageSet::shared().face(list->item(row)->text().section(u' ', 1, 1).toInt() - 1);
    };
    const auto realSelect = [&] {
        for (int row = 0; row < cards; ++row) {
            ui.List1->setCurrentRow((row + 1) % cards);
            if (ui.Image1->pixmap().cacheKey() != faceOf(ui.List1, (row + 1) % cards).cacheKey())
                fail(QStringLiteral("the preview does not hold the face of row %1").arg(row));
        }
    };
    const auto bareSelect = [&] {
        for (int row = 0; row < cards; ++row) {
            bare.List1->setCurrentRow((row + 1) % cards);
            bare.Image1->setPixmap(faceOf(bare.List1, (row + 1) % cards));
            if (bare.Image1->pixmap().cacheKey() != faceOf(bare.List1, (row + 1) % cards).cacheKey())
                fail("the bare preview lost its face");
        }
    };
    Row selectRow{"Selection change until the preview holds the face (per change)", "us", "-", {}};
    realSelect(), bareSelect();
    for (int i = 0; i < (saveRowsOnly ? 0 : rounds); ++i) {
        double r = 0, b = 0;
        if (i % 2 == 0)
            r = timed(realSelect), b = timed(bareSelect);
        else
            b = timed(bareSelect), r = timed(realSelect);
        selectRow.samples.add(r * 1000 / cards, b * 1000 / cards);
    }
    if (!saveRowsOnly)
        table << selectRow;

    // The build, timed by bench/build-time.sh before this program ran (make
    // bench passes its rounds on): a newcomer's make program against the
    // one-file Qt Widgets program.
    const QByteArray builds = qgetenv("VELMORA_BUILD_TIMES");
    if (!builds.isEmpty()) {
        Row buildRow{"First build (make program on a fresh copy) vs a one-file Qt Widgets program", "s", "<= 4x", {}, 4.0};
        for (const QByteArray &round : builds.trimmed().split('\n')) {
            const QList<QByteArray> pair = round.simplified().split(' ');
            if (pair.size() != 2 || pair[0].toDouble() <= 0 || pair[1].toDouble() <= 0)
                fail(QStringLiteral("VELMORA_BUILD_TIMES has a bad round: %1").arg(QString::fromUtf8(round)));
            buildRow.samples.add(pair[0].toDouble(), pair[1].toDouble());
        }
        table.prepend(buildRow);
    }

    if (!saveRowsOnly)
        deckRows(table, false);
    printTable(table);
    return 0;
}
