// The renderer beyond the pictures' own size (the size itself is proven by the
// picture generator's regeneration suite): a large card must be the same card,
// with a drawn outline instead of pixel corners.
#include "render/Canvas.h"
#include "render/CardRenderer.h"

#include <QPainter>
#include <QPainterPath>
#include <QTest>

class tst_CardRenderer : public QObject
{
    Q_OBJECT

private slots:
    void largeCardReducesToItsPicture();
    void largeCardHasRoundedTransparentCorners();
};

namespace {

QList<CardArt> everyCard()
{
    QList<CardArt> all;
    for (int i = 0; i < 52; ++i)
        all << CardArt::face(i);
    all << CardArt::joker(true) << CardArt::joker(false) << CardArt::ringMark() << CardArt::crossMark();
    for (int i = 0; i < 12; ++i)
        all << CardArt::back(i);
    return all;
}

// Mean difference per channel over the pixels away from the outline, where
// the drawn edge and the pixel edge are meant to differ.
double interiorDifference(const QImage &a, const QImage &b)
{
    double sum = 0;
    int n = 0;
    for (int y = 3; y < a.height() - 3; ++y)
        for (int x = 3; x < a.width() - 3; ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q))
                + qAbs(qAlpha(p) - qAlpha(q));
            n += 4;
        }
    return sum / n;
}

} // namespace

void tst_CardRenderer::largeCardReducesToItsPicture()
{
    // Ten times the size, averaged back down: any shift, wrong scale, lost
    // clip or wrong design shows as a large difference. (Some differ a
    // little on purpose: the pictures' suit signs have straight pieces where
    // a large card has curves; most on the ace of spades.)
    for (const CardArt &art : everyCard()) {
        const QImage large = CardRenderer::image(art, 710);
        QCOMPARE(large.size(), QSize(710, 960));
        const QImage reduced = Canvas::reduce(large.convertToFormat(QImage::Format_ARGB32_Premultiplied), 10);
        const double diff = interiorDifference(reduced, CardRenderer::picture(art));
        QVERIFY2(diff < 6.0, qPrintable(QStringLiteral("kind %1 index %2 differs by %3")
                                            .arg(int(art.kind)).arg(art.index).arg(diff)));
    }
}

// At print size (600 dpi), where a corner cut for 71x96 would show.
void tst_CardRenderer::largeCardHasRoundedTransparentCorners()
{
    const int width = 1488;
    for (const CardArt art : {CardArt::face(0), CardArt::back(5)}) {
        const QImage image = CardRenderer::image(art, width);
        const int w = image.width(), h = image.height();
        const qreal unit = qreal(w) / 71;
        // Well inside the corner's curve, yet inside the square: transparent.
        const int in = int(unit * 0.4);
        for (const QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)}) {
            const QPoint at(corner.x() ? corner.x() - in : in, corner.y() ? corner.y() - in : in);
            QCOMPARE(qAlpha(image.pixel(at)), 0);
        }
        // The middle of each side is the edge's ink, opaque.
        for (const QPoint edge : {QPoint(w / 2, 0), QPoint(0, h / 2), QPoint(w - 1, h / 2), QPoint(w / 2, h - 1)}) {
            const QRgb p = image.pixel(edge);
            QVERIFY2(qAlpha(p) == 255 && qGray(p) < 64, qPrintable(QString::number(p, 16)));
        }
    }
}

QTEST_MAIN(tst_CardRenderer)
#include "tst_cardrenderer.moc"
