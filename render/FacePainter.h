#pragma once

#include "render/PathOps.h"

#include <QPainter>

// The white faces: number cards, aces, the two jokers and the O and X marks.
// Court cards hand their middle over to CourtPainter. Everything is drawn in
// card units (0..71, 0..96) onto whatever the painter is set up for; the edge
// is CardShape's, drawn by the caller for the size at hand.
class FacePainter
{
public:
    // cardIndex 0..51: suit = index / 13 (spades, diamonds, clubs, hearts),
    // rank = index % 13 + 1 (ace first, king last).
    static void paintFace(QPainter &p, int cardIndex, PathOps::Detail detail);
    static void paintJoker(QPainter &p, bool red, PathOps::Detail detail);
    // The marks have no card shape: only the sign, on a transparent ground.
    static void paintRingMark(QPainter &p);
    static void paintCrossMark(QPainter &p);

    // Rank above suit sign in the top-left corner, and the same pair turned
    // half a turn in the bottom-right.
    static void paintIndex(QPainter &p, int suit, int rank, PathOps::Detail detail);

private:
    static void paintPips(QPainter &p, int suit, int rank, PathOps::Detail detail);
    static void paintAceOfSpades(QPainter &p, PathOps::Detail detail);
};
