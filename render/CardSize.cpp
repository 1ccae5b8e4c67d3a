#include "render/CardSize.h"

#include <cmath>

namespace CardSizes {

namespace {

constexpr int UnitWidth = 71;
constexpr qreal PointsPerMm = 72 / 25.4;

} // namespace

QSizeF trimMm(CardSize size)
{
    switch (size) {
    case CardSize::Poker: return {63.5, 88.9};
    case CardSize::Bridge: return {57.15, 88.9};
    case CardSize::Picture: break;
    }
    // 63 mm wide in the stored pictures' 71 : 96.
    return {63.0, 63.0 * 96 / UnitWidth};
}

QSizeF trimPt(CardSize size)
{
    const QSizeF points = trimMm(size) * PointsPerMm;
    // Inch sizes come out whole; keep them whole against rounding.
    if (size == CardSize::Picture)
        return points;
    return {std::round(points.width()), std::round(points.height())};
}

QSizeF units(CardSize size)
{
    const QSizeF mm = trimMm(size);
    return {qreal(UnitWidth), size == CardSize::Picture ? 96.0 : UnitWidth * mm.height() / mm.width()};
}

int heightForWidth(CardSize size, int width)
{
    return int(std::lround(width * units(size).height() / UnitWidth));
}

qreal bleedUnits(CardSize size)
{
    return UnitWidth * BleedMm / trimMm(size).width();
}

QString name(CardSize size)
{
    switch (size) {
    case CardSize::Poker: return QStringLiteral("poker");
    case CardSize::Bridge: return QStringLiteral("bridge");
    case CardSize::Picture: break;
    }
    return QStringLiteral("picture");
}

std::optional<CardSize> named(const QString &text)
{
    for (CardSize size : {CardSize::Picture, CardSize::Poker, CardSize::Bridge})
        if (text.compare(name(size), Qt::CaseInsensitive) == 0)
            return size;
    return std::nullopt;
}

} // namespace CardSizes
