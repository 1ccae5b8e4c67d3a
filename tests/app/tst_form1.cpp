// The main window: laid out as designed, and its handlers meeting correctly.
#include "tests/support/FormFixture.h"
#include "app/MainModule.h"
#include "tests/support/TestSettings.h"

#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <QTest>

class TstForm1 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSettings::redirectUserConfig(); }
    void cleanup() { TestSettings::clearUserStore(); }

    void controlsSitWhereTheLayoutPutsThem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("twips");
        const auto row = [](const char *name, const char *container, int l, int t, int w, int h) {
            QTest::addRow("%s", name) << QString::fromLatin1(name) << QString::fromLatin1(container)
                                      << QRect(l, t, w, h);
        };
        row("ProgressBar1", "Form1", 120, 6675, 7800, 405);
        row("PushButton2", "Form1", 120, 1035, 7800, 405);
        row("Frame1", "Form1", 120, 120, 7800, 795);
        row("Text1", "Frame1", 240, 300, 7335, 330);
        row("Frame2", "Form1", 4080, 1530, 3840, 3615);
        row("Frame3", "Form1", 120, 1530, 3855, 3615);
        row("PushButton1", "Form1", 120, 6150, 3840, 405);
        row("PushButton3", "Form1", 4080, 6150, 3840, 405);
        row("Frame4", "Form1", 120, 5220, 7800, 810);
        row("Text2", "Frame4", 240, 300, 6495, 345);
        row("PushButton9", "Frame4", 6840, 300, 720, 345);
        row("List1", "Frame3", 240, 360, 3375, 2985);
    }

    void controlsSitWhereTheLayoutPutsThem()
    {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRect, twips);
        FormFixture f;
        auto *control = f.form().findChild<QWidget *>(name);
        QVERIFY(control);
        QCOMPARE(control->parentWidget()->objectName(), container);
        const int t = Main::twipsPerPixel;
        QCOMPARE(control->geometry(), QRect(twips.x() / t, twips.y() / t, twips.width() / t, twips.height() / t));
    }

    void windowLooksAsDesigned()
    {
        FormFixture f;
        QVERIFY(f.showActive());
        Form1 &w = f.form();
        QCOMPARE(w.windowTitle(), QStringLiteral("Velmora"));
        QCOMPARE(w.size(), QSize(536, 479));
        QCOMPARE(w.minimumSize(), w.maximumSize()); // no resizing
        QVERIFY(!w.windowIcon().isNull());
        for (int size : {32, 48, 128, 256})
            QVERIFY2(w.windowIcon().availableSizes().contains(QSize(size, size)), qPrintable(QString::number(size)));

        QCOMPARE(w.palette().color(QPalette::Window), QColor(Qt::white));
        for (const char *frame : {"Frame1", "Frame2", "Frame3", "Frame4"})
            QCOMPARE(f.control<QGroupBox>(frame)->palette().color(QPalette::Window), QColor(Qt::white));

        QCOMPARE(f.Text1()->font().family(), QStringLiteral("Arial"));
        QCOMPARE(f.Text1()->font().styleHint(), QFont::SansSerif); // where Arial is missing
        QVERIFY(f.Text1()->font().bold());
        QCOMPARE(f.Text1()->font().pointSizeF(), 9.0);
        for (const char *button : {"PushButton1", "PushButton2", "PushButton3", "PushButton9"}) {
            QCOMPARE(f.button(button)->font().pointSizeF(), 11.25);
            QVERIFY(f.button(button)->font().bold());
        }
        QCOMPARE(f.ProgressBar1()->text(), QStringLiteral("Progress Bar"));
        QCOMPARE(f.ProgressBar1()->value(), 0);
        QCOMPARE(f.control<QGroupBox>("Frame1")->title(), QStringLiteral("Number To Generate"));
        QCOMPARE(f.control<QGroupBox>("Frame4")->title(), QStringLiteral("Save Results To This Folder"));
        QCOMPARE(f.button("PushButton2")->text(), QStringLiteral("Start Generate Random Playing Cards"));
        QVERIFY(f.List1()->count() == 0);
        QVERIFY(f.control<QLabel>("Image1")->pixmap().isNull());
    }

    void tabOrderFollowsTheLayout()
    {
        FormFixture f;
        QVERIFY(f.showActive());
        const QStringList expected{"PushButton2", "Text1", "PushButton1", "PushButton3",
                                   "Text2", "PushButton9", "List1"};
        f.button("PushButton2")->setFocus();
        QStringList seen;
        for (int i = 0; i < expected.size(); ++i) {
            seen << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(seen, expected);
    }

    void startsCentredWhateverPlacementWasStored()
    {
        {
            FormFixture first;
            QVERIFY(first.showActive());
            first.form().move(3, 4);
            first.form().close();
        }
        QCOMPARE(TestSettings::readUserValue(QStringLiteral("Left")), QStringLiteral("45"));
        FormFixture f;
        QVERIFY(f.showActive());
        // The frame, title bar included, is what is centred, on the screen
        // less its taskbar; a pixel for rounding.
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect frame = f.form().frameGeometry();
        QVERIFY(frame.size() != f.form().size());
        QVERIFY2(qAbs(frame.center().x() - area.center().x()) <= 1, "not centred across");
        QVERIFY2(qAbs(frame.center().y() - area.center().y()) <= 1, "not centred down");
    }

    void aClickAfterARefusedCountDoesNotGoThrough_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("message");
        QTest::addRow("no number") << QStringLiteral("abc") << QStringLiteral("Must be numerical value.");
        QTest::addRow("above 52") << QStringLiteral("60") << QStringLiteral("Up to 52 cards allowed");
    }

    void aClickAfterARefusedCountDoesNotGoThrough()
    {
        QFETCH(QString, count);
        QFETCH(QString, message);
        FormFixture f;
        QVERIFY(f.showActive());
        f.Text1()->setFocus();
        f.Text1()->setText(count);
        // Press and release arrive together, before the focus change settles.
        QTest::mouseClick(f.button("PushButton2"), Qt::LeftButton);
        QCOMPARE(f.platform.messages.size(), 1);
        QCOMPARE(f.platform.messages.first().text, message);
        QCOMPARE(f.List1()->count(), 0);
        QVERIFY(f.reactivate());
        QTRY_COMPARE(QApplication::focusWidget(), f.Text1());
        // The focus change's own check has been settled: nothing more comes.
        QTest::qWait(20);
        QCOMPARE(f.platform.messages.size(), 1);
    }

    void anAcceptedCountDrawsOnTheSameClick()
    {
        FormFixture f;
        QVERIFY(f.showActive());
        f.Text1()->setFocus();
        f.Text1()->setText(QStringLiteral("5"));
        QTest::mouseClick(f.button("PushButton2"), Qt::LeftButton);
        QCOMPARE(f.List1()->count(), 5);
        QVERIFY(f.platform.messages.isEmpty());
        QVERIFY(!f.control<QLabel>("Image1")->pixmap().isNull());
    }
};

QTEST_MAIN(TstForm1)
#include "tst_form1.moc"
