#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>

// Every place that reads a number out of text goes through here, so the count
// field, the draw and the list entries agree on what a number is.
namespace NumberText {

// Leading and trailing blanks, an optional sign, digits with an optional point
// and fraction (at least one digit overall), an optional exponent. Nothing else:
// no digit grouping, no decimal comma, no hexadecimal, no "inf" or "NaN", so the
// same text means the same number whatever the user's locale is.
bool isNumeric(QStringView text);

// The value of a numeric text (may be +-infinity for huge exponents), or nothing.
std::optional<double> value(QStringView text);

// Nearest whole number, a half going to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double v);

// Whole-number conversions: throw Failure::typeMismatch() for text that is not
// numeric and Failure::overflow() when the rounded value does not fit.
qint16 toInt16(QStringView text);
qint32 toInt32(QStringView text);
qint16 toInt16(double v);
qint32 toInt32(double v);

// Splits at every single blank, keeping empty words ("a  b" has three words).
QStringList splitAtBlanks(const QString &text);

} // namespace NumberText
