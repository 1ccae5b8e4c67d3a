#pragma once

#include <QPainterPath>

// The path operations the painters build shapes with: union, merging a
// path's overlaps, and widening a centre line into an outline.
//
// Qt works these out on straight pieces: as many per curve as the curve is
// long in units, and at least two, so a suit sign defined in a unit box comes
// back with two pieces per curve. At the pictures' 71 x 96 that cannot be
// seen, and the committed pictures were drawn that way and must stay so; on
// a card drawn large or printed the pieces show as corners. While a Fine
// scope is open on a thread, the operations run at a scale where every curve
// gets the most pieces Qt makes, and the shapes come back smooth.
namespace PathOps {

QPainterPath united(const QPainterPath &a, const QPainterPath &b);
QPainterPath simplified(const QPainterPath &path);
QPainterPath stroke(const QPainterPath &centre, qreal width, Qt::PenCapStyle cap, Qt::PenJoinStyle join,
                    qreal miterLimit = 2.0);

// Smooth operations on this thread for the scope's life.
class Fine
{
public:
    Fine();
    ~Fine();
    Fine(const Fine &) = delete;
    Fine &operator=(const Fine &) = delete;

    static bool active();

private:
    bool m_was;
};

} // namespace PathOps
