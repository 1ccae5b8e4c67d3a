#pragma once

#include <QSizeF>
#include <QString>
#include <optional>

// The sizes a card is made in. Picture is the stored pictures' own proportion,
// 71 : 96 and 63 mm wide, what bitmaps, PNGs and SVGs have always been; poker
// (2.5 x 3.5 in) and bridge (2.25 x 3.5 in) are the sizes cards and sleeves
// are sold in, and what a print service cuts.
enum class CardSize { Picture, Poker, Bridge };

namespace CardSizes {

// The cut card. Inch sizes are whole points (a poker card is 180 x 252 pt).
QSizeF trimMm(CardSize size);
QSizeF trimPt(CardSize size);

// The card in drawing units: always 71 wide, one unit to a pixel of the
// stored pictures, and as tall as its proportion. Units are square: the
// painters place their shapes by this width and height, never stretch them.
QSizeF units(CardSize size);

// A picture's height in whole pixels for its width, in the size's proportion.
int heightForWidth(CardSize size, int width);

// The bleed: 1/8 in beyond each cut edge, where the background runs on so a
// cut a hair off the line leaves no white sliver.
constexpr qreal BleedPt = 9.0;
constexpr qreal BleedMm = 25.4 / 8;
// The bleed in drawing units of that size.
qreal bleedUnits(CardSize size);

// "picture", "poker", "bridge", and back from those names in any case.
QString name(CardSize size);
std::optional<CardSize> named(const QString &text);

} // namespace CardSizes
