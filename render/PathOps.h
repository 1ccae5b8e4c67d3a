#pragma once

#include <QPainterPath>

// The path operations the painters build shapes with: union, merging a
// path's overlaps, and widening a centre line into an outline.
//
// Qt works the boolean operations out on straight pieces: as many per curve
// as the curve is long in units, and at least two, so a suit sign defined in
// a unit box comes back with two pieces per curve. At the pictures' 71 x 96
// that cannot be seen, and the committed pictures were drawn that way and
// must stay so (Detail::Picture). On a card drawn large, printed or saved as
// a drawing the pieces would show as corners, so there (Detail::Smooth) the
// operations keep curves as curves wherever the result allows it.
//
// Every function is pure: safe to call from several threads at once.
namespace PathOps {

enum class Detail { Picture, Smooth };

// The union of shapes that are only filled, never outlined. Smooth: both
// shapes as they are, every piece turned the same way round and filled
// nonzero, so overlaps fill once and every curve stays a curve. The pieces
// must be closed and free of holes.
QPainterPath united(const QPainterPath &a, const QPainterPath &b, Detail detail);

// One outline without overlaps, for a shape that is outlined with a pen: the
// pen must not draw the edges inside it. Smooth: worked out on pieces short
// enough not to show at any print size.
QPainterPath simplified(const QPainterPath &path, Detail detail);

// A shape from united() made fit for a pen to draw round: the picture's
// union is one outline already, a smooth one is merged now, on pieces.
QPainterPath outlined(const QPainterPath &united, Detail detail);

// The outline of a centre line drawn with the given width: it may cross
// itself, and is filled nonzero.
QPainterPath stroke(const QPainterPath &centre, qreal width, Qt::PenCapStyle cap, Qt::PenJoinStyle join,
                    Detail detail, qreal miterLimit = 2.0);

} // namespace PathOps
