#include "render/JesterPainter.h"

#include "render/PathOps.h"

#include <QPainterPath>

namespace {

const QColor Outline(20, 20, 20);
const QColor Flesh(255, 222, 188);
const QColor Gilt(246, 200, 34);

void fill(QPainter &p, const QPainterPath &path, const QColor &c, qreal pen = 0.55)
{
    p.setPen(QPen(Outline, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(c);
    p.drawPath(path);
}

} // namespace

void JesterPainter::paint(QPainter &p, const QRectF &box, bool red, PathOps::Detail detail)
{
    // The jester wears the joker's own ink, with gold as the second colour,
    // so the two jokers tell apart at a glance even without the word.
    const QColor main = red ? QColor(204, 20, 30) : QColor(30, 30, 30);
    const QColor second = Gilt;
    p.save();
    p.translate(box.center().x(), box.top());
    const qreal s = box.height() / 56.0;
    p.scale(s, s);

    // Legs with curled shoes.
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath leg;
        leg.addRect(QRectF(side < 0 ? -6 : 1.5, 46, 4.5, 6));
        fill(p, leg, side < 0 ? main : second);
        QPainterPath shoe;
        shoe.moveTo(side * 1.5, 52);
        shoe.lineTo(side * 6, 52);
        shoe.quadTo(side * 10, 52, side * 10, 49);
        shoe.quadTo(side * 11.5, 55, side * 1.5, 55);
        shoe.closeSubpath();
        fill(p, shoe, side < 0 ? second : main);
    }
    // Tunic in harlequin diamonds.
    QPainterPath tunic;
    tunic.moveTo(-7, 26);
    tunic.lineTo(7, 26);
    tunic.lineTo(10, 47);
    tunic.lineTo(-10, 47);
    tunic.closeSubpath();
    p.save();
    p.setClipPath(tunic, Qt::IntersectClip);
    p.fillRect(QRectF(-12, 24, 24, 24), second);
    p.setPen(Qt::NoPen);
    p.setBrush(main);
    for (int row = 0; row < 5; ++row)
        for (int col = -3; col <= 3; ++col) {
            const qreal cx = col * 5 + (row % 2) * 2.5;
            const qreal cy = 28 + row * 4.6;
            p.drawPolygon(QPolygonF({QPointF(cx, cy - 2.3), QPointF(cx + 1.25, cy), QPointF(cx, cy + 2.3),
                                     QPointF(cx - 1.25, cy)}));
        }
    p.restore();
    fill(p, tunic, Qt::transparent);
    // Arms; the right hand holds a bauble on a stick.
    QPainterPath arms;
    arms.moveTo(-7, 28);
    arms.lineTo(-13, 38);
    arms.lineTo(-10.5, 39.5);
    arms.lineTo(-5.5, 32);
    arms.moveTo(7, 28);
    arms.lineTo(12, 35);
    arms.lineTo(10, 37);
    arms.lineTo(5.5, 32);
    fill(p, arms, main);
    p.setPen(QPen(QColor(120, 70, 30), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(11, 38), QPointF(15, 18));
    fill(p, PathOps::united(QPainterPath(), [] { QPainterPath b; b.addEllipse(QPointF(15.5, 16), 2.6, 2.6); return b; }(), detail),
         second);
    p.setBrush(Flesh);
    p.setPen(QPen(Outline, 0.5));
    p.drawEllipse(QPointF(-12, 39.5), 1.8, 1.8);
    p.drawEllipse(QPointF(11.5, 37), 1.8, 1.8);
    // Ruff collar of alternating points.
    QPainterPath ruff;
    for (int i = 0; i <= 12; ++i) {
        const qreal x = -9 + i * 1.5;
        const qreal y = i % 2 ? 29 : 24.5;
        if (i == 0)
            ruff.moveTo(x, y);
        else
            ruff.lineTo(x, y);
    }
    ruff.lineTo(0, 23);
    ruff.closeSubpath();
    fill(p, ruff, Qt::white, 0.45);
    // Face.
    QPainterPath face;
    face.addEllipse(QPointF(0, 17), 5.5, 6);
    fill(p, face, Flesh);
    p.setPen(Qt::NoPen);
    p.setBrush(Outline);
    p.drawEllipse(QPointF(-2.1, 16), 0.7, 0.8);
    p.drawEllipse(QPointF(2.1, 16), 0.7, 0.8);
    p.setBrush(QColor(230, 40, 40));
    p.drawEllipse(QPointF(0, 18.2), 1.1, 1.1);
    p.setPen(QPen(Outline, 0.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-3.2, 17, 6.4, 4.2), 200 * 16, 140 * 16);
    // Three-pointed cap with bells.
    const QPointF tips[3] = {QPointF(-15, 6), QPointF(0, 0), QPointF(15, 6)};
    for (int i = 0; i < 3; ++i) {
        QPainterPath point;
        point.moveTo(-5.5 + i * 3.6, 13);
        point.quadTo((tips[i].x() + (-3 + i * 3)) / 2 - 1, 6, tips[i].x(), tips[i].y());
        point.quadTo((tips[i].x() + (-3 + i * 3)) / 2 + 2, 9, -1.5 + i * 3.6 + (i == 2 ? 2 : 0), 13);
        point.closeSubpath();
        fill(p, point, i % 2 ? second : main);
    }
    QPainterPath band;
    band.addRoundedRect(QRectF(-6.5, 11, 13, 3), 1.2, 1.2);
    fill(p, band, second);
    p.setPen(QPen(Outline, 0.45));
    p.setBrush(second);
    for (const QPointF &t : tips)
        p.drawEllipse(t, 1.6, 1.6);
    p.restore();
}
