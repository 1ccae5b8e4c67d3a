#include "cardface/Deck.h"
#include "tests/cardface/DeckTest.h"
#include "tests/support/FakePlatform.h"
#include "cardface/PropertyBag.h"

#include <QPointer>
#include <QVBoxLayout>
#include <QSignalSpy>
#include <QTest>

using namespace DeckTest;

class tst_DeckHosting : public QObject
{
    Q_OBJECT

private slots:
    void writePropertiesStoresWhatDiffersFromNew_data();
    void writePropertiesStoresWhatDiffersFromNew();
    void aStoredFaceReadsBackAsThatFace();
    void readPropertiesRefusesStoredValuesBeyond16Bits_data();
    void readPropertiesRefusesStoredValuesBeyond16Bits();
    void closingTheHostInsideARefusalEndsTheRead();
    void theMainWindowsDescriptionShowsBackZero();
    void initPropertiesEndsAtBackZero();
    void theTileKeepsItsSize_data();
    void theTileKeepsItsSize();
    void theSurfaceShowsOnlyTheIcon();
};

void tst_DeckHosting::writePropertiesStoresWhatDiffersFromNew_data()
{
    QTest::addColumn<QByteArray>("select");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("names");
    const QStringList all{"Picture", "ChangeCard", "ChangeBack"};
    QTest::addRow("index 30 writes Picture, then ChangeCard and ChangeBack as 30") << QByteArray("ChangeCard") << 30 << all;
    QTest::addRow("back 3 writes both indexes as 3") << QByteArray("ChangeBack") << 3 << all;
    QTest::addRow("index 0 writes only Picture") << QByteArray("ChangeCard") << 0 << QStringList{"Picture"};
    QTest::addRow("a control never set writes only its empty Picture") << QByteArray() << 0 << QStringList{"Picture"};
}

void tst_DeckHosting::writePropertiesStoresWhatDiffersFromNew()
{
    QFETCH(QByteArray, select);
    QFETCH(int, index);
    QFETCH(QStringList, names);
    FakePlatform platform;
    Deck deck;
    if (!select.isEmpty())
        deck.setProperty(select.constData(), index);

    PropertyBag bag;
    deck.WriteProperties(bag);

    QCOMPARE(bag.names(), names);
    QCOMPARE(bag.read(QStringLiteral("Picture")).value<QPixmap>().cacheKey(), deck.Picture().cacheKey());
    QCOMPARE(bag.read(QStringLiteral("ChangeCard"), 0).toInt(), index);
    QCOMPARE(bag.read(QStringLiteral("ChangeBack"), 0).toInt(), index);
}

void tst_DeckHosting::aStoredFaceReadsBackAsThatFace()
{
    FakePlatform platform;
    PropertyBag bag;
    {
        Deck writer;
        writer.setChangeCard(30);
        writer.WriteProperties(bag);
    }
    Deck deck;
    QSignalSpy spy(&deck, &Deck::propertyChanged);

    deck.ReadProperties(bag);

    // The face is applied, then the same 30 is refused as a back design,
    // which leaves the five of clubs and index 30 in place.
    QCOMPARE(deck.changeCard(), qint16(30));
    QCOMPARE(deck.Picture().cacheKey(), stored(QStringLiteral("card30")).cacheKey());
    QCOMPARE(spied(spy), QStringList{"ChangeCard"});
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.at(0).text, BackMessage);
    QCOMPARE(platform.messages.at(0).icon, Platform::Icon::Critical);
}

void tst_DeckHosting::readPropertiesRefusesStoredValuesBeyond16Bits_data()
{
    QTest::addColumn<QVariant>("card");
    QTest::addColumn<QVariant>("back");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("picture");
    QTest::addRow("ChangeCard 70000 is refused, the default back 0 applies")
        << QVariant(70000) << QVariant() << QStringList{CardMessage} << 0 << "back00";
    QTest::addRow("ChangeCard 65566 does not wrap to 30")
        << QVariant(65566) << QVariant() << QStringList{CardMessage} << 0 << "back00";
    QTest::addRow("a stored text that is no number is refused")
        << QVariant(QStringLiteral("x")) << QVariant() << QStringList{CardMessage} << 0 << "back00";
    QTest::addRow("ChangeBack 65539 is refused after the face applied")
        << QVariant(40) << QVariant(65539) << QStringList{BackMessage} << 40 << "card40";
    QTest::addRow("both out of 16 bits: two messages, nothing changes")
        << QVariant(-70000) << QVariant(1e12) << QStringList{CardMessage, BackMessage} << 0 << QString();
    QTest::addRow("stored back 3 shows back design 3")
        << QVariant(3) << QVariant(3) << QStringList{} << 3 << "back03";
}

