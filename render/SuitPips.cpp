#include "render/SuitPips.h"

#include "render/PathOps.h"

#include <QTransform>

namespace {

QPainterPath heart()
{
    QPainterPath p;
    p.moveTo(0, 0.5);
    p.cubicTo(-0.12, 0.32, -0.5, 0.1, -0.5, -0.2);
    p.cubicTo(-0.5, -0.42, -0.36, -0.5, -0.25, -0.5);
    p.cubicTo(-0.1, -0.5, -0.02, -0.4, 0, -0.3);
    p.cubicTo(0.02, -0.4, 0.1, -0.5, 0.25, -0.5);
    p.cubicTo(0.36, -0.5, 0.5, -0.42, 0.5, -0.2);
    p.cubicTo(0.5, 0.1, 0.12, 0.32, 0, 0.5);
    p.closeSubpath();
    return p;
}

QPainterPath stem()
{
    QPainterPath p;
    p.moveTo(-0.04, 0.18);
    p.quadTo(-0.04, 0.44, -0.22, 0.5);
    p.lineTo(0.22, 0.5);
    p.quadTo(0.04, 0.44, 0.04, 0.18);
    p.closeSubpath();
    return p;
}

QPainterPath spade(PathOps::Detail detail)
{
    QPainterPath p;
    p.moveTo(0, -0.5);
    p.cubicTo(0.12, -0.3, 0.46, -0.12, 0.46, 0.12);
    p.cubicTo(0.46, 0.3, 0.34, 0.38, 0.22, 0.38);
    p.cubicTo(0.12, 0.38, 0.04, 0.32, 0, 0.24);
    p.cubicTo(-0.04, 0.32, -0.12, 0.38, -0.22, 0.38);
    p.cubicTo(-0.34, 0.38, -0.46, 0.3, -0.46, 0.12);
    p.cubicTo(-0.46, -0.12, -0.12, -0.3, 0, -0.5);
    p.closeSubpath();
    return PathOps::united(p, stem(), detail);
}

QPainterPath diamond()
{
    QPainterPath p;
    p.moveTo(0, -0.5);
    p.quadTo(0.16, -0.2, 0.38, 0);
    p.quadTo(0.16, 0.2, 0, 0.5);
    p.quadTo(-0.16, 0.2, -0.38, 0);
    p.quadTo(-0.16, -0.2, 0, -0.5);
    p.closeSubpath();
    return p;
}

QPainterPath club(PathOps::Detail detail)
{
    QPainterPath p;
    p.addEllipse(QPointF(0, -0.27), 0.22, 0.22);
    p.addEllipse(QPointF(-0.26, 0.08), 0.22, 0.22);
    p.addEllipse(QPointF(0.26, 0.08), 0.22, 0.22);
    p.addEllipse(QPointF(0, 0.02), 0.14, 0.14);
    p.setFillRule(Qt::WindingFill);
    // The pictures were drawn with the leaves merged first; a smooth union
    // takes overlapping pieces as they are.
    const QPainterPath leaves = detail == PathOps::Detail::Picture ? PathOps::simplified(p, detail) : p;
    return PathOps::united(leaves, stem(), detail);
}

} // namespace

QPainterPath SuitPips::path(int suit, PathOps::Detail detail)
{
    switch (suit) {
    case Spades: return spade(detail);
    case Diamonds: return diamond();
    case Clubs: return club(detail);
    default: return heart();
    }
}

QPainterPath SuitPips::placed(int suit, qreal cx, qreal cy, qreal height, bool upsideDown, PathOps::Detail detail)
{
    QTransform t;
    t.translate(cx, cy);
    if (upsideDown)
        t.rotate(180);
    t.scale(height, height);
    return t.map(path(suit, detail));
}

QColor SuitPips::ink(int suit)
{
    return isRed(suit) ? QColor(204, 0, 0) : QColor(0, 0, 0);
}
