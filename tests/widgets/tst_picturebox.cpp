// The preview image on a screen scaled by two: every picture pixel a sharp
// 2 x 2 block of the same colour, not a smoothed enlargement.
#include "widgets/PictureBox.h"

#include <QApplication>
#include <QTest>

class TstPictureBox : public QObject
{
    Q_OBJECT

private slots:
    void faceIsPixelDoubledAtTwiceTheScale()
    {
        QWidget window;
        window.resize(200, 200);
        window.setStyleSheet(QStringLiteral("background: white"));
        PictureBox box(&window);
        box.resize(71, 96);
        // Every pixel differs from its neighbours, as on a court card, with
        // transparent corners like a card face: smoothing cannot hide here.
        QImage picture(71, 96, QImage::Format_ARGB32);
        for (int y = 0; y < 96; ++y)
            for (int x = 0; x < 71; ++x)
                picture.setPixel(x, y, (x < 2 && y < 2) ? 0u : qRgb(x * 3, y * 2, (x * 7 + y * 5) & 0xff));
        const QPixmap face = QPixmap::fromImage(picture);
        box.setPixmap(face);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(box.devicePixelRatioF(), 2.0);

        const QImage shown = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), QSize(142, 192));
        const QImage source = face.toImage().convertToFormat(QImage::Format_ARGB32);
        int compared = 0;
        for (int y = 0; y < 96; ++y) {
            for (int x = 0; x < 71; ++x) {
                const QRgb block = shown.pixel(2 * x, 2 * y);
                QVERIFY2(shown.pixel(2 * x + 1, 2 * y) == block && shown.pixel(2 * x, 2 * y + 1) == block
                             && shown.pixel(2 * x + 1, 2 * y + 1) == block,
                         qPrintable(QStringLiteral("picture pixel %1,%2 is smoothed").arg(x).arg(y)));
                if (qAlpha(source.pixel(x, y)) == 255) {
                    QCOMPARE(block, source.pixel(x, y) | 0xff000000u);
                    ++compared;
                }
            }
        }
        QVERIFY(compared > 71 * 96 * 9 / 10);
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TstPictureBox test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_picturebox.moc"
