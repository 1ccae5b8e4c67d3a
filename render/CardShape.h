#pragma once

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QSizeF>

// The card being drawn, in card units: the cut card at (0, 0) with its size's
// extent (71 wide, as tall as its proportion) and the bleed round it, where
// backgrounds run on. The stored pictures' card is 71 x 96 without bleed.
struct CardExtent {
    QSizeF units{71, 96};
    qreal bleed = 0;

    qreal width() const { return units.width(); }
    qreal height() const { return units.height(); }
    QRectF trim() const { return QRectF(QPointF(0, 0), units); }
    QRectF paper() const { return trim().adjusted(-bleed, -bleed, bleed, bleed); }
    bool isPicture() const { return units == QSizeF(71, 96) && bleed == 0; }
};

// The common outline of every card-sized picture. At the pictures' own 71 x 96
// pixels: a one-pixel black edge, and corners rounded off by three transparent
// pixels each, so a card shows its rounded shape on any background. At any
// other size the same card is a rounded rectangle drawn as a shape, with a
// thin edge inside it, so the corners stay smooth however large it is printed.
class CardShape
{
public:
    static constexpr int Width = 71;
    static constexpr int Height = 96;

    // The drawn outline, in card units: the pixel corners stand for a radius
    // of about two units; three reads as a real card's corner at 63 mm.
    static constexpr qreal CornerRadius = 3.0;
    static constexpr qreal EdgeWidth = 0.75;

    // Whether (x, y) is one of the pixels that round off a corner.
    static bool isCornerPixel(int x, int y);

    // Paper and edge: fills the card and draws the outline on whole pixels.
    static void paintBlank(QPainter &p, const QColor &paper);
    static void paintEdge(QPainter &p, const QColor &ink = Qt::black);

    // Clears the corner pixels after the picture has been reduced.
    static void cutCorners(QImage &image);

    // The card's rounded outline in card units, and its edge drawn along the
    // inside of it.
    static QPainterPath outline(const QSizeF &units = QSizeF(Width, Height));
    static void strokeEdge(QPainter &p, const QSizeF &units = QSizeF(Width, Height), const QColor &ink = Qt::black);
};
