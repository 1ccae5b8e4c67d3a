// Keyboard and assistive technology: what a screen reader hears, what Enter
// and Escape do, and that the focus can always be seen.
#include "tests/support/FormFixture.h"
#include "core/Messages.h"
#include "app/QtPlatform.h"
#include "core/CardEntry.h"
#include "widgets/ListBox.h"
#include "tests/support/TestSettings.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

namespace {

// Written out here rather than taken from the program, so a slip in either
// shows: the suit is (card number - 1) div 13, the rank the remainder.
QString spokenName(int cardNumber)
{
    const QStringList ranks = {"ace", "two", "three", "four", "five", "six", "seven",
                               "eight", "nine", "ten", "jack", "queen", "king"};
    const QStringList suits = {"spades", "diamonds", "clubs", "hearts"};
    return ranks[(cardNumber - 1) % 13] + " of " + suits[(cardNumber - 1) / 13];
}

QAccessibleInterface *accessible(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSettings::redirectUserConfig(); }
    void cleanup()
    {
        Form1::setProgramFolderForTesting(QString());
        TestSettings::clearUserStore();
    }

    void cardNamesFollowSuitAndRank_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<QString>("name");
        QTest::addRow("1 is the first spade") << 1 << "ace of spades";
        QTest::addRow("13 is the last spade") << 13 << "king of spades";
        QTest::addRow("14 starts the diamonds") << 14 << "ace of diamonds";
        QTest::addRow("17 is the four of diamonds") << 17 << "four of diamonds";
        QTest::addRow("27 starts the clubs") << 27 << "ace of clubs";
        QTest::addRow("49 is the ten of hearts") << 49 << "ten of hearts";
        QTest::addRow("52 is the last card") << 52 << "king of hearts";
        QTest::addRow("0 is no card") << 0 << "";
        QTest::addRow("53 is no card") << 53 << "";
    }
    void cardNamesFollowSuitAndRank()
    {
        QFETCH(int, card);
        QFETCH(QString, name);
        QCOMPARE(CardEntry::cardName(card), name);
    }

    // Every control of the window is spoken with a name; a field is named by
    // the caption of the frame around it, which a sighted user reads above it;
    // a button's caption is its name unless the caption ("...") says nothing,
    // and its tooltip is what it is described as.
    void controlsTellWhatTheyAre()
    {
        FormFixture f;
        const QRegularExpression designed(QStringLiteral("^(Text|List|PushButton|ProgressBar|Image)\\d+$"));
        int checked = 0;
        for (QWidget *control : f.form().findChildren<QWidget *>(designed)) {
            QAccessibleInterface *face = accessible(control);
            QVERIFY2(face, qPrintable(control->objectName()));
            const QString name = face->text(QAccessible::Name);
            QVERIFY2(!name.trimmed().isEmpty(), qPrintable(control->objectName()));
            if (auto *field = qobject_cast<QLineEdit *>(control)) {
                QCOMPARE(face->role(), QAccessible::EditableText);
                if (auto *frame = qobject_cast<QGroupBox *>(field->parentWidget()))
                    QCOMPARE(name, frame->title());
                QVERIFY2(!face->text(QAccessible::Description).isEmpty(), qPrintable(control->objectName()));
            }
            if (auto *button = qobject_cast<QAbstractButton *>(control)) {
                QCOMPARE(face->role(), QAccessible::Button);
                const bool captionSpeaks = button->text().contains(QRegularExpression(QStringLiteral("\\w")));
                QCOMPARE(name == button->text(), captionSpeaks);
                QCOMPARE(face->text(QAccessible::Description), button->toolTip());
            }
            ++checked;
        }
        QVERIFY(checked >= 8);
    }

    // Every entry of a full draw names its own card, and a renamed entry
    // follows its new text.
    void listEntriesNameTheirCards()
    {
        FormFixture f;
        QVERIFY(f.showActive());
        f.Text1()->setText(QStringLiteral("52"));
        f.button("PushButton2")->click();
        QTRY_COMPARE(f.List1()->count(), 52);
        QAccessibleInterface *list = accessible(f.List1());
        QCOMPARE(list->childCount(), 52);
        for (int row = 0; row < 52; ++row) {
            QAccessibleInterface *entry = list->child(row);
            QVERIFY(entry);
            QCOMPARE(entry->role(), QAccessible::ListItem);
            const QString text = entry->text(QAccessible::Name);
            QCOMPARE(text, f.List1()->item(row)->text());
            QCOMPARE(entry->text(QAccessible::Description), spokenName(text.mid(5).toInt()));
            QCOMPARE(f.List1()->item(row)->toolTip(), spokenName(text.mid(5).toInt()));
        }
        f.List1()->item(3)->setText(QStringLiteral("Card 17"));
        QCOMPARE(list->child(3)->text(QAccessible::Description), QStringLiteral("four of diamonds"));
        f.List1()->item(3)->setText(QStringLiteral("no card"));
        QCOMPARE(list->child(3)->text(QAccessible::Description), QString());
        QCOMPARE(f.List1()->item(3)->toolTip(), QString());
    }

    void previewNamesTheCardItShows()
    {
        FormFixture f;
        QVERIFY(f.showActive());
        auto *image = f.control<QLabel>("Image1");
        QCOMPARE(image->toolTip(), QString());
        f.List1()->addItem(QStringLiteral("Card 17"));
        f.List1()->addItem(QStringLiteral("Card 52"));
        static_cast<ListBox *>(f.List1())->setListIndex(0);
        QAccessibleInterface *face = accessible(image);
        QCOMPARE(face->role(), QAccessible::Graphic);
        QCOMPARE(face->text(QAccessible::Description), QStringLiteral("Shows the four of diamonds"));
        QCOMPARE(image->toolTip(), QStringLiteral("four of diamonds"));
        static_cast<ListBox *>(f.List1())->setListIndex(1);
        QCOMPARE(image->toolTip(), QStringLiteral("king of hearts"));
    }

    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        const QList<std::pair<const char *, const char *>> buttons = {
            {"PushButton2", "draws"}, {"PushButton1", "saves all"},
            {"PushButton3", "saves the selected"}, {"PushButton9", "browses"}};
        for (const auto &[name, does] : buttons) {
            QTest::addRow("Enter on %s %s", name, does) << name << int(Qt::Key_Return) << int(Qt::NoModifier);
            QTest::addRow("keypad Enter on %s %s", name, does)
                << name << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
        }
    }
    void enterPressesTheFocusedButton()
    {
        QFETCH(QString, button);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QTemporaryDir folder;
        FormFixture f;
        QVERIFY(f.showActive());
        f.Text1()->setText(QStringLiteral("3"));
        f.Text2()->setText(QDir::toNativeSeparators(folder.path()) + QDir::separator());
        f.platform.browseAnswers = {QString()};
        QPushButton *pressed = f.button(qPrintable(button));
        QSignalSpy clicks(pressed, &QPushButton::clicked);
        pressed->setFocus();
        QTRY_VERIFY(pressed->hasFocus());

        QTest::keyClick(pressed, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(clicks.size(), 1);
        // What each button's own handler leaves behind.
        if (button == "PushButton2")
            QTRY_COMPARE(f.List1()->count(), 3);
        else if (button == "PushButton9")
            QCOMPARE(f.platform.browsePrompts.size(), 1);
        else if (button == "PushButton1")
            QTRY_COMPARE(f.platform.messages.size(), 1);
        else
            QCOMPARE(f.platform.messages.value(0).text, Messages::noCardSelected());
    }

    void enterInFolderFieldMovesOnLikeTab()
    {
        FormFixture f;
        QVERIFY(f.showActive());
        f.Text2()->setFocus();
        QTRY_VERIFY(f.Text2()->hasFocus());
        QTest::keyClick(f.Text2(), Qt::Key_Return);
        QTRY_VERIFY(f.button("PushButton9")->hasFocus());
        QCOMPARE(f.platform.browsePrompts.size(), 0);
    }

    // The real box: whole title, same text, icon and single OK, closed by Escape.
    void messageBoxShowsItsWholeTitleAndEscapeClosesIt_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("icon");
        QTest::addRow("count refusal") << Messages::numericValueRequired() << Messages::mustBeNumerical()
                                       << int(Platform::Icon::Warning);
        QTest::addRow("the tiny Done. box") << "Velmora" << Messages::done() << int(Platform::Icon::None);
        QTest::addRow("error report") << Messages::applicationError() << "Overflow\r\nin somewhere at line 104"
                                      << int(Platform::Icon::Warning);
    }
    void messageBoxShowsItsWholeTitleAndEscapeClosesIt()
    {
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(int, icon);
        QtPlatform real;
        Platform *previous = Platform::install(&real);
        QMessageBox *seen = nullptr;
        int width = 0, buttons = 0;
        QString shownText;
        QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
        QTimer::singleShot(0, this, [&] {
            seen = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!seen)
                return;
            QTRY_VERIFY(seen->isVisible());
            width = seen->width();
            buttons = seen->buttons().size();
            shownText = seen->text();
            shownIcon = seen->icon();
            QTest::keyClick(seen, Qt::Key_Escape);
        });
        real.message(text, title, Platform::Icon(icon));
        Platform::install(previous);

        QVERIFY2(seen, "no message box came up");
        QCOMPARE(shownText, text);
        QCOMPARE(buttons, 1);
        QCOMPARE(shownIcon, icon == int(Platform::Icon::None) ? QMessageBox::NoIcon : QMessageBox::Warning);
        // Window managers draw the title bold beside an icon and their
        // buttons: the title alone, in that font, plus 100 pixels must fit.
        QFont font = QApplication::font("QMdiSubWindowTitleBar");
        font.setBold(true);
        QVERIFY2(width >= QFontMetrics(font).horizontalAdvance(title) + 100,
                 qPrintable(QStringLiteral("%1 pixels wide").arg(width)));
    }

    // Focus shows as a clear change in the control's own picture, in the plain
    // look and under the example skin, however the focus got there.
    void focusCanBeSeen_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("skinned");
        for (const char *name : {"PushButton2", "PushButton9", "Text1", "Text2", "List1"}) {
            QTest::addRow("%s in the plain look", name) << name << false;
            QTest::addRow("%s under the example skin", name) << name << true;
        }
    }
    void focusCanBeSeen()
    {
        QFETCH(QString, control);
        QFETCH(bool, skinned);
        QTemporaryDir folder;
        if (skinned) {
            QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("x")));
            QVERIFY(QFile::copy(QStringLiteral(VELMORA_SOURCE_DIR "/skins/example/x/o.cjs"),
                                folder.filePath(QStringLiteral("x/o.cjs"))));
            Form1::setProgramFolderForTesting(folder.path());
        }
        FormFixture f;
        QVERIFY(f.showActive());
        // A drawn list: its selected entry is where a style's own focus mark
        // would hide.
        auto *list = f.control<QListWidget>("List1");
        list->addItems({QStringLiteral("Card 1"), QStringLiteral("Card 2")});
        list->setCurrentRow(0);
        QWidget *widget = f.control<QWidget>(qPrintable(control));
        QWidget *elsewhere = control == "PushButton2" ? f.button("PushButton1") : f.button("PushButton2");
        // A mouse focus change: the mark must show without a key having moved
        // the focus first.
        elsewhere->setFocus(Qt::MouseFocusReason);
        QTRY_VERIFY(elsewhere->hasFocus());
        const QImage without = widget->grab().toImage();
        widget->setFocus(Qt::MouseFocusReason);
        QTRY_VERIFY(widget->hasFocus());
        // Seen, not merely different: a stretch of clearly changed pixels.
        const auto marked = [&] {
            const QImage with = widget->grab().toImage();
            int changed = 0;
            for (int y = 0; y < with.height(); ++y)
                for (int x = 0; x < with.width(); ++x) {
                    const QColor a = with.pixelColor(x, y), b = without.pixelColor(x, y);
                    changed += qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) > 60;
                }
            return changed >= 2 * qMin(with.width(), with.height());
        };
        QTRY_VERIFY(marked());
    }

    // The print dialog is a module loaded on the first print: one that will
    // not load is said, and nothing is printed. (Before the module is found
    // below: once loaded it stays. Where the suites sit beside the program,
    // as on Windows, Qt's library paths would find it.)
    void printWithoutItsModuleSaysWhy()
    {
        const QStringList paths = QCoreApplication::libraryPaths();
        QCoreApplication::setLibraryPaths({});
        QtPlatform real;
        Platform *previous = Platform::install(&real);
        QString shownText;
        QTimer::singleShot(0, this, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *box = qobject_cast<QMessageBox *>(modal))
                shownText = box->text();
            if (modal)
                modal->close();
        });
        bool painted = false;
        const bool printed = real.print(nullptr, QStringLiteral("Print Drawn Cards"), QString(),
                                        [&](QPainter &, QPagedPaintDevice &) { return painted = true; });
        Platform::install(previous);
        QCoreApplication::setLibraryPaths(paths);
        QVERIFY(!printed);
        QVERIFY(!painted);
        const QString said = Messages::printingUnavailable(QStringLiteral("\x01"));
        QVERIFY2(shownText.startsWith(said.section(u'\x01', 0, 0)) && shownText.endsWith(said.section(u'\x01', 1)),
                 qPrintable(shownText));
    }

    // The preview's toolbar buttons take no focus: its Print has a key.
    // Without a printer the pages go to a PDF, under the offered name, made
    // by us, and only once a name is chosen: the dialog cancelled writes nothing.
    void printPreviewPrintsFromTheKeyboard()
    {
        const bool hasPrinter = QPrinter().outputFormat() == QPrinter::NativeFormat;
#ifdef Q_OS_WIN
        if (hasPrinter)
            QSKIP("the print dialog there is the system's own, which a test cannot close");
#endif
        QCoreApplication::addLibraryPath(QStringLiteral(VELMORA_MODULE_DIR));
        QTemporaryDir dir;
        const QString offered = dir.filePath(QStringLiteral("Cards.pdf"));
        QtPlatform real;
        Platform *previous = Platform::install(&real);
        // Printing opens the print dialog, or the file dialog of a PDF where
        // there is no printer: either is a second modal window. Each is closed
        // once it has been seen (the preview after the other, or after 5 s).
        QSet<QWidget *> seen;
        int ticks = 0;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            seen.insert(modal);
            if (seen.size() > 1 || ++ticks > 100) {
                modal->close();
            } else if (ticks == 1) {
                // From a timer of its own: the key's dialog blocks it, and a
                // timer does not fire again while its slot runs.
                QTimer::singleShot(0, modal, [modal] {
                    modal->activateWindow();
                    if (QTest::qWaitForWindowActive(modal))
                        QTest::keySequence(modal, QKeySequence::Print);
                });
            }
        });
        poll.start(50);
        QString fileName, creator;
        real.print(nullptr, QStringLiteral("Print Drawn Cards"), offered, [&](QPainter &, QPagedPaintDevice &device) {
            fileName = static_cast<QPrinter &>(device).outputFileName();
            creator = static_cast<QPrinter &>(device).creator();
            return true;
        });
        Platform::install(previous);
        QVERIFY2(seen.size() == 2, "the Print key opened nothing");
        QCOMPARE(creator, applicationTitle());
        QCOMPARE(fileName, hasPrinter ? QString() : offered);
        QVERIFY(!QFileInfo::exists(offered));
    }

    void windowOffersNoMaximiseAndNoResize()
    {
        FormFixture f;
        QVERIFY(!(f.form().windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(f.form().windowFlags() & Qt::WindowCloseButtonHint);
        QCOMPARE(f.form().minimumSize(), f.form().maximumSize());
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
