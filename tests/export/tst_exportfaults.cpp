// Saves against hostile folders: a disk that fills up, a folder that
// disappears half-way, card names taken by links and FIFOs, a folder that
// takes no new file; what is on disk afterwards, what the user is told, and
// that nothing outside the folder is touched.
#include "export/CardPaths.h"
#include "core/Messages.h"
#include "save/CardExport.h"
#include "pictures/CardImageSet.h"
#include "cardface/Deck.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/FormFixture.h"
#include "tests/support/PosixFiles.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestSettings.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <filesystem>
#include <optional>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#endif
#ifdef Q_OS_UNIX
#include <grp.h>
#include <pwd.h>
#include <sys/file.h>
#endif


namespace {

const QString reportTitle = Messages::applicationError();

// Opaque pixels are the face's own, transparent ones white: the whole file,
// not just its header, made it to the disk.
bool holdsFace(const QString &path, int cardIndex, QString *why)
{
    const QImage saved(path, "BMP");
    if (saved.isNull() || saved.size() != QSize(71, 96)) {
        *why = QStringLiteral("%1 is not a complete 71x96 bitmap").arg(path);
        return false;
    }
    const QImage face = CardImageSet::shared().face(cardIndex).toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x) {
            const QRgb f = face.pixel(x, y);
            const QRgb s = saved.pixel(x, y) | 0xff000000u;
            if ((qAlpha(f) == 255 && s != f) || (qAlpha(f) == 0 && s != 0xffffffffu)) {
                *why = QStringLiteral("%1 differs from face %2 at %3,%4").arg(path).arg(cardIndex).arg(x).arg(y);
                return false;
            }
        }
    }
    return true;
}

QList<FakePlatform::Message> reportsAtLine(const QList<FakePlatform::Message> &messages, int line)
{
    QList<FakePlatform::Message> found;
    for (const FakePlatform::Message &m : messages)
        if (m.title == reportTitle && m.text.contains(QStringLiteral("at line %1").arg(line)))
            found.append(m);
    return found;
}

} // namespace

class TstExportFaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSettings::redirectUserConfig(); }

    void fullDiskKeepsWhatFitsAndSaysHowMany();
    void fullDiskFoundOnlyByTheFlush();
    void folderGoneHalfWay_data();
    void folderGoneHalfWay();
    void cardNameTakenByAnotherKindOfEntry_data();
    void cardNameTakenByAnotherKindOfEntry();
    void messagesSayWhatHappened_data();
    void messagesSayWhatHappened();
    void userFilesNeverLost_data();
    void userFilesNeverLost();
    void killedSavesLeaveNoCopyBehind_data();
    void killedSavesLeaveNoCopyBehind();

private:
    static void listCards(FormFixture &f, const QList<int> &numbers)
    {
        f.List1()->clear();
        for (int n : numbers)
            f.List1()->addItem(QStringLiteral("Card %1").arg(n));
    }
};

