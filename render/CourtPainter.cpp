#include "render/CourtPainter.h"

#include "render/PathOps.h"
#include "render/SuitPips.h"

#include <QPainterPath>

#include <cmath>

namespace {

// The frame holds two halves of 45 x 41 that meet at a dark divider. One unit
// is one pixel of the card and the frame sits on whole pixels, so anything
// drawn on whole coordinates below lands on whole pixels too: at 71 x 96 the
// eyes, mouth and pattern only read when they are single crisp pixels.
const QRectF Frame(13, 7, 45, 82);
constexpr qreal W = 45;
constexpr qreal H = 41;
constexpr qreal Mid = W / 2;

const QColor Ink(20, 20, 20);
const QColor Skin(255, 222, 188);
const QColor SkinShade(214, 150, 118);
const QColor Cheek(250, 168, 150);
const QColor Lips(200, 28, 40);
const QColor Hair(240, 186, 36);
const QColor Gold(246, 200, 34);
const QColor Red(204, 26, 36);
const QColor Blue(34, 68, 178);
const QColor Steel(190, 198, 214);
const QColor Wood(150, 95, 40);
const QColor Leaf(36, 150, 60);
const QColor Paper(255, 255, 255);

QPen edge(qreal width = 0.8) { return QPen(Ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void shape(QPainter &p, const QPainterPath &path, const QColor &fill, qreal pen = 0.8)
{
    p.setPen(edge(pen));
    p.setBrush(fill);
    p.drawPath(path);
}

// One whole pixel (or a run of them): the smallest mark that stays sharp.
void dot(QPainter &p, qreal x, qreal y, const QColor &c, qreal w = 1, qreal h = 1)
{
    p.fillRect(QRectF(x, y, w, h), c);
}

QPainterPath ellipse(qreal cx, qreal cy, qreal rx, qreal ry)
{
    QPainterPath e;
    e.addEllipse(QPointF(cx, cy), rx, ry);
    return e;
}

// Whether an open centre line turns sharply anywhere: where one piece ends
// in another direction than the next begins.
bool hasCorner(const QPainterPath &centre)
{
    QPointF last;     // the previous point on the line or its control
    QPointF previous; // where the last piece ended
    bool started = false;
    for (int i = 0; i < centre.elementCount(); ++i) {
        const QPainterPath::Element e = centre.elementAt(i);
        if (e.isMoveTo()) {
            previous = e;
            started = false;
            continue;
        }
        if (e.type == QPainterPath::CurveToDataElement)
            continue;
        const qreal turn = QLineF(last, previous).angleTo(QLineF(previous, e)); // degrees, 0 straight on
        if (started && turn > 1 && turn < 359)
            return true;
        const bool curve = e.isCurveTo();
        last = curve ? QPointF(centre.elementAt(i + 1)) : previous;
        previous = centre.elementAt(curve ? i + 2 : i);
        started = true;
    }
    return false;
}

QPainterPath thick(const QPainterPath &centre, qreal width, Qt::PenCapStyle cap, PathOps::Detail detail)
{
    const QPainterPath outline = PathOps::stroke(centre, width, cap, Qt::RoundJoin, detail);
    // A corner folds the outline over itself, and the pen would draw the
    // fold: merge it then. A smooth line without corners keeps its curves.
    return detail == PathOps::Detail::Smooth && !hasCorner(centre) ? outline : PathOps::simplified(outline, detail);
}

QPainterPath segment(QPointF a, QPointF b)
{
    QPainterPath s;
    s.moveTo(a);
    s.lineTo(b);
    return s;
}

QPointF along(QPointF from, QPointF to, qreal t) { return from + (to - from) * t; }

// Shoulders and chest in two colours split by a patterned gold band, the way
// the traditional courts dress.
QPainterPath torsoPath()
{
    QPainterPath t;
    t.moveTo(4, H + 1);
    t.lineTo(6.5, 27);
    t.quadTo(7.5, 22.5, 13, 22);
    t.lineTo(32, 22);
    t.quadTo(37.5, 22.5, 38.5, 27);
    t.lineTo(41, H + 1);
    t.closeSubpath();
    return t;
}

enum class Motif { Crosses, Dots, Stripes };

void torso(QPainter &p, const QColor &left, const QColor &right, Motif motif)
{
    const QPainterPath body = torsoPath();
    p.save();
    p.setClipPath(body, Qt::IntersectClip);
    p.fillRect(QRectF(0, 20, Mid, 22), left);
    p.fillRect(QRectF(Mid, 20, Mid, 22), right);
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col) {
            const qreal x = (col < 2 ? 9 + col * 5 : 27 + (col - 2) * 5) + (row % 2) * 2;
            const qreal y = 25 + row * 4;
            switch (motif) {
            case Motif::Crosses:
                dot(p, x - 1, y, Gold, 3, 1);
                dot(p, x, y - 1, Gold, 1, 3);
                break;
            case Motif::Dots:
                dot(p, x, y, Gold, 2, 1);
                break;
            case Motif::Stripes:
                break;
            }
        }
    if (motif == Motif::Stripes) {
        // Slashed doublet: dark lines down the cloth.
        for (qreal x : {9.0, 13.0, 16.0, 29.0, 32.0, 36.0})
            dot(p, x, 22, Ink, 1, 20);
    }
    // The central band: gold with a lozenge chain in the two colours.
    dot(p, Mid - 3.5, 20, Gold, 7, 22);
    dot(p, Mid - 3.5, 20, Ink, 1, 22);
    dot(p, Mid + 2.5, 20, Ink, 1, 22);
    for (int i = 0; i < 5; ++i) {
        const qreal y = 24 + i * 4;
        const QColor c = i % 2 ? right : left;
        dot(p, Mid - 0.5, y - 1, c);
        dot(p, Mid - 1.5, y, c, 3, 1);
        dot(p, Mid - 0.5, y + 1, c);
    }
    p.restore();
    p.setPen(edge());
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
}

// A gold belt across the waist with a square buckle on the middle band,
// kept well above the divider so the two stay apart.
void belt(QPainter &p, qreal top)
{
    p.save();
    p.setClipPath(torsoPath(), Qt::IntersectClip);
    dot(p, 0, top, Ink, W, 1);
    dot(p, 0, top + 1, Gold, W, 1);
    dot(p, 0, top + 2, Ink, W, 1);
    p.restore();
    QPainterPath buckle;
    buckle.addRect(QRectF(Mid - 1.5, top - 0.5, 3, 3));
    shape(p, buckle, Gold, 1.0);
}

// A sleeve from shoulder through elbow to wrist, with a band at the elbow and
// a cuff; returns the point where the hand belongs.
QPointF arm(QPainter &p, QPointF shoulder, QPointF elbow, QPointF wrist, const QColor &cloth,
            const QColor &band, const QColor &cuff, PathOps::Detail detail)
{
    QPainterPath centre;
    centre.moveTo(shoulder);
    centre.lineTo(elbow);
    centre.lineTo(wrist);
    const QPainterPath sleeve = thick(centre, 5.2, Qt::FlatCap, detail);
    shape(p, sleeve, cloth);
    p.save();
    p.setClipPath(sleeve, Qt::IntersectClip);
    shape(p, thick(segment(along(shoulder, elbow, 0.55), along(shoulder, elbow, 0.75)), 7, Qt::FlatCap, detail), band,
          0.6);
    p.restore();
    const QPointF in = along(elbow, wrist, 0.72);
    shape(p, thick(segment(in, wrist), 6, Qt::FlatCap, detail), cuff, 0.7);
    const QPointF dir = (wrist - elbow) / std::hypot(wrist.x() - elbow.x(), wrist.y() - elbow.y());
    return wrist + dir * 1.6;
}

void hand(QPainter &p, QPointF at)
{
    shape(p, ellipse(at.x(), at.y(), 2.1, 2.0), Skin, 0.8);
}

// Face on whole pixels: two dark eyes, brows, a shaded nose and a red mouth
// that read at the card's real size.
void face(QPainter &p, bool queen, bool young)
{
    shape(p, ellipse(Mid, 13.5, 5.2, 6.2), Skin);
    dot(p, 20, 13, Ink);
    dot(p, 24, 13, Ink);
    dot(p, 19, 11, young ? SkinShade : Ink.lighter(250), 2, 1);
    dot(p, 24, 11, young ? SkinShade : Ink.lighter(250), 2, 1);
    dot(p, 22, 13, SkinShade, 1, 3);
    dot(p, 23, 15, SkinShade);
    dot(p, 19, 15, Cheek);
    dot(p, 25, 15, Cheek);
    dot(p, 21, 17, Lips, 3, 1);
    if (queen)
        dot(p, 22, 18, Lips);
}

void neck(QPainter &p)
{
    QPainterPath n;
    n.addRect(QRectF(20, 18, 5, 5.5));
    shape(p, n, Skin, 0.6);
}

void king(QPainter &p, const QColor &a, const QColor &b, PathOps::Detail detail)
{
    torso(p, a, b, Motif::Crosses);
    const QPointF holding = arm(p, QPointF(8.5, 25), QPointF(5.5, 35.5), QPointF(9.2, 31.5), b, Gold, Gold, detail);
    const QPointF resting = arm(p, QPointF(36.5, 25), QPointF(39.5, 35), QPointF(34, 37.5), a, Gold, Gold, detail);

    // Ermine cape over the shoulders.
    QPainterPath cape;
    cape.moveTo(6.8, 26.5);
    cape.quadTo(7.5, 22.3, 13, 21.8);
    cape.lineTo(32, 21.8);
    cape.quadTo(37.5, 22.3, 38.2, 26.5);
    cape.quadTo(30, 29.5, Mid, 29.5);
    cape.quadTo(15, 29.5, 6.8, 26.5);
    cape.closeSubpath();
    shape(p, cape, Paper);
    for (qreal x : {10.0, 14.0, 30.0, 34.0})
        dot(p, x, 25, Ink, 1, 2);
    for (qreal x : {12.0, 32.0})
        dot(p, x, 23, Ink, 1, 2);

    // The sword held upright in front of the shoulder.
    QPainterPath blade;
    blade.moveTo(9.5, 27);
    blade.lineTo(9.5, 3.5);
    blade.lineTo(11, 0.8);
    blade.lineTo(12.5, 3.5);
    blade.lineTo(12.5, 27);
    shape(p, blade, Steel, 1.0);
    dot(p, 10, 4, Paper, 1, 22);
    QPainterPath guard;
    guard.addRect(QRectF(6.5, 26.5, 9, 2));
    shape(p, guard, Gold, 0.9);
    hand(p, QPointF(11, holding.y()));
    shape(p, ellipse(11, holding.y() + 3.2, 1.3, 1.2), Gold, 0.7);
    hand(p, resting);

    neck(p);
    // Hair framing the face, curled at the ends.
    QPainterPath hair;
    hair.addEllipse(QPointF(Mid, 12.5), 7.6, 8);
    for (int side = -1; side <= 1; side += 2)
        hair.addEllipse(QPointF(Mid + side * 6.8, 18.5), 2.2, 2.2);
    hair.setFillRule(Qt::WindingFill);
    shape(p, PathOps::simplified(hair, detail), Hair);
    face(p, false, false);
    // Beard and moustache: the quickest tell of a king.
    QPainterPath beard;
    beard.moveTo(17.4, 14.5);
    beard.quadTo(17.2, 22, Mid, 25.5);
    beard.quadTo(27.8, 22, 27.6, 14.5);
    beard.quadTo(26.5, 19.5, 24.5, 18.6);
    beard.lineTo(20.5, 18.6);
    beard.quadTo(18.5, 19.5, 17.4, 14.5);
    beard.closeSubpath();
    shape(p, beard, Hair, 0.7);
    dot(p, 21, 21, Ink.lighter(300), 1, 3);
    dot(p, 23, 21, Ink.lighter(300), 1, 3);
    QPainterPath moustache;
    moustache.moveTo(Mid, 16.1);
    moustache.quadTo(19.5, 15.4, 18.6, 17.8);
    moustache.quadTo(20.5, 16.9, Mid, 17.1);
    moustache.quadTo(24.5, 16.9, 26.4, 17.8);
    moustache.quadTo(25.5, 15.4, Mid, 16.1);
    shape(p, moustache, Hair, 0.6);
    dot(p, 21, 18, Lips, 3, 1);

    // Tall crown with three points and a jewelled band.
    QPainterPath crown;
    crown.moveTo(16.5, 8.5);
    crown.lineTo(16, 1.5);
    crown.lineTo(19.5, 4.5);
    crown.lineTo(Mid, 0.8);
    crown.lineTo(25.5, 4.5);
    crown.lineTo(29, 1.5);
    crown.lineTo(28.5, 8.5);
    crown.closeSubpath();
    shape(p, crown, Gold);
    p.setPen(edge(0.8));
    p.drawLine(QPointF(16.5, 5.8), QPointF(28.5, 5.8));
    dot(p, 22, 6, Red, 1, 2);
    dot(p, 18, 6, Blue, 2, 2);
    dot(p, 25, 6, Blue, 2, 2);
}

void queen(QPainter &p, const QColor &a, const QColor &b, PathOps::Detail detail)
{
    // Long hair falling behind the shoulders.
    QPainterPath hair;
    hair.moveTo(Mid, 4);
    hair.cubicTo(14, 4, 14.5, 16, 12.5, 25);
    hair.lineTo(32.5, 25);
    hair.cubicTo(30.5, 16, 31, 4, Mid, 4);
    hair.closeSubpath();
    shape(p, hair, Hair);
    // A few darker strands so the hair reads as hair, not as a gold panel.
    p.setPen(QPen(Hair.darker(135), 0.7, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath strand;
        strand.moveTo(Mid + side * 6.5, 9);
        strand.quadTo(Mid + side * 8.2, 16, Mid + side * 7.6, 24.5);
        p.drawPath(strand);
    }

    torso(p, b, a, Motif::Dots);
    // A rounded neckline edged in gold, with a jewel on a chain.
    neck(p);
    QPainterPath chest;
    chest.moveTo(17, 21.5);
    chest.quadTo(17.5, 26.5, Mid, 26.5);
    chest.quadTo(27.5, 26.5, 28, 21.5);
    chest.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Skin);
    p.drawPath(chest);
    QPainterPath trim;
    trim.moveTo(16, 21.5);
    trim.quadTo(16.5, 27.5, Mid, 27.5);
    trim.quadTo(28.5, 27.5, 29, 21.5);
    shape(p, thick(trim, 2, Qt::FlatCap, detail), Gold, 0.6);
    p.setPen(QPen(Gold.darker(130), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(19, 19, 7, 5), 200 * 16, 140 * 16);
    dot(p, 22, 24, Red, 1, 1);

    const QPointF holding = arm(p, QPointF(8.5, 25), QPointF(5.5, 35.5), QPointF(9.2, 31.5), a, Gold, Gold, detail);
    const QPointF resting = arm(p, QPointF(36.5, 25), QPointF(39.5, 35), QPointF(34, 37.5), b, Gold, Gold, detail);

    // The flower she holds up beside her face.
    p.setPen(QPen(Leaf.darker(140), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath stem;
    stem.moveTo(11, holding.y() + 1);
    stem.quadTo(11.8, 22, 10.5, 16);
    p.drawPath(stem);
    QPainterPath leaf;
    leaf.moveTo(11.2, 22.5);
    leaf.quadTo(14.5, 19, 15.5, 21.2);
    leaf.quadTo(13.5, 23.2, 11.2, 22.5);
    shape(p, leaf, Leaf, 0.6);
    p.setPen(edge(0.6));
    p.setBrush(Red);
    for (int i = 0; i < 5; ++i) {
        const QTransform t = QTransform().translate(10.5, 14.5).rotate(i * 72);
        p.drawEllipse(t.map(QPointF(0, -1.7)), 1.5, 1.5);
    }
    p.setBrush(Gold);
    p.drawEllipse(QPointF(10.5, 14.5), 1.0, 1.0);
    hand(p, QPointF(11, holding.y()));
    hand(p, resting);

    face(p, true, true);
    // Hair parted over the brow.
    QPainterPath fringe;
    fringe.moveTo(17.2, 11.5);
    fringe.quadTo(17.5, 6.5, Mid, 6.8);
    fringe.quadTo(27.5, 6.5, 27.8, 11.5);
    fringe.quadTo(25, 8.8, Mid, 9.2);
    fringe.quadTo(20, 8.8, 17.2, 11.5);
    fringe.closeSubpath();
    shape(p, fringe, Hair, 0.7);

    // A low coronet of pearls with a small cross: plainly not the king's.
    QPainterPath crown;
    crown.moveTo(17.5, 7.5);
    crown.lineTo(18, 4.5);
    crown.lineTo(20.2, 5.6);
    crown.lineTo(Mid, 3.2);
    crown.lineTo(24.8, 5.6);
    crown.lineTo(27, 4.5);
    crown.lineTo(27.5, 7.5);
    crown.closeSubpath();
    shape(p, crown, Gold);
    for (qreal x : {18.0, 27.0})
        shape(p, ellipse(x, 3.8, 1.1, 1.1), Paper, 0.6);
    dot(p, 22, 1, Ink, 1, 2.5);
    dot(p, 21, 1.6, Ink, 3, 0.9);
    dot(p, 20, 6, Red);
    dot(p, 22, 5, Blue, 1, 2);
    dot(p, 24, 6, Red);
}

void jack(QPainter &p, const QColor &a, const QColor &b, PathOps::Detail detail)
{
    torso(p, a, b, Motif::Stripes);
    belt(p, 32);
    const QPointF holding = arm(p, QPointF(8.5, 25), QPointF(5.5, 35.5), QPointF(9.2, 31.5), b, a, Paper, detail);
    const QPointF resting = arm(p, QPointF(36.5, 25), QPointF(40.5, 31.5), QPointF(35, 35.5), a, b, Paper, detail);

    // Halberd: a long pole and its axe head high beside him.
    QPainterPath pole;
    pole.addRect(QRectF(9.5, 6, 3, H));
    shape(p, pole, Wood, 1.0);
    QPainterPath axe;
    axe.moveTo(11, 0.6);
    axe.lineTo(12.3, 4);
    axe.lineTo(12.5, 6);
    axe.lineTo(15.5, 7.5);
    axe.lineTo(12.5, 9);
    axe.lineTo(9.5, 9.5);
    axe.quadTo(6, 8, 3.8, 10.5);
    axe.quadTo(3.2, 5.5, 9.5, 4.8);
    axe.lineTo(9.7, 4);
    axe.closeSubpath();
    shape(p, axe, Steel, 0.8);
    hand(p, QPointF(11, holding.y()));
    hand(p, resting);

    // A white ruff round the neck.
    neck(p);
    QPainterPath ruff;
    ruff.addEllipse(QPointF(Mid, 22.5), 7, 2.3);
    shape(p, ruff, Paper, 0.7);
    for (qreal x : {17.0, 20.0, 24.0, 27.0})
        dot(p, x, 22, Ink.lighter(350), 1, 2);

    // Short curled hair and a young, clean face.
    QPainterPath hair;
    hair.addEllipse(QPointF(Mid, 12.5), 6.6, 6.8);
    for (int side = -1; side <= 1; side += 2)
        for (int i = 0; i < 3; ++i)
            hair.addEllipse(QPointF(Mid + side * 6, 12.5 + i * 2.6), 1.8, 1.6);
    hair.setFillRule(Qt::WindingFill);
    shape(p, PathOps::simplified(hair, detail), Hair, 0.7);
    face(p, false, true);

    // Flat cap with a gold band; the plume stands up and curls back over it,
    // well inside the frame and clear of the suit sign.
    QPainterPath plume;
    plume.moveTo(27.8, 6.5);
    plume.cubicTo(31.5, 3, 30, -0.2, 25.5, 0.7);
    plume.cubicTo(22, 1.3, 19, 2.8, 17, 5);
    plume.cubicTo(21, 3.2, 27, 1.8, 25.2, 6.5);
    plume.closeSubpath();
    shape(p, plume, a, 0.7);
    QPainterPath quill;
    quill.moveTo(26.6, 6);
    quill.cubicTo(29, 3, 28, 1.6, 25, 2);
    quill.quadTo(21.5, 2.6, 18.5, 4.4);
    p.setPen(QPen(Paper, 0.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(quill);
    QPainterPath cap;
    cap.moveTo(14, 8.5);
    cap.quadTo(15, 3.2, Mid, 3.2);
    cap.quadTo(30, 3.2, 31, 8.5);
    cap.closeSubpath();
    shape(p, cap, b);
    QPainterPath band;
    band.addRect(QRectF(15.5, 7, 14, 2));
    shape(p, band, Gold, 0.8);
}

} // namespace

void CourtPainter::paint(QPainter &p, int suit, int rank, PathOps::Detail detail)
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
        case 11: jack(p, a, b, detail); break;
        case 12: queen(p, a, b, detail); break;
        default: king(p, a, b, detail); break;
        }
        p.restore();
        // The suit sign on the side away from what the figure holds.
        const qreal pipX = mirrored ? 5 : W - 5;
        p.fillPath(SuitPips::placed(suit, pipX, 5.5, 7, false, detail), SuitPips::ink(suit));
        // Each half ends in one row of ink; with its turned twin that makes
        // a two-pixel divider exactly on the card's middle.
        p.fillRect(QRectF(0, H - 1, W, 1), Ink);
        p.restore();
    }
    // The frame on whole pixels, so it stays a crisp one-pixel line.
    p.save();
    p.setPen(QPen(Ink, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(Frame.adjusted(-0.5, -0.5, 0.5, 0.5));
    p.restore();
}
