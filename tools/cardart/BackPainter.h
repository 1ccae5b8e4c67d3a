#pragma once

#include <QImage>

// The twelve back designs, in index order.
class BackPainter
{
public:
    static QImage back(int index);
    // Whether the design leaves its ground transparent (only the dotted one).
    static bool hasTransparentGround(int index) { return index == 1; }
};
