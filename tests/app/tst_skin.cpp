// The optional skin beside the program: when it counts, what the window looks
// like around it, the calls on the skin layer, and files that are no skin.
#include "tests/support/FakePlatform.h"
#include "app/Form1.h"
#include "core/RandomSource.h"
#include "core/SettingsStore.h"
#include "app/SkinFramework.h"
#include "tests/support/PosixFiles.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestSettings.h"
#include "widgets/WindowPointer.h"
#include "ui_Form1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#ifdef Q_OS_WIN
#include <windows.h>
#endif


namespace {

struct Window {
    SettingsStore store;
    Form1 form{store, RandomSource::shared()};
};

// The window's own background and its four frames' backgrounds, in that order.
QList<QColor> backgrounds(Form1 &form)
{
    QList<QColor> colours{form.palette().color(QPalette::Window)};
    for (QGroupBox *frame : {form.controls().Frame1, form.controls().Frame2, form.controls().Frame3,
                             form.controls().Frame4})
        colours.append(frame->palette().color(QPalette::Window));
    return colours;
}

const QByteArray simpleSheet = "QPushButton#PushButton2 { color: rgb(10, 120, 200); }\n";

// Builds a folder from lines such as "dir x", "file x/o.cjs", "link x/o.cjs
// target". Files get a small valid sheet.
bool build(const QString &root, const QStringList &entries)
{
    for (const QString &entry : entries) {
        const QStringList words = entry.split(' ');
        const QString path = root + '/' + words.at(1);
        bool ok = false;
        if (words.at(0) == QLatin1String("dir"))
            ok = QDir().mkpath(path);
        else if (words.at(0) == QLatin1String("file"))
            ok = TestFiles::write(path, simpleSheet);
        else if (words.at(0) == QLatin1String("link"))
            ok = QFile::link(words.at(2), path);
        else if (words.at(0) == QLatin1String("fifo"))
            ok = PosixFiles::makeFifo(path);
#ifdef Q_OS_WIN
        else if (words.at(0) == QLatin1String("hide") || words.at(0) == QLatin1String("system"))
            ok = SetFileAttributesW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(path).utf16()),
                                    words.at(0) == QLatin1String("hide") ? FILE_ATTRIBUTE_HIDDEN
                                                                        : FILE_ATTRIBUTE_SYSTEM);
#endif
        if (!ok)
            return false;
    }
    return true;
}

} // namespace

class TestSkin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void skinCountsOnlyAsANormalFile_data();
    void skinCountsOnlyAsANormalFile();
    void framesTakeTheButtonFaceBeforeTheSkinLoads();
    void optionFlagsAreReadAndWrittenBack();
    void textSkinIsPutOnTheWindow();
    void brokenSkinStillStartsAWorkingWindow_data();
    void brokenSkinStillStartsAWorkingWindow();
    void shippedExampleSkinIsAUsableSheet();
    void skinNamingNoRegularFileIsSetAside_data();
    void skinNamingNoRegularFileIsSetAside();

private:
    std::unique_ptr<Window> start(const QString &folder, QList<QList<QColor>> *atLoad = nullptr,
                                  int presetOptions = -1);

    std::unique_ptr<FakePlatform> m_platform;
    QColor m_buttonFace;
};

void TestSkin::initTestCase()
{
    TestSettings::redirectUserConfig();
    m_platform = std::make_unique<FakePlatform>();
    m_buttonFace = QApplication::palette().color(QPalette::Button);
    // Otherwise a skinned window could not be told from a white one.
    QVERIFY(m_buttonFace != QColor(Qt::white));
}

void TestSkin::cleanup()
{
    Form1::setProgramFolderForTesting(QString());
}

std::unique_ptr<Window> TestSkin::start(const QString &folder, QList<QList<QColor>> *atLoad,
                                        int presetOptions)
{
    Form1::setProgramFolderForTesting(folder);
    auto window = std::make_unique<Window>();
    Form1 &form = window->form;
    if (presetOptions >= 0)
        form.skinFramework().setApplyOptions(presetOptions);
    if (atLoad) {
        connect(&form.skinFramework(), &SkinFramework::called, &form,
                [&form, atLoad](const SkinFramework::Call &call) {
                    if (call.operation == QLatin1String("LoadSkin"))
                        atLoad->append(backgrounds(form));
                });
    }
    form.Form_Load();
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return nullptr;
    // Qt drops a move to the very place of the last one, which is where the
    // previous window left the mouse; start from the bottom right corner.
    QTest::mouseMove(&form, QPoint(form.width() - 2, form.height() - 2));
    return window;
}

