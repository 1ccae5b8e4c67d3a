#include "export/AddFolder.h"
#include "app/Form1.h"
#include "tests/support/FormFixture.h"
#include "app/Startup.h"
#include "core/SettingsStore.h"
#include "tests/support/TestSettings.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString countKey = QStringLiteral("Number Of Cards");
const QString folderKey = QStringLiteral("Text2");
const QStringList placementKeys = {QStringLiteral("Left"), QStringLiteral("Top"),
                                   QStringLiteral("Width"), QStringLiteral("Height")};

// What a later run would read: a copy of the file under a new name, so no
// QSettings cache of this process can answer instead of the disk.
QString storedOnDisk(const QString &key, bool *present = nullptr)
{
    static int copies = 0;
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("copy%1.conf").arg(++copies));
    QFile::copy(TestSettings::userSettingsFile(), copy);
    QSettings file(copy, QSettings::IniFormat);
    const QVariant v = file.value(SettingsStore::section() + u'/' + key);
    if (present)
        *present = v.isValid();
    return v.toString();
}

void writeUserStore(const QMap<QString, QString> &values)
{
    TestSettings::clearUserStore();
    QSettings file(TestSettings::userSettingsFile(), QSettings::IniFormat);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        file.setValue(SettingsStore::section() + u'/' + it.key(), it.value());
    file.sync();
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
    void cleanup();

private:
    QString m_mountPoint;
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
    static QTemporaryDir base;
    m_mountPoint = base.filePath(QStringLiteral("readonly"));
    QDir().mkpath(m_mountPoint);
    QProcess mount;
    mount.start(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                          QStringLiteral("size=64k,ro"), QStringLiteral("tmpfs"), m_mountPoint});
    if (!mount.waitForFinished(10000) || mount.exitStatus() != QProcess::NormalExit || mount.exitCode() != 0) {
        m_mountPoint.clear();
        QSKIP("cannot mount a read-only tmpfs here (needs root and mount permission)");
    }

    FakePlatform platform;
    SettingsStore store(m_mountPoint + QStringLiteral("/Quenlow.conf"));
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
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages[0].title, QStringLiteral("Velmora"));
        QCOMPARE(platform.messages[0].icon, Platform::Icon::Warning);
        QVERIFY2(platform.messages[0].text.contains(QDir::toNativeSeparators(m_mountPoint)),
                 qPrintable(platform.messages[0].text));
        form.close();
    }
    QCOMPARE(platform.messages.size(), 1);
    QVERIFY(!QFile::exists(m_mountPoint + QStringLiteral("/Quenlow.conf")));
}

void TestSettingsStore::cleanup()
{
    if (!m_mountPoint.isEmpty()) {
        QProcess::execute(QStringLiteral("umount"), {m_mountPoint});
        m_mountPoint.clear();
    }
}

QTEST_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