void TstExportFaults::fullDiskKeepsWhatFitsAndSaysHowMany()
{
    QTemporaryDir base;
    const QString folder = base.filePath(QStringLiteral("full"));
    // Room for a few 20 kB bitmaps and their temporary twins, not for twelve.
    TestFiles::SmallDisk disk(folder, QStringLiteral("size=100k"));
    if (!disk.mounted())
        QSKIP("cannot mount a small tmpfs here (needs root and mount permission)");

    const QByteArray earlierBytes("an earlier Card 1.bmp that must survive");
    QVERIFY(TestFiles::write(folder + QStringLiteral("/Card 1.bmp"), earlierBytes));

    FormFixture f;
    // Card 1 last: by then the disk is full, and its earlier file is in the way.
    const QList<int> numbers{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1};
    listCards(f, numbers);
    f.Text2()->setText(QDir::toNativeSeparators(folder) + QDir::separator());
    f.platform.messages.clear();

    f.form().exporter().PushButton1_Click();

    QStringList saved, failed;
    for (int n : numbers) {
        const QString name = QStringLiteral("Card %1.bmp").arg(n);
        const QString path = folder + u'/' + name;
        if (n != 1 && QFile::exists(path)) {
            QString why;
            QVERIFY2(holdsFace(path, n - 1, &why), qPrintable(why));
            saved << name;
        } else {
            failed << name;
        }
    }
    QVERIFY2(!saved.isEmpty() && saved.size() < numbers.size() - 1,
             qPrintable(QStringLiteral("saved %1 of %2: the disk did not fill part-way")
                            .arg(saved.size()).arg(numbers.size())));

    qInfo("%lld of %lld files fit on the small disk", qlonglong(saved.size()), qlonglong(numbers.size()));

    // Nothing half-written and no temporary file left: only complete files.
    QStringList expected = saved;
    expected << QStringLiteral("Card 1.bmp");
    expected.sort();
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name), expected);

    QCOMPARE(TestFiles::read(folder + QStringLiteral("/Card 1.bmp")), earlierBytes);

    // One report per failed file, each naming its own file, all at line 114.
    const QList<FakePlatform::Message> reports = reportsAtLine(f.platform.messages, 114);
    QCOMPARE(reports.size(), failed.size());
    for (int i = 0; i < failed.size(); ++i) {
        QVERIFY2(reports[i].text.contains(failed[i]), qPrintable(reports[i].text));
        // The system's reason, not the text of the clean-up after it.
        QVERIFY2(reports[i].text.contains(QStringLiteral("No space left on device")), qPrintable(reports[i].text));
        QVERIFY2(!reports[i].text.contains(QStringLiteral("cancel"), Qt::CaseInsensitive),
                 qPrintable(reports[i].text));
    }
    QCOMPARE(f.platform.messages.size(), failed.size() + 1);

    const FakePlatform::Message closing = f.platform.messages.last();
    QCOMPARE(closing.icon, Platform::Icon::Warning);
    QVERIFY2(closing.text.contains(Messages::savedSome(saved.size(), numbers.size())),
             qPrintable(closing.text));
    QVERIFY(!closing.text.contains(Messages::done()));
}

// A file system that takes every file while the disk under it is full (an
// image on a small tmpfs): only the batch's flush finds out, for the files'
// blocks and for their inodes alike. No card may then take its name (it could
// lead to an inode never written), each says so, and the disk, read afresh,
// holds what it held.
void TstExportFaults::fullDiskFoundOnlyByTheFlush()
{
#ifndef Q_OS_LINUX
    QSKIP("loop-mounted disk images are Linux's");
#else
    QTemporaryDir base;
    const QString image = base.filePath(QStringLiteral("under/image"));
    const QString folder = base.filePath(QStringLiteral("cards"));
    const QStringList loop{"-t", "ext2", "-o", "loop", image};
    // 44 kB of file system and room for a few cards, in an image of 16 MB.
    TestFiles::SmallDisk under(base.filePath(QStringLiteral("under")), QStringLiteral("size=160k"));
    std::optional<TestFiles::SmallDisk> disk;
    QFile imageFile(image);
    if (!under.mounted() || !imageFile.open(QIODevice::WriteOnly) || !imageFile.resize(16 << 20)
        || QProcess::execute("mkfs.ext2", {"-q", "-b", "4096", "-N", "64", "-E", "lazy_itable_init=0,nodiscard", image})
        || !disk.emplace(folder, loop).mounted())
        QSKIP("needs root, mkfs.ext2 and a loop device");
    const QByteArray earlierBytes("an earlier Card 1.bmp that must survive");
    QVERIFY(TestFiles::write(folder + QStringLiteral("/Card 1.bmp"), earlierBytes));
    QCOMPARE(QProcess::execute("sync", {folder + QStringLiteral("/Card 1.bmp")}), 0);

    FormFixture f;
    const QList<int> numbers{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1};
    listCards(f, numbers);
    f.Text2()->setText(folder);
    f.platform.messages.clear();
    f.form().exporter().PushButton1_Click();

    const QList<FakePlatform::Message> reports = reportsAtLine(f.platform.messages, 114);
    QCOMPARE(reports.size(), numbers.size());
    for (int i = 0; i < numbers.size(); ++i)
        QVERIFY2(reports[i].text.contains(QStringLiteral("Card %1.bmp: ").arg(numbers[i])), qPrintable(reports[i].text));
    QCOMPARE(f.platform.messages.size(), numbers.size() + 1);
    QVERIFY(f.platform.messages.last().text.startsWith(Messages::savedSome(0, 12)));

    disk.reset();
    QVERIFY(disk.emplace(folder, loop).mounted());
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList{"Card 1.bmp"});
    QCOMPARE(TestFiles::read(folder + QStringLiteral("/Card 1.bmp")), earlierBytes);
