// The program's own picture reader on the icon and the hand pointer, and on
// damaged data. Every picture of the card set is checked against Qt's reader
// through the set, in tst_cardimageset.
#include "pictures/CardImageSet.h"
#include "pictures/PictureNames.h"
#include "pictures/PictureDecoder.h"
#include "tests/support/TestFiles.h"

#ifdef VELMORA_HAVE_GIFLIB
#include "tools/cardart/GifWriter.h"
#endif

#include <QFile>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

class TstPictureDecoder : public QObject
{
    Q_OBJECT

private slots:
    // The icon's pictures as the PNGs drawn beside it show them. Qt's icon
    // reader is no reference here: it leaves out the mask of the 24-bit
    // 32-pixel picture, whose corners then come out black.
    void decodesTheIconAsItsPngsShowIt()
    {
        const QList<QImage> ours = PictureDecoder::decodeIconFile(TestFiles::read(VELMORA_ICONS "/velmora.ico"));
        const QList<int> sizes{32, 48, 128, 256};
        QCOMPARE(ours.size(), sizes.size());
        for (int i = 0; i < sizes.size(); ++i) {
            const QImage png(QStringLiteral(VELMORA_ICONS "/velmora-%1.png").arg(sizes.at(i)));
            QVERIFY(!png.isNull());
            QCOMPARE(qAlpha(ours.at(i).pixel(0, 0)), 0); // transparent corners
            if (i > 0) {
                expectSamePixels(ours.at(i), png);
                continue;
            }
            // One bit of transparency: shown where the PNG is mostly opaque,
            // in the PNG's colour.
            const QImage a = ours.at(i).convertToFormat(QImage::Format_ARGB32);
            const QImage b = png.convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(a.size(), b.size());
            for (int y = 0; y < a.height(); ++y) {
                for (int x = 0; x < a.width(); ++x) {
                    const bool shown = qAlpha(b.pixel(x, y)) >= 128;
                    QCOMPARE(qAlpha(a.pixel(x, y)), shown ? 255 : 0);
                    if (shown)
                        QCOMPARE(a.pixel(x, y) & 0xffffffu, b.pixel(x, y) & 0xffffffu);
                }
            }
        }
    }

    void decodesTheCursorAsQtDoes()
    {
        const QString path = QStringLiteral(VELMORA_ICONS "/HAND-M.CUR");
        const QList<QImage> ours = PictureDecoder::decodeIconFile(TestFiles::read(path));
        QCOMPARE(ours.size(), 1);
        QImageReader reader(path, "cur");
        const QImage qt = reader.read();
        QVERIFY2(!qt.isNull(), qPrintable(reader.errorString()));
        expectSamePixels(ours.first(), qt);
    }

    // Every prefix of a real picture, and the same with bytes flipped, gives
    // either a picture of the right size or none: never a crash or a read
    // past the data (the sanitizer build watches for that).
    void damagedDataIsRefusedOrRead_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addRow("a face") << QStringLiteral("card30");
        QTest::addRow("a busy back") << QStringLiteral("back09");
        QTest::addRow("a 4-bit detail bitmap") << QStringLiteral("ani_bats");
        QTest::addRow("the 24-bit icon") << QStringLiteral("icon");
    }

    void damagedDataIsRefusedOrRead()
    {
        QFETCH(QString, name);
        const QByteArray whole = TestFiles::read(CardImageSet::resourcePath(name));
        QVERIFY(!whole.isEmpty());
        const bool bitmap = PictureNames::isBitmap(name);
        const auto decode = [bitmap](const QByteArray &d) {
            return bitmap ? PictureDecoder::decodeBmp(d) : PictureDecoder::decodeGif(d);
        };
        const QSize size = decode(whole).size();
        int refused = 0;
        for (qsizetype n = 0; n < whole.size(); ++n) {
            const QImage image = decode(whole.left(n));
            if (image.isNull())
                ++refused;
            else
                QCOMPARE(image.size(), size);
        }
        QVERIFY(refused > whole.size() / 2); // a cut picture is mostly refused
        QRandomGenerator random(7);
        for (int round = 0; round < 2000; ++round) {
            QByteArray damaged = whole;
            for (int flips = 0; flips < 3; ++flips)
                damaged[random.bounded(int(damaged.size()))] = char(random.bounded(256));
            const QImage image = decode(damaged);
            QVERIFY(image.isNull() || (image.width() <= 4096 && image.height() <= 4096));
        }
    }

    // Noise outgrows the 4096 codes of a GIF's table, and the writer then
    // starts the table again: paths that none of the set's pictures take.
    void aPictureThatFillsTheCodeTableReadsAsQtReadsIt()
    {
#ifdef VELMORA_HAVE_GIFLIB
        IndexedPicture noise{160, 120, QList<QRgb>(256), {}, 0};
        QRandomGenerator random(31);
        for (QRgb &colour : noise.palette)
            colour = random.generate() | 0xff000000;
        while (noise.pixels.size() < size_t(noise.width * noise.height))
            noise.pixels.push_back(uint8_t(random.bounded(256)));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("noise.gif"));
        QString error;
        QVERIFY2(GifWriter::write(noise, path, &error), qPrintable(error));
        expectSamePixels(PictureDecoder::decodeGif(TestFiles::read(path)), QImage(path));
#else
        QSKIP("the picture generator's GIF writer needs giflib");
#endif
    }

    void otherBytesAreNoPicture_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addRow("nothing") << QByteArray();
        QTest::addRow("a bare GIF header") << QByteArray("GIF89a");
        QTest::addRow("a PNG signature") << QByteArray("\x89PNG\r\n\x1a\n", 8);
        QTest::addRow("a bitmap header without pixels") << QByteArray("BM").append(QByteArray(60, '\0'));
    }

    void otherBytesAreNoPicture()
    {
        QFETCH(QByteArray, data);
        QVERIFY(PictureDecoder::decodeGif(data).isNull());
        QVERIFY(PictureDecoder::decodeBmp(data).isNull());
    }

private:
    static void expectSamePixels(const QImage &ours, const QImage &reference)
    {
        QCOMPARE(ours.size(), reference.size());
        const QImage a = ours.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QImage b = reference.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < a.height(); ++y)
            QVERIFY2(memcmp(a.constScanLine(y), b.constScanLine(y), size_t(a.width()) * 4) == 0,
                     qPrintable(QStringLiteral("row %1 differs").arg(y)));
    }
};

QTEST_MAIN(TstPictureDecoder)
#include "tst_picturedecoder.moc"
