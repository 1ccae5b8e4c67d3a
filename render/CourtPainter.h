#pragma once

#include "render/PathOps.h"

#include <QPainter>

// Jack, queen and king: a framed, double-ended figure in the middle of the
// card. The upper half is drawn once and repeated turned half a turn, the way
// court cards read from either end.
class CourtPainter
{
public:
    // rank 11 jack, 12 queen, 13 king.
    static void paint(QPainter &p, int suit, int rank, PathOps::Detail detail);
};
