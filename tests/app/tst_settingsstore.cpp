#include "export/AddFolder.h"
#include "app/Form1.h"
#include "app/QtPlatform.h"
#include "tests/support/FormFixture.h"
#include "app/MainModule.h"
#include "core/IniFormat.h"
#include "core/Messages.h"
#include "core/SettingsStore.h"
#include "tests/support/PosixFiles.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestSettings.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QScopeGuard>
#include <QSysInfo>
#include <QTimer>
#include <QTemporaryDir>
#include <QTest>


namespace {

const QString countKey = QStringLiteral("Number Of Cards");
const QString folderKey = QStringLiteral("Text2");
const QStringList placementKeys = {QStringLiteral("Left"), QStringLiteral("Top"),
                                   QStringLiteral("Width"), QStringLiteral("Height")};

// What a later run, or any INI reader, finds in the file.
QString storedOnDisk(const QString &key, bool *present = nullptr)
{
    return TestSettings::readUserValue(key, present);
}

void writeUserStore(const QMap<QString, QString> &values)
{
    QVERIFY(TestSettings::writeUserValues(values));
}


} // namespace

class TestSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void firstStartWritesDefaultsBeforeShowing();
    void laterStartShowsWhatWasStored_data();
    void laterStartShowsWhatWasStored();
    void everyKeystrokeIsStored();
    void placementWrittenOnlyInNormalState_data();
    void placementWrittenOnlyInNormalState();
    void corruptedFileStartsWithDefaults();
    void unwritableStoreWarnsOnceAndKeepsWorking();
    void handWrittenValuesComeBackVerbatim_data();
    void handWrittenValuesComeBackVerbatim();
    void valueLongerThanTheFieldIsNotCut_data();
    void valueLongerThanTheFieldIsNotCut();
    void settingsFileNotSafeToUse_data();
    void settingsFileNotSafeToUse();
    void linkToRegularFileIsFollowed();
    void lastCopyToWriteWins();
    void lockNeverFreezesTheWindow_data();
    void lockNeverFreezesTheWindow();
    void warningTakesNoKeystroke();
    void missingHomeIsNotMade();
};

void TestSettingsStore::initTestCase()
{
    TestSettings::redirectUserConfig();
}

void TestSettingsStore::init()
{
    TestSettings::clearUserStore();
}

void TestSettingsStore::firstStartWritesDefaultsBeforeShowing()
{
    FormFixture f;
    QVERIFY(!f.form().isVisible());

    bool countPresent = false;
    bool folderPresent = false;
    QCOMPARE(storedOnDisk(countKey, &countPresent), QStringLiteral("52"));
    QCOMPARE(storedOnDisk(folderKey, &folderPresent), AddFolder::DesktopFolder());
    QVERIFY(countPresent);
    QVERIFY(folderPresent);
    QCOMPARE(f.Text1()->text(), QStringLiteral("52"));
    QCOMPARE(f.Text2()->text(), AddFolder::DesktopFolder());
    QVERIFY(f.platform.messages.isEmpty());
}

void TestSettingsStore::laterStartShowsWhatWasStored_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");

    QTest::addRow("empty count stays empty, not 52") << countKey << QString();
    QTest::addRow("refusable count abc comes back as abc") << countKey << QStringLiteral("abc");
    QTest::addRow("count above the limit comes back unchecked") << countKey << QStringLiteral("53");
    QTest::addRow("count equal to the laid-out text is shown") << countKey << QStringLiteral("200");
    QTest::addRow("count with blanks keeps them") << countKey << QStringLiteral(" 7 ");
    QTest::addRow("empty folder stays empty, not the desktop") << folderKey << QString();
    QTest::addRow("folder with non-ASCII letters") << folderKey << QStringLiteral("/tmp/Kärten ✓/");
}

void TestSettingsStore::laterStartShowsWhatWasStored()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);

    writeUserStore({{key, stored}});
    FormFixture f;
    QLineEdit *field = key == countKey ? f.Text1() : f.Text2();
    QCOMPARE(field->text(), stored);
    bool present = false;
    QCOMPARE(storedOnDisk(key, &present), stored);
    QVERIFY(present);
}

void TestSettingsStore::everyKeystrokeIsStored()
{
    FormFixture f;
    QVERIFY(f.showActive());
    QLineEdit *count = f.Text1();
    count->setFocus();
    count->selectAll();
    QTest::keyClick(count, Qt::Key_Delete);
    QCOMPARE(storedOnDisk(countKey), QString());

    QTest::keyClick(count, Qt::Key_4);
    QCOMPARE(storedOnDisk(countKey), QStringLiteral("4"));
    QTest::keyClick(count, Qt::Key_0);
    QCOMPARE(storedOnDisk(countKey), QStringLiteral("40"));
    QTest::keyClicks(count, QStringLiteral("x "));
    QCOMPARE(storedOnDisk(countKey), QStringLiteral("40x "));
}

