#include "render/Glyphs.h"

#include "render/PathOps.h"

#include <QTransform>

namespace {

// Grid height of every capital and digit; lower-case letters use 4..14.
constexpr qreal GridHeight = 14.0;

QPainterPath oval(qreal cx, qreal cy, qreal rx, qreal ry)
{
    QPainterPath p;
    p.addEllipse(QPointF(cx, cy), rx, ry);
    return p;
}

} // namespace

QString Glyphs::rankText(int rank)
{
    switch (rank) {
    case 1: return QStringLiteral("A");
    case 11: return QStringLiteral("J");
    case 12: return QStringLiteral("Q");
    case 13: return QStringLiteral("K");
    default: return QString::number(rank);
    }
}

bool Glyphs::supports(QChar c)
{
    return QStringLiteral("A0123456789JQKokerO").contains(c);
}

qreal Glyphs::advance(QChar c)
{
    switch (c.unicode()) {
    case '1': return 6.0;
    case 'J': return 8.0;
    case 'o': case 'e': return 8.0;
    case 'k': return 8.0;
    case 'r': return 6.5;
    default: return 10.0;
    }
}

QPainterPath Glyphs::skeleton(QChar c)
{
    QPainterPath p;
    switch (c.unicode()) {
    case 'A':
        p.moveTo(0, 14); p.lineTo(5, 0); p.lineTo(10, 14);
        p.moveTo(2.2, 9.2); p.lineTo(7.8, 9.2);
        break;
    case '0':
        p = oval(5, 7, 4.3, 7);
        break;
    case '1':
        p.moveTo(0.3, 3.2); p.lineTo(3.6, 0); p.lineTo(3.6, 14);
        break;
    case '2':
        p.moveTo(0.6, 3.6);
        p.cubicTo(0.8, 0.6, 4, -0.2, 6.2, 0.3);
        p.cubicTo(9.6, 1.2, 10, 5, 7.6, 7.2);
        p.cubicTo(5, 9.6, 1.6, 11.5, 0.4, 14);
        p.lineTo(10, 14);
        break;
    case '3':
        p.moveTo(0.6, 2.4);
        p.cubicTo(2.6, -0.6, 9.2, -0.8, 9.2, 3.4);
        p.cubicTo(9.2, 5.8, 7, 6.8, 4.4, 6.8);
        p.moveTo(4.4, 6.8);
        p.cubicTo(7.6, 6.8, 9.8, 8.2, 9.8, 10.4);
        p.cubicTo(9.8, 15, 2, 14.8, 0.3, 11.6);
        break;
    case '4':
        p.moveTo(7.4, 14); p.lineTo(7.4, 0); p.lineTo(0, 9.8); p.lineTo(10, 9.8);
        break;
    case '5':
        p.moveTo(9.2, 0); p.lineTo(2.2, 0); p.lineTo(1.4, 6.4);
        p.cubicTo(4, 4.6, 9.8, 4.8, 9.8, 9.6);
        p.cubicTo(9.8, 15, 2, 14.8, 0.3, 11.6);
        break;
    case '6':
        p.moveTo(8.8, 1.2);
        p.cubicTo(4.4, -1.6, 0.4, 2.4, 0.7, 9.2);
        p.addEllipse(QPointF(5.2, 9.6), 4.5, 4.4);
        break;
    case '7':
        p.moveTo(0, 0); p.lineTo(10, 0); p.lineTo(3.6, 14);
        break;
    case '8':
        p = oval(5, 3.5, 3.7, 3.5);
        p.addEllipse(QPointF(5, 10.2), 4.5, 3.8);
        break;
    case '9':
        p.moveTo(1.2, 12.8);
        p.cubicTo(5.6, 15.6, 9.6, 11.6, 9.3, 4.8);
        p.addEllipse(QPointF(4.8, 4.4), 4.5, 4.4);
        break;
    case 'J':
        p.moveTo(2.4, 0); p.lineTo(8, 0);
        p.moveTo(6.4, 0); p.lineTo(6.4, 10);
        p.cubicTo(6.4, 14.8, 0.6, 14.8, 0.2, 10.6);
        break;
    case 'Q':
        p = oval(5, 6.6, 4.6, 6.6);
        p.moveTo(5.6, 9.8); p.lineTo(10, 14.6);
        break;
    case 'K':
        p.moveTo(0.8, 0); p.lineTo(0.8, 14);
        p.moveTo(9.6, 0); p.lineTo(0.8, 8.6);
        p.moveTo(4, 5.6); p.lineTo(10, 14);
        break;
    case 'O':
        p = oval(5, 7, 4.6, 7);
        break;
    case 'o':
        p = oval(3.6, 9.6, 3.4, 4.4);
        break;
    case 'k':
        p.moveTo(0.8, 0); p.lineTo(0.8, 14);
        p.moveTo(6.8, 5.2); p.lineTo(0.8, 10.6);
        p.moveTo(3.2, 8.6); p.lineTo(7.2, 14);
        break;
    case 'e':
        p.moveTo(0.6, 9.6); p.lineTo(6.8, 9.6);
        p.cubicTo(7.4, 6, 5.4, 5.2, 3.8, 5.2);
        p.cubicTo(1.2, 5.2, 0.2, 7.4, 0.2, 9.8);
        p.cubicTo(0.2, 13.8, 4.6, 15, 7, 12.6);
        break;
    case 'r':
        p.moveTo(0.8, 5.2); p.lineTo(0.8, 14);
        p.moveTo(0.8, 8.6);
        p.cubicTo(1.8, 5.8, 4, 5, 6.2, 5.6);
        break;
    default:
        break;
    }
    return p;
}

QPainterPath Glyphs::text(const QString &text, qreal height, qreal weight, qreal spacing, PathOps::Detail detail)
{
    QPainterPath all;
    all.setFillRule(Qt::WindingFill);
    qreal x = 0;
    for (const QChar c : text) {
        QPainterPath outline = PathOps::stroke(skeleton(c), weight, Qt::FlatCap, Qt::MiterJoin, detail, 3.0);
        all.addPath(outline.translated(x, 0));
        x += advance(c) + spacing;
    }
    // Map the grid so the ink from the top of a capital to the baseline,
    // including the half stroke above and below, fills the requested height.
    const qreal scale = height / (GridHeight + weight);
    QTransform t;
    t.scale(scale, scale);
    t.translate(weight / 2, weight / 2);
    QPainterPath placed = t.map(all);
    placed.setFillRule(Qt::WindingFill);
    return placed;
}

qreal Glyphs::width(const QString &text, qreal height, qreal weight, qreal spacing)
{
    return Glyphs::text(text, height, weight, spacing).boundingRect().right();
}
