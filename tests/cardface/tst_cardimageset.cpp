#include "cardface/CardImageSet.h"

#include <QCryptographicHash>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QtTest>

class tst_CardImageSet : public QObject
{
    Q_OBJECT

private slots:
    void everyPictureLoadsAtItsSize_data();
    void everyPictureLoadsAtItsSize();
    void indexesAndNamesHandOutTheSameObject();
    void everyCardSizedPictureIsDifferent();
    void namesOutsideTheSetAreNotThere_data();
    void namesOutsideTheSetAreNotThere();
};

void tst_CardImageSet::everyPictureLoadsAtItsSize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<bool>("transparent");

    const QSize card(71, 96);
    for (int i = 0; i < CardImageSet::FaceCount; ++i) {
        const QString name = QStringLiteral("card%1").arg(i, 2, 10, QLatin1Char('0'));
        QTest::addRow("face %s is a 71x96 GIF with a transparent colour", qPrintable(name))
            << name << card << QByteArray("gif") << true;
    }
    for (const char *name : {"joker1", "joker2", "mark_o", "mark_x"})
        QTest::addRow("%s is a 71x96 GIF with a transparent colour", name) << QString::fromLatin1(name)
                                                                           << card << QByteArray("gif") << true;
    for (int i = 0; i < CardImageSet::BackCount; ++i) {
        const QString name = QStringLiteral("back%1").arg(i, 2, 10, QLatin1Char('0'));
        QTest::addRow("back %s is a 71x96 GIF with a transparent colour", qPrintable(name))
            << name << card << QByteArray("gif") << true;
    }
    // The details keep their own small sizes: none of them is card-sized.
    QTest::addRow("cuff detail ani_ace1 is 32x22") << "ani_ace1" << QSize(32, 22) << QByteArray("bmp") << false;
    QTest::addRow("cuff detail ani_ace2 is 32x22") << "ani_ace2" << QSize(32, 22) << QByteArray("bmp") << false;
    QTest::addRow("bats detail is 26x12") << "ani_bats" << QSize(26, 12) << QByteArray("bmp") << false;
    QTest::addRow("sun face ani_face1 is 14x12") << "ani_face1" << QSize(14, 12) << QByteArray("bmp") << false;
    QTest::addRow("sun face ani_face2 is 14x12") << "ani_face2" << QSize(14, 12) << QByteArray("bmp") << false;
    QTest::addRow("robot detail ani_robot1 is 24x7") << "ani_robot1" << QSize(24, 7) << QByteArray("bmp") << false;
    QTest::addRow("robot detail ani_robot2 is 24x7") << "ani_robot2" << QSize(24, 7) << QByteArray("bmp") << false;
    QTest::addRow("the icon is 32x39 without transparency") << "icon" << QSize(32, 39) << QByteArray("bmp") << false;
}

void tst_CardImageSet::everyPictureLoadsAtItsSize()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(QByteArray, format);
    QFETCH(bool, transparent);

    const CardImageSet &set = CardImageSet::shared();
    QVERIFY(set.contains(name));
    const QPixmap &picture = set.picture(name);
    QCOMPARE(picture.size(), size);

    // The file itself, as compiled in: its real format decides how it
    // decodes, whatever its name claims.
    const QString path = CardImageSet::resourcePath(name);
    QVERIFY2(QFile::exists(path), qPrintable(path));
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QCOMPARE(reader.format(), format);
    const QImage image = reader.read();
    QCOMPARE(image.size(), size);
    QCOMPARE(image.hasAlphaChannel(), transparent);
    if (transparent) {
        // A transparent colour that no pixel uses would leave the rounded
        // corners square; the top-left corner pixel is off the card.
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    }
}

void tst_CardImageSet::indexesAndNamesHandOutTheSameObject()
{
    const CardImageSet &set = CardImageSet::shared();
    // Loaded once: a second request gives the same set, not a reload.
    QCOMPARE(&CardImageSet::shared(), &set);
    QCOMPARE(CardImageSet::names().size(), CardImageSet::PictureCount);

    for (int i = 0; i < CardImageSet::FaceCount; ++i) {
        const QString name = QStringLiteral("card%1").arg(i, 2, 10, QLatin1Char('0'));
        QCOMPARE(set.face(i).cacheKey(), set.picture(name).cacheKey());
    }
    for (int i = 0; i < CardImageSet::BackCount; ++i) {
        const QString name = QStringLiteral("back%1").arg(i, 2, 10, QLatin1Char('0'));
        QCOMPARE(set.back(i).cacheKey(), set.picture(name).cacheKey());
    }
    // A copy handed out shares the pixels of the stored picture.
    const QPixmap copy = set.face(30);
    QCOMPARE(copy.cacheKey(), set.face(30).cacheKey());
}

void tst_CardImageSet::everyCardSizedPictureIsDifferent()
{
    // Two names that decode to the same pixels mean a wrong file in the
    // resource list or a generator that drew one card twice.
    const CardImageSet &set = CardImageSet::shared();
    QHash<QByteArray, QString> seen;
    for (const QString &name : CardImageSet::names()) {
        if (name.startsWith(QLatin1String("ani_")) || name == QLatin1String("icon"))
            continue;
        const QImage image = set.picture(name).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QByteArray digest = QCryptographicHash::hash(
            QByteArrayView(image.constBits(), image.sizeInBytes()), QCryptographicHash::Sha1);
        QVERIFY2(!seen.contains(digest),
                 qPrintable(QStringLiteral("%1 looks exactly like %2").arg(name, seen.value(digest))));
        seen.insert(digest, name);
    }
    QCOMPARE(seen.size(), 68);
}

void tst_CardImageSet::namesOutsideTheSetAreNotThere_data()
{
    QTest::addColumn<QString>("name");
    QTest::addRow("there is no 53rd face") << "card52";
    QTest::addRow("there is no 13th back") << "back12";
    QTest::addRow("there is no third joker") << "joker3";
    QTest::addRow("names include no file extension") << "card00.gif";
    QTest::addRow("names are case-sensitive") << "Joker1";
}

void tst_CardImageSet::namesOutsideTheSetAreNotThere()
{
    QFETCH(QString, name);
    QVERIFY(!CardImageSet::shared().contains(name));
    QVERIFY(!CardImageSet::names().contains(name));
}

QTEST_MAIN(tst_CardImageSet)
#include "tst_cardimageset.moc"
