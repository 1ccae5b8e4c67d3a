#include "core/Failure.h"
#include "core/Messages.h"
#include "core/NumberText.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>
#include <cmath>
#include <limits>
#include <optional>

// The number rules every consumer shares: what counts as a number, how it
// rounds, when a whole-number conversion fails, how an entry splits.
class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void grammar_data();
    void grammar();
    void roundHalfEven_data();
    void roundHalfEven();
    void wholeNumber_data();
    void wholeNumber();
    void doubleConversionRejectsNaN();
    void readsTheSameUnderACommaLocale();
    void splitAtBlanks_data();
    void splitAtBlanks();

private:
    static QString failureOf(const std::function<void()> &f);
};

QString TestNumberText::failureOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const Failure &failure) {
        return failure.description();
    }
    return QString();
}

void TestNumberText::grammar_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");
    QTest::addColumn<double>("value");

    const double inf = std::numeric_limits<double>::infinity();
    QTest::addRow("empty text is no number") << QString() << false << 0.0;
    QTest::addRow("blanks only are no number") << QStringLiteral("   ") << false << 0.0;
    QTest::addRow("digits followed by letters are no number") << QStringLiteral("12abc") << false << 0.0;
    QTest::addRow("surrounding blanks are ignored") << QStringLiteral(" 7 ") << true << 7.0;
    QTest::addRow("blank inside the number is no number") << QStringLiteral("1 000") << false << 0.0;
    QTest::addRow("sign and fraction without whole part") << QStringLiteral("+.5") << true << 0.5;
    QTest::addRow("point without fraction") << QStringLiteral("5.") << true << 5.0;
    QTest::addRow("point alone is no number") << QStringLiteral(".") << false << 0.0;
    QTest::addRow("sign alone is no number") << QStringLiteral("-") << false << 0.0;
    QTest::addRow("exponent without digits is no number") << QStringLiteral("1e") << false << 0.0;
    QTest::addRow("exponent without mantissa is no number") << QStringLiteral("e5") << false << 0.0;
    QTest::addRow("signed exponent") << QStringLiteral("1e+3") << true << 1000.0;
    QTest::addRow("capital exponent, negative") << QStringLiteral("25E-1") << true << 2.5;
    QTest::addRow("double sign is no number") << QStringLiteral("--5") << false << 0.0;
    QTest::addRow("hexadecimal is no number") << QStringLiteral("0x10") << false << 0.0;
    QTest::addRow("NaN is no number") << QStringLiteral("NaN") << false << 0.0;
    QTest::addRow("inf is no number") << QStringLiteral("inf") << false << 0.0;
    QTest::addRow("digit grouping is no number") << QStringLiteral("1,000") << false << 0.0;
    QTest::addRow("decimal comma is no number") << QStringLiteral("2,5") << false << 0.0;
    QTest::addRow("exponent beyond double range is a huge number") << QStringLiteral("1e400") << true << inf;
    QTest::addRow("negative exponent beyond range reads as zero") << QStringLiteral("-1e-400") << true << 0.0;
    QTest::addRow("Arabic-Indic digit is no number") << QStringLiteral("\u0663") << false << 0.0;
    QTest::addRow("full-width digits are no number") << QStringLiteral("\uFF11\uFF12") << false << 0.0;
    QTest::addRow("non-breaking space is no padding") << QStringLiteral("\u00A07") << false << 0.0;
    QTest::addRow("line feed after digits is no number") << QStringLiteral("7\n") << false << 0.0;
    QTest::addRow("NUL inside digits is no number") << QString::fromUtf16(u"7\u00008", 3) << false << 0.0;
    QTest::addRow("100000 nines are one huge number") << QString(100000, u'9') << true << inf;
    QTest::addRow("100000 letters are no number") << QString(100000, u'x') << false << 0.0;
    QTest::addRow("long fraction keeps its value")
        << (QStringLiteral("3.") + QString(5000, u'0') + u'1') << true << 3.0;
}

void TestNumberText::grammar()
{
    QFETCH(QString, text);
    QFETCH(bool, numeric);
    QFETCH(double, value);

    QCOMPARE(NumberText::isNumeric(text), numeric);
    const std::optional<double> v = NumberText::value(text);
    QCOMPARE(v.has_value(), numeric);
    if (numeric)
        QCOMPARE(*v, value);
}

void TestNumberText::roundHalfEven_data()
{
    QTest::addColumn<double>("input");
    QTest::addColumn<double>("expected");

    QTest::addRow("2.5 goes down to the even 2") << 2.5 << 2.0;
    QTest::addRow("3.5 goes up to the even 4") << 3.5 << 4.0;
    QTest::addRow("-2.5 goes to the even -2") << -2.5 << -2.0;
    QTest::addRow("-3.5 goes to the even -4") << -3.5 << -4.0;
    QTest::addRow("0.5 goes to 0") << 0.5 << 0.0;
    QTest::addRow("52.5 goes to 52") << 52.5 << 52.0;
    QTest::addRow("52.6 goes to 53") << 52.6 << 53.0;
    QTest::addRow("-2.6 goes away from zero") << -2.6 << -3.0;
    QTest::addRow("just below a half goes down") << 0.49999999999999994 << 0.0;
    QTest::addRow("half at the edge of exact doubles goes to even")
        << 4503599627370495.5 << 4503599627370496.0;
}

void TestNumberText::roundHalfEven()
{
    QFETCH(double, input);
    QFETCH(double, expected);
    QCOMPARE(NumberText::roundHalfEven(input), expected);
}

