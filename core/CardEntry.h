#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>

// A drawn card's list entry, "Card N": the list is the only record of the
// draw, so the draw writes it here and every reader takes the card back here.
namespace CardEntry {

// The cards of one deck, numbered from 1.
inline constexpr int DeckSize = 52;

// "Card " and the card number (1..52) in plain decimal.
QString text(int cardNumber);

// The card number from an entry's words (split at every blank): the second
// word as a 16-bit whole number. Throws Failure when there is no second word
// or it is no number that fits.
qint16 cardNumber(const QStringList &words);

// The face index of the card face control: the card number less one.
qint16 cardIndex(const QStringList &words);

// The card an entry's text names, 1..52; nothing for an entry that names no
// card. For readers with nobody to report to, where cardNumber() would throw.
std::optional<int> cardOf(const QString &entryText);

// The card's name in words, as a person says it: "four of diamonds" for card
// 17. Suits run spades, diamonds, clubs, hearts; ranks ace to king. Empty for
// a number that is no card (outside 1..52). In the user's language.
QString cardName(int cardNumber);

// The name in English whatever the language: for what programs read (the
// command line's pipe form) and for the files' own descriptions.
QString englishCardName(int cardNumber);

// The entry with the card's name, as people read it: "Card 17 (four of
// diamonds)"; the entry alone for a number that is no card.
QString textWithName(int cardNumber);

} // namespace CardEntry
