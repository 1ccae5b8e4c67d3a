#pragma once

#include <QImage>
#include <QPainter>

// The white faces: number cards, aces, the two jokers and the O and X marks.
// Court cards hand their middle over to CourtPainter.
class FacePainter
{
public:
    // cardIndex 0..51: suit = index / 13 (spades, diamonds, clubs, hearts),
    // rank = index % 13 + 1 (ace first, king last).
    static QImage face(int cardIndex);
    static QImage joker(bool red);
    static QImage ringMark();
    static QImage crossMark();

    // Rank above suit sign in the top-left corner, and the same pair turned
    // half a turn in the bottom-right.
    static void paintIndex(QPainter &p, int suit, int rank);

private:
    static void paintPips(QPainter &p, int suit, int rank);
    static void paintAceOfSpades(QPainter &p);
};
