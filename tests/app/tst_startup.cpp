// The small shared routines of start-up: the home-page roll, the file test and
// where the window is placed.
#include "tests/support/FakePlatform.h"
#include "app/IconFile.h"
#include "app/MainModule.h"
#include "pictures/PictureDecoder.h"
#include "core/RandomSource.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>

class TstMain : public QObject
{
    Q_OBJECT

private slots:
    void homePageOpensOnlyOnASeven()
    {
        FakePlatform platform;
        RandomSource random({0x1234, 0x5678, 0x9abc, 0xdef0});
        int opened = 0;
        QList<int> counts(101, 0);
        const int starts = 100000;
        for (int i = 0; i < starts; ++i) {
            platform.clock = float(i % 86400);
            const int roll = Main::MaybeOpenHomePage(random);
            QVERIFY2(roll >= 1 && roll <= 100, qPrintable(QString::number(roll)));
            ++counts[roll];
            const int before = opened;
            opened = platform.openedUrls.size();
            QCOMPARE(opened - before, roll == 7 ? 1 : 0);
        }
        // About one start in a hundred: 1000 expected, 5 standard deviations either way.
        QVERIFY2(opened > 1000 - 160 && opened < 1000 + 160, qPrintable(QString::number(opened)));
        QCOMPARE(platform.openedUrls.first(), Main::homePage);
        QVERIFY(Main::homePage.isValid());
        QCOMPARE(Main::homePage.scheme(), QStringLiteral("https"));
        // No roll is out of reach.
        for (int n = 1; n <= 100; ++n)
            QVERIFY2(counts[n] > 0, qPrintable(QString::number(n)));
    }

    void fileExists_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<bool>("exists");
        QTest::addRow("a file") << QStringLiteral("HAND-M.CUR") << true;
        QTest::addRow("a folder") << QStringLiteral("x") << true;
        QTest::addRow("nothing of that name") << QStringLiteral("missing.cur") << false;
        QTest::addRow("an empty path") << QString() << false;
        QTest::addRow("below a file") << QStringLiteral("HAND-M.CUR/inner") << false;
    }

    void fileExists()
    {
        QFETCH(QString, relative);
        QFETCH(bool, exists);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("HAND-M.CUR")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("x")));
        const QString path = relative.isEmpty() ? QString() : dir.filePath(relative);
        QCOMPARE(Main::FileExists(path), exists);
    }

    void framePlacement_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QPoint>("placed");
        QTest::addRow("centred on what the taskbar leaves, its offset included")
            << QRect(48, 0, 1872, 1080) << QSize(540, 510) << QPoint(714, 285);
        QTest::addRow("taller than the area (double scale on 1080 lines): the title bar at its top")
            << QRect(0, 0, 960, 516) << QSize(540, 540) << QPoint(210, 0);
        QTest::addRow("wider than the area: the left edge at its left")
            << QRect(0, 30, 400, 600) << QSize(540, 510) << QPoint(0, 75);
    }

    void framePlacement()
    {
        QFETCH(QRect, available);
        QFETCH(QSize, frame);
        QFETCH(QPoint, placed);
        QCOMPARE(Main::CentredFramePosition(available, frame), placed);
    }

    // The icon is decoded only when first asked for; what it then gives must
    // be every picture of the file, as decoding it at once would.
    void iconFileGivesEveryPictureWhenAsked()
    {
        const QString path = QStringLiteral(":/app/velmora.ico");
        const QIcon icon = IconFile::load(path);
        QCOMPARE(icon.availableSizes(), (QList<QSize>{{32, 32}, {48, 48}, {128, 128}, {256, 256}}));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QImage decoded = PictureDecoder::decodeIconFile(file.readAll()).at(1);
        QCOMPARE(icon.pixmap(QSize(48, 48)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 decoded.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
};

QTEST_MAIN(TstMain)
#include "tst_startup.moc"