void TestSettingsStore::placementWrittenOnlyInNormalState_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("written");

    QTest::addRow("normal window writes all four") << int(Qt::WindowNoState) << true;
    QTest::addRow("minimised window writes none") << int(Qt::WindowMinimized) << false;
    QTest::addRow("maximised window writes none") << int(Qt::WindowMaximized) << false;
}

void TestSettingsStore::placementWrittenOnlyInNormalState()
{
    QFETCH(int, state);
    QFETCH(bool, written);

    // Values of an earlier close.
    writeUserStore({{QStringLiteral("Left"), QStringLiteral("111")},
                    {QStringLiteral("Top"), QStringLiteral("222")},
                    {QStringLiteral("Width"), QStringLiteral("333")},
                    {QStringLiteral("Height"), QStringLiteral("444")}});
    FormFixture f;
    f.form().show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.form()));
    f.form().move(40, 30);
    f.form().setWindowState(Qt::WindowStates(state));
    QTRY_COMPARE(int(f.form().windowState()), state);
    const QRect frame = f.form().frameGeometry();
    f.form().close();

    const int expected[] = {frame.x() * Main::twipsPerPixel, frame.y() * Main::twipsPerPixel,
                            frame.width() * Main::twipsPerPixel, frame.height() * Main::twipsPerPixel};
    const QStringList earlier = {"111", "222", "333", "444"};
    for (int i = 0; i < placementKeys.size(); ++i) {
        const QString onDisk = storedOnDisk(placementKeys[i]);
        if (written)
            QCOMPARE(onDisk, QString::number(expected[i]));
        else
            QCOMPARE(onDisk, earlier[i]);
    }
    if (written)
        QVERIFY(storedOnDisk(QStringLiteral("Width")).toInt() >= 536 * 15);
}

void TestSettingsStore::corruptedFileStartsWithDefaults()
{
    if (!TestSettings::storeIsAFile())
        QSKIP("on Windows the settings are values in the registry, not a file");
    QFile file(TestSettings::userSettingsFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(char((i * 7919 + 13) % 256));
    garbage.append("\n[Velm\xff\xfe\x00ora\n=\n\"unterminated\n", 30);
    file.write(garbage);
    file.close();

    FormFixture f;
    QVERIFY(f.showActive());
    QCOMPARE(f.Text1()->text(), QStringLiteral("52"));
    QCOMPARE(f.Text2()->text(), AddFolder::DesktopFolder());
    // The store is usable afterwards: the next edit reaches the disk, and the
    // user is not told that saving failed when it did not.
    f.Text1()->setText(QStringLiteral("12"));
    QCOMPARE(storedOnDisk(countKey), QStringLiteral("12"));
    QVERIFY(!f.store.hasWriteFailed());
    QCOMPARE(f.platform.messages.size(), 0);
}

// Root ignores permission bits, so a read-only mount is the only honest
// unwritable folder here.
void TestSettingsStore::unwritableStoreWarnsOnceAndKeepsWorking()
{
    QTemporaryDir base;
    const QString mountPoint = base.filePath(QStringLiteral("readonly"));
    const TestFiles::SmallDisk disk(mountPoint, QStringLiteral("size=64k,ro"));
    if (!disk.mounted())
        QSKIP("cannot mount a read-only tmpfs here (needs root and mount permission)");

    FakePlatform platform;
    SettingsStore store(mountPoint + QStringLiteral("/Quenlow.conf"));
    RandomSource random;
    {
        Form1 form(store, random);
        form.Form_Load();
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));

        QLineEdit *count = form.findChild<QLineEdit *>(QStringLiteral("Text1"));
        count->setFocus();
        count->selectAll();
        QTest::keyClicks(count, QStringLiteral("17"));
        QTest::keyClick(count, Qt::Key_Backspace);
        QTest::keyClicks(count, QStringLiteral("9"));

        QCOMPARE(count->text(), QStringLiteral("19"));
        QCOMPARE(store.get(countKey, QString()), QStringLiteral("19"));
        QVERIFY(store.hasWriteFailed());
        QTRY_COMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages[0].title, QStringLiteral("Velmora"));
        QCOMPARE(platform.messages[0].icon, Platform::Icon::Warning);
        QVERIFY2(platform.messages[0].text.contains(QDir::toNativeSeparators(mountPoint)),
                 qPrintable(platform.messages[0].text));
        form.close();
    }
    QCOMPARE(platform.messages.size(), 1);
    QVERIFY(!QFile::exists(mountPoint + QStringLiteral("/Quenlow.conf")));
}

