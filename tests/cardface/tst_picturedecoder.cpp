// The card set's own picture reader against Qt's, on every committed picture,
// and on damaged data.
#include "CardImageSet.h"
#include "PictureDecoder.h"

#include <QFile>
#include <QImageReader>
#include <QRandomGenerator>
#include <QtTest>

class TstPictureDecoder : public QObject
{
    Q_OBJECT

private slots:
    void decodesEveryPictureAsQtDoes_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : CardImageSet::names())
            QTest::addRow("%s", qPrintable(name)) << name;
    }

    void decodesEveryPictureAsQtDoes()
    {
        QFETCH(QString, name);
        const QByteArray data = bytesOf(name);
        const bool bitmap = name.startsWith(QLatin1String("ani_")) || name == QLatin1String("icon");
        const QImage ours = bitmap ? PictureDecoder::decodeBmp(data) : PictureDecoder::decodeGif(data);
        QImageReader reader(CardImageSet::resourcePath(name));
        const QImage qt = reader.read();
        QVERIFY2(!qt.isNull(), qPrintable(reader.errorString()));
        QVERIFY(!ours.isNull());
        QCOMPARE(ours.size(), qt.size());
        QCOMPARE(ours.hasAlphaChannel(), qt.hasAlphaChannel());
        const QImage a = ours.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QImage b = qt.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < a.height(); ++y)
            QVERIFY2(memcmp(a.constScanLine(y), b.constScanLine(y), size_t(a.width()) * 4) == 0,
                     qPrintable(QStringLiteral("row %1 differs").arg(y)));
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
        const QByteArray whole = bytesOf(name);
        const bool bitmap = name.startsWith(QLatin1String("ani_")) || name == QLatin1String("icon");
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
    static QByteArray bytesOf(const QString &name)
    {
        QFile file(CardImageSet::resourcePath(name));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot open %s", qPrintable(file.fileName()));
        return file.readAll();
    }
};

QTEST_MAIN(TstPictureDecoder)
#include "tst_picturedecoder.moc"
