// Where the hand pointer and the skin are looked for: beside the program
// first, then the user's data folder, the installed data folder and the
// system's, and the window really taking them from there.
#include "app/DataFiles.h"
#include "app/Form1.h"
#include "app/SkinFramework.h"
#include "core/RandomSource.h"
#include "core/SettingsStore.h"
#include "widgets/WindowPointer.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

bool isFile(const QString &path)
{
    return QFileInfo(path).isFile();
}

} // namespace

class TestDataFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void foldersInOrderEachOnce();
    void firstFolderHoldingTheFileWins_data();
    void firstFolderHoldingTheFileWins();
    void installedWindowTakesItsFilesFromTheDataFolders();
    void relativeXdgPathsAreIgnored_data();
    void relativeXdgPathsAreIgnored();

private:
    // An installed tree: <root>/prefix/bin holds the program, with the user's
    // and one other system data folder beside it.
    std::unique_ptr<QTemporaryDir> m_root;
    QString programFolder() const { return m_root->filePath("prefix/bin"); }
    QString place(const QString &where) const;

    std::unique_ptr<FakePlatform> m_platform;
};

void TestDataFiles::initTestCase()
{
    TestSettings::redirectUserConfig();
    m_platform = std::make_unique<FakePlatform>();
}

void TestDataFiles::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    QVERIFY(QDir().mkpath(programFolder()));
    // QStandardPaths reads these anew on every call.
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_root->filePath("user")));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(m_root->filePath("prefix/share") + ':' + m_root->filePath("system")));
}

QString TestDataFiles::place(const QString &where) const
{
    if (where == QLatin1String("program"))
        return programFolder();
    if (where == QLatin1String("user"))
        return m_root->filePath("user/velmora");
    if (where == QLatin1String("installed"))
        return m_root->filePath("prefix/share/velmora");
    return m_root->filePath("system/velmora");
}

void TestDataFiles::foldersInOrderEachOnce()
{
#ifdef Q_OS_WIN
    // Beside the program, then the user's own folder (%LOCALAPPDATA%\velmora).
    const QStringList expected{
        place("program"),
        QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/velmora")};
#else
    // The installed data folder is also among $XDG_DATA_DIRS: listed once, in
    // its own place, before the other system folders.
    const QStringList expected{place("program"), place("user"), place("installed"), place("system")};
#endif
    QCOMPARE(DataFiles::searchFolders(programFolder()), expected);
    QCOMPARE(DataFiles::searchFolders(programFolder() + "/"), expected);
}

void TestDataFiles::firstFolderHoldingTheFileWins_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QString>("expected");

    const QStringList everywhere{"program", "user", "installed", "system"};
    QTest::addRow("beside the program wins over every data folder")
        << "HAND-M.CUR" << everywhere << QStringList{} << "program";
    QTest::addRow("the user's data folder comes before the installed one")
        << "x/o.cjs" << QStringList{"user", "installed", "system"} << QStringList{} << "user";
    QTest::addRow("the installed data folder, found from the program's own")
        << "HAND-M.CUR" << QStringList{"installed", "system"} << QStringList{} << "installed";
    QTest::addRow("another system data folder last")
        << "x/o.cjs" << QStringList{"system"} << QStringList{} << "system";
    QTest::addRow("nowhere: nothing") << "HAND-M.CUR" << QStringList{} << QStringList{} << "";
    QTest::addRow("a folder of that name does not count where a file is wanted")
        << "x/o.cjs" << QStringList{"installed"} << QStringList{"program", "user"} << "installed";
    QTest::addRow("the skin's name beside the program, outside x, is not the skin")
        << "x/o.cjs" << QStringList{} << QStringList{} << "";
}

