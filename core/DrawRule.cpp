#include "core/DrawRule.h"

#include "core/Messages.h"
#include "core/CardEntry.h"
#include "core/Failure.h"
#include "core/NumberText.h"
#include "core/Platform.h"
#include "core/RandomSource.h"

#include <cmath>

namespace DrawRule {

qint16 candidate(RandomSource &random, float clock)
{
    random.reseed(clock);
    return qint16(std::floor(double(random.nextSingle()) * CardEntry::DeckSize) + 1);
}

QList<qint16> drawCardNumbers(RandomSource &random, qint32 count)
{
    if (count < 0 || count > CardEntry::DeckSize)
        throw Failure(Messages::cannotDrawCount(count));
    QList<qint16> drawn;
    drawn.reserve(count);
    while (drawn.size() < count) {
        const qint16 card = candidate(random, Platform::current().secondsSinceMidnight());
        if (!drawn.contains(card))
            drawn.append(card);
    }
    return drawn;
}

CountVerdict checkCount(const QString &text)
{
    const auto v = NumberText::value(text);
    if (!v)
        return CountVerdict::NotNumeric;
    // Any size counts: 1e30 and 1e400 (infinity) are simply above the limit.
    if (NumberText::roundHalfEven(*v) > CardEntry::DeckSize)
        return CountVerdict::AboveLimit;
    return CountVerdict::Accepted;
}

} // namespace DrawRule
