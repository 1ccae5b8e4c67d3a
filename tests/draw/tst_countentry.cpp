#include "tests/support/FormFixture.h"
#include "core/Messages.h"
#include "app/QtPlatform.h"
#include "tests/support/TestSettings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QTest>

namespace {

const QString notNumeric = Messages::mustBeNumerical();
const QString notNumericTitle = Messages::numericValueRequired();
const QString aboveLimit = Messages::upToDeckSize();
const QString appTitle = QStringLiteral("Velmora");

// Lets the check that runs once the focus has settled have its turn.
void settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

QString storedCount()
{
    return TestSettings::readUserValue(QStringLiteral("Number Of Cards"));
}

} // namespace

class TestCountEntry : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void checkedWhenFocusMovesAway_data();
    void checkedWhenFocusMovesAway();
    void checkedOncePerFocusLoss_data();
    void checkedOncePerFocusLoss();
    void windowDeactivationIsNoFocusLoss();
    void realMessageBoxRefusesOnceAndGivesFocusBack();
    void storedCountFollowsEveryEdit();
    void enterDrawsAfterTheCheck_data();
    void enterDrawsAfterTheCheck();
};

void TestCountEntry::initTestCase()
{
    TestSettings::redirectUserConfig();
}

void TestCountEntry::checkedWhenFocusMovesAway_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");

    // What is a number at all is tst_numbertext's table; these rows take each
    // outcome of the field's check once, and its edges.
    QTest::addRow("empty is not numeric") << "" << notNumeric << notNumericTitle;
    QTest::addRow("53 is above the limit") << "53" << aboveLimit << appTitle;
    QTest::addRow("52.6 rounds to 53, above the limit") << "52.6" << aboveLimit << appTitle;
    QTest::addRow("1e400 beyond double is above the limit, not an overflow") << "1e400" << aboveLimit << appTitle;
    QTest::addRow("52.5 rounds to 52 and is accepted") << "52.5" << "" << "";
    QTest::addRow("0 is accepted") << "0" << "" << "";
    QTest::addRow("-1e400 far below zero is accepted") << "-1e400" << "" << "";
}

void TestCountEntry::checkedWhenFocusMovesAway()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(QString, title);

    FormFixture f;
    QVERIFY(f.showActive());
    f.Text1()->setFocus();
    QTRY_VERIFY(f.Text1()->hasFocus());
    f.Text1()->setText(text);

    QTest::mouseClick(f.Text2(), Qt::LeftButton);
    if (message.isEmpty()) {
        QTRY_VERIFY(f.Text2()->hasFocus());
        settle();
        QCOMPARE(f.platform.messages.size(), 0);
        QVERIFY(f.Text2()->hasFocus());
    } else {
        QTRY_COMPARE(f.platform.messages.size(), 1);
        QCOMPARE(f.platform.messages[0].text, message);
        QCOMPARE(f.platform.messages[0].title, title);
        QCOMPARE(f.platform.messages[0].icon, Platform::Icon::Warning);
        QTRY_VERIFY(f.Text1()->hasFocus());
    }
    // Neither outcome touches the text or the stored copy.
    QCOMPARE(f.Text1()->text(), text);
    QCOMPARE(storedCount(), text);
}

void TestCountEntry::checkedOncePerFocusLoss_data()
{
    QTest::addColumn<bool>("byTab");
    QTest::addRow("focus moved by a mouse click") << false;
    QTest::addRow("focus moved by Tab") << true;
}

// A refusal puts the focus back, and that must not start another check;
// each new move away is checked again.
void TestCountEntry::checkedOncePerFocusLoss()
{
    QFETCH(bool, byTab);

    FormFixture f;
    QVERIFY(f.showActive());
    f.Text1()->setText(QStringLiteral("abc"));
    const auto moveAway = [&] {
        f.Text1()->setFocus();
        if (byTab)
            QTest::keyClick(f.Text1(), Qt::Key_Tab);
        else
            QTest::mouseClick(f.button("PushButton9"), Qt::LeftButton);
    };

    moveAway();
    QTRY_COMPARE(f.platform.messages.size(), 1);
    QTRY_VERIFY(f.Text1()->hasFocus());
    settle();
    QCOMPARE(f.platform.messages.size(), 1);

    moveAway();
    QTRY_COMPARE(f.platform.messages.size(), 2);
    QTRY_VERIFY(f.Text1()->hasFocus());
    settle();
    QCOMPARE(f.platform.messages.size(), 2);
}

