#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

class RandomSource;

// The draw without a window: the rule the draw button's loop and the command
// line share.
namespace DrawRule {

// The candidate rule, written only here: the generator is reseeded with the
// time of day, then one single-precision value picks a card number from 1 to
// 52. A draw takes candidates until one is not drawn yet. Nothing else goes
// in, so a known generator state and clock give a known card.
qint16 candidate(RandomSource &random, float clock);

// count distinct card numbers in draw order, each the first candidate (on the
// platform's clock) not drawn before, as the button's loop lists them. Throws
// Failure for a count outside 0..52, which could never end.
QList<qint16> drawCardNumbers(RandomSource &random, qint32 count);

// Whether a count text would be accepted as the number of cards to draw.
enum class CountVerdict { Accepted, NotNumeric, AboveLimit };
CountVerdict checkCount(const QString &text);

} // namespace DrawRule