#endif
}

void TstExportFaults::folderGoneHalfWay_data()
{
    QTest::addColumn<bool>("movedAway");
    QTest::addRow("folder moved away: the first nine files go with it") << true;
    QTest::addRow("folder deleted with its files: nothing is recreated") << false;
}

void TstExportFaults::folderGoneHalfWay()
{
    QFETCH(bool, movedAway);
    QTemporaryDir base;
    const QString folder = base.filePath(QStringLiteral("out"));
    const QString moved = base.filePath(QStringLiteral("moved"));
    QVERIFY(QDir().mkpath(folder));

    FormFixture f;
    QList<int> numbers;
    for (int n = 20; n >= 1; --n)
        numbers << n;
    listCards(f, numbers);
    f.Text2()->setText(QDir::toNativeSeparators(folder) + QDir::separator());
    f.platform.messages.clear();

    // Save-all sets the control once per card, just before writing that card:
    // the tenth card finds its folder gone.
    int faces = 0;
    QObject::connect(f.form().Deck1(), &Deck::propertyChanged, [&] {
        if (++faces != 10)
            return;
        if (movedAway)
            QVERIFY(QDir().rename(folder, moved));
        else
            QVERIFY(QDir(folder).removeRecursively());
    });

    f.form().exporter().PushButton1_Click();
    QVERIFY(faces >= 10);

    QVERIFY2(!QFileInfo::exists(folder), "save-all created the vanished folder again");
    if (movedAway) {
        QCOMPARE(QDir(moved).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 9);
        for (int i = 0; i < 9; ++i) {
            QString why;
            QVERIFY2(holdsFace(moved + QStringLiteral("/Card %1.bmp").arg(numbers[i]), numbers[i] - 1, &why),
                     qPrintable(why));
        }
    }

    const QList<FakePlatform::Message> reports = reportsAtLine(f.platform.messages, 114);
    QCOMPARE(reports.size(), 11);
    for (int i = 0; i < reports.size(); ++i)
        QVERIFY2(reports[i].text.contains(QStringLiteral("Card %1.bmp").arg(numbers[9 + i])),
                 qPrintable(reports[i].text));
    QCOMPARE(f.platform.messages.size(), 12);
    const FakePlatform::Message closing = f.platform.messages.last();
    QCOMPARE(closing.icon, Platform::Icon::Warning);
    QVERIFY2(closing.text.contains(Messages::savedSome(9, 20)), qPrintable(closing.text));
}

// Whatever already carries a card's name, the save replaces that entry in the
// folder and touches nothing else: a link's target stays as it was. Of the
// hidden names beside it, it removes only a copy that a killed save left.
void TstExportFaults::cardNameTakenByAnotherKindOfEntry_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("saveAll");

    QTest::addRow("save-all: a link to a file outside is replaced, its target kept") << "link" << true;
    QTest::addRow("save-selected: a link to a file outside is replaced, its target kept") << "link" << false;
    QTest::addRow("save-all: a dangling link is replaced, its target never created") << "dangling" << true;
    QTest::addRow("save-all: a link to a device is replaced, the device never written") << "device" << true;
    QTest::addRow("save-selected: a FIFO is replaced, never written into (no hang)") << "fifo" << false;
    QTest::addRow("save-all: an existing file is replaced by a new one") << "file" << true;
    QTest::addRow("save-all: a copy a killed save left, of any format, is removed") << "copy" << true;
    QTest::addRow("save-all: a copy a running save holds locked is kept") << "copy, locked, kept" << true;
    QTest::addRow("save-all: a folder under a copy's name is kept") << "copy folder, kept" << true;
    QTest::addRow("save-all: a hidden file of the user's own is kept") << ".Card 1.bmp.old, kept" << true;
}

