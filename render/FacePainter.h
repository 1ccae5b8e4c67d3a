#pragma once

#include "render/CardShape.h"
#include "render/PathOps.h"

#include <QPainter>

// The white faces: number cards, aces, the two jokers and the O and X marks.
// Court cards hand their middle over to CourtPainter. Everything is drawn in
// card units (0..71 across, 0..96 down for the pictures, taller for the
// narrower sizes) onto whatever the painter is set up for; the edge is
// CardShape's, drawn by the caller for the size at hand. Indices keep to the
// corners, pips spread over the height there is, the middles stay centred:
// every shape at its own proportion, nothing stretched.
class FacePainter
{
public:
    // cardIndex 0..51: suit = index / 13 (spades, diamonds, clubs, hearts),
    // rank = index % 13 + 1 (ace first, king last).
    static void paintFace(QPainter &p, int cardIndex, const CardExtent &extent, PathOps::Detail detail);
    static void paintJoker(QPainter &p, bool red, const CardExtent &extent, PathOps::Detail detail);
    // The marks have no card shape: only the sign, on a transparent ground.
    static void paintRingMark(QPainter &p);
    static void paintCrossMark(QPainter &p);

    // Rank above suit sign in the top-left corner, and the same pair turned
    // half a turn in the bottom-right.
    static void paintIndex(QPainter &p, int suit, int rank, const CardExtent &extent, PathOps::Detail detail);

private:
    static void paintPips(QPainter &p, int suit, int rank, qreal height, PathOps::Detail detail);
    static void paintAceOfSpades(QPainter &p, qreal middle, PathOps::Detail detail);
};
