#include "cardface/Deck.h"
#include "tests/cardface/DeckTest.h"
#include "tests/support/FakePlatform.h"
#include <QSignalSpy>
#include <QTest>

using namespace DeckTest;

class tst_Deck : public QObject
{
    Q_OBJECT

private slots:
    void aNewControlHasIndexZeroAndNoPicture();
    void anIndexSelectsItsPicture_data();
    void anIndexSelectsItsPicture();
    void outOfRangeIsRefused_data();
    void outOfRangeIsRefused();
    void hostValuesByNameAreAccepted_data();
    void hostValuesByNameAreAccepted();
    void cardAndBackShareOneIndex();
    void showMethodsChangeOnlyThePicture_data();
    void showMethodsChangeOnlyThePicture();
    void settingTheSameValueNotifiesEveryTime_data();
    void settingTheSameValueNotifiesEveryTime();
    void pictureAssignmentIsRefused_data();
    void pictureAssignmentIsRefused();
};

void tst_Deck::aNewControlHasIndexZeroAndNoPicture()
{
    Deck deck;
    QCOMPARE(deck.changeCard(), qint16(0));
    QVERIFY(deck.Picture().isNull());
    QCOMPARE(deck.property("ChangeCard").value<qint16>(), qint16(0));
}

void tst_Deck::anIndexSelectsItsPicture_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("picture");
    QTest::addRow("ChangeCard 0 is the ace of spades") << "ChangeCard" << 0 << "card00";
    QTest::addRow("ChangeCard 12 is the king of spades") << "ChangeCard" << 12 << "card12";
    QTest::addRow("ChangeCard 13 is the ace of diamonds: the suit changes every 13")
        << "ChangeCard" << 13 << "card13";
    QTest::addRow("ChangeCard 30 is the five of clubs") << "ChangeCard" << 30 << "card30";
    QTest::addRow("ChangeCard 51 is the king of hearts") << "ChangeCard" << 51 << "card51";
    QTest::addRow("ChangeCard 52 is the red joker") << "ChangeCard" << 52 << "joker1";
    QTest::addRow("ChangeCard 53 is the black joker") << "ChangeCard" << 53 << "joker2";
    QTest::addRow("ChangeBack 0 is the first back design") << "ChangeBack" << 0 << "back00";
    QTest::addRow("ChangeBack 3 is the basket weave") << "ChangeBack" << 3 << "back03";
    QTest::addRow("ChangeBack 11, the last design, is accepted") << "ChangeBack" << 11 << "back11";
}

void tst_Deck::anIndexSelectsItsPicture()
{
    QFETCH(QString, property);
    QFETCH(int, index);
    QFETCH(QString, picture);
    FakePlatform platform;
    Deck deck;
    QSignalSpy spy(&deck, &Deck::propertyChanged);

    const bool card = property == QLatin1String("ChangeCard");
    if (card)
        deck.setChangeCard(qint16(index));
    else
        deck.setChangeBack(qint16(index));

    QCOMPARE(card ? deck.changeCard() : deck.changeBack(), qint16(index));
    // Shared, not copied: the very object of the set.
    QCOMPARE(deck.Picture().cacheKey(), stored(picture).cacheKey());
    QCOMPARE(pixelsOf(deck.Picture()), decoded(picture));
    QCOMPARE(deck.property("Picture").value<QPixmap>().cacheKey(), stored(picture).cacheKey());
    QCOMPARE(spied(spy), QStringList{property});
    QVERIFY(platform.messages.isEmpty());
}

