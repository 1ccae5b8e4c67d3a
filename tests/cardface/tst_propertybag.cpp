#include "cardface/PropertyBag.h"

#include <QPixmap>
#include <QTest>

class tst_PropertyBag : public QObject
{
    Q_OBJECT

private slots:
    void writeStoresOnlyWhatDiffersFromTheDefault_data();
    void writeStoresOnlyWhatDiffersFromTheDefault();
    void readGivesTheDefaultForAMissingName();
    void writingTheDefaultForgetsAnEarlierValue();
    void namesKeepTheOrderOfTheirFirstWrite();
};

void tst_PropertyBag::writeStoresOnlyWhatDiffersFromTheDefault_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QVariant>("defaultValue");
    QTest::addColumn<bool>("stored");

    QTest::addRow("0 with default 0 is omitted") << QVariant(0) << QVariant(0) << false;
    QTest::addRow("a 16-bit 0 with integer default 0 is omitted: numbers compare by value")
        << QVariant::fromValue<qint16>(0) << QVariant(0) << false;
    QTest::addRow("30 with default 0 is stored") << QVariant::fromValue<qint16>(30) << QVariant(0) << true;
    QTest::addRow("-1 with default 0 is stored") << QVariant(-1) << QVariant(0) << true;
    QTest::addRow("a picture never equals the text (None)")
        << QVariant::fromValue(QPixmap(71, 96)) << QVariant(QStringLiteral("(None)")) << true;
    QTest::addRow("an empty picture still is no text")
        << QVariant::fromValue(QPixmap()) << QVariant(QStringLiteral("(None)")) << true;
    QTest::addRow("the text (None) with its own default is omitted")
        << QVariant(QStringLiteral("(None)")) << QVariant(QStringLiteral("(None)")) << false;
    QTest::addRow("a text is no number: \"0\" with default 0 is stored")
        << QVariant(QStringLiteral("0")) << QVariant(0) << true;
    QTest::addRow("without a default every value is stored, 0 too") << QVariant(0) << QVariant() << true;
}

void tst_PropertyBag::writeStoresOnlyWhatDiffersFromTheDefault()
{
    QFETCH(QVariant, value);
    QFETCH(QVariant, defaultValue);
    QFETCH(bool, stored);

    PropertyBag bag;
    bag.write(QStringLiteral("Key"), value, defaultValue);
    QCOMPARE(bag.contains(QStringLiteral("Key")), stored);
    QCOMPARE(bag.isEmpty(), !stored);
    // Stored or not, reading with the same default gives the value back.
    const QVariant back = bag.read(QStringLiteral("Key"), defaultValue);
    if (value.metaType() == QMetaType::fromType<QPixmap>())
        QCOMPARE(back.value<QPixmap>().cacheKey(), value.value<QPixmap>().cacheKey());
    else
        QCOMPARE(back, value);
}

void tst_PropertyBag::readGivesTheDefaultForAMissingName()
{
    PropertyBag bag;
    bag.write(QStringLiteral("ChangeCard"), 30, 0);
    QCOMPARE(bag.read(QStringLiteral("ChangeBack"), 7), QVariant(7));
    QVERIFY(!bag.read(QStringLiteral("ChangeBack")).isValid());
    // Names are exact: another spelling is another name.
    QVERIFY(!bag.contains(QStringLiteral("changecard")));
    QCOMPARE(bag.read(QStringLiteral("ChangeCard"), 0), QVariant(30));
}

void tst_PropertyBag::writingTheDefaultForgetsAnEarlierValue()
{
    PropertyBag bag;
    bag.write(QStringLiteral("ChangeCard"), 30, 0);
    bag.write(QStringLiteral("ChangeCard"), 0, 0);
    QVERIFY(!bag.contains(QStringLiteral("ChangeCard")));
    QVERIFY(bag.names().isEmpty());
    QCOMPARE(bag.read(QStringLiteral("ChangeCard"), 0), QVariant(0));
}

void tst_PropertyBag::namesKeepTheOrderOfTheirFirstWrite()
{
    PropertyBag bag;
    bag.write(QStringLiteral("Picture"), QVariant::fromValue(QPixmap(2, 2)), QStringLiteral("(None)"));
    bag.write(QStringLiteral("ChangeCard"), 5, 0);
    bag.write(QStringLiteral("ChangeBack"), 5, 0);
    bag.write(QStringLiteral("ChangeCard"), 6, 0);
    QCOMPARE(bag.names(), QStringList({"Picture", "ChangeCard", "ChangeBack"}));
    QCOMPARE(bag.read(QStringLiteral("ChangeCard"), 0), QVariant(6));
}

QTEST_MAIN(tst_PropertyBag)
#include "tst_propertybag.moc"
