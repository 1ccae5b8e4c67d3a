#include "CourtPainter.h"

#include "Glyphs.h"
#include "SuitPips.h"

void CourtPainter::paint(QPainter &p, int suit, int rank)
{
    const QRectF frame(13, 7, 45, 82);
    p.save();
    p.setPen(QPen(QColor(0, 0, 0), 0.8));
    p.setBrush(QColor(255, 240, 180));
    p.drawRect(frame);
    const QPainterPath letter = Glyphs::text(Glyphs::rankText(rank), 20);
    const QRectF box = letter.boundingRect();
    p.fillPath(letter.translated(frame.center().x() - box.width() / 2, 16), SuitPips::ink(suit));
    p.translate(71, 96);
    p.rotate(180);
    p.fillPath(letter.translated(frame.center().x() - box.width() / 2, 16), SuitPips::ink(suit));
    p.restore();
}
