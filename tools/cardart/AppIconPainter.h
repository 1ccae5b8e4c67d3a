#pragma once

#include <QImage>
#include <QPoint>

// The program's own pictures outside the card set: the window icon (three
// fanned cards) and the hand pointer shown over the push buttons.
class AppIconPainter
{
public:
    // A square icon of the given side, ARGB32 with a transparent ground.
    static QImage icon(int size);

    // 32 x 32 pointing hand, white with a black outline, ARGB32.
    static QImage hand();
    // The index fingertip, where the click lands.
    static QPoint handHotspot();
};
