#pragma once

#include "render/PathOps.h"

#include <QPainter>

// The picture backs (designs 5 to 11): small scenes, each built from a few
// bold shapes so it still reads at 71 x 96.
class BackScenes
{
public:
    static void clownfish(QPainter &p);   // 5
    static void robot(QPainter &p);       // 6
    static void reef(QPainter &p);        // 7
    static void sleeve(QPainter &p, PathOps::Detail detail); // 8
    static void shell(QPainter &p);       // 9
    static void beach(QPainter &p);       // 10
    static void castle(QPainter &p);      // 11

    // Shared with the contact details: one fish, one bat.
    static void fish(QPainter &p, QPointF c, qreal length, bool facingLeft);
    static void bat(QPainter &p, QPointF c, qreal span);
};