// Values a person typed into the file, or the field, read and write back
// exactly through the window. Which characters the file format keeps verbatim
// is tst_iniformat's table; these rows take each field once, and the longest.
void TestSettingsStore::handWrittenValuesComeBackVerbatim_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::addRow("folder with a comma is not cut at it") << folderKey << "/tmp/Cards, 2024/";
    QTest::addRow("count starting with @") << countKey << "@52";
    QTest::addRow("very long folder within the field's limit") << folderKey << QString(20000, u'é');
}

void TestSettingsStore::handWrittenValuesComeBackVerbatim()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    writeUserStore({{key, value}});
    const bool file = TestSettings::storeIsAFile();
    const QByteArray before = file ? TestFiles::read(TestSettings::userSettingsFile()) : QByteArray();

    FormFixture f;
    QLineEdit *field = key == countKey ? f.Text1() : f.Text2();
    QCOMPARE(field->text(), value);
    QCOMPARE(storedOnDisk(key), value);
    if (file)
        QVERIFY(TestFiles::read(TestSettings::userSettingsFile()).contains(before.mid(10))); // the line itself, unchanged

    // An edit writes the whole value back as it stands, in a file any INI
    // reader understands.
    field->setText(value + u'x');
    QCOMPARE(storedOnDisk(key), value + u'x');
    if (file) {
        QVERIFY(TestFiles::read(TestSettings::userSettingsFile()).startsWith("[Velmora]\n"));
        SettingsStore later(TestSettings::userSettingsFile());
        QCOMPARE(later.get(key, QStringLiteral("missing")), value + u'x');
    }
    QVERIFY(f.platform.messages.isEmpty());
}

// A stored value longer than the field holds is shown cut; start-up's own
// assignment does not write the cut copy back, the user's edit does.
void TestSettingsStore::valueLongerThanTheFieldIsNotCut_data()
{
    QTest::addColumn<QString>("key");
    QTest::addRow("count") << countKey;
    QTest::addRow("folder") << folderKey;
}

void TestSettingsStore::valueLongerThanTheFieldIsNotCut()
{
    QFETCH(QString, key);
    const int limit = QLineEdit().maxLength();
    const QString stored = QStringLiteral("/tmp/") + QString(limit + 100, u'd');
    writeUserStore({{key, stored}});

    FormFixture f;
    QLineEdit *field = key == countKey ? f.Text1() : f.Text2();
    QCOMPARE(field->text().size(), field->maxLength());
    QVERIFY(stored.startsWith(field->text()));
    QCOMPARE(storedOnDisk(key), stored);

    field->setFocus();
    field->end(false);
    field->backspace();
    QCOMPARE(storedOnDisk(key), stored.left(field->maxLength() - 1));
}

// A settings file that is a link, no regular file or too big, or anything but
// a regular file where its lock file goes: never read through (a FIFO would
// block start-up for ever, a huge file take seconds), never written through
// or replaced. The program starts from the defaults, says once that settings
// cannot be saved, and keeps working.
void TestSettingsStore::settingsFileNotSafeToUse_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("name");
    QTest::addRow("a link to a device: nothing written through") << "device" << "Quenlow.conf";
    QTest::addRow("a dangling link: its target is never created") << "dangling" << "Quenlow.conf";
    QTest::addRow("a FIFO: start-up does not hang") << "fifo" << "Quenlow.conf";
    QTest::addRow("a folder") << "folder" << "Quenlow.conf";
    QTest::addRow("a file above the size cap: neither read nor written over") << "big" << "Quenlow.conf";
    QTest::addRow("a FIFO as the lock file: start-up does not hang") << "fifo" << "Quenlow.conf.lock";
}

