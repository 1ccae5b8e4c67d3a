#include "tools/cardart/InstallerPainter.h"

#include "render/Canvas.h"
#include "render/CardRenderer.h"
#include "render/SuitPips.h"

namespace {

// The table: a green that darkens toward the foot, one flat colour per row,
// worked out in whole numbers so the file is the same on every machine.
void paintTable(QPainter &p)
{
    const int height = InstallerPainter::Height;
    for (int y = 0; y < height; ++y) {
        const int shade = y * 40 / (height - 1);
        p.fillRect(QRect(0, y, InstallerPainter::Width, 1), QColor(16, 112 - shade, 64 - shade / 2));
    }
}

// One card of the fan, turned about a point below the hand as held cards are.
void fanCard(QPainter &p, const QPointF &pivot, qreal angle, CardArt art)
{
    const QSize card = CardRenderer::sizeForWidth(60);
    p.save();
    p.translate(pivot);
    p.rotate(angle);
    const QRectF place(-card.width() / 2.0, -card.height() - 30, card.width(), card.height());
    // A soft shadow to the lower right lifts the card off the cloth.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(place.translated(2.5, 2.5), 5, 5);
    CardRenderer::paint(p, place, art);
    p.restore();
}

} // namespace

QImage InstallerPainter::welcome()
{
    Canvas canvas(Width, Height);
    QPainter &p = canvas.painter();
    paintTable(p);

    // An ace of each colour and the kings between them: the program's own
    // faces, as it draws them at any size.
    const QPointF pivot(Width / 2.0, 218);
    fanCard(p, pivot, -21, CardArt::face(0));   // ace of spades
    fanCard(p, pivot, -7, CardArt::face(25));   // king of diamonds
    fanCard(p, pivot, 7, CardArt::face(38));    // king of clubs
    fanCard(p, pivot, 21, CardArt::face(39));   // ace of hearts

    // The four signs in a row beneath the hand, in the cloth's lighter tone.
    const QColor sign(255, 255, 255, 150);
    for (int suit = 0; suit < 4; ++suit)
        p.fillPath(SuitPips::placed(suit, Width / 2.0 + (suit - 1.5) * 26, 262, 14), sign);
    return canvas.finish().convertToFormat(QImage::Format_RGB32);
}