void TestSkin::skinCountsOnlyAsANormalFile_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<bool>("skinned");

    QTest::addRow("x/o.cjs as a file is applied") << QStringList{"dir x", "file x/o.cjs"} << true;
    QTest::addRow("x/o.cjs linked to a file is applied")
        << QStringList{"dir x", "file sheet.qss", "link x/o.cjs ../sheet.qss"} << true;
    QTest::addRow("without folder x the window stays white") << QStringList{} << false;
    QTest::addRow("folder x without o.cjs leaves the window white") << QStringList{"dir x", "file x/other.cjs"}
                                                                     << false;
    QTest::addRow("o.cjs beside the program, not in x, is not looked for") << QStringList{"file o.cjs"} << false;
    QTest::addRow("a folder named o.cjs is no skin") << QStringList{"dir x/o.cjs"} << false;
    QTest::addRow("a file named x is no folder") << QStringList{"file x"} << false;
    QTest::addRow("a dangling link named o.cjs is no skin")
        << QStringList{"dir x", "link x/o.cjs ../missing.qss"} << false;
    QTest::addRow("a FIFO named o.cjs is no skin (start-up does not wait on it)")
        << QStringList{"dir x", "fifo x/o.cjs"} << false;
    QTest::addRow("a hidden o.cjs is no skin") << QStringList{"dir x", "file x/o.cjs", "hide x/o.cjs"} << false;
    QTest::addRow("a system o.cjs is no skin") << QStringList{"dir x", "file x/o.cjs", "system x/o.cjs"} << false;
}

// Windows marks files hidden or system by attribute and has no FIFOs; its
// QFile::link makes a shortcut, not a link the file system follows.
static const char *unsupportedHere(const QStringList &entries, const QString &named = QString())
{
#ifdef Q_OS_WIN
    if (!entries.filter(QRegularExpression(QStringLiteral("^(link|fifo) "))).isEmpty())
        return "Windows has no FIFOs, and QFile::link makes a shortcut there";
    if (named.startsWith(u'/'))
        return "Windows has no /dev";
#else
    Q_UNUSED(named);
    if (!entries.filter(QRegularExpression(QStringLiteral("^(hide|system) "))).isEmpty())
        return "files are hidden or system by attribute only on Windows";
#endif
    return nullptr;
}

void TestSkin::skinCountsOnlyAsANormalFile()
{
    QFETCH(QStringList, entries);
    QFETCH(bool, skinned);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    if (const char *why = unsupportedHere(entries))
        QSKIP(why);
    QVERIFY(build(folder.path(), entries));

    auto window = start(folder.path());
    QVERIFY(window);
    Form1 &form = window->form;
    const QColor expected = skinned ? m_buttonFace : QColor(Qt::white);
    for (const QColor &colour : backgrounds(form))
        QCOMPARE(colour, expected);
    QCOMPARE(form.skinFramework().calls().isEmpty(), !skinned);
    QCOMPARE(form.styleSheet(), skinned ? QString::fromUtf8(simpleSheet) : QString());
    // The preview is a picture, not a caption: it never paints a background.
    QVERIFY(!form.controls().Image1->autoFillBackground());
}

void TestSkin::framesTakeTheButtonFaceBeforeTheSkinLoads()
{
    QTemporaryDir folder;
    QVERIFY(build(folder.path(), {"dir x", "file x/o.cjs"}));
    QList<QList<QColor>> atLoad;
    auto window = start(folder.path(), &atLoad);
    QVERIFY(window);
    Form1 &form = window->form;

    QCOMPARE(atLoad.size(), 1);
    QCOMPARE(atLoad.first(), QList<QColor>(5, m_buttonFace));

    const QList<SkinFramework::Call> &calls = form.skinFramework().calls();
    QStringList operations;
    for (const SkinFramework::Call &call : calls)
        operations.append(call.operation);
    QCOMPARE(operations, (QStringList{"LoadSkin", "ApplyOptions", "setApplyOptions", "setBooleanOption",
                                      "setBooleanOption", "ApplyWindow"}));
    const QString skinPath = folder.path() + QStringLiteral("/x/o.cjs");
    QCOMPARE(calls.at(0).arguments, (QVariantList{skinPath, QString()}));
    QVERIFY(calls.at(0).arguments.at(1).toString().isEmpty());
    QCOMPARE(calls.at(1).arguments, QVariantList{});
    QCOMPARE(calls.at(2).arguments, QVariantList{1});
    QCOMPARE(calls.at(3).arguments, (QVariantList{5, true}));
    QCOMPARE(calls.at(4).arguments, (QVariantList{10, true}));
    QCOMPARE(calls.at(5).arguments.size(), 1);
    QCOMPARE(calls.at(5).arguments.at(0).value<QObject *>(), &form);
    QVERIFY(form.skinFramework().booleanOption(5));
    QVERIFY(form.skinFramework().booleanOption(10));
}

