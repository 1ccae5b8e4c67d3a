#pragma once

#include "render/CardShape.h"
#include "render/CardSize.h"
#include "render/PathOps.h"

#include <QImage>
#include <QList>
#include <QRectF>
#include <QSize>

class QPainter;

// What a card-sized picture shows: one of the 52 faces (index 0..51, suit =
// index / 13: spades, diamonds, clubs, hearts; rank = index % 13 + 1), the red
// or black joker, the O or X mark, or one of the 12 backs.
struct CardArt
{
    enum class Kind { Face, Joker, Mark, Back };
    Kind kind = Kind::Face;
    int index = 0;

    static CardArt face(int index) { return {Kind::Face, index}; }
    static CardArt joker(bool red) { return {Kind::Joker, red ? 0 : 1}; }
    static CardArt ringMark() { return {Kind::Mark, 0}; }
    static CardArt crossMark() { return {Kind::Mark, 1}; }
    static CardArt back(int index) { return {Kind::Back, index}; }
    // The faces of the given indexes, in their order.
    static QList<CardArt> faces(const QList<int> &indexes)
    {
        QList<CardArt> arts;
        arts.reserve(indexes.size());
        for (int index : indexes)
            arts.append(face(index));
        return arts;
    }

    // The marks are signs laid over a card, not cards: no paper, no outline.
    bool hasCardShape() const { return kind != Kind::Mark; }
};

// One renderer for every card picture, at any size and on any paint device.
//
// At the pictures' own 71 x 96 it draws exactly what the committed picture set
// holds before its palette is reduced (the picture generator writes those
// files from picture()). At any other size it paints the same shapes scaled,
// with the outline and corners as shapes of their own, so a printed or
// enlarged card is sharp rather than scaled pixels. The program itself shows
// the stored pictures; this is for saving, printing and sharp screens.
class CardRenderer
{
public:
    static constexpr int PictureWidth = CardShape::Width;
    static constexpr int PictureHeight = CardShape::Height;

    // The height that keeps a card of the given width in the pictures'
    // proportion, rounded to whole pixels.
    static int heightForWidth(int width);
    static QSize sizeForWidth(int width) { return {width, heightForWidth(width)}; }

    // The 71 x 96 picture, pixel for pixel as the picture set draws it, in
    // non-premultiplied ARGB32 with transparent corners.
    static QImage picture(CardArt art);

    // Draws the card filling target as shapes: any painter, any size, any
    // device (image, PDF, printer, SVG). The painter's state is left as it was.
    // Target is the cut card in the size's proportion, laid out for that
    // shape. With bleed the card's background runs on 1/8 in (at the size's
    // real scale) past every edge of target, square-cornered and without
    // the drawn edge, which the cut makes.
    static void paint(QPainter &p, const QRectF &target, CardArt art, CardSize size = CardSize::Picture,
                      bool bleed = false);

    // The card as an image of the given width and the size's proportion:
    // picture() at 71 in the picture size, drawn shapes otherwise.
    // Transparent outside the outline, in ARGB32.
    static QImage image(CardArt art, int width, CardSize size = CardSize::Picture);

private:
    // Everything but the edge, in card units of the given extent.
    static void paintArt(QPainter &p, CardArt art, const CardExtent &extent, PathOps::Detail detail);
};
