#include "core/CardEntry.h"

#include "core/Messages.h"
#include "core/Failure.h"
#include "core/NumberText.h"

#include <QCoreApplication>

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

// Whole names, one per card, so that a language can say the rank and the suit
// in its own order and grammar ("Karo Vier", "4 de carreau").
const char *const cardNames[DeckSize] = {
    QT_TRANSLATE_NOOP("CardEntry", "ace of spades"),
    QT_TRANSLATE_NOOP("CardEntry", "two of spades"),
    QT_TRANSLATE_NOOP("CardEntry", "three of spades"),
    QT_TRANSLATE_NOOP("CardEntry", "four of spades"),
    QT_TRANSLATE_NOOP("CardEntry", "five of spades"),
    QT_TRANSLATE_NOOP("CardEntry", "six of spades"),
    QT_TRANSLATE_NOOP("CardEntry", "seven of spades"),
    QT_TRANSLATE_NOOP("CardEntry", "eight of spades"),
    QT_TRANSLATE_NOOP("CardEntry", "nine of spades"),
    QT_TRANSLATE_NOOP("CardEntry", "ten of spades"),
    QT_TRANSLATE_NOOP("CardEntry", "jack of spades"),
    QT_TRANSLATE_NOOP("CardEntry", "queen of spades"),
    QT_TRANSLATE_NOOP("CardEntry", "king of spades"),

    QT_TRANSLATE_NOOP("CardEntry", "ace of diamonds"),
    QT_TRANSLATE_NOOP("CardEntry", "two of diamonds"),
    QT_TRANSLATE_NOOP("CardEntry", "three of diamonds"),
    QT_TRANSLATE_NOOP("CardEntry", "four of diamonds"),
    QT_TRANSLATE_NOOP("CardEntry", "five of diamonds"),
    QT_TRANSLATE_NOOP("CardEntry", "six of diamonds"),
    QT_TRANSLATE_NOOP("CardEntry", "seven of diamonds"),
    QT_TRANSLATE_NOOP("CardEntry", "eight of diamonds"),
    QT_TRANSLATE_NOOP("CardEntry", "nine of diamonds"),
    QT_TRANSLATE_NOOP("CardEntry", "ten of diamonds"),
    QT_TRANSLATE_NOOP("CardEntry", "jack of diamonds"),
    QT_TRANSLATE_NOOP("CardEntry", "queen of diamonds"),
    QT_TRANSLATE_NOOP("CardEntry", "king of diamonds"),

    QT_TRANSLATE_NOOP("CardEntry", "ace of clubs"),
    QT_TRANSLATE_NOOP("CardEntry", "two of clubs"),
    QT_TRANSLATE_NOOP("CardEntry", "three of clubs"),
    QT_TRANSLATE_NOOP("CardEntry", "four of clubs"),
    QT_TRANSLATE_NOOP("CardEntry", "five of clubs"),
    QT_TRANSLATE_NOOP("CardEntry", "six of clubs"),
    QT_TRANSLATE_NOOP("CardEntry", "seven of clubs"),
    QT_TRANSLATE_NOOP("CardEntry", "eight of clubs"),
    QT_TRANSLATE_NOOP("CardEntry", "nine of clubs"),
    QT_TRANSLATE_NOOP("CardEntry", "ten of clubs"),
    QT_TRANSLATE_NOOP("CardEntry", "jack of clubs"),
    QT_TRANSLATE_NOOP("CardEntry", "queen of clubs"),
    QT_TRANSLATE_NOOP("CardEntry", "king of clubs"),

    QT_TRANSLATE_NOOP("CardEntry", "ace of hearts"),
    QT_TRANSLATE_NOOP("CardEntry", "two of hearts"),
    QT_TRANSLATE_NOOP("CardEntry", "three of hearts"),
    QT_TRANSLATE_NOOP("CardEntry", "four of hearts"),
    QT_TRANSLATE_NOOP("CardEntry", "five of hearts"),
    QT_TRANSLATE_NOOP("CardEntry", "six of hearts"),
    QT_TRANSLATE_NOOP("CardEntry", "seven of hearts"),
    QT_TRANSLATE_NOOP("CardEntry", "eight of hearts"),
    QT_TRANSLATE_NOOP("CardEntry", "nine of hearts"),
    QT_TRANSLATE_NOOP("CardEntry", "ten of hearts"),
    QT_TRANSLATE_NOOP("CardEntry", "jack of hearts"),
    QT_TRANSLATE_NOOP("CardEntry", "queen of hearts"),
    QT_TRANSLATE_NOOP("CardEntry", "king of hearts"),
};

QString cardName(int cardNumber)
{
    if (cardNumber < 1 || cardNumber > DeckSize)
        return QString();
    return QCoreApplication::translate("CardEntry", cardNames[cardNumber - 1]);
}

QString englishCardName(int cardNumber)
{
    if (cardNumber < 1 || cardNumber > DeckSize)
        return QString();
    return QLatin1String(cardNames[cardNumber - 1]);
}

QString textWithName(int cardNumber)
{
    const QString name = cardName(cardNumber);
    return name.isEmpty() ? text(cardNumber) : text(cardNumber) + QStringLiteral(" (") + name + QLatin1Char(')');
}

} // namespace CardEntry