void TestSkin::optionFlagsAreReadAndWrittenBack()
{
    QTemporaryDir folder;
    QVERIFY(build(folder.path(), {"dir x", "file x/o.cjs"}));
    // Other flags already set must survive: bit 0 is added, not assigned.
    auto window = start(folder.path(), nullptr, 0x7ffffff6);
    QVERIFY(window);
    SkinFramework &skin = window->form.skinFramework();
    QCOMPARE(skin.calls().at(3).operation, QStringLiteral("setApplyOptions"));
    QCOMPARE(skin.calls().at(3).arguments, QVariantList{0x7ffffff7});
}

void TestSkin::textSkinIsPutOnTheWindow()
{
    QTemporaryDir folder;
    QVERIFY(build(folder.path(), {"dir x"}));
    QVERIFY(TestFiles::write(folder.filePath("x/o.cjs"),
                      "QPushButton#PushButton2 { color: rgb(10, 120, 200); }\n"
                      "QGroupBox { background: rgb(250, 240, 220); }\n"));
    auto window = start(folder.path());
    QVERIFY(window);
    Form1 &form = window->form;
    QVERIFY(form.skinFramework().hasSkin());
    QCOMPARE(form.controls().PushButton2->palette().color(QPalette::ButtonText), QColor(10, 120, 200));
    // The frames show what the sheet says, over the button face set before it;
    // the empty preview lets the middle of Frame2 show its background. The
    // style shades a frame's inside by a hair, hence the small tolerance.
    const QImage frame = form.controls().Frame2->grab().toImage();
    const QColor shown(frame.pixel(frame.rect().center()));
    QVERIFY2(qAbs(shown.red() - 250) <= 6 && qAbs(shown.green() - 240) <= 6 && qAbs(shown.blue() - 220) <= 6,
             qPrintable(shown.name()));
}

void TestSkin::brokenSkinStillStartsAWorkingWindow_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("usable");

    QByteArray binary("CJSKIN\0\x01\x02\x03", 10);
    for (int i = 0; i < 4096; ++i)
        binary.append(char(i * 37 % 256));
    QTest::addRow("a binary skin of another engine is set aside") << binary << false;
    QTest::addRow("text that is not UTF-8 is set aside") << QByteArray("QWidget { color: r\xe9\xff d; }") << false;
    QTest::addRow("a file too big for a style sheet is set aside")
        << QByteArray(SkinFramework::maximumSheetSize + 1, ' ') << false;
    QTest::addRow("an empty file is an empty sheet") << QByteArray() << true;
    QTest::addRow("a sheet Qt cannot parse is applied and ignored by Qt")
        << QByteArray("QPushButton { color: ; {{{ ]]] background: url(") << true;
}

void TestSkin::brokenSkinStillStartsAWorkingWindow()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, usable);
    QTemporaryDir folder;
    QVERIFY(build(folder.path(), {"dir x"}));
    QVERIFY(TestFiles::write(folder.filePath("x/o.cjs"), bytes));

    auto window = start(folder.path());
    QVERIFY(window);
    Form1 &form = window->form;
    SkinFramework &skin = form.skinFramework();
    QCOMPARE(skin.calls().size(), 6);
    QCOMPARE(skin.hasSkin(), usable);
    QCOMPARE(skin.refusal().isEmpty(), usable);
    QCOMPARE(form.styleSheet().isEmpty(), !usable || bytes.isEmpty());
    // The colours still change: the file is there, whatever is in it.
    QCOMPARE(backgrounds(form), QList<QColor>(5, m_buttonFace));

    // The window works: the count is entered and stored, the pointer follows.
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QLineEdit *count = form.controls().Text1;
    count->setFocus();
    count->selectAll();
    QTest::keyClicks(count, QStringLiteral("7"));
    QCOMPARE(count->text(), QStringLiteral("7"));
    QCOMPARE(window->store.get(QStringLiteral("Number Of Cards"), QString()), QStringLiteral("7"));
    QTest::mouseMove(&form, form.controls().PushButton2->geometry().center());
    QCOMPARE(form.pointer().mousePointer(), 99);
}