void tst_Deck::outOfRangeIsRefused_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("message");
    QTest::addRow("ChangeCard -1 is below the ace of spades") << "ChangeCard" << QVariant(-1) << CardMessage;
    QTest::addRow("ChangeCard 54 is past the black joker") << "ChangeCard" << QVariant(54) << CardMessage;
    QTest::addRow("ChangeCard 32767 is refused") << "ChangeCard" << QVariant(32767) << CardMessage;
    QTest::addRow("ChangeCard -32768 is refused") << "ChangeCard" << QVariant(-32768) << CardMessage;
    QTest::addRow("ChangeBack 12 is past the last design") << "ChangeBack" << QVariant(12) << BackMessage;
    QTest::addRow("ChangeBack -1 is refused") << "ChangeBack" << QVariant(-1) << BackMessage;
    QTest::addRow("ChangeBack 30, a face index, is no design") << "ChangeBack" << QVariant(30) << BackMessage;
    // From here on only a host can give the value: none fits the 16-bit setters.
    QTest::addRow("40000 does not fit 16 bits") << "ChangeCard" << QVariant(40000) << CardMessage;
    QTest::addRow("65566 does not wrap to 30") << "ChangeCard" << QVariant(65566) << CardMessage;
    QTest::addRow("2^32 + 30 does not wrap to 30")
        << "ChangeCard" << QVariant(qlonglong(4294967326LL)) << CardMessage;
    QTest::addRow("-65536 does not wrap to 0") << "ChangeCard" << QVariant(-65536) << CardMessage;
    QTest::addRow("the largest unsigned 64-bit value is refused")
        << "ChangeCard" << QVariant(qulonglong(18446744073709551615ULL)) << CardMessage;
    QTest::addRow("1e300 is refused") << "ChangeCard" << QVariant(1e300) << CardMessage;
    QTest::addRow("NaN is no number") << "ChangeCard" << QVariant(qQNaN()) << CardMessage;
    QTest::addRow("text that is no number is refused") << "ChangeCard" << QVariant(QStringLiteral("five")) << CardMessage;
    QTest::addRow("an empty value is refused") << "ChangeCard" << QVariant() << CardMessage;
    QTest::addRow("53.5 rounds to 54 and is refused") << "ChangeCard" << QVariant(53.5) << CardMessage;
    QTest::addRow("65539 as back does not wrap to 3") << "ChangeBack" << QVariant(65539) << BackMessage;
    QTest::addRow("11.5 rounds to 12 and is no design") << "ChangeBack" << QVariant(11.5) << BackMessage;
}

// Refused by name, as a host sets it, and through the typed setter where the
// value fits it: one message, nothing changed, nothing announced.
void tst_Deck::outOfRangeIsRefused()
{
    QFETCH(QString, property);
    QFETCH(QVariant, value);
    QFETCH(QString, message);
    const bool fits16 = value.typeId() == QMetaType::Int && value.toInt() == qint16(value.toInt());
    for (const bool byName : {true, false}) {
        if (!byName && !fits16)
            continue;
        FakePlatform platform;
        Deck deck;
        deck.setChangeCard(7);
        const qint64 before = deck.Picture().cacheKey();
        QSignalSpy spy(&deck, &Deck::propertyChanged);

        if (byName)
            QVERIFY(deck.setProperty(qPrintable(property), value));
        else if (property == QLatin1String("ChangeCard"))
            deck.setChangeCard(qint16(value.toInt()));
        else
            deck.setChangeBack(qint16(value.toInt()));

        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages.at(0).text, message);
        QCOMPARE(platform.messages.at(0).title, QStringLiteral("Velmora"));
        QCOMPARE(platform.messages.at(0).icon, Platform::Icon::Critical);
        QCOMPARE(deck.changeCard(), qint16(7));
        QCOMPARE(deck.Picture().cacheKey(), before);
        QCOMPARE(spy.count(), 0);
    }
}

void tst_Deck::hostValuesByNameAreAccepted_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addRow("an int") << QVariant(30);
    QTest::addRow("a 16-bit integer") << QVariant::fromValue<qint16>(30);
    QTest::addRow("an unsigned integer") << QVariant(30u);
    QTest::addRow("numeric text") << QVariant(QStringLiteral(" 30 "));
    QTest::addRow("30.4 rounds to 30") << QVariant(30.4);
    QTest::addRow("30.5 rounds half to even, to 30") << QVariant(30.5);
    QTest::addRow("29.5 rounds half to even, to 30") << QVariant(29.5);
}

void tst_Deck::hostValuesByNameAreAccepted()
{
    QFETCH(QVariant, value);
    FakePlatform platform;
    Deck deck;
    QSignalSpy spy(&deck, &Deck::propertyChanged);

    QVERIFY(deck.setProperty("ChangeCard", value));

    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(deck.changeCard(), qint16(30));
    const QVariant read = deck.property("ChangeCard");
    QCOMPARE(read.metaType(), QMetaType::fromType<qint16>());
    QCOMPARE(read.value<qint16>(), qint16(30));
    QCOMPARE(deck.Picture().cacheKey(), stored(QStringLiteral("card30")).cacheKey());
    QCOMPARE(spied(spy), QStringList{"ChangeCard"});
}

void tst_Deck::cardAndBackShareOneIndex()
{
    FakePlatform platform;
    Deck deck;
    deck.setChangeBack(3);
    QCOMPARE(deck.changeCard(), qint16(3));
    QCOMPARE(deck.property("ChangeCard").toInt(), 3);
    // The back design stays the picture: reading does not select.
    QCOMPARE(deck.Picture().cacheKey(), stored(QStringLiteral("back03")).cacheKey());

    deck.setProperty("ChangeCard", 30);
    QCOMPARE(deck.changeBack(), qint16(30));
    QCOMPARE(deck.property("ChangeBack").toInt(), 30);
    QVERIFY(platform.messages.isEmpty());
}

