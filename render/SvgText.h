#pragma once

#include <QByteArray>
#include <QColor>
#include <QRectF>
#include <QString>

class QPainterPath;
class QTransform;

// How the SVG writer spells things: numbers, attributes, transforms, colours,
// path data and text, as short as SVG allows and the same on every platform
// (Qt's own number conversion, never the C library's or the locale's).
namespace SvgText {

// No trailing zeros, ".5" for 0.5, never "-0".
QByteArray number(qreal value, int decimals);
// About a thousandth of a device unit as drawn: more decimals where the
// transform enlarges the drawing, fewer where it shrinks it.
int decimalsFor(const QTransform &transform);
// A number after others in a list: a space between them except where a
// minus sign or a command letter parts them.
void append(QByteArray &out, qreal value, int decimals);

// ' name="value"'
QByteArray attribute(const char *name, const QByteArray &value);
QByteArray attribute(const char *name, qreal value, int decimals);
// x, y, width and height.
QByteArray box(const QRectF &r, int decimals);

// translate(...) or matrix(...); nothing for the identity.
QByteArray transform(const QTransform &t);
// #rrggbb, without the alpha.
QByteArray colour(const QColor &c);
QByteArray pathData(const QPainterPath &path, int decimals);
// Escaped for XML, with what XML cannot hold at all (most control
// characters, unpaired surrogates) left out.
QByteArray xmlText(const QString &text);

} // namespace SvgText
