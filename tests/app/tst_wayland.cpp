// The window on a real Wayland compositor (a headless weston started by
// wayland-run.sh): it shows, the cards leave it (drag data), the
// pointer rules run, and the placement written at close keeps the last known
// position, which a Wayland client is never told.
#include "app/CardTransfer.h"
#include "tests/support/FormFixture.h"
#include "tests/support/TestSettings.h"

#include <QGuiApplication>
#include <QMimeData>
#include <QTest>
#include <memory>

class TstWayland : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("wayland"))
            QSKIP("not on a Wayland compositor (run through wayland-run.sh)");
        TestSettings::redirectUserConfig();
    }

    void windowWorksNatively()
    {
        QVERIFY(TestSettings::writeUserValues({{"Left", "1500"}, {"Top", "900"}}));
        FormFixture f;
        f.form().show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.form()));

        f.Text1()->setText(QStringLiteral("3"));
        f.button("PushButton2")->click();
        QTRY_COMPARE(f.List1()->count(), 3);
        QCOMPARE(f.List1()->currentRow(), 0);

        // The pointer over a button and back: the rules ask the compositor
        // for cursors it may not show, which must not fail.
        QTest::mouseMove(f.button("PushButton1"));
        QTest::mouseMove(&f.form(), QPoint(2, 2));

        auto *transfer = f.form().findChild<CardTransfer *>();
        QVERIFY(transfer);
        std::unique_ptr<QMimeData> data(transfer->selectedCardData(true));
        QVERIFY(data && data->hasImage() && data->urls().size() == 1);
        // (The clipboard is the compositor's and needs a seat, which a
        // headless weston has none of: it is tried by hand, not here.)

        f.form().close();
        // No position is known here: the earlier one stays, the size is new.
        QCOMPARE(TestSettings::readUserValue(QStringLiteral("Left")), QStringLiteral("1500"));
        QCOMPARE(TestSettings::readUserValue(QStringLiteral("Top")), QStringLiteral("900"));
        QCOMPARE(TestSettings::readUserValue(QStringLiteral("Width")).toInt(), f.form().frameGeometry().width() * 15);
    }
};

QTEST_MAIN(TstWayland)
#include "tst_wayland.moc"