void TestDataFiles::firstFolderHoldingTheFileWins()
{
#ifdef Q_OS_WIN
    QSKIP("the installed and system data folders are a Unix layout; Windows looks beside the program");
#endif
    QFETCH(QString, name);
    QFETCH(QStringList, files);
    QFETCH(QStringList, folders);
    QFETCH(QString, expected);

    for (const QString &where : files)
        QVERIFY(TestFiles::write(place(where) + '/' + name, where.toUtf8()));
    for (const QString &where : folders)
        QVERIFY(QDir().mkpath(place(where) + '/' + name));
    // A stray file named like the skin but not in x must not be taken for it.
    QVERIFY(TestFiles::write(programFolder() + "/o.cjs", "stray"));

    const QString found = DataFiles::locate(name, DataFiles::searchFolders(programFolder()), isFile);
    QCOMPARE(found, expected.isEmpty() ? QString() : place(expected) + '/' + name);
}

void TestDataFiles::installedWindowTakesItsFilesFromTheDataFolders()
{
#ifdef Q_OS_WIN
    QSKIP("the installed and system data folders are a Unix layout; Windows looks beside the program");
#endif
    // The program's own folder here is the test's, which holds neither file:
    // the window must reach into the data folders, as the installed one does.
    Form1::setProgramFolderForTesting(QString());
    QFile cursor(QStringLiteral(VELMORA_SOURCE_DIR "/app/icons/HAND-M.CUR"));
    QVERIFY(cursor.open(QIODevice::ReadOnly));
    QVERIFY(TestFiles::write(place("system") + "/HAND-M.CUR", cursor.readAll()));
    QVERIFY(TestFiles::write(place("user") + "/x/o.cjs", "QPushButton { color: rgb(1, 2, 3); }\n"));
    QVERIFY(!QFileInfo::exists(Form1::programFolder() + "/HAND-M.CUR"));
    QVERIFY(!QFileInfo::exists(Form1::programFolder() + "/x/o.cjs"));

    SettingsStore store;
    Form1 form(store, RandomSource::shared());
    form.Form_Load();
    QVERIFY(form.pointer().hasMouseIcon());
    QVERIFY(form.skinFramework().hasSkin());
    QCOMPARE(form.skinFramework().calls().first().arguments.first().toString(), place("user") + "/x/o.cjs");
}

// A relative path in an XDG variable is ignored, as if unset: the folder the
// program was started in is never a settings or search place.
void TestDataFiles::relativeXdgPathsAreIgnored_data()
{
    QTest::addColumn<QByteArray>("variable");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QStringList>("fallback");   // ~ is the home folder

    QTest::addRow("XDG_CONFIG_HOME=relcfg: settings in ~/.config")
        << QByteArray("XDG_CONFIG_HOME") << QByteArray("relcfg") << QStringList{"~/.config/Quenlow.conf"};
    QTest::addRow("XDG_DATA_HOME=.: the user's files in ~/.local/share")
        << QByteArray("XDG_DATA_HOME") << QByteArray(".") << QStringList{"~/.local/share/velmora"};
    QTest::addRow("XDG_DATA_DIRS of relative folders only: the default system folders")
        << QByteArray("XDG_DATA_DIRS") << QByteArray("share:.")
        << QStringList{"/usr/local/share/velmora", "/usr/share/velmora"};
}

void TestDataFiles::relativeXdgPathsAreIgnored()
{
#ifndef Q_OS_LINUX
    QSKIP("the XDG variables choose these folders on Linux only");
#endif
    QFETCH(QByteArray, variable);
    QFETCH(QByteArray, value);
    QFETCH(QStringList, fallback);
    const QByteArray kept = qgetenv(variable.constData());
    const auto restore = qScopeGuard([&] { qputenv(variable.constData(), kept); });
    qputenv(variable.constData(), value);

    const QStringList places = variable == "XDG_CONFIG_HOME"
        ? QStringList{QDir::fromNativeSeparators(SettingsStore().location())}
        : DataFiles::searchFolders(programFolder());
    for (const QString &place : places)
        QVERIFY2(QDir::isAbsolutePath(place), qPrintable(place));
    for (const QString &place : fallback)
        QVERIFY2(places.contains(QString(place).replace(u'~', QDir::homePath())), qPrintable(places.join(u' ')));
}

QTEST_MAIN(TestDataFiles)
#include "tst_datafiles.moc"