void tst_DeckHosting::readPropertiesRefusesStoredValuesBeyond16Bits()
{
    QFETCH(QVariant, card);
    QFETCH(QVariant, back);
    QFETCH(QStringList, messages);
    QFETCH(int, index);
    QFETCH(QString, picture);
    FakePlatform platform;
    PropertyBag bag;
    bag.write(QStringLiteral("ChangeCard"), card);
    if (back.isValid())
        bag.write(QStringLiteral("ChangeBack"), back);
    Deck deck;

    deck.ReadProperties(bag);

    QCOMPARE(texts(platform.messages), messages);
    QCOMPARE(deck.changeCard(), qint16(index));
    if (picture.isEmpty())
        QVERIFY(deck.Picture().isNull());
    else
        QCOMPARE(deck.Picture().cacheKey(), stored(picture).cacheKey());
}

void tst_DeckHosting::closingTheHostInsideARefusalEndsTheRead()
{
    // The real box runs a nested event loop, in which the window (and the
    // control with it) can go away; the read must not go on with a dead control.
    FakePlatform platform;
    PropertyBag bag;
    bag.write(QStringLiteral("ChangeCard"), 70000);
    bag.write(QStringLiteral("ChangeBack"), 99);
    QPointer<Deck> deck = new Deck;
    platform.onMessage = [&](const FakePlatform::Message &) { delete deck.data(); };

    deck->ReadProperties(bag);

    QVERIFY(deck.isNull());
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.at(0).text, CardMessage);
}

void tst_DeckHosting::theMainWindowsDescriptionShowsBackZero()
{
    FakePlatform platform;
    const PropertyBag bag = Deck::form1StoredDescription();
    QCOMPARE(bag.names(), QStringList{"Picture"});

    Deck deck;
    deck.setChangeCard(45);
    QSignalSpy spy(&deck, &Deck::propertyChanged);
    deck.ReadProperties(bag);

    QCOMPARE(deck.changeCard(), qint16(0));
    QCOMPARE(deck.Picture().cacheKey(), stored(QStringLiteral("back00")).cacheKey());
    QCOMPARE(spied(spy), QStringList({"ChangeCard", "ChangeBack"}));
    QVERIFY(platform.messages.isEmpty());
}

void tst_DeckHosting::initPropertiesEndsAtBackZero()
{
    FakePlatform platform;
    Deck deck;
    deck.setChangeCard(30);
    QSignalSpy spy(&deck, &Deck::propertyChanged);

    deck.InitProperties();

    QCOMPARE(deck.changeCard(), qint16(0));
    QCOMPARE(deck.Picture().cacheKey(), stored(QStringLiteral("back00")).cacheKey());
    QCOMPARE(spied(spy), QStringList({"ChangeCard", "ChangeBack"}));
}

void tst_DeckHosting::theTileKeepsItsSize_data()
{
    QTest::addColumn<QRect>("asked");
    QTest::addRow("larger") << QRect(0, 0, 200, 300);
    QTest::addRow("smaller") << QRect(0, 0, 1, 1);
    QTest::addRow("wide and flat, moved") << QRect(40, 50, 500, 10);
    QTest::addRow("empty") << QRect(0, 0, 0, 0);
}

void tst_DeckHosting::theTileKeepsItsSize()
{
    QFETCH(QRect, asked);
    QWidget host;
    auto *deck = new Deck(&host);
    deck->resize(asked.size());
    QCOMPARE(deck->size(), QSize(32, 39));
    deck->setGeometry(asked);
    QCOMPARE(deck->size(), QSize(32, 39));
    QCOMPARE(deck->pos(), asked.topLeft());

    // A layout that stretches its children leaves the tile alone too.
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *laidOut = new Deck;
    layout->addWidget(laidOut);
    window.resize(asked.size() + QSize(300, 300));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(laidOut->size(), QSize(32, 39));
}

void tst_DeckHosting::theSurfaceShowsOnlyTheIcon()
{
    FakePlatform platform;
    Deck deck;
    const QImage icon = pixelsOf(stored(QStringLiteral("icon")));
    QCOMPARE(pixelsOf(deck.grab()), icon);
    // A selected card stays off the surface.
    deck.setChangeCard(30);
    QCOMPARE(pixelsOf(deck.grab()), icon);
}

QTEST_MAIN(tst_DeckHosting)
#include "tst_deckhosting.moc"
