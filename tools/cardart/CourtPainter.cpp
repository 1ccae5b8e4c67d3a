#include "CourtPainter.h"

#include "SuitPips.h"

#include <QPainterPath>

namespace {

// The frame holds two halves of 45 x 41; everything below is in half-local
// coordinates with the head near the top and the chest cut by the divider.
const QRectF Frame(13, 7, 45, 82);
constexpr qreal W = 45;
constexpr qreal H = 41;
constexpr qreal Mid = W / 2;

const QColor Ink(20, 20, 20);
const QColor Skin(255, 222, 188);
const QColor Hair(240, 186, 36);
const QColor Gold(246, 200, 34);
const QColor Red(204, 26, 36);
const QColor Blue(34, 68, 178);
const QColor Steel(176, 186, 204);
const QColor Leaf(36, 150, 60);

// The head, crown and hair are drawn on the grid below and then enlarged
// about the top centre: at 71 x 96 a face needs every pixel it can get.
constexpr qreal HeadScale = 1.25;
constexpr qreal RobeDrop = 4.5;

void beginHead(QPainter &p)
{
    p.save();
    p.translate(Mid, 0.5);
    p.scale(HeadScale, HeadScale);
    p.translate(-Mid, -0.5);
}

void beginRobe(QPainter &p)
{
    p.save();
    p.translate(0, RobeDrop);
}

QPen edge(qreal width = 0.55) { return QPen(Ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void shape(QPainter &p, const QPainterPath &path, const QColor &fill, qreal pen = 0.55)
{
    p.setPen(edge(pen));
    p.setBrush(fill);
    p.drawPath(path);
}

QPainterPath ellipse(qreal cx, qreal cy, qreal rx, qreal ry)
{
    QPainterPath e;
    e.addEllipse(QPointF(cx, cy), rx, ry);
    return e;
}

// Shoulders and chest in two colours split by a patterned gold band, the way
// the traditional courts dress.
void robe(QPainter &p, const QColor &left, const QColor &right, bool ermine)
{
    QPainterPath body;
    body.moveTo(1, H + 1);
    body.lineTo(2.5, 31);
    body.quadTo(3.5, 24, 12, 23);
    body.lineTo(33, 23);
    body.quadTo(41.5, 24, 42.5, 31);
    body.lineTo(44, H + 1);
    body.closeSubpath();
    p.save();
    p.setClipPath(body, Qt::IntersectClip);
    p.fillRect(QRectF(0, 20, Mid, 25), left);
    p.fillRect(QRectF(Mid, 20, Mid, 25), right);
    // Small gold motifs on the cloth.
    p.setPen(Qt::NoPen);
    p.setBrush(Gold);
    for (int row = 0; row < 3; ++row)
        for (qreal x : {6.0, 12.0, 33.0, 39.0})
            p.drawEllipse(QPointF(x + (row % 2) * 2.5, 28 + row * 5), 0.9, 0.9);
    QPainterPath band;
    band.addRect(QRectF(Mid - 3.5, 22, 7, 25));
    shape(p, band, Gold, 0.5);
    p.setPen(edge(0.5));
    for (int i = 0; i < 4; ++i) {
        const qreal y = 25 + i * 4;
        p.drawLine(QPointF(Mid - 3.5, y), QPointF(Mid, y + 2));
        p.drawLine(QPointF(Mid, y + 2), QPointF(Mid + 3.5, y));
    }
    if (ermine) {
        QPainterPath trim;
        trim.moveTo(7, 23.6);
        trim.quadTo(9, 23, 12, 23);
        trim.lineTo(33, 23);
        trim.quadTo(36, 23, 38, 23.6);
        trim.lineTo(36, 27);
        trim.lineTo(9, 27);
        trim.closeSubpath();
        shape(p, trim, Qt::white, 0.45);
        p.setPen(Qt::NoPen);
        p.setBrush(Ink);
        for (qreal x : {11.0, 16.0, 29.0, 34.0})
            p.drawEllipse(QPointF(x, 25.2), 0.55, 0.8);
    }
    p.restore();
    p.setPen(edge());
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
}

void face(QPainter &p, bool lips, bool lashes)
{
    QPainterPath neck;
    neck.addRect(QRectF(Mid - 2, 19, 4, 5));
    shape(p, neck, Skin, 0.45);
    shape(p, ellipse(Mid, 14.5, 5, 6), Skin);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawEllipse(QPointF(Mid - 2.1, 13.6), 0.65, 0.55);
    p.drawEllipse(QPointF(Mid + 2.1, 13.6), 0.65, 0.55);
    p.setPen(edge(0.45));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(Mid - 3.2, 12.2), QPointF(Mid - 1.2, 12.0));
    p.drawLine(QPointF(Mid + 1.2, 12.0), QPointF(Mid + 3.2, 12.2));
    if (lashes) {
        p.drawLine(QPointF(Mid - 2.8, 13.2), QPointF(Mid - 3.3, 12.8));
        p.drawLine(QPointF(Mid + 2.8, 13.2), QPointF(Mid + 3.3, 12.8));
    }
    QPainterPath nose;
    nose.moveTo(Mid, 14);
    nose.lineTo(Mid + 0.7, 16.3);
    nose.lineTo(Mid - 0.3, 16.5);
    p.drawPath(nose);
    p.setPen(Qt::NoPen);
    p.setBrush(lips ? QColor(220, 30, 50) : QColor(190, 70, 60));
    p.drawEllipse(QPointF(Mid, 18.2), lips ? 1.4 : 1.2, lips ? 0.7 : 0.45);
    p.setBrush(QColor(255, 170, 160));
    p.drawEllipse(QPointF(Mid - 3, 16.3), 0.9, 0.6);
    p.drawEllipse(QPointF(Mid + 3, 16.3), 0.9, 0.6);
}

void king(QPainter &p, const QColor &a, const QColor &b)
{
    // Sword held upright beside the head.
    beginRobe(p);
    QPainterPath blade;
    blade.moveTo(6, 27);
    blade.lineTo(6, 3.5);
    blade.lineTo(7.2, 1);
    blade.lineTo(8.4, 3.5);
    blade.lineTo(8.4, 27);
    blade.closeSubpath();
    shape(p, blade, Steel, 0.6);
    p.drawLine(QPointF(7.2, 4), QPointF(7.2, 26));
    robe(p, a, b, true);
    QPainterPath guard;
    guard.addRoundedRect(QRectF(2.8, 26.2, 8.8, 2), 0.8, 0.8);
    shape(p, guard, Gold, 0.45);
    shape(p, ellipse(7.2, 31, 2.6, 2.2), Skin, 0.45);
    p.restore();

    beginHead(p);
    shape(p, ellipse(Mid, 14, 7, 7.5), Hair);
    face(p, false, false);
    // Beard and moustache: the quickest tell of a king.
    QPainterPath beard;
    beard.moveTo(Mid - 5, 15.5);
    beard.quadTo(Mid - 4.5, 24, Mid, 27);
    beard.quadTo(Mid + 4.5, 24, Mid + 5, 15.5);
    beard.quadTo(Mid + 3, 19.5, Mid + 1.6, 18.6);
    beard.lineTo(Mid - 1.6, 18.6);
    beard.quadTo(Mid - 3, 19.5, Mid - 5, 15.5);
    shape(p, beard, Hair, 0.5);
    p.setPen(edge(0.4));
    p.drawLine(QPointF(Mid - 1.5, 21), QPointF(Mid - 0.8, 25));
    p.drawLine(QPointF(Mid + 1.5, 21), QPointF(Mid + 0.8, 25));
    QPainterPath moustache;
    moustache.moveTo(Mid, 17.3);
    moustache.quadTo(Mid - 2.5, 16.2, Mid - 3.6, 18.4);
    moustache.quadTo(Mid - 2, 17.6, Mid, 18.2);
    moustache.quadTo(Mid + 2, 17.6, Mid + 3.6, 18.4);
    moustache.quadTo(Mid + 2.5, 16.2, Mid, 17.3);
    shape(p, moustache, Hair, 0.4);
    // Tall crown with three points.
    QPainterPath crown;
    crown.moveTo(Mid - 7, 9.5);
    crown.lineTo(Mid - 7.5, 1.2);
    crown.lineTo(Mid - 3.5, 5);
    crown.lineTo(Mid, 0.4);
    crown.lineTo(Mid + 3.5, 5);
    crown.lineTo(Mid + 7.5, 1.2);
    crown.lineTo(Mid + 7, 9.5);
    crown.closeSubpath();
    shape(p, crown, Gold, 0.5);
    p.drawLine(QPointF(Mid - 7, 7), QPointF(Mid + 7, 7));
    p.setPen(edge(0.35));
    p.setBrush(Red);
    p.drawEllipse(QPointF(Mid, 8.2), 1.1, 0.9);
    p.setBrush(Blue);
    p.drawEllipse(QPointF(Mid - 4, 8.2), 0.9, 0.8);
    p.drawEllipse(QPointF(Mid + 4, 8.2), 0.9, 0.8);
    p.restore();
}

void queen(QPainter &p, const QColor &a, const QColor &b)
{
    // Veil behind long hair.
    beginHead(p);
    QPainterPath veil;
    veil.moveTo(Mid - 6, 3);
    veil.cubicTo(Mid - 12, 6, Mid - 12, 18, Mid - 14, 26);
    veil.lineTo(Mid + 14, 26);
    veil.cubicTo(Mid + 12, 18, Mid + 12, 6, Mid + 6, 3);
    veil.closeSubpath();
    shape(p, veil, b.darker(140));
    p.restore();
    beginRobe(p);
    robe(p, a, b, false);
    p.restore();
    beginHead(p);
    QPainterPath hair;
    hair.moveTo(Mid - 6.5, 8);
    hair.cubicTo(Mid - 9, 14, Mid - 8, 22, Mid - 9, 26);
    hair.lineTo(Mid - 4, 24);
    hair.lineTo(Mid + 4, 24);
    hair.lineTo(Mid + 9, 26);
    hair.cubicTo(Mid + 8, 22, Mid + 9, 14, Mid + 6.5, 8);
    hair.quadTo(Mid, 4, Mid - 6.5, 8);
    shape(p, hair, Hair, 0.5);
    face(p, true, true);
    // Small crown of rounded lobes with a cross.
    QPainterPath crown;
    crown.addRoundedRect(QRectF(Mid - 5.5, 5.5, 11, 3), 0.8, 0.8);
    for (int i = -1; i <= 1; ++i)
        crown.addEllipse(QPointF(Mid + i * 3.6, 4.8), 1.8, 1.8);
    crown.setFillRule(Qt::WindingFill);
    shape(p, crown.simplified(), Gold, 0.5);
    p.setPen(edge(0.6));
    p.drawLine(QPointF(Mid, 0.6), QPointF(Mid, 3.2));
    p.drawLine(QPointF(Mid - 1.2, 1.6), QPointF(Mid + 1.2, 1.6));
    p.setBrush(Red);
    p.setPen(edge(0.3));
    p.drawEllipse(QPointF(Mid, 7), 0.9, 0.9);
    p.restore();
    beginRobe(p);
    // Necklace.
    p.setPen(edge(0.35));
    p.setBrush(Gold);
    for (int i = -3; i <= 3; ++i)
        p.drawEllipse(QPointF(Mid + i * 1.7, 24.2 + (i * i) * 0.18), 0.75, 0.75);
    // The flower she holds.
    p.setPen(QPen(Leaf.darker(130), 0.9, Qt::SolidLine, Qt::RoundCap));
    QPainterPath stem;
    stem.moveTo(36, 34);
    stem.quadTo(38.5, 26, 37, 17);
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);
    QPainterPath leaf;
    leaf.moveTo(37.6, 25);
    leaf.quadTo(41.5, 21.5, 42.5, 24.5);
    leaf.quadTo(40, 26, 37.6, 25);
    shape(p, leaf, Leaf, 0.35);
    p.setPen(edge(0.35));
    p.setBrush(Red);
    for (int i = 0; i < 5; ++i) {
        const QTransform t = QTransform().translate(37, 16).rotate(i * 72);
        p.drawEllipse(t.map(QPointF(0, -1.9)), 1.5, 1.5);
    }
    p.setBrush(Gold);
    p.drawEllipse(QPointF(37, 16), 1.1, 1.1);
    shape(p, ellipse(35.5, 32.5, 2.4, 2), Skin, 0.45);
    p.restore();
}

void jack(QPainter &p, const QColor &a, const QColor &b)
{
    // Halberd: pole and axe head beside him.
    beginRobe(p);
    QPainterPath pole;
    pole.addRect(QRectF(6.4, 6, 1.6, 38));
    shape(p, pole, QColor(150, 95, 40), 0.4);
    QPainterPath axe;
    axe.moveTo(7.2, 0.5);
    axe.lineTo(8.4, 4);
    axe.lineTo(8.2, 5.5);
    axe.quadTo(13, 6, 12.5, 10.5);
    axe.quadTo(10, 9, 8, 10);
    axe.lineTo(6.4, 10);
    axe.quadTo(4, 8.5, 2.5, 9.5);
    axe.quadTo(2.5, 6.5, 6.2, 5.5);
    axe.lineTo(6, 4);
    axe.closeSubpath();
    shape(p, axe, Steel, 0.45);
    robe(p, a, b, false);
    // Buttoned doublet and a round collar.
    p.setPen(edge(0.3));
    p.setBrush(Ink);
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(Mid, 27 + i * 4), 0.55, 0.55);
    QPainterPath collar;
    collar.addEllipse(QPointF(Mid, 23.3), 6, 1.8);
    shape(p, collar, Qt::white, 0.45);
    shape(p, ellipse(7.2, 30.5, 2.4, 2.1), Skin, 0.45);
    p.restore();
    beginHead(p);
    // Short curled hair and a young, clean face.
    QPainterPath hair;
    hair.addEllipse(QPointF(Mid, 13), 6.4, 6.5);
    for (int side = -1; side <= 1; side += 2)
        for (int i = 0; i < 3; ++i)
            hair.addEllipse(QPointF(Mid + side * 5.6, 14 + i * 2.6), 1.8, 1.6);
    hair.setFillRule(Qt::WindingFill);
    shape(p, hair.simplified(), Hair, 0.45);
    face(p, false, false);
    // Flat cap with a band and a feather: no crown for the jack.
    QPainterPath feather;
    feather.moveTo(Mid + 4, 6);
    feather.cubicTo(Mid + 7, 0.5, Mid + 10, 0, Mid + 12, 0.8);
    feather.cubicTo(Mid + 10, 2.5, Mid + 8, 4, Mid + 5, 7.5);
    feather.closeSubpath();
    shape(p, feather, Qt::white, 0.45);
    p.drawLine(QPointF(Mid + 5, 6.8), QPointF(Mid + 11.5, 1));
    QPainterPath cap;
    cap.moveTo(Mid - 9, 8.5);
    cap.quadTo(Mid - 8, 2.5, Mid, 2.5);
    cap.quadTo(Mid + 8, 2.5, Mid + 9, 8.5);
    cap.closeSubpath();
    shape(p, cap, a, 0.5);
    QPainterPath band;
    band.addRoundedRect(QRectF(Mid - 8, 7, 16, 2.4), 1, 1);
    shape(p, band, Gold, 0.45);
    p.restore();
}

} // namespace

