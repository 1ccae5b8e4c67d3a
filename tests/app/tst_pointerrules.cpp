// The pointer rules on the real window, the window-wide pointer setting on
// every control, and the hand pointer file beside the program.
#include "tests/app/CursorBytes.h"
#include "tests/support/FakePlatform.h"
#include "app/Form1.h"
#include "app/PointerRules.h"
#include "core/RandomSource.h"
#include "core/SettingsStore.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestSettings.h"
#include "widgets/WindowPointer.h"
#include "ui_Form1.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

// One started window with its own store, as the program has it after start-up.
struct Window {
    SettingsStore store;
    Form1 form{store, RandomSource::shared()};
};

} // namespace

class TestPointerRules : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void movesSetThePointer_data();
    void movesSetThePointer();
    void hourglassIsNeverReplaced();
    void settingShowsOnEveryControl_data();
    void settingShowsOnEveryControl();
    void controlsCannotTakeTheirOwnPointerBack();

    void handFileBesideTheProgramIsTheHand();
    void brokenHandFileStartsWithoutTheHand_data();
    void brokenHandFileStartsWithoutTheHand();

private:
    std::unique_ptr<Window> start(const QString &folder);
    QWidget *area(Form1 &form, const QString &name);
    QPoint pointOn(Form1 &form, const QString &name);
    void moveTo(Form1 &form, const QString &name);

    std::unique_ptr<FakePlatform> m_platform;
    QTemporaryDir m_emptyFolder;
};

void TestPointerRules::initTestCase()
{
    TestSettings::redirectUserConfig();
    m_platform = std::make_unique<FakePlatform>();
    QVERIFY(m_emptyFolder.isValid());
}

void TestPointerRules::cleanup()
{
    Form1::setProgramFolderForTesting(QString());
}

std::unique_ptr<Window> TestPointerRules::start(const QString &folder)
{
    Form1::setProgramFolderForTesting(folder);
    auto window = std::make_unique<Window>();
    window->form.Form_Load();
    window->form.show();
    if (!QTest::qWaitForWindowExposed(&window->form))
        return nullptr;
    // Qt drops a move to the very place of the last one, which is where the
    // previous window left the mouse; start from the bottom right corner.
    QTest::mouseMove(&window->form, QPoint(window->form.width() - 2, window->form.height() - 2));
    return window;
}

QWidget *TestPointerRules::area(Form1 &form, const QString &name)
{
    if (name == QLatin1String("Form"))
        return &form;
    return form.findChild<QWidget *>(name);
}

// A point of the named area in window coordinates: the middle of a control,
// or for the window and the frames a point of their own background.
QPoint TestPointerRules::pointOn(Form1 &form, const QString &name)
{
    QWidget *widget = area(form, name);
    if (!widget)
        return {-1, -1};
    const bool container = name == QLatin1String("Form") || name.startsWith(QLatin1String("Frame"));
    if (!container)
        return widget->mapTo(&form, widget->rect().center());
    for (int y = 3; y < widget->height() - 3; ++y) {
        for (int x = 3; x < widget->width() - 3; ++x) {
            if (!widget->childAt(x, y))
                return widget == &form ? QPoint(x, y) : widget->mapTo(&form, QPoint(x, y));
        }
    }
    return {-1, -1};
}

void TestPointerRules::moveTo(Form1 &form, const QString &name)
{
    QTest::mouseMove(&form, pointOn(form, name));
}