void TestNumberText::wholeNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("bits");
    QTest::addColumn<qint64>("expected");
    QTest::addColumn<QString>("failure");

    const QString ok;
    const QString overflow = Messages::overflow();
    const QString mismatch = Messages::typeMismatch();
    QTest::addRow("16: largest value") << "32767" << 16 << qint64(32767) << ok;
    QTest::addRow("16: 32766.5 rounds to even 32766") << "32766.5" << 16 << qint64(32766) << ok;
    QTest::addRow("16: 32767.5 rounds to 32768 and overflows") << "32767.5" << 16 << qint64(0) << overflow;
    QTest::addRow("16: -32768.5 rounds to even -32768") << "-32768.5" << 16 << qint64(-32768) << ok;
    QTest::addRow("16: -32768.6 overflows") << "-32768.6" << 16 << qint64(0) << overflow;
    QTest::addRow("16: 1e400 overflows") << "1e400" << 16 << qint64(0) << overflow;
    QTest::addRow("16: empty text is a type mismatch") << "" << 16 << qint64(0) << mismatch;
    QTest::addRow("16: 12abc is a type mismatch") << "12abc" << 16 << qint64(0) << mismatch;
    QTest::addRow("16: blanks around are fine") << " 52 " << 16 << qint64(52) << ok;
    QTest::addRow("32: 2147483647.4 fits") << "2147483647.4" << 32 << qint64(2147483647) << ok;
    QTest::addRow("32: 2147483647.5 rounds up and overflows") << "2147483647.5" << 32 << qint64(0) << overflow;
    QTest::addRow("32: -2147483648.5 rounds to even -2147483648")
        << "-2147483648.5" << 32 << qint64(-2147483648LL) << ok;
    QTest::addRow("32: 3e9 overflows") << "3e9" << 32 << qint64(0) << overflow;
    QTest::addRow("32: -1e400 overflows") << "-1e400" << 32 << qint64(0) << overflow;
    QTest::addRow("32: 40000 fits where 16 bits would not") << "40000" << 32 << qint64(40000) << ok;
    QTest::addRow("32: inf is a type mismatch") << "inf" << 32 << qint64(0) << mismatch;
}

void TestNumberText::wholeNumber()
{
    QFETCH(QString, text);
    QFETCH(int, bits);
    QFETCH(qint64, expected);
    QFETCH(QString, failure);

    qint64 result = 0;
    const QString thrown = failureOf([&] {
        result = bits == 16 ? qint64(NumberText::toInt16(text)) : qint64(NumberText::toInt32(text));
    });
    QCOMPARE(thrown, failure);
    if (failure.isEmpty())
        QCOMPARE(result, expected);
}

void TestNumberText::doubleConversionRejectsNaN()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QCOMPARE(failureOf([&] { NumberText::toInt16(nan); }), Messages::typeMismatch());
    QCOMPARE(failureOf([&] { NumberText::toInt32(nan); }), Messages::typeMismatch());
    QCOMPARE(failureOf([&] { NumberText::toInt32(std::numeric_limits<double>::infinity()); }),
             Messages::overflow());
}

// The program runs in the user's locale (Qt sets it from the environment at
// start), but a count of "2.5" must mean two and a half on every desktop.
void TestNumberText::readsTheSameUnderACommaLocale()
{
    // Linux names first, then the Windows name of the same locale.
    const char *candidates[] = {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE.utf8", "nl_NL.UTF-8", "German_Germany.1252"};
    const char *chosen = nullptr;
    for (const char *name : candidates) {
        if (std::setlocale(LC_NUMERIC, name)) {
            chosen = name;
            break;
        }
    }
    QTemporaryDir locales;
    if (!chosen) {
        // No comma locale installed: build one into a private folder.
        const QString localedef = QStandardPaths::findExecutable(QStringLiteral("localedef"));
        if (localedef.isEmpty())
            QSKIP("no locale with a decimal comma is installed and localedef is missing");
        QProcess build;
        build.start(localedef, {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"),
                                QStringLiteral("UTF-8"), locales.filePath(QStringLiteral("de_DE.UTF-8"))});
        build.waitForFinished(60000);
        qputenv("LOCPATH", locales.path().toLocal8Bit());
        if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
            chosen = "de_DE.UTF-8";
    }
    if (!chosen)
        QSKIP("no locale with a decimal comma can be set on this machine");

    const std::optional<double> half = NumberText::value(u"2.5");
    const std::optional<double> big = NumberText::value(u"52.6");
    std::setlocale(LC_NUMERIC, "C");
    qunsetenv("LOCPATH");

    QVERIFY(half.has_value());
    QCOMPARE(*half, 2.5);
    QCOMPARE(*big, 52.6);
}

void TestNumberText::splitAtBlanks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("words");

    QTest::addRow("list entry gives word and number") << "Card 17" << QStringList{"Card", "17"};
    QTest::addRow("two blanks keep an empty word between") << "Card  7" << QStringList{"Card", "", "7"};
    QTest::addRow("leading blank gives an empty first word") << " 7" << QStringList{"", "7"};
    QTest::addRow("trailing blank gives an empty last word") << "Card " << QStringList{"Card", ""};
    QTest::addRow("empty text is one empty word") << "" << QStringList{""};
    QTest::addRow("a tab does not split") << "Card\t7" << QStringList{"Card\t7"};
    QTest::addRow("a non-breaking space does not split") << QStringLiteral("Card\u00A07")
                                                         << QStringList{QStringLiteral("Card\u00A07")};
}

void TestNumberText::splitAtBlanks()
{
    QFETCH(QString, text);
    QFETCH(QStringList, words);
    const QStringList split = NumberText::splitAtBlanks(text);
    QCOMPARE(split, words);
    QCOMPARE(split.join(u' '), text);
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
