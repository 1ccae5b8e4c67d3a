#include "render/BackScenes.h"

#include "render/CardShape.h"
#include "render/SuitPips.h"

#include <QPainterPath>
#include <cmath>

namespace {

const QRectF Whole(0, 0, CardShape::Width, CardShape::Height);

void bubbles(QPainter &p, const QList<QPointF> &at)
{
    p.setPen(QPen(QColor(230, 250, 255), 0.6));
    p.setBrush(Qt::NoBrush);
    qreal r = 1.0;
    for (const QPointF &c : at) {
        p.drawEllipse(c, r, r);
        r = r >= 2.0 ? 1.0 : r + 0.5;
    }
}

void seaweed(QPainter &p, qreal x, qreal height, qreal sway, const QColor &c)
{
    QPainterPath s;
    const qreal base = CardShape::Height;
    s.moveTo(x, base);
    s.cubicTo(x + sway, base - height * 0.33, x - sway, base - height * 0.66, x + sway * 0.5, base - height);
    p.setPen(QPen(c, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(s);
}

} // namespace

void BackScenes::fish(QPainter &p, QPointF c, qreal length, bool facingLeft)
{
    p.save();
    p.translate(c);
    if (facingLeft)
        p.scale(-1, 1);
    p.scale(length / 20.0, length / 20.0);
    const QColor orange(255, 120, 0), outline(20, 20, 20);
    const QPen edge(outline, 0.7);
    // Tail and fins behind the body.
    QPainterPath tail;
    tail.moveTo(-7, 0);
    tail.lineTo(-11, -4.5);
    tail.quadTo(-9.5, 0, -11, 4.5);
    tail.closeSubpath();
    p.setPen(edge);
    p.setBrush(orange);
    p.drawPath(tail);
    QPainterPath fin;
    fin.moveTo(-4, -3.5);
    fin.quadTo(0, -8, 4, -3.8);
    p.drawPath(fin);
    p.drawEllipse(QPointF(0, 0), 9, 4.6);
    // Three white bands edged in black make it a clownfish and not a goldfish.
    p.save();
    QPainterPath body;
    body.addEllipse(QPointF(0, 0), 9, 4.6);
    p.setClipPath(body);
    p.setPen(QPen(outline, 0.6));
    p.setBrush(Qt::white);
    for (qreal x : {4.5, -0.5, -6.0})
        p.drawRoundedRect(QRectF(x - 1.3, -6, 2.6, 12), 1.2, 1.2);
    p.restore();
    p.setPen(edge);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), 9, 4.6);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(6.8, -1.2), 1.3, 1.3);
    p.setBrush(outline);
    p.drawEllipse(QPointF(7.1, -1.2), 0.7, 0.7);
    p.restore();
}

void BackScenes::bat(QPainter &p, QPointF c, qreal span)
{
    p.save();
    p.translate(c);
    p.scale(span / 20.0, span / 20.0);
    QPainterPath w;
    w.moveTo(0, -1.5);
    w.cubicTo(3, -4, 7, -5, 10, -2);
    w.quadTo(8.5, -0.5, 8, 1.5);
    w.quadTo(6.5, 0, 5, 1.5);
    w.quadTo(3.5, 0.2, 2, 2);
    w.lineTo(0, 3);
    w.lineTo(-2, 2);
    w.quadTo(-3.5, 0.2, -5, 1.5);
    w.quadTo(-6.5, 0, -8, 1.5);
    w.quadTo(-8.5, -0.5, -10, -2);
    w.cubicTo(-7, -5, -3, -4, 0, -1.5);
    p.fillPath(w, QColor(10, 10, 15));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(10, 10, 15));
    p.drawEllipse(QPointF(0, 0), 1.8, 2.4);
    p.drawPolygon(QPolygonF({QPointF(-1.6, -1.5), QPointF(-1.2, -3.6), QPointF(-0.3, -2)}));
    p.drawPolygon(QPolygonF({QPointF(1.6, -1.5), QPointF(1.2, -3.6), QPointF(0.3, -2)}));
    p.restore();
}

void BackScenes::clownfish(QPainter &p)
{
    QLinearGradient water(0, 0, 0, CardShape::Height);
    water.setColorAt(0, QColor(150, 215, 245));
    water.setColorAt(1, QColor(90, 170, 225));
    p.fillRect(Whole, water);
    fish(p, QPointF(24, 22), 24, false);
    fish(p, QPointF(48, 48), 28, true);
    fish(p, QPointF(25, 75), 24, false);
    bubbles(p, {QPointF(60, 12), QPointF(57, 18), QPointF(61, 26), QPointF(12, 50), QPointF(9, 44), QPointF(58, 82)});
}

