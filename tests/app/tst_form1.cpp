// The main window: laid out as designed, and its handlers meeting correctly.
#include "tests/support/FormFixture.h"
#include "core/Messages.h"
#include "tests/support/TestSettings.h"

#include <QGroupBox>
#include <QRegularExpression>
#include <QLabel>
#include <QScreen>
#include <QTest>

class TstForm1 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSettings::redirectUserConfig(); }
    void cleanup() { TestSettings::clearUserStore(); }

    // Whatever the layout's numbers: every control lies wholly inside its
    // frame (or the window), no two controls of one container overlap, and the
    // rows across the window keep the same margin on both sides.
    void controlsNeitherOverlapNorLeaveTheirFrame()
    {
        FormFixture f;
        const QRegularExpression designed(QStringLiteral("^(Frame|Text|List|PushButton|ProgressBar|Image)\\d+$"));
        const QList<QWidget *> controls = f.form().findChildren<QWidget *>(designed);
        QVERIFY(controls.size() >= 12);
        for (QWidget *control : controls) {
            const QWidget *container = control->parentWidget();
            QVERIFY2(QRect(QPoint(), container->size()).contains(control->geometry()), qPrintable(control->objectName()));
            for (QWidget *other : controls)
                if (other != control && other->parentWidget() == container)
                    QVERIFY2(!control->geometry().intersects(other->geometry()),
                             qPrintable(control->objectName() + u' ' + other->objectName()));
            if (container == &f.form() && control->width() > f.form().width() / 2)
                QCOMPARE(control->x(), f.form().width() - control->geometry().right() - 1);
        }
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
        QCOMPARE(f.control<QGroupBox>("Frame4")->title(), Messages::folderLabel());
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
        QTest::addRow("no number") << QStringLiteral("abc") << Messages::mustBeNumerical();
        QTest::addRow("above 52") << QStringLiteral("60") << Messages::upToDeckSize();
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
