#include "tools/cardart/AppIconPainter.h"

#include "render/Canvas.h"
#include "render/Glyphs.h"
#include "render/SuitPips.h"

#include <QPainterPath>

namespace {

// One card of the fan in a 32-unit design box, turned about its foot.
void fanCard(QPainter &p, qreal angle, int suit, bool large)
{
    p.save();
    p.translate(16, 28);
    p.rotate(angle);
    const QRectF card(-8, -24, 16, 23);
    p.setPen(QPen(QColor(20, 20, 20), large ? 0.6 : 1.0));
    p.setBrush(Qt::white);
    p.drawRoundedRect(card, 1.8, 1.8);
    const QColor ink = SuitPips::ink(suit);
    if (large && angle == 0) {
        // At the bigger sizes the front card carries a corner index as real
        // cards do; on the side cards it would collide with their sign.
        p.fillPath(Glyphs::text(QStringLiteral("A"), 3.6, 3.0).translated(-6.8, -22.8), ink);
        p.fillPath(SuitPips::placed(suit, -5.7, -17.4, 2.6), ink);
    }
    if (angle == 0) {
        p.fillPath(SuitPips::placed(suit, 0, -12.5, large ? 9 : 10), ink);
    } else {
        // The side cards show their sign in the part the front card leaves
        // uncovered, toward the outer top corner.
        const qreal side = angle < 0 ? -1 : 1;
        p.fillPath(SuitPips::placed(suit, side * 2.5, -17.5, large ? 6.5 : 7.5), ink);
    }
    p.restore();
}

} // namespace

QImage AppIconPainter::icon(int size)
{
    Canvas canvas(size, size);
    QPainter &p = canvas.painter();
    p.scale(size / 32.0, size / 32.0);
    const bool large = size >= 48;
    fanCard(p, -30, SuitPips::Spades, large);
    fanCard(p, 30, SuitPips::Diamonds, large);
    fanCard(p, 0, SuitPips::Hearts, large);
    return canvas.finish();
}

QPoint AppIconPainter::handHotspot()
{
    return QPoint(11, 1);
}

QImage AppIconPainter::hand()
{
    // Drawn on whole pixels without smoothing: a cursor must be crisp, and
    // its mask has no half-transparent pixels anyway.
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    QPainterPath hand;
    // Index finger up, three folded fingers to its right, thumb to its left.
    hand.moveTo(10, 2);
    hand.quadTo(11.5, 0, 13, 2);
    hand.lineTo(13, 11);
    hand.quadTo(14.5, 9.5, 16, 11);
    hand.lineTo(16, 12);
    hand.quadTo(17.5, 10.5, 19, 12);
    hand.lineTo(19, 13);
    hand.quadTo(20.5, 11.5, 22, 13);
    hand.lineTo(22, 21);
    hand.quadTo(22, 25, 19, 28);
    hand.lineTo(19, 30);
    hand.lineTo(10, 30);
    hand.lineTo(10, 28);
    hand.quadTo(7, 24, 4, 19);
    hand.quadTo(3.5, 16, 6, 16.5);
    hand.lineTo(10, 20);
    hand.closeSubpath();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    // Creases between the folded fingers.
    p.drawLine(QPointF(16, 12), QPointF(16, 17));
    p.drawLine(QPointF(19, 13), QPointF(19, 17));
    p.end();
    return image;
}