void BackScenes::robot(QPainter &p)
{
    p.fillRect(Whole, QColor(30, 70, 180));
    p.setPen(QPen(QColor(60, 110, 220), 0.6));
    for (int i = 0; i < 12; ++i)
        p.drawLine(QPointF(0, i * 8 + 4), QPointF(CardShape::Width, i * 8 + 4));
    p.fillRect(Whole, Qt::NoBrush);
    const QColor red(220, 30, 30), dark(120, 10, 10), grey(200, 200, 210);
    const QPen edge(QColor(20, 20, 20), 0.8);
    p.setPen(edge);
    // Antenna, head, eyes, mouth grille.
    p.setBrush(grey);
    p.drawLine(QPointF(35.5, 13), QPointF(35.5, 7));
    p.setBrush(QColor(255, 220, 0));
    p.drawEllipse(QPointF(35.5, 6), 2.2, 2.2);
    p.setBrush(red);
    p.drawRoundedRect(QRectF(24, 13, 23, 17), 3, 3);
    p.setBrush(QColor(255, 240, 120));
    p.drawEllipse(QPointF(30, 20), 3, 3);
    p.drawEllipse(QPointF(41, 20), 3, 3);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(30, 20), 1.2, 1.2);
    p.drawEllipse(QPointF(41, 20), 1.2, 1.2);
    p.setBrush(grey);
    p.drawRect(QRectF(30, 25, 11, 3));
    // Neck, body with the dial and two lamps, arms, legs.
    p.setBrush(grey);
    p.drawRect(QRectF(32, 30, 7, 3));
    p.setBrush(red);
    p.drawRoundedRect(QRectF(20, 33, 31, 30), 3, 3);
    p.setBrush(grey);
    p.drawRoundedRect(QRectF(24, 37, 23, 9), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawPie(QRectF(26, 38.5, 11, 11), 0, 180 * 16);
    p.setPen(QPen(Qt::black, 0.8));
    p.drawLine(QPointF(31.5, 44), QPointF(34.5, 40));
    p.setPen(edge);
    p.setBrush(QColor(0, 220, 0));
    p.drawEllipse(QPointF(41, 41.5), 1.8, 1.8);
    p.setBrush(QColor(255, 200, 0));
    p.drawEllipse(QPointF(45, 41.5), 1.8, 1.8);
    p.setBrush(dark);
    for (int i = 0; i < 3; ++i)
        p.drawRect(QRectF(27, 50 + i * 4, 17, 2));
    p.setBrush(red);
    p.drawRoundedRect(QRectF(12, 35, 7, 20), 2, 2);
    p.drawRoundedRect(QRectF(52, 35, 7, 20), 2, 2);
    p.setBrush(grey);
    p.drawEllipse(QPointF(15.5, 57), 3.2, 3.2);
    p.drawEllipse(QPointF(55.5, 57), 3.2, 3.2);
    p.setBrush(red);
    p.drawRect(QRectF(24, 63, 8, 16));
    p.drawRect(QRectF(39, 63, 8, 16));
    p.setBrush(dark);
    p.drawRoundedRect(QRectF(21, 79, 13, 6), 2, 2);
    p.drawRoundedRect(QRectF(37, 79, 13, 6), 2, 2);
}

void BackScenes::reef(QPainter &p)
{
    QLinearGradient water(0, 0, 0, CardShape::Height);
    water.setColorAt(0, QColor(40, 110, 200));
    water.setColorAt(1, QColor(15, 45, 120));
    p.fillRect(Whole, water);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 200, 140));
    QPainterPath sand;
    sand.moveTo(0, 88);
    sand.quadTo(35, 82, 71, 90);
    sand.lineTo(71, 96);
    sand.lineTo(0, 96);
    p.drawPath(sand);
    seaweed(p, 8, 70, 5, QColor(30, 150, 60));
    seaweed(p, 20, 50, -4, QColor(60, 190, 80));
    seaweed(p, 52, 62, 4, QColor(30, 150, 60));
    seaweed(p, 63, 80, -5, QColor(60, 190, 80));
    fish(p, QPointF(36, 30), 22, true);
    fish(p, QPointF(36, 60), 20, false);
    seaweed(p, 42, 28, 3, QColor(45, 170, 70));
    bubbles(p, {QPointF(23, 22), QPointF(21, 15), QPointF(24, 8)});
}