void CourtPainter::paint(QPainter &p, int suit, int rank)
{
    // Diamonds and clubs face the other way, so the twelve courts are not
    // one figure in four colours.
    const bool mirrored = suit == SuitPips::Diamonds || suit == SuitPips::Clubs;
    const bool warm = suit == SuitPips::Hearts || suit == SuitPips::Diamonds;
    const QColor a = warm ? Red : Blue;
    const QColor b = warm ? Blue : Red;

    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn == 1) {
            p.translate(71, 96);
            p.rotate(180);
        }
        p.translate(Frame.topLeft());
        p.setClipRect(QRectF(0, 0, W, H));
        p.save();
        if (mirrored) {
            p.translate(W, 0);
            p.scale(-1, 1);
        }
        switch (rank) {
        case 11: jack(p, a, b); break;
        case 12: queen(p, a, b); break;
        default: king(p, a, b); break;
        }
        p.restore();
        // The suit sign on the side away from what the figure holds.
        const qreal pipX = mirrored ? 5 : W - 5;
        p.fillPath(SuitPips::placed(suit, pipX, 5.5, 7), SuitPips::ink(suit));
        p.restore();
    }
    // The frame on whole pixels, so it stays a crisp one-pixel line.
    p.save();
    p.setPen(QPen(Ink, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(Frame.adjusted(-0.5, -0.5, 0.5, 0.5));
    p.restore();
}
