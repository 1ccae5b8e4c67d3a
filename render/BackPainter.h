#pragma once

#include "render/CardShape.h"
#include "render/PathOps.h"

#include <QPainter>

// The twelve back designs, in index order, drawn in card units without the
// edge (see FacePainter). They fill any extent and run on into its bleed:
// the patterns repeat as far as the paper goes, inside their white margin
// where they have one; the scenes, pictures of 71 x 96, are scaled alike
// both ways until they cover the paper, the little they lose falling off
// their sides.
class BackPainter
{
public:
    static void paintBack(QPainter &p, int index, const CardExtent &extent, PathOps::Detail detail);
    // Whether the design leaves its ground transparent (only the dotted one).
    static bool hasTransparentGround(int index) { return index == 1; }
};