void TestSettingsStore::settingsFileNotSafeToUse()
{
    if (!TestSettings::storeIsAFile())
        QSKIP("on Windows the settings are values in the registry, not a file");
    QFETCH(QString, kind);
    QFETCH(QString, name);
    const QString file = TestSettings::userSettingsFile();
    const QString made = TestSettings::configHome() + u'/' + name;
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("important.txt"));
    if (kind == QLatin1String("device")) {
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), made));
    } else if (kind == QLatin1String("dangling")) {
        QVERIFY(QFile::link(target, made));
    } else if (kind == QLatin1String("fifo")) {
        QVERIFY(PosixFiles::makeFifo(made));
    } else if (kind == QLatin1String("big")) {
        QVERIFY(TestFiles::write(made, "[Velmora]\nNumber Of Cards=9\n;" + QByteArray(IniFormat::maximumFileSize, 'x')));
    } else {
        QVERIFY(QDir().mkpath(made));
    }
    // Only a regular file is read: opening a FIFO would wait here.
    const auto content = [&] { return QFileInfo(file).isFile() ? TestFiles::read(file) : QByteArray(); };
    const QByteArray before = content();
    const auto cleanUp = qScopeGuard([&] {
        QFile::remove(made);
        QDir().rmdir(made);
    });

    FormFixture f;
    QVERIFY(f.showActive());
    QCOMPARE(f.Text1()->text(), QStringLiteral("52"));
    QCOMPARE(f.Text2()->text(), AddFolder::DesktopFolder());
    f.Text1()->setText(QStringLiteral("17"));
    QCOMPARE(f.store.get(countKey, QString()), QStringLiteral("17"));
    f.form().close();

    QTRY_COMPARE(f.platform.messages.size(), 1);
    QCOMPARE(f.platform.messages[0].icon, Platform::Icon::Warning);
    QCOMPARE(f.platform.messages[0].text, Messages::settingsNotSaved(QDir::toNativeSeparators(file)));
    const QFileInfo entry(made);
    QCOMPARE(entry.isSymLink(), kind == QLatin1String("device") || kind == QLatin1String("dangling"));
    QCOMPARE(entry.isDir(), kind == QLatin1String("folder"));
    QCOMPARE(content(), before);
    if (kind == QLatin1String("dangling"))
        QVERIFY(!QFileInfo::exists(target));
    if (kind == QLatin1String("folder"))
        QCOMPARE(QDir(made).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{});
}

// Settings kept by a dotfile manager: the link stays, its target file is
// read and takes the new value.
void TestSettingsStore::linkToRegularFileIsFollowed()
{
    if (!TestSettings::storeIsAFile())
        QSKIP("on Windows the settings are values in the registry, not a file");
    const QString file = TestSettings::userSettingsFile();
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("Quenlow.conf"));
    QVERIFY(TestFiles::write(target, "[Velmora]\nNumber Of Cards=9\n"));
    QVERIFY(QFile::link(target, file));
    const auto cleanUp = qScopeGuard([&] { QFile::remove(file); });

    {
        SettingsStore store(file);
        QCOMPARE(store.get(countKey, QString()), QStringLiteral("9"));
        QVERIFY(store.set(countKey, QStringLiteral("17")));
    }
    QVERIFY(QFileInfo(file).isSymLink());
    QVERIFY(TestFiles::read(target).contains("Number Of Cards=17"));
}

// Two copies running: the one that writes last leaves its value, also when
// the value equals what that copy wrote before and the other copy has changed
// the file since. Unchanged files are not rewritten.
void TestSettingsStore::lastCopyToWriteWins()
{
    if (!TestSettings::storeIsAFile())
        QSKIP("on Windows the settings are values in the registry, not a file");
    const QString file = TestSettings::userSettingsFile();
    SettingsStore mine(file);
    QVERIFY(mine.set(QStringLiteral("Left"), QStringLiteral("1500")));
    QVERIFY(mine.set(QStringLiteral("Top"), QStringLiteral("300")));

    // Nothing changed on disk: the same value costs no write.
    const quint64 written = PosixFiles::inode(file);
    QVERIFY(mine.set(QStringLiteral("Left"), QStringLiteral("1500")));
    QCOMPARE(PosixFiles::inode(file), written);

    // The other copy closes: its own placement and a count of its own.
    QVERIFY(TestFiles::write(file, "[Velmora]\nLeft=30000\nTop=300\nNumber Of Cards=9\n"));
    QVERIFY(mine.set(QStringLiteral("Left"), QStringLiteral("1500")));
    QCOMPARE(storedOnDisk(QStringLiteral("Left")), QStringLiteral("1500"));
    // What the other copy wrote and this one did not change stays.
    QCOMPARE(storedOnDisk(countKey), QStringLiteral("9"));
    QCOMPARE(storedOnDisk(QStringLiteral("Top")), QStringLiteral("300"));
    QVERIFY(!mine.hasWriteFailed());
}

