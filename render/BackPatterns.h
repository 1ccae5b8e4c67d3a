#pragma once

#include "render/PathOps.h"

#include <QPainter>

// The pattern backs (designs 0 to 4): repeating motifs that read as a texture
// from across the table, as card backs traditionally do.
class BackPatterns
{
public:
    static void lattice(QPainter &p, PathOps::Detail detail); // 0
    static void dots(QPainter &p);      // 1
    static void roses(QPainter &p);     // 2
    static void basket(QPainter &p, PathOps::Detail detail);  // 3
    static void berries(QPainter &p);   // 4

    // The white margin of designs 0 and 3; returns the area inside it.
    static QRectF whiteBorder(QPainter &p, qreal margin);
};
