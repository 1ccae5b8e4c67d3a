#include "render/PathOps.h"

#include <QPainterPathStroker>
#include <QTransform>

namespace PathOps {

namespace {

// Qt cuts a curve into about as many pieces as it is long in units: at this
// scale a piece is a quarter of a card unit (0.22 mm on a 63 mm card). On the
// tightest curve merged (a curl 1.6 units round) a piece strays 0.005 units
// from the curve: a third of a pixel on a card 4096 pixels wide.
constexpr qreal Scale = 4.0;

QPainterPath up(const QPainterPath &path)
{
    return QTransform::fromScale(Scale, Scale).map(path);
}

QPainterPath down(const QPainterPath &path)
{
    return QTransform::fromScale(1 / Scale, 1 / Scale).map(path);
}

// Twice the signed area of a closed piece, its curves taken by their
// control points: enough to tell which way round it runs.
qreal turning(const QPainterPath &piece)
{
    qreal sum = 0;
    const int n = piece.elementCount();
    for (int i = 0; i < n; ++i) {
        const QPainterPath::Element a = piece.elementAt(i);
        const QPainterPath::Element b = piece.elementAt((i + 1) % n);
        sum += a.x * b.y - b.x * a.y;
    }
    return sum;
}

// Adds each closed piece of path to into, turned clockwise on screen.
void addTurned(QPainterPath &into, const QPainterPath &path)
{
    QPainterPath piece;
    const auto flush = [&] {
        if (piece.isEmpty())
            return;
        into.addPath(turning(piece) < 0 ? piece.toReversed() : piece);
        piece = QPainterPath();
    };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            flush();
            piece.moveTo(e);
            break;
        case QPainterPath::LineToElement: piece.lineTo(e); break;
        case QPainterPath::CurveToElement: {
            const QPainterPath::Element c2 = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            piece.cubicTo(e, c2, end);
            i += 2;
            break;
        }
        case QPainterPath::CurveToDataElement: break;
        }
    }
    flush();
}

} // namespace

QPainterPath united(const QPainterPath &a, const QPainterPath &b, Detail detail)
{
    if (detail == Detail::Picture)
        return a.united(b);
    QPainterPath all;
    all.setFillRule(Qt::WindingFill);
    addTurned(all, a);
    addTurned(all, b);
    return all;
}

QPainterPath simplified(const QPainterPath &path, Detail detail)
{
    return detail == Detail::Smooth ? down(up(path).simplified()) : path.simplified();
}

QPainterPath outlined(const QPainterPath &united, Detail detail)
{
    return detail == Detail::Smooth ? simplified(united, detail) : united;
}

QPainterPath stroke(const QPainterPath &centre, qreal width, Qt::PenCapStyle cap, Qt::PenJoinStyle join,
                    Detail detail, qreal miterLimit)
{
    QPainterPathStroker stroker;
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(join);
    stroker.setMiterLimit(miterLimit);
    stroker.setWidth(width);
    // The stroker keeps curves as curves; Qt's default threshold for how
    // closely its offset curves follow is far too coarse for shapes a few
    // units across.
    if (detail == Detail::Smooth)
        stroker.setCurveThreshold(0.01);
    return stroker.createStroke(centre);
}

} // namespace PathOps
