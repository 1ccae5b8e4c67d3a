#pragma once

#include "render/PathOps.h"

#include <QPainter>

// The twelve back designs, in index order, drawn in card units without the
// edge (see FacePainter).
class BackPainter
{
public:
    static void paintBack(QPainter &p, int index, PathOps::Detail detail);
    // Whether the design leaves its ground transparent (only the dotted one).
    static bool hasTransparentGround(int index) { return index == 1; }
};