void TestSkin::shippedExampleSkinIsAUsableSheet()
{
    const QString path = QStringLiteral(VELMORA_SOURCE_DIR "/skins/example/x/o.cjs");
    QVERIFY2(QFileInfo(path).isFile(), qPrintable(path));
    SkinFramework skin;
    QVERIFY2(skin.LoadSkin(path, QString()), qPrintable(skin.refusal()));
    QVERIFY(!skin.styleSheet().trimmed().isEmpty());

    // Qt reports a sheet it cannot parse as a warning; the example must not.
    static QStringList complaints;
    complaints.clear();
    QWidget window;
    QPushButton button(QStringLiteral("Draw"), &window);
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
            if (type == QtWarningMsg)
                complaints.append(text);
        });
    skin.ApplyWindow(&window);
    window.ensurePolished();
    button.ensurePolished();
    qInstallMessageHandler(previous);
    QCOMPARE(complaints, QStringList{});
    QCOMPARE(window.styleSheet(), skin.styleSheet());
}

// Qt opens every picture a sheet names while it styles the window: a FIFO
// there blocked start-up for ever. Such a skin is set aside like a damaged one,
// however the sheet spells the name.
void TestSkin::skinNamingNoRegularFileIsSetAside_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("url");       // %1 is the program folder
    QTest::addColumn<QString>("reached");   // what Qt would open, when it is no file

    QTest::addRow("a FIFO is set aside") << QStringList{"fifo x/back.png"} << "url(\"%1/x/back.png\")"
                                         << "%1/x/back.png";
    QTest::addRow("a device is set aside") << QStringList{} << "url(\"/dev/zero\")" << "/dev/zero";
    QTest::addRow("a link to a FIFO is set aside")
        << QStringList{"fifo x/pipe", "link x/back.png pipe"} << "url('%1/x/back.png')" << "%1/x/back.png";
    QTest::addRow("a FIFO behind url( spelled with escapes is set aside")
        << QStringList{"fifo x/fifo"} << "\\75\\72l(%1/x/\\66\\i\\66o)" << "%1/x/fifo";
    QTest::addRow("a regular picture is used") << QStringList{"file x/back.png"} << "url(\"%1/x/back.png\")" << "";
    QTest::addRow("a missing picture is only missing") << QStringList{} << "url(\"%1/x/none.png\")" << "";
    QTest::addRow("a picture built into the program is used") << QStringList{} << "url(:/app/velmora.ico)" << "";
}

void TestSkin::skinNamingNoRegularFileIsSetAside()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, url);
    QFETCH(QString, reached);
    if (const char *why = unsupportedHere(entries, url.contains(QLatin1String("/dev/")) ? "/dev" : ""))
        QSKIP(why);
    QTemporaryDir folder;
    QVERIFY(build(folder.path(), QStringList{"dir x"} + entries));
    url.replace("%1", folder.path());
    reached.replace("%1", folder.path());
    const QByteArray sheet = "QPushButton { background-image: " + url.toUtf8() + "; }\n";
    QVERIFY(TestFiles::write(folder.filePath("x/o.cjs"), sheet));

    auto window = start(folder.path());
    QVERIFY(window);
    Form1 &form = window->form;
    QCOMPARE(form.skinFramework().hasSkin(), reached.isEmpty());
    QCOMPARE(form.styleSheet(), reached.isEmpty() ? QString::fromUtf8(sheet) : QString());
    QVERIFY2(form.skinFramework().refusal().contains(QDir::toNativeSeparators(reached)),
             qPrintable(form.skinFramework().refusal()));
    QCOMPARE(backgrounds(form), QList<QColor>(5, m_buttonFace));
    form.controls().PushButton2->ensurePolished();
    form.controls().PushButton2->repaint();
}

QTEST_MAIN(TestSkin)
#include "tst_skin.moc"
