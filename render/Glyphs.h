#pragma once

#include "render/PathOps.h"

#include <QPainterPath>
#include <QRectF>
#include <QString>

// The lettering of the cards, drawn from our own strokes instead of a font so
// that the pictures come out the same on every machine whatever fonts it has.
// Each glyph is a centre line on a 10 x 14 grid, widened into an outline.
class Glyphs
{
public:
    // The rank as printed in a card's corner: "A", "2".."10", "J", "Q", "K".
    static QString rankText(int rank);

    // An outline of the text (the characters listed below only) whose ink box
    // is scaled to the given height and placed with its top-left at origin.
    // Unknown characters leave a gap. weight is the stroke width in grid units.
    // The outline crosses itself where strokes meet: fill it nonzero.
    static QPainterPath text(const QString &text, qreal height, qreal weight = 2.6, qreal spacing = 1.6,
                             PathOps::Detail detail = PathOps::Detail::Picture);

    // The ink width the same call would produce, for centring.
    static qreal width(const QString &text, qreal height, qreal weight = 2.6, qreal spacing = 1.6);

    static bool supports(QChar c);

private:
    static QPainterPath skeleton(QChar c);
    static qreal advance(QChar c);
};
