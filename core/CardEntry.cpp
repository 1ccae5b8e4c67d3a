#include "core/CardEntry.h"

#include "core/Messages.h"
#include "core/Failure.h"
#include "core/NumberText.h"

namespace CardEntry {

QString text(int cardNumber)
{
    return QStringLiteral("Card ") + QString::number(cardNumber);
}

qint16 cardNumber(const QStringList &words)
{
    if (words.size() < 2)
        throw Failure(Messages::subscriptOutOfRange());
    return NumberText::toInt16(words.at(1));
}

qint16 cardIndex(const QStringList &words)
{
    return NumberText::toInt16(double(cardNumber(words)) - 1);
}

std::optional<int> cardOf(const QString &entryText)
{
    try {
        const int number = cardNumber(NumberText::splitAtBlanks(entryText));
        if (number >= 1 && number <= DeckSize)
            return number;
    } catch (const Failure &) {
    }
    return std::nullopt;
}

QString cardName(int cardNumber)
{
    static const char *const ranks[13] = {"ace", "two", "three", "four", "five", "six", "seven",
                                          "eight", "nine", "ten", "jack", "queen", "king"};
    static const char *const suits[4] = {"spades", "diamonds", "clubs", "hearts"};
    if (cardNumber < 1 || cardNumber > DeckSize)
        return QString();
    const int index = cardNumber - 1;
    return QLatin1String(ranks[index % 13]) + QLatin1String(" of ") + QLatin1String(suits[index / 13]);
}

QString textWithName(int cardNumber)
{
    const QString name = cardName(cardNumber);
    return name.isEmpty() ? text(cardNumber) : text(cardNumber) + QStringLiteral(" (") + name + QLatin1Char(')');
}

} // namespace CardEntry