void TestPointerRules::movesSetThePointer_data()
{
    QTest::addColumn<QStringList>("moves");
    QTest::addColumn<QList<int>>("settings");

    QTest::addRow("background to PushButton2 shows the hand, back to the background the arrow")
        << QStringList{"Form", "PushButton2", "Form"} << QList<int>{0, 99, 0};
    QTest::addRow("every push button shows the hand")
        << QStringList{"PushButton1", "Form", "PushButton3", "Form", "PushButton9"}
        << QList<int>{99, 0, 99, 0, 99};
    QTest::addRow("PushButton9 to the rest of Frame4 shows the arrow")
        << QStringList{"PushButton9", "Frame4"} << QList<int>{99, 0};
    QTest::addRow("a button to Frame2 shows the arrow")
        << QStringList{"PushButton3", "Frame2"} << QList<int>{99, 0};
    QTest::addRow("a button straight into List1 keeps the hand")
        << QStringList{"PushButton1", "List1"} << QList<int>{99, 99};
    QTest::addRow("a button straight into Text1 keeps the hand")
        << QStringList{"PushButton2", "Text1"} << QList<int>{99, 99};
    QTest::addRow("PushButton9 straight into Text2 keeps the hand although Frame4 holds both")
        << QStringList{"PushButton9", "Text2"} << QList<int>{99, 99};
    QTest::addRow("the preview image, Frame1, Frame3 and the progress bar change nothing")
        << QStringList{"PushButton3", "Image1", "Frame1", "Frame3", "ProgressBar1"}
        << QList<int>{99, 99, 99, 99, 99};
    QTest::addRow("nor do they bring the hand")
        << QStringList{"Form", "Image1", "Frame1", "Text1", "Frame3", "List1", "ProgressBar1", "Text2"}
        << QList<int>{0, 0, 0, 0, 0, 0, 0, 0};
}

void TestPointerRules::movesSetThePointer()
{
    QFETCH(QStringList, moves);
    QFETCH(QList<int>, settings);
    auto window = start(m_emptyFolder.path());
    QVERIFY(window);
    Form1 &form = window->form;
    QVERIFY(!form.pointer().hasMouseIcon());

    for (int i = 0; i < moves.size(); ++i) {
        const QPoint at = pointOn(form, moves.at(i));
        QVERIFY2(form.rect().contains(at), qPrintable(moves.at(i)));
        QTest::mouseMove(&form, at);
        QCOMPARE(form.pointer().mousePointer(), settings.at(i));
        // What the user sees is the pointer of the widget under the mouse.
        QWidget *under = form.childAt(at) ? form.childAt(at) : &form;
        const Qt::CursorShape shown = settings.at(i) == 99 ? Qt::PointingHandCursor : Qt::ArrowCursor;
        QCOMPARE(under->cursor().shape(), shown);
    }
}

void TestPointerRules::hourglassIsNeverReplaced()
{
    auto window = start(m_emptyFolder.path());
    QVERIFY(window);
    Form1 &form = window->form;
    form.pointer().setMousePointer(WindowPointer::Hourglass);
    const QStringList everywhere{"PushButton2", "Form", "Frame2", "PushButton9", "Frame4", "Text2",
                                 "PushButton1", "List1", "PushButton3", "Image1", "Frame1"};
    for (const QString &name : everywhere) {
        moveTo(form, name);
        QCOMPARE(form.pointer().mousePointer(), int(WindowPointer::Hourglass));
    }
    // The handlers themselves keep it too, not only the routing to them.
    PointerRules &rules = form.pointerRules();
    for (auto handler : {&PointerRules::Form_MouseMove, &PointerRules::Frame2_MouseMove,
                         &PointerRules::Frame4_MouseMove, &PointerRules::PushButton1_MouseMove,
                         &PointerRules::PushButton2_MouseMove, &PointerRules::PushButton3_MouseMove,
                         &PointerRules::PushButton9_MouseMove}) {
        (rules.*handler)();
        QCOMPARE(form.pointer().mousePointer(), int(WindowPointer::Hourglass));
    }
    QCOMPARE(form.controls().Text1->cursor().shape(), Qt::WaitCursor);
}

void TestPointerRules::settingShowsOnEveryControl_data()
{
    QTest::addColumn<int>("setting");
    QTest::addColumn<int>("shape");
    QTest::addRow("0 shows the arrow, also over the text fields") << 0 << int(Qt::ArrowCursor);
    QTest::addRow("11 shows the hourglass everywhere") << 11 << int(Qt::WaitCursor);
    QTest::addRow("99 without a hand file shows the system's pointing hand") << 99 << int(Qt::PointingHandCursor);
}