void BackScenes::sleeve(QPainter &p, PathOps::Detail detail)
{
    p.fillRect(Whole, QColor(255, 215, 0));
    // Rays behind the trick, so the yellow is not an empty field.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 236, 110));
    for (int i = 0; i < 12; ++i) {
        p.save();
        p.translate(30, 58);
        p.rotate(i * 30);
        p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(-6, -80), QPointF(6, -80)}));
        p.restore();
    }
    // The arm reaches in from the top right; the stripes run along the sleeve.
    p.save();
    p.translate(40, 44);
    p.rotate(38);
    QPainterPath arm;
    arm.addRoundedRect(QRectF(-10, -80, 20, 80), 4, 4);
    p.save();
    p.setClipPath(arm, Qt::IntersectClip);
    p.fillRect(QRectF(-10, -80, 20, 80), QColor(30, 60, 170));
    for (int i = 0; i < 5; ++i)
        p.fillRect(QRectF(-8.5 + i * 4, -80, 2, 80), QColor(240, 240, 255));
    p.restore();
    p.setPen(QPen(Qt::black, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arm);
    // The cards fan out of the cuff, an ace of hearts in front.
    const int suits[4] = {SuitPips::Clubs, SuitPips::Diamonds, SuitPips::Spades, SuitPips::Hearts};
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(0, 2);
        p.rotate(-36 + i * 24);
        p.setPen(QPen(Qt::black, 0.6));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(-7.5, 4, 15, 21), 1.5, 1.5);
        p.fillPath(SuitPips::placed(suits[i], 0, 18, 8, true, detail), SuitPips::ink(suits[i]));
        p.restore();
    }
    p.setPen(QPen(Qt::black, 0.8));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(-12, -6, 24, 9), 2, 2);
    p.setBrush(QColor(255, 215, 0));
    p.drawEllipse(QPointF(-6, -1.5), 1.3, 1.3);
    p.drawEllipse(QPointF(6, -1.5), 1.3, 1.3);
    p.restore();
}

