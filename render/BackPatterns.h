#pragma once

#include "render/CardShape.h"
#include "render/PathOps.h"

#include <QPainter>

// The pattern backs (designs 0 to 4): repeating motifs that read as a texture
// from across the table, as card backs traditionally do.
class BackPatterns
{
public:
    static void lattice(QPainter &p, const CardExtent &extent, PathOps::Detail detail); // 0
    static void dots(QPainter &p, const CardExtent &extent);      // 1
    static void roses(QPainter &p, const CardExtent &extent);     // 2
    static void basket(QPainter &p, const CardExtent &extent, PathOps::Detail detail);  // 3
    static void berries(QPainter &p, const CardExtent &extent);   // 4

    // The white margin of designs 0 and 3, out to the bleed's edge; returns
    // the area inside it.
    static QRectF whiteBorder(QPainter &p, const CardExtent &extent, qreal margin);
};