void TstExportFaults::cardNameTakenByAnotherKindOfEntry()
{
    QFETCH(QString, kind);
    QFETCH(bool, saveAll);
#ifdef Q_OS_WIN
    if (kind != QLatin1String("file"))
        QSKIP("Windows has no FIFOs, QFile::link makes a shortcut, and QSaveFile names its own twins");
#endif
    QTemporaryDir base;
    const QString folder = base.filePath(QStringLiteral("out"));
    const QString elsewhere = base.filePath(QStringLiteral("elsewhere"));
    QVERIFY(QDir().mkpath(folder) && QDir().mkpath(elsewhere));
    const QString card = folder + QStringLiteral("/Card 1.bmp");
    const QString target = elsewhere + QStringLiteral("/important.txt");
    const QByteArray important("important text that must survive\n");
    const QString twin = folder + (kind.startsWith(u'.') ? "/.Card 1.bmp.old" : "/.velmora-tmp-0123456789abcdef-Card 7.png");
    QFile locked(twin);

    quint64 before = 0;
    if (kind == QLatin1String("link")) {
        QVERIFY(TestFiles::write(target, important));
        QVERIFY(QFile::link(QStringLiteral("../elsewhere/important.txt"), card));
    } else if (kind == QLatin1String("dangling")) {
        QVERIFY(QFile::link(target, card));
    } else if (kind == QLatin1String("device")) {
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), card));
    } else if (kind == QLatin1String("fifo")) {
        QVERIFY(PosixFiles::makeFifo(card));
    } else if (kind == QLatin1String("file")) {
        QVERIFY(TestFiles::write(card, important));
        before = PosixFiles::inode(card);
    } else {
        QVERIFY(kind.contains(QLatin1String("folder")) ? QDir().mkpath(twin) : TestFiles::write(twin, important));
#ifdef Q_OS_UNIX
        if (kind.contains(QLatin1String("locked")))
            QVERIFY(locked.open(QIODevice::ReadOnly) && ::flock(locked.handle(), LOCK_EX) == 0);
#endif
    }

    FormFixture f;
    listCards(f, {1});
    f.List1()->setCurrentRow(0);
    f.Text2()->setText(folder);
    f.platform.messages.clear();
    if (saveAll)
        f.form().exporter().PushButton1_Click();
    else
        f.form().exporter().PushButton3_Click();

    QCOMPARE(f.platform.messages.size(), 1);
    QCOMPARE(f.platform.messages[0].text, Messages::done());
    const QFileInfo saved(card);
    QVERIFY(!saved.isSymLink());
    QVERIFY(saved.isFile());
    QString why;
    QVERIFY2(holdsFace(card, 0, &why), qPrintable(why));
    if (kind == QLatin1String("link"))
        QCOMPARE(TestFiles::read(target), important);
    if (kind == QLatin1String("dangling"))
        QVERIFY(!QFileInfo::exists(target));
    if (kind == QLatin1String("device"))
        QVERIFY(!QFileInfo(QStringLiteral("/dev/null")).isFile());
    if (kind == QLatin1String("file") && before != 0)
        QVERIFY(PosixFiles::inode(card) != before); // a new file took the name in one step
    QCOMPARE(QDir(elsewhere).entryList(QDir::Files | QDir::Hidden | QDir::System),
             kind == QLatin1String("link") ? QStringList{"important.txt"} : QStringList{});
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
             (kind.endsWith(QLatin1String("kept")) ? QStringList{QFileInfo(twin).fileName()} : QStringList{})
                 << "Card 1.bmp");
}

