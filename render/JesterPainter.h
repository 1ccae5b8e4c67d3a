#pragma once

#include "render/PathOps.h"

#include <QPainter>
#include <QRectF>

// The little jester in the middle of the jokers.
class JesterPainter
{
public:
    static void paint(QPainter &p, const QRectF &box, bool red, PathOps::Detail detail);
};
