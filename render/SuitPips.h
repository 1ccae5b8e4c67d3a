#pragma once

#include "render/PathOps.h"

#include <QColor>
#include <QPainterPath>

// The four suit signs as outlines of our own, each in a 1 x 1 box centred on
// the origin with its point or stem downward.
class SuitPips
{
public:
    enum Suit { Spades = 0, Diamonds = 1, Clubs = 2, Hearts = 3 };

    static QPainterPath path(int suit, PathOps::Detail detail);

    // The sign scaled to the given height and centred on (cx, cy); turned
    // upside down for the lower half of a card. Picture detail unless told.
    static QPainterPath placed(int suit, qreal cx, qreal cy, qreal height, bool upsideDown = false,
                               PathOps::Detail detail = PathOps::Detail::Picture);

    static bool isRed(int suit) { return suit == Diamonds || suit == Hearts; }
    static QColor ink(int suit);
};
