#pragma once

#include <QImage>
#include <QString>

// The small pictures that repeat parts of the backs (a cuff with a card, the
// bats, the sun face, the robot's gauge), and the control's 32 x 39 icon.
// The details are pixel art in the sixteen classic colours: at these sizes a
// smoothed drawing would only blur, and every pixel is placed on purpose.
class DetailPainter
{
public:
    // name is the file's base name, e.g. "ani_ace1".
    static QImage detail(const QString &name);

    // Grey raised tile with a small deck showing a red two.
    static QImage controlIcon();
};
