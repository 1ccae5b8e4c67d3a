#pragma once

#include <QImage>
#include <QPainter>

// The common outline of every card-sized picture: 71 x 96 pixels, a one-pixel
// black edge, and corners rounded off by three transparent pixels each, so a
// card shows its rounded shape on any background.
class CardShape
{
public:
    static constexpr int Width = 71;
    static constexpr int Height = 96;

    // Whether (x, y) is one of the pixels that round off a corner.
    static bool isCornerPixel(int x, int y);

    // Paper and edge: fills the card and draws the outline on whole pixels.
    static void paintBlank(QPainter &p, const QColor &paper);
    static void paintEdge(QPainter &p, const QColor &ink = Qt::black);

    // Clears the corner pixels after the picture has been reduced.
    static void cutCorners(QImage &image);
};