void TestPointerRules::settingShowsOnEveryControl()
{
    QFETCH(int, setting);
    QFETCH(int, shape);
    auto window = start(m_emptyFolder.path());
    QVERIFY(window);
    Form1 &form = window->form;
    if (setting != 0)
        form.pointer().setMousePointer(setting);

    QCOMPARE(form.cursor().shape(), Qt::CursorShape(shape));
    const auto widgets = form.findChildren<QWidget *>();
    for (QWidget *widget : widgets)
        QVERIFY2(widget->cursor().shape() == Qt::CursorShape(shape), qPrintable(widget->objectName()));
    // The list shows its viewport's pointer, not its own.
    QCOMPARE(form.controls().List1->viewport()->cursor().shape(), Qt::CursorShape(shape));
}

void TestPointerRules::controlsCannotTakeTheirOwnPointerBack()
{
    auto window = start(m_emptyFolder.path());
    QVERIFY(window);
    Form1 &form = window->form;
    moveTo(form, "PushButton9");
    QCOMPARE(form.pointer().mousePointer(), 99);

    // A line edit puts its I-beam back whenever it turns editable again.
    form.controls().Text2->setReadOnly(true);
    form.controls().Text2->setReadOnly(false);
    QCOMPARE(form.controls().Text2->cursor().shape(), Qt::PointingHandCursor);

    // A control added after start-up gets the setting as soon as it is shown.
    auto *late = new QLineEdit(form.controls().Frame3);
    late->show();
    QTRY_COMPARE(late->cursor().shape(), Qt::PointingHandCursor);
    delete late;
}

void TestPointerRules::handFileBesideTheProgramIsTheHand()
{
    QTemporaryDir folder;
    QVERIFY(TestFiles::write(folder.filePath("HAND-M.CUR"), CursorBytes::cursor(32, QPoint(12, 2))));
    auto window = start(folder.path());
    QVERIFY(window);
    Form1 &form = window->form;
    QVERIFY(form.pointer().hasMouseIcon());
    // Loaded, but the arrow stays until the mouse reaches a button.
    QCOMPARE(form.pointer().mousePointer(), 0);
    QCOMPARE(form.controls().PushButton2->cursor().shape(), Qt::ArrowCursor);

    moveTo(form, "PushButton2");
    QCOMPARE(form.pointer().mousePointer(), 99);
    const QCursor shown = form.controls().PushButton2->cursor();
    QCOMPARE(shown.shape(), Qt::BitmapCursor);
    QCOMPARE(shown.hotSpot(), QPoint(12, 2));
    QCOMPARE(form.controls().List1->viewport()->cursor().hotSpot(), QPoint(12, 2));
}

void TestPointerRules::brokenHandFileStartsWithoutTheHand_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("directory");
    const QByteArray good = CursorBytes::cursor(32, QPoint(9, 1));
    QTest::addRow("an empty file") << QByteArray() << false;
    QTest::addRow("a cursor cut short") << good.left(good.size() / 3) << false;
    QTest::addRow("random bytes") << CursorBytes::random(1000, 3) << false;
    QTest::addRow("a folder of that name") << QByteArray() << true;
}

void TestPointerRules::brokenHandFileStartsWithoutTheHand()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, directory);
    QTemporaryDir folder;
    const QString path = folder.filePath("HAND-M.CUR");
    QVERIFY(directory ? QDir().mkdir(path) : TestFiles::write(path, bytes));

    auto window = start(folder.path());
    QVERIFY(window);
    Form1 &form = window->form;
    QVERIFY(!form.pointer().hasMouseIcon());
    QCOMPARE(form.windowTitle(), QStringLiteral("Velmora"));
    moveTo(form, "PushButton1");
    QCOMPARE(form.pointer().mousePointer(), 99);
    QCOMPARE(form.controls().PushButton1->cursor().shape(), Qt::PointingHandCursor);
    moveTo(form, "Form");
    QCOMPARE(form.pointer().mousePointer(), 0);
}

QTEST_MAIN(TestPointerRules)
#include "tst_pointerrules.moc"
