// The preview on a screen scaled to 150 %: the face the renderer drew for that
// scale, handed out ready-made, instead of the stored picture enlarged.
#include "pictures/CardImageSet.h"
#include "tests/support/FormFixture.h"
#include "tests/support/TestSettings.h"

#include <QLabel>
#include <QtTest>

class TstSharpFaces : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSettings::redirectUserConfig(); }

    void scaledScreenShowsTheFaceDrawnForIt()
    {
        FormFixture f;
        QVERIFY(f.showActive());
        auto *image = f.control<QLabel>("Image1");
        QCOMPARE(image->devicePixelRatioF(), 1.5);
        for (int n : {13, 40})
            f.List1()->addItem(QStringLiteral("Card %1").arg(n));
        f.List1()->setCurrentRow(0);
        // Ready in the background soon after the window showed; the preview
        // takes the face as it arrives.
        QTRY_COMPARE(image->pixmap().devicePixelRatio(), 1.5);
        const QPixmap first = image->pixmap();
        QCOMPARE(first.size(), QSize(107, 144));
        QCOMPARE(image->size(), QSize(71, 96));
        // Drawn once: selecting the entry again hands out the same pixmap.
        f.List1()->setCurrentRow(1);
        QTRY_COMPARE(image->pixmap().devicePixelRatio(), 1.5);
        QVERIFY(image->pixmap().cacheKey() != first.cacheKey());
        f.List1()->setCurrentRow(0);
        QCOMPARE(image->pixmap().cacheKey(), first.cacheKey());
        // The entry's own card: brought back to 71 x 96 it is nearer its
        // stored face than any other.
        const QImage reduced = first.toImage().scaled(71, 96, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QList<double> distance;
        for (int face = 0; face < CardImageSet::FaceCount; ++face) {
            const QImage stored = CardImageSet::shared().face(face).toImage();
            double diff = 0;
            for (int y = 4; y < 92; ++y)
                for (int x = 4; x < 67; ++x)
                    diff += qAbs(qGray(reduced.pixel(x, y)) - qGray(stored.pixel(x, y)));
            distance << diff;
        }
        QCOMPARE(std::min_element(distance.begin(), distance.end()) - distance.begin(), 12);
    }
};

int main(int argc, char *argv[])
{
    // The scale must be set before the application reads its screens.
    qputenv("QT_SCALE_FACTOR", "1.5");
    QApplication app(argc, argv);
    TstSharpFaces test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sharpfaces.moc"