// What each button says, for the same situation: a deselected entry, a folder
// text that is empty or not a full path (the user's typo: a plain warning, not
// the error report).
void TstExportFaults::messagesSayWhatHappened_data()
{
    QTest::addColumn<bool>("saveAll");
    QTest::addColumn<QString>("folderText");
    QTest::addColumn<bool>("deselect");
    QTest::addColumn<QString>("says");
    QTest::addColumn<int>("icon");

    const QString absolute = QStringLiteral("<absolute>");
    const int plain = int(Platform::Icon::None);
    const int warning = int(Platform::Icon::Warning);
    const QString noFolder = CardPaths::folderProblem(QString());
    const QString relative = CardPaths::folderProblem(QStringLiteral("cards/out"));
    QTest::addRow("save-selected after Ctrl+click took the selection off: nothing to save")
        << false << absolute << true << Messages::noCardSelected() << plain;
    QTest::addRow("save-selected with the entry selected saves it")
        << false << absolute << false << Messages::done() << plain;
    QTest::addRow("save-selected with an empty folder text: a plain warning")
        << false << QString() << false << noFolder << warning;
    QTest::addRow("save-all with an empty folder text: the same warning")
        << true << QString() << false << noFolder << warning;
    QTest::addRow("save-selected with a relative folder: a plain warning")
        << false << "cards/out" << false << relative << warning;
    QTest::addRow("save-all with a relative folder: the same warning")
        << true << "cards/out" << false << relative << warning;
}

void TstExportFaults::messagesSayWhatHappened()
{
    QFETCH(bool, saveAll);
    QFETCH(QString, folderText);
    QFETCH(bool, deselect);
    QFETCH(QString, says);
    QFETCH(int, icon);

    QTemporaryDir folder;
    // A relative folder would resolve here: nothing may appear.
    QTemporaryDir working;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(working.path());
    FormFixture f;
    QVERIFY(f.showActive());
    listCards(f, {48, 3});
    f.Text2()->setText(folderText == QLatin1String("<absolute>") ? folder.path() : folderText);
    QListWidget *list = f.List1();
    const QPoint at = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QVERIFY(list->item(0)->isSelected());
    if (deselect) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, at);
        QVERIFY(list->selectedItems().isEmpty());
    }
    f.platform.messages.clear();
    if (saveAll)
        f.form().exporter().PushButton1_Click();
    else
        f.form().exporter().PushButton3_Click();
    QDir::setCurrent(previous);

    QCOMPARE(f.platform.messages.size(), 1);
    QCOMPARE(f.platform.messages[0].text, says);
    QCOMPARE(int(f.platform.messages[0].icon), icon);
    QCOMPARE(f.platform.messages[0].title, QStringLiteral("Velmora"));
    const QStringList written = QDir(folder.path()).entryList(QDir::Files);
    QCOMPARE(written, says == Messages::done() ? QStringList{"Card 48.bmp"} : QStringList{});
    QCOMPARE(QDir(working.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{});
    // Save-all gives back the selection the user left, none included.
    QCOMPARE(list->selectedItems().isEmpty(), deselect);
}

// The command line writing all 52 cards over the user's own files, in
// folders that refuse it something; as the ordinary user nobody where
// permissions matter (none stop root). Where the folder takes no new entry a
// file may only be rewritten in place, and only where that cannot lose it.
void TstExportFaults::userFilesNeverLost_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<bool>("asRoot");
    QTest::addColumn<QString>("refusal"); // empty: saved, exit 0; else exit 3
    const QString denied = QStringLiteral("Permission denied");
    QTest::addRow("folder takes no new file: a file of one link is rewritten in place") << "closed" << false << "";
    QTest::addRow("folder takes no new file: a file with another link is never written through")
        << "closed, linked" << false << denied;
    QTest::addRow("a read-only file is refused as the system refuses it") << "read-only" << false << denied;
    QTest::addRow("root may replace a read-only file, as root may write it") << "read-only" << true << "";
    QTest::addRow("no inode and 8 kB left: no file is written in place, none cut short")
        << "full" << true << "No space left on device";
    QTest::addRow("root's save leaves nobody's 0640 cards nobody's") << "nobody's 0640" << true << "";
    QTest::addRow("a card of another owner is refused, never given to this one")
        << "root's 0666" << false << "Operation not permitted";
}

