#include "draw/CardDraw.h"
#include "core/Messages.h"
#include "core/ErrorReport.h"
#include "core/Guard.h"
#include "save/CardExport.h"
#include "app/Form1.h"
#include "tests/support/FormFixture.h"
#include "app/QtPlatform.h"
#include "tests/support/TestSettings.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QTemporaryDir>
#include <QApplication>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTimer>
#include <QTest>

#include <functional>

namespace {

const QString emailLine = Messages::emailScreenshot()
    + QString::fromUtf16(ErrorReport::supportAddress);

struct SeenBox {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
};

// Runs the handler with the real message boxes; each box that opens is read
// by `seen`, then closed with OK by a timer, as a user would.
void withRealBoxes(const std::function<void()> &handler, const std::function<void(QMessageBox *)> &seen)
{
    QtPlatform real;
    Platform *fake = Platform::install(&real);
    QTimer closer;
    closer.setInterval(10);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<QMessageBox *>(w);
            if (!box || !box->isVisible())
                continue;
            seen(box);
            box->button(QMessageBox::Ok)->click();
        }
    });
    closer.start();
    handler();
    closer.stop();
    Platform::install(fake);
}

} // namespace

class TestErrorReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void divisionByZeroDuringDrawIsReportedAtLine104();
    void reportLayoutByteForByte_data();
    void reportLayoutByteForByte();
    void realMessageBoxShowsTheReport();
    void saveAllReportsTogetherOnlyWhenTicked_data();
    void saveAllReportsTogetherOnlyWhenTicked();
};

void TestErrorReport::initTestCase()
{
    TestSettings::redirectUserConfig();
}

// The user zeroes the count while a draw of two cards runs: the second card's
// progress value divides by zero.
void TestErrorReport::divisionByZeroDuringDrawIsReportedAtLine104()
{
    FormFixture f;
    QVERIFY(f.showActive());
    f.Text1()->setText(QStringLiteral("2"));
    bool zeroed = false;
    f.platform.onYield = [&] {
        if (!zeroed) {
            zeroed = true;
            f.Text1()->setText(QStringLiteral("0"));
        }
    };
    QTest::mouseClick(f.button("PushButton2"), Qt::LeftButton);

    QCOMPARE(f.platform.messages.size(), 1);
    const FakePlatform::Message &m = f.platform.messages[0];
    QCOMPARE(m.text,
             QStringLiteral("Division by zero\r\nin Ostrelle5/20/2014.Form1.PushButton2_Click at line 104\r\r")
                 + emailLine);
    QCOMPARE(m.title, Messages::applicationError());
    QCOMPARE(m.icon, Platform::Icon::Warning);
    QCOMPARE(f.List1()->count(), 2);
}

void TestErrorReport::reportLayoutByteForByte_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("line");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray tail = "\r\r" + emailLine.toUtf8();
    QTest::addRow("type mismatch at the first line")
        << Messages::typeMismatch() << 100
        << QByteArray("Type mismatch\r\nin Ostrelle5/20/2014.Form1.PushButton2_Click at line 100") + tail;
    QTest::addRow("a description with the file system's reason and a path")
        << QStringLiteral("Permission denied: /tmp/Kärten/Card 1.bmp") << 124
        << QByteArray("Permission denied: /tmp/K\xc3\xa4rten/Card 1.bmp\r\n"
                      "in Ostrelle5/20/2014.Form1.PushButton2_Click at line 124")
            + tail;
}

void TestErrorReport::reportLayoutByteForByte()
{
    QFETCH(QString, description);
    QFETCH(int, line);
    QFETCH(QByteArray, expected);

    const QString text = ErrorReport::message(description, ErrorReport::location("PushButton2_Click"), line);
    QCOMPARE(text.toUtf8(), expected);
    // The address at the end is one the user can write to.
    QVERIFY(QRegularExpression(QStringLiteral("to [^@\\s]+@[^@\\s]+\\.[a-z]+$")).match(text).hasMatch());
}

// The real box: a draw whose count is no number reports line 102 through
// QMessageBox; a timer plays the user who reads it and presses OK.
void TestErrorReport::realMessageBoxShowsTheReport()
{
    FormFixture f;
    QVERIFY(f.showActive());
    f.Text1()->setText(QStringLiteral("abc"));

    QList<SeenBox> seen;
    withRealBoxes([&] { f.form().draw().PushButton2_Click(); }, [&](QMessageBox *box) {
        seen.append({box->text(), box->windowTitle(), box->icon(), int(box->buttons().size())});
    });

    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen[0].text,
             QStringLiteral("Type mismatch\r\nin Ostrelle5/20/2014.Form1.PushButton2_Click at line 102\r\r")
                 + emailLine);
    QCOMPARE(seen[0].title, Messages::applicationError());
    QCOMPARE(seen[0].icon, QMessageBox::Warning);
    QCOMPARE(seen[0].buttons, 1);
    QCOMPARE(f.List1()->count(), 0);
}

void TestErrorReport::saveAllReportsTogetherOnlyWhenTicked_data()
{
    QTest::addColumn<bool>("tick");
    QTest::addRow("unticked, every card is reported and the summary points back") << false;
    QTest::addRow("ticked, one report and the summary counts the rest with their reason") << true;
}

// Every card's write fails; the real boxes are read and closed by a timer,
// which ticks the first report's check box or leaves it.
void TestErrorReport::saveAllReportsTogetherOnlyWhenTicked()
{
    QFETCH(bool, tick);
    const int cards = 3;
    FormFixture f;
    QTemporaryDir folder;
    f.Text2()->setText(folder.path());
    f.Text1()->setText(QString::number(cards));
    f.form().draw().PushButton2_Click();
    Guard::setInjector([](const QString &location, int line) {
        return line == 114 && location.contains(QLatin1String("PushButton1_Click"));
    });
    QStringList texts, offered;
    withRealBoxes([&] { f.form().exporter().PushButton1_Click(); }, [&](QMessageBox *box) {
        texts.append(box->text());
        offered.append(box->checkBox() ? box->checkBox()->text() : QString());
        if (box->checkBox())
            box->checkBox()->setChecked(tick);
    });
    Guard::setInjector({});

    // One report per card unless ticked, only the first offering the box.
    const QString reason = QStringLiteral("Injected failure");
    const int reports = tick ? 1 : cards;
    QCOMPARE(texts.size(), reports + 1);
    QCOMPARE(texts.filter(QRegularExpression(u'^' + reason)).size(), reports);
    QCOMPARE(offered.first(), Messages::reportTogether());
    QCOMPARE(offered.count(QString()), reports);
    QCOMPARE(texts.last(), tick ? Messages::savedTogether(0, cards, reason) : Messages::savedSome(0, cards));
}

QTEST_MAIN(TestErrorReport)
#include "tst_errorreport.moc"
