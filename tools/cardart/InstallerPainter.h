#pragma once

#include <QImage>

// The picture down the left of the installer's welcome and finish pages: a
// hand of cards on the table's green.
class InstallerPainter
{
public:
    // The size the installer's pages show without stretching.
    static constexpr int Width = 164;
    static constexpr int Height = 314;

    // Opaque RGB32, for a 24-bit Windows bitmap.
    static QImage welcome();
};