void TstExportFaults::userFilesNeverLost()
{
#ifndef Q_OS_UNIX
    QSKIP("file modes, hard links and other users are POSIX things");
#else
    QFETCH(QString, situation);
    QFETCH(bool, asRoot);
    QFETCH(QString, refusal);
    const passwd *user = ::getpwnam(asRoot ? "root" : "nobody");
    if (!user || ::geteuid() != 0)
        QSKIP("needs root, to act as the user nobody and to mount a small tmpfs");
    const uid_t uid = user->pw_uid;
    const gid_t gid = user->pw_gid;
    const bool others = situation.contains(u'\'');
    const passwd owner = others ? *::getpwnam(qPrintable(situation.section(u'\'', 0, 0))) : *user;
    const mode_t mode = others ? situation.right(4).toUInt(nullptr, 8) : situation == QLatin1String("read-only") ? 0444 : 0644;
    QTemporaryDir base;
    const QString folder = base.filePath(QStringLiteral("out"));
    const QByteArray outside = QFile::encodeName(base.filePath(QStringLiteral("outside")));
    // Larger than a card where it is rewritten, smaller where it would grow.
    const QByteArray own(situation == QLatin1String("full") ? 100 : 30000, 'x');
    // The 52 files leave 8 kB and no inode on this disk.
    std::optional<TestFiles::SmallDisk> disk;
    if (situation == QLatin1String("full") && !disk.emplace(folder, QStringLiteral("size=216k,nr_inodes=53")).mounted())
        QSKIP("cannot mount a small tmpfs here");
    QVERIFY(QDir().mkpath(folder) && TestFiles::write(outside, own) && ::chmod(QFile::encodeName(base.path()), 0755) == 0);
    for (int n = 1; n <= 52; ++n) {
        const QByteArray card = QFile::encodeName(folder + QStringLiteral("/Card %1.bmp").arg(n));
        QVERIFY(situation.endsWith(QLatin1String("linked")) ? ::link(outside, card) == 0 : TestFiles::write(card, own));
        QVERIFY(::chown(card, owner.pw_uid, owner.pw_gid) == 0 && ::chmod(card, mode) == 0);
    }
    QVERIFY(::chown(QFile::encodeName(folder), uid, gid) == 0
            && ::chmod(QFile::encodeName(folder), situation.startsWith(QLatin1String("closed")) ? 0555 : 0755) == 0);
    const QString card = folder + QStringLiteral("/Card 5.bmp");
    const quint64 before = PosixFiles::inode(card);

    // The program where nobody may run it: not in a clone in root's home.
    const QString exe = base.filePath(QStringLiteral("velmora"));
    QVERIFY(QFile::copy(QStringLiteral(VELMORA_EXE), exe) && ::chmod(QFile::encodeName(exe), 0755) == 0);
    QProcess velmora;
    velmora.setChildProcessModifier([&] {
        if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0)
            ::_exit(127);
    });
    velmora.start(exe, {"--draw", "52", "--save-to", folder});
    if (!velmora.waitForStarted() && !asRoot)
        QSKIP("the user nobody may not enter the temporary folder (TMPDIR) to run the program");
    QVERIFY(velmora.waitForFinished(60000));
    QCOMPARE(velmora.exitCode(), refusal.isEmpty() ? 0 : 3);
    if (!refusal.isEmpty()) {
        QVERIFY(QString::fromLocal8Bit(velmora.readAllStandardError()).contains(".bmp: " + refusal));
        for (int n = 1; n <= 52; ++n)
            QCOMPARE(TestFiles::read(folder + QStringLiteral("/Card %1.bmp").arg(n)), own);
        QCOMPARE(TestFiles::read(outside), own);
    } else {
        QString why;
        QVERIFY2(holdsFace(card, 4, &why), qPrintable(why));
        QVERIFY(QFileInfo(card).size() < own.size()); // the old tail is cut off
        QCOMPARE(PosixFiles::inode(card) == before, situation == QLatin1String("closed"));
        struct stat st;
        QVERIFY(::stat(QFile::encodeName(card), &st) == 0 && st.st_uid == owner.pw_uid && st.st_gid == owner.pw_gid
                && (st.st_mode & 07777) == mode);
    }
    QCOMPARE(QDir(folder).entryList({".*"}, QDir::Files | QDir::Hidden | QDir::System), QStringList{});