void tst_Deck::showMethodsChangeOnlyThePicture_data()
{
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QSize>("size");
    const QSize card(71, 96);
    QTest::addRow("ChangeToO shows the green ring") << QByteArray("ChangeToO") << "mark_o" << card;
    QTest::addRow("ChangeToX shows the red cross") << QByteArray("ChangeToX") << "mark_x" << card;
    QTest::addRow("ChangeToRJoker shows the red joker") << QByteArray("ChangeToRJoker") << "joker1" << card;
    QTest::addRow("ChangeToBJoker shows the black joker") << QByteArray("ChangeToBJoker") << "joker2" << card;
    QTest::addRow("AnimAce1 shows the cuff detail alone") << QByteArray("AnimAce1") << "ani_ace1" << QSize(32, 22);
    QTest::addRow("AnimAce2 shows its second state") << QByteArray("AnimAce2") << "ani_ace2" << QSize(32, 22);
    QTest::addRow("AnimBats shows the bats") << QByteArray("AnimBats") << "ani_bats" << QSize(26, 12);
    QTest::addRow("AnimRobot1 shows the gauge") << QByteArray("AnimRobot1") << "ani_robot1" << QSize(24, 7);
    QTest::addRow("AnimRobot2 shows its second state") << QByteArray("AnimRobot2") << "ani_robot2" << QSize(24, 7);
    QTest::addRow("AnimSun1 shows the sun face") << QByteArray("AnimSun1") << "ani_face1" << QSize(14, 12);
    QTest::addRow("AnimSun2 shows it with its tongue out") << QByteArray("AnimSun2") << "ani_face2" << QSize(14, 12);
}

void tst_Deck::showMethodsChangeOnlyThePicture()
{
    QFETCH(QByteArray, method);
    QFETCH(QString, picture);
    QFETCH(QSize, size);
    FakePlatform platform;
    Deck deck;
    deck.setChangeCard(17);
    QSignalSpy spy(&deck, &Deck::propertyChanged);

    QVERIFY(QMetaObject::invokeMethod(&deck, method.constData()));

    QCOMPARE(deck.Picture().cacheKey(), stored(picture).cacheKey());
    QCOMPARE(pixelsOf(deck.Picture()), decoded(picture));
    QCOMPARE(deck.Picture().size(), size);
    QCOMPARE(deck.changeCard(), qint16(17));
    QCOMPARE(spy.count(), 0);
    QVERIFY(platform.messages.isEmpty());
}

void tst_Deck::settingTheSameValueNotifiesEveryTime_data()
{
    QTest::addColumn<QString>("property");
    QTest::addRow("ChangeCard 5 twice") << "ChangeCard";
    QTest::addRow("ChangeBack 5 twice") << "ChangeBack";
}

void tst_Deck::settingTheSameValueNotifiesEveryTime()
{
    QFETCH(QString, property);
    FakePlatform platform;
    Deck deck;
    deck.setProperty(qPrintable(property), 5);
    // A show method in between: the second set must take the picture again.
    deck.ChangeToX();
    QSignalSpy spy(&deck, &Deck::propertyChanged);
    deck.setProperty(qPrintable(property), 5);
    deck.setProperty(qPrintable(property), 5);

    QCOMPARE(spied(spy), QStringList({property, property}));
    const QString picture = property == QLatin1String("ChangeCard") ? QStringLiteral("card05")
                                                                    : QStringLiteral("back05");
    QCOMPARE(deck.Picture().cacheKey(), stored(picture).cacheKey());
}

void tst_Deck::pictureAssignmentIsRefused_data()
{
    QTest::addColumn<bool>("byName");
    QTest::addRow("assigned in C++") << false;
    QTest::addRow("assigned by name") << true;
}

void tst_Deck::pictureAssignmentIsRefused()
{
    QFETCH(bool, byName);
    FakePlatform platform;
    Deck deck;
    deck.setChangeCard(30);
    const QPixmap other = stored(QStringLiteral("back07"));

    if (byName)
        deck.setProperty("Picture", QVariant::fromValue(other));
    else
        deck.setPicture(other);

    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.at(0).text, PictureMessage);
    QCOMPARE(platform.messages.at(0).title, QStringLiteral("Velmora"));
    QCOMPARE(platform.messages.at(0).icon, Platform::Icon::None);
    QCOMPARE(deck.Picture().cacheKey(), stored(QStringLiteral("card30")).cacheKey());
    QCOMPARE(deck.changeCard(), qint16(30));
}

QTEST_MAIN(tst_Deck)
#include "tst_deck.moc"