void TestCountEntry::windowDeactivationIsNoFocusLoss()
{
    FormFixture f;
    QVERIFY(f.showActive());
    f.Text1()->setText(QStringLiteral("abc"));
    f.Text1()->setFocus();
    QTRY_VERIFY(f.Text1()->hasFocus());

    QWidget other;
    other.resize(100, 100);
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    settle();
    QCOMPARE(f.platform.messages.size(), 0);

    QVERIFY(f.reactivate());
    settle();
    QCOMPARE(f.platform.messages.size(), 0);
    QVERIFY(f.Text1()->hasFocus());
}

// The real box takes the focus itself: its focus change is no focus loss of
// the field, so exactly one box shows, and the field gets the focus back.
void TestCountEntry::realMessageBoxRefusesOnceAndGivesFocusBack()
{
    FormFixture f;
    QVERIFY(f.showActive());
    f.Text1()->setText(QStringLiteral("53"));
    f.Text1()->setFocus();
    QTRY_VERIFY(f.Text1()->hasFocus());

    QtPlatform real;
    Platform *fake = Platform::install(&real);
    QStringList seen;
    QTimer closer;
    closer.setInterval(10);
    connect(&closer, &QTimer::timeout, this, [&] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<QMessageBox *>(w);
            if (box && box->isVisible()) {
                seen.append(box->windowTitle() + u'|' + box->text());
                box->button(QMessageBox::Ok)->click();
            }
        }
    });
    closer.start();
    QTest::mouseClick(f.Text2(), Qt::LeftButton);
    QTRY_COMPARE(seen.size(), 1);

    QVERIFY(f.reactivate());
    QTRY_VERIFY(f.Text1()->hasFocus());
    settle();
    closer.stop();
    Platform::install(fake);
    QCOMPARE(seen, QStringList{appTitle + u'|' + aboveLimit});
    QCOMPARE(f.Text1()->text(), QStringLiteral("53"));
}

void TestCountEntry::storedCountFollowsEveryEdit()
{
    FormFixture f;
    QVERIFY(f.showActive());
    QLineEdit *count = f.Text1();
    count->setFocus();
    count->selectAll();
    const QList<std::pair<std::function<void()>, QString>> edits = {
        {[&] { QTest::keyClick(count, Qt::Key_Delete); }, QString()},
        {[&] { QTest::keyClicks(count, QStringLiteral("5")); }, QStringLiteral("5")},
        {[&] { QTest::keyClicks(count, QStringLiteral("3")); }, QStringLiteral("53")},
        {[&] { QTest::keyClick(count, Qt::Key_Home); QTest::keyClicks(count, QStringLiteral("-")); },
         QStringLiteral("-53")},
        {[&] { QTest::keyClick(count, Qt::Key_End); QTest::keyClick(count, Qt::Key_Backspace); },
         QStringLiteral("-5")},
    };
    for (const auto &[edit, expected] : edits) {
        edit();
        QCOMPARE(count->text(), expected);
        QCOMPARE(storedCount(), expected);
    }
}

void TestCountEntry::enterDrawsAfterTheCheck_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("listed");

    QTest::addRow("Enter with 5 draws five") << "5" << int(Qt::Key_Return) << "" << 5;
    QTest::addRow("keypad Enter with 52 draws all") << "52" << int(Qt::Key_Enter) << "" << 52;
    QTest::addRow("Enter with 0 draws nothing, without a message") << "0" << int(Qt::Key_Return) << "" << 0;
    QTest::addRow("Enter with 53 is refused, no draw") << "53" << int(Qt::Key_Return) << aboveLimit << 2;
    QTest::addRow("Enter with abc is refused, no draw") << "abc" << int(Qt::Key_Enter) << notNumeric << 2;
}

// Enter in the field is a press of the draw button with the focus-loss check
// run first; the focus stays in the field for the next count.
void TestCountEntry::enterDrawsAfterTheCheck()
{
    QFETCH(QString, text);
    QFETCH(int, key);
    QFETCH(QString, message);
    QFETCH(int, listed);

    FormFixture f;
    QVERIFY(f.showActive());
    // A refused count must leave an earlier draw alone.
    f.List1()->addItems({QStringLiteral("Card 1"), QStringLiteral("Card 2")});
    f.Text1()->setFocus();
    QTRY_VERIFY(f.Text1()->hasFocus());
    f.Text1()->setText(text);
    const auto modifiers = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
    QTest::keyClick(f.Text1(), Qt::Key(key), modifiers);
    QTRY_COMPARE(f.List1()->count(), listed);
    settle();
    QCOMPARE(f.List1()->count(), listed);
    QCOMPARE(f.platform.messages.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QCOMPARE(f.platform.messages[0].text, message);
    QVERIFY(f.Text1()->hasFocus());
    QCOMPARE(f.Text1()->text(), text);
}

QTEST_MAIN(TestCountEntry)
#include "tst_countentry.moc"