// A lock QSettings waits on for ever (left by a program that ended, in a
// folder that does not let it be removed) or for half a minute (held by
// another running program): the key stays, one warning, and the next change
// that can take the lock writes it.
void TestSettingsStore::lockNeverFreezesTheWindow_data()
{
    QTest::addColumn<bool>("held");
    QTest::addRow("a lock left behind in a folder that does not let it go") << false;
    QTest::addRow("a lock another running program holds") << true;
}

void TestSettingsStore::lockNeverFreezesTheWindow()
{
    if (!TestSettings::storeIsAFile())
        QSKIP("on Windows the settings are values in the registry: no lock file");
    QFETCH(bool, held);
    QTemporaryDir base;
    const QString file = (held ? TestSettings::configHome() : base.filePath("ro")) + "/Quenlow.conf";
    QProcess holder;
    holder.start(QStringLiteral("sleep"), {QStringLiteral("60")});
    QVERIFY(holder.waitForStarted());
    const auto cleanUp = qScopeGuard([&] { holder.kill(); holder.waitForFinished(); QFile::remove(file + ".lock"); });
    std::optional<TestFiles::SmallDisk> disk, bound;
    if (!held && !disk.emplace(QFileInfo(file).path()).mounted())
        QSKIP("cannot mount a tmpfs here (needs root and mount permission)");
    QVERIFY(TestFiles::write(file, {}) && TestFiles::write(file + ".lock", QByteArray::number(holder.processId())
                                + "\nsleep\n" + QSysInfo::machineHostName().toUtf8()));
    if (!held) {
        holder.kill(), holder.waitForFinished();
        QVERIFY(disk->makeReadOnly() && TestFiles::write(base.filePath("rw"), {}));
        QVERIFY(bound.emplace(file, QStringList{"--bind", base.filePath("rw")}).mounted());
    }
    FakePlatform platform;
    SettingsStore store(file);
    RandomSource random;
    Form1 form(store, random);
    form.Form_Load();
    QLineEdit *count = form.findChild<QLineEdit *>(QStringLiteral("Text1"));
    count->selectAll();
    QTest::keyClicks(count, QStringLiteral("7"));
    QCOMPARE(count->text(), QStringLiteral("7"));
    QTRY_COMPARE(platform.messages.size(), 1);
    QVERIFY(!TestFiles::read(file).contains("Number Of Cards"));
    if (held && QFile::remove(file + ".lock")) {
        QTest::keyClicks(count, QStringLiteral("1"));
        QCOMPARE(storedOnDisk(countKey), QStringLiteral("71"));
        QCOMPARE(storedOnDisk(folderKey), AddFolder::DesktopFolder());
    }
    QCOMPARE(platform.messages.size(), 1);
}

// "12" typed at a human pace into whatever holds the keyboard, the store
// failing from the first key: the warning must not take the "2".
void TestSettingsStore::warningTakesNoKeystroke()
{
    // The store is made to fail through its lock file, which only a file store has.
    if (!TestSettings::storeIsAFile())
        QSKIP("on Windows the settings are values in the registry: no lock file");
    writeUserStore({{countKey, QStringLiteral("52")}, {folderKey, AddFolder::DesktopFolder()}});
    QVERIFY(PosixFiles::makeFifo(TestSettings::userSettingsFile() + ".lock"));
    const auto removeLock = qScopeGuard([&] { QFile::remove(TestSettings::userSettingsFile() + ".lock"); });
    FormFixture f;
    QVERIFY(f.showActive());
    QtPlatform real;
    const auto restore = qScopeGuard([fake = Platform::install(&real)] { Platform::install(fake); });
    f.Text1()->setFocus();
    f.Text1()->selectAll();
    int typed = 0;
    QStringList seen;
    std::function<void()> user = [&] {
        if (seen.isEmpty())
            QTimer::singleShot(50, user);
        if (typed < 2)
            QTest::keyClicks(QApplication::focusWidget(), QString::number(++typed));
        else if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()); box && seen.isEmpty())
            seen << box->text(), box->accept();
    };
    user();
    QTRY_COMPARE(seen.size(), 1);
    QCOMPARE(f.Text1()->text(), QStringLiteral("12"));
}

// HOME=/nonexistent is how system users are kept from having one.
void TestSettingsStore::missingHomeIsNotMade()
{
    QTemporaryDir base;
    FakePlatform platform;
    SettingsStore store(base.filePath("nonexistent/.config/Quenlow.conf"));
    QVERIFY(!store.set(countKey, QStringLiteral("5")));
    QVERIFY(!QFileInfo::exists(base.filePath("nonexistent")));
}

QTEST_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
