#include "JesterPainter.h"

void JesterPainter::paint(QPainter &p, const QRectF &box, bool red)
{
    const QColor main = red ? QColor(204, 0, 0) : QColor(20, 20, 20);
    p.save();
    p.setPen(QPen(Qt::black, 0.6));
    p.setBrush(QColor(255, 220, 185));
    p.drawEllipse(box.center(), 7, 8);
    p.setBrush(main);
    p.drawRect(QRectF(box.center().x() - 8, box.center().y() + 8, 16, 16));
    p.restore();
}