void BackScenes::shell(QPainter &p)
{
    // A ground of many colours in broad diagonal bands.
    const QColor bands[6] = {QColor(230, 40, 60), QColor(250, 150, 20), QColor(250, 220, 40),
                             QColor(60, 180, 80), QColor(40, 120, 220), QColor(140, 60, 190)};
    p.save();
    p.translate(35.5, 48);
    p.rotate(-30);
    for (int i = -8; i < 8; ++i)
        p.fillRect(QRectF(-80, i * 12, 160, 12), bands[(i + 8) % 6]);
    p.restore();
    // The shell: chambers along a logarithmic spiral, the largest drawn first
    // so the coil winds inward to its tip.
    const QPointF c(38, 44);
    const auto radius = [](qreal a) { return 1.6 * std::exp(0.19 * a); };
    const int steps = 28;
    for (int i = steps; i >= 0; --i) {
        const qreal a = i * 0.45;
        const qreal r = radius(a);
        const QPointF at(c.x() + std::cos(a) * r * 0.95, c.y() + std::sin(a) * r * 0.95);
        p.setPen(QPen(QColor(120, 60, 20), 0.8));
        p.setBrush(i % 2 ? QColor(255, 238, 205) : QColor(244, 196, 140));
        p.drawEllipse(at, r * 0.75, r * 0.75);
    }
    p.setPen(QPen(QColor(90, 40, 10), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(QColor(250, 225, 190));
    p.drawEllipse(c, 1.5, 1.5);
}

void BackScenes::beach(QPainter &p)
{
    QLinearGradient sky(0, 0, 0, 60);
    sky.setColorAt(0, QColor(60, 150, 240));
    sky.setColorAt(1, QColor(160, 215, 250));
    p.fillRect(Whole, sky);
    p.fillRect(QRectF(0, 58, 71, 14), QColor(20, 110, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 210, 130));
    QPainterPath sand;
    sand.moveTo(0, 72);
    sand.quadTo(35, 64, 71, 70);
    sand.lineTo(71, 96);
    sand.lineTo(0, 96);
    p.drawPath(sand);
    // Sun with sunglasses, the same face the small detail pictures use.
    p.setBrush(QColor(255, 220, 0));
    p.drawEllipse(QPointF(54, 16), 9, 9);
    p.setPen(QPen(QColor(255, 200, 0), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * M_PI / 6;
        p.drawLine(QPointF(54 + std::cos(a) * 10.5, 16 + std::sin(a) * 10.5),
                   QPointF(54 + std::cos(a) * 13.5, 16 + std::sin(a) * 13.5));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(48, 12.5, 5, 3.2), 1, 1);
    p.drawRoundedRect(QRectF(55, 12.5, 5, 3.2), 1, 1);
    p.fillRect(QRectF(52, 13, 4, 0.8), Qt::black);
    p.setPen(QPen(Qt::black, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(50, 14, 8, 6), 200 * 16, 140 * 16);
    // The palm: a leaning trunk and a crown of fronds.
    QPainterPath trunk;
    trunk.moveTo(20, 84);
    trunk.cubicTo(22, 60, 26, 45, 32, 32);
    trunk.lineTo(35, 33);
    trunk.cubicTo(30, 46, 27, 62, 27, 84);
    trunk.closeSubpath();
    p.setPen(QPen(QColor(80, 40, 10), 0.7));
    p.setBrush(QColor(150, 90, 40));
    p.drawPath(trunk);
    for (int i = 0; i < 7; ++i) {
        const qreal y = 80 - i * 7;
        p.drawLine(QPointF(20.5 + i * 1.6, y), QPointF(27 + i * 1.0, y - 1));
    }
    p.setPen(QPen(QColor(20, 100, 30), 0.6));
    p.setBrush(QColor(40, 160, 50));
    for (int i = 0; i < 6; ++i) {
        p.save();
        p.translate(33, 32);
        p.rotate(-160 + i * 45 + (i > 2 ? 20 : 0));
        QPainterPath frond;
        frond.moveTo(0, 0);
        frond.quadTo(10, -6, 20, 2);
        frond.quadTo(10, -1, 0, 0);
        p.drawPath(frond);
        p.restore();
    }
    p.setBrush(QColor(110, 60, 20));
    p.drawEllipse(QPointF(31, 34), 2, 2);
    p.drawEllipse(QPointF(35, 35), 2, 2);
}

void BackScenes::castle(QPainter &p)
{
    QLinearGradient sky(0, 0, 0, CardShape::Height);
    sky.setColorAt(0, QColor(10, 10, 50));
    sky.setColorAt(1, QColor(40, 30, 100));
    p.fillRect(Whole, sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 200));
    p.drawEllipse(QPointF(44, 28), 14, 14);
    p.setBrush(QColor(230, 225, 170));
    p.drawEllipse(QPointF(40, 24), 3, 3);
    p.drawEllipse(QPointF(49, 33), 2, 2);
    p.setBrush(QColor(255, 255, 255));
    for (const QPointF &s : {QPointF(8, 8), QPointF(20, 18), QPointF(64, 6), QPointF(12, 40), QPointF(66, 50)})
        p.drawEllipse(s, 0.6, 0.6);
    bat(p, QPointF(16, 14), 10);
    bat(p, QPointF(26, 28), 8);
    bat(p, QPointF(62, 18), 9);
    // Hill and castle in near-black so they stand against the moon.
    const QColor dark(25, 20, 35);
    QPainterPath hill;
    hill.moveTo(0, 96);
    hill.lineTo(0, 78);
    hill.cubicTo(20, 64, 50, 64, 71, 76);
    hill.lineTo(71, 96);
    p.fillPath(hill, QColor(15, 30, 20));
    QPainterPath c;
    c.addRect(QRectF(20, 50, 30, 20));
    c.addRect(QRectF(16, 38, 9, 32));
    c.addRect(QRectF(46, 40, 9, 30));
    c.addRect(QRectF(30, 34, 10, 20));
    for (qreal x : {16.0, 19.5, 23.0})
        c.addRect(QRectF(x, 35, 2, 3));
    for (qreal x : {46.0, 49.5, 53.0})
        c.addRect(QRectF(x, 37, 2, 3));
    QPolygonF roof({QPointF(29, 34), QPointF(35, 22), QPointF(41, 34)});
    c.addPolygon(roof);
    c.setFillRule(Qt::WindingFill);
    p.fillPath(c, dark);
    p.setBrush(QColor(255, 210, 60));
    p.drawRect(QRectF(34, 40, 2, 3));
    p.drawRect(QRectF(19.5, 45, 2, 3));
    p.drawRect(QRectF(49.5, 48, 2, 3));
    p.setBrush(QColor(5, 5, 10));
    p.drawRoundedRect(QRectF(32, 60, 6, 10), 3, 3);
}