#endif
}

namespace {

#ifdef Q_OS_LINUX
// Backups as a person names them, shaped as the old clean-up took its copies.
const QStringList backups{".Card 5.bmp.1701950000", ".Card 5.png.oldversion12", ".Card 5.svg.20231207",
                          ".Cards.pdf.2023backup"};

// In the child: unnamed files refused as FAT refuses them, so copies are named.
void refuseUnnamedFiles()
{
    sock_filter refuse[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_openat, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args[2])),
        BPF_JUMP(BPF_JMP | BPF_JSET | BPF_K, O_TMPFILE & ~O_DIRECTORY, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | EOPNOTSUPP),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    const sock_fprog program{sizeof refuse / sizeof refuse[0], refuse};
    if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0 || ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) != 0)
        ::_exit(127);
}

int runToEnd(const QStringList &arguments, bool namedCopies = false)
{
    QProcess velmora;
    if (namedCopies)
        velmora.setChildProcessModifier(refuseUnnamedFiles);
    velmora.start(QStringLiteral(VELMORA_EXE), arguments);
    return velmora.waitForFinished(60000) ? velmora.exitCode() : -1;
}
#endif

} // namespace

// Saves killed at random; after one whole save no copy is left, with unnamed
// files and where they are refused (copies named from the start). The user's
// hidden files, an hour old, survive saves in every format byte for byte.
void TstExportFaults::killedSavesLeaveNoCopyBehind_data()
{
    QTest::addColumn<bool>("namedCopies");
    QTest::addRow("unnamed copies: nothing left") << false;
    QTest::addRow("named copies: the next save removes what the killed ones left") << true;
}

void TstExportFaults::killedSavesLeaveNoCopyBehind()
{
#ifndef Q_OS_LINUX
    QSKIP("unnamed files and the filter that refuses them are Linux's");
#else
    QFETCH(bool, namedCopies);
    QTemporaryDir folder;
    const auto hourOld = std::filesystem::file_time_type::clock::now() - std::chrono::minutes(61);
    for (const QString &name : backups) {
        QVERIFY(TestFiles::write(folder.filePath(name), name.toUtf8()));
        std::filesystem::last_write_time(QFile::encodeName(folder.filePath(name)).toStdString(), hourOld);
    }
    const QStringList arguments{"--draw", "52", "--save-to", folder.path()};
    const auto start = std::chrono::steady_clock::now();
    QCOMPARE(runToEnd(arguments, namedCopies), 0);
    const int wholeMs = int((std::chrono::steady_clock::now() - start) / std::chrono::milliseconds(1)) + 1;
    int leftBehind = 0; // the most copies one killed save left
    for (int round = 0; round < 30; ++round) {
        QProcess velmora;
        if (namedCopies)
            velmora.setChildProcessModifier(refuseUnnamedFiles);
        velmora.start(QStringLiteral(VELMORA_EXE), arguments);
        QTest::qSleep(QRandomGenerator::global()->bounded(wholeMs));
        velmora.kill(); // SIGKILL: nothing of the program runs after it
        QVERIFY(velmora.waitForFinished());
        const QStringList left = QDir(folder.path()).entryList({".velmora-tmp-*"}, QDir::Files | QDir::Hidden);
        leftBehind = std::max(leftBehind, int(left.size()));
    }
    // Some kills fell among the named copies, or the row proves nothing.
    QVERIFY(leftBehind > 0 || !namedCopies);
    for (const char *format : {"bmp", "png", "svg", "pdf"})
        QCOMPARE(runToEnd(QStringList(arguments) << "--format" << format, namedCopies), 0);
    QCOMPARE(QDir(folder.path()).entryList({".velmora-tmp-*"}, QDir::AllEntries | QDir::Hidden), QStringList{});
    for (const QString &name : backups)
        QCOMPARE(TestFiles::read(folder.filePath(name)), name.toUtf8());
#endif
}

QTEST_MAIN(TstExportFaults)
#include "tst_exportfaults.moc"
