#include "core/CardEntry.h"

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
        throw Failure(QStringLiteral("Subscript out of range"));
    return NumberText::toInt16(words.at(1));
}

qint16 cardIndex(const QStringList &words)
{
    return NumberText::toInt16(double(cardNumber(words)) - 1);
}

} // namespace CardEntry
