#include "pictures/CardImageSet.h"
#include "pictures/PictureNames.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTest>

class tst_CardImageSet : public QObject
{
    Q_OBJECT

private slots:
    void everyPictureLoadsAsItsFileShowsIt_data();
    void everyPictureLoadsAsItsFileShowsIt();
    void indexesAndNamesHandOutTheSameObject();
    void namesOutsideTheSetAreNotThere_data();
    void namesOutsideTheSetAreNotThere();
};

void tst_CardImageSet::everyPictureLoadsAsItsFileShowsIt_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<bool>("transparent");

    const QSize card(71, 96);
    for (int i = 0; i < CardImageSet::FaceCount; ++i) {
        const QString name = PictureNames::face(i);
        QTest::addRow("face %s is a 71x96 GIF with a transparent colour", qPrintable(name))
            << name << card << QByteArray("gif") << true;
    }
    for (const char *name : {"joker1", "joker2", "mark_o", "mark_x"})
        QTest::addRow("%s is a 71x96 GIF with a transparent colour", name) << QString::fromLatin1(name)
                                                                           << card << QByteArray("gif") << true;
    for (int i = 0; i < CardImageSet::BackCount; ++i) {
        const QString name = PictureNames::back(i);
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

// The one walk over all 76 pictures: the set holds each at its size, and what
// it hands out (decoded by the program's own reader) is what Qt's reader shows
// of the compiled-in file, pixel for pixel.
void tst_CardImageSet::everyPictureLoadsAsItsFileShowsIt()
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
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.hasAlphaChannel(), transparent);

    const QImage ours = picture.toImage();
    QCOMPARE(ours.hasAlphaChannel(), transparent);
    const QImage a = ours.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(b.size(), size);
    for (int y = 0; y < a.height(); ++y)
        QVERIFY2(memcmp(a.constScanLine(y), b.constScanLine(y), size_t(a.width()) * 4) == 0,
                 qPrintable(QStringLiteral("row %1 differs").arg(y)));
}

void tst_CardImageSet::indexesAndNamesHandOutTheSameObject()
{
    const CardImageSet &set = CardImageSet::shared();
    // Loaded once: a second request gives the same set, not a reload.
    QCOMPARE(&CardImageSet::shared(), &set);
    QCOMPARE(CardImageSet::names().size(), CardImageSet::PictureCount);

    for (int i = 0; i < CardImageSet::FaceCount; ++i)
        QCOMPARE(set.face(i).cacheKey(), set.picture(PictureNames::face(i)).cacheKey());
    for (int i = 0; i < CardImageSet::BackCount; ++i)
        QCOMPARE(set.back(i).cacheKey(), set.picture(PictureNames::back(i)).cacheKey());
    // A copy handed out shares the pixels of the stored picture.
    const QPixmap copy = set.face(30);
    QCOMPARE(copy.cacheKey(), set.face(30).cacheKey());
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
