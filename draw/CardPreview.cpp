#include "draw/CardPreview.h"

#include "core/CardEntry.h"
#include "cardface/Deck.h"
#include "core/ListBox.h"

#include <QLabel>

CardPreview::CardPreview(ListBox *list, Deck *deck, QLabel *image, QObject *parent)
    : QObject(parent), m_list(list), m_deck(deck), m_image(image)
{
    connect(list, &ListBox::Click, this, &CardPreview::List1_Click);
    describe(QString());
}

void CardPreview::describe(const QString &cardName)
{
    if (!m_image)
        return;
    m_image->setAccessibleName(QStringLiteral("Preview"));
    m_image->setAccessibleDescription(cardName.isEmpty() ? QStringLiteral("No card is shown")
                                                         : QStringLiteral("Shows the ") + cardName);
    m_image->setToolTip(cardName);
}

void CardPreview::List1_Click()
{
    if (!m_list || !m_deck || !m_image)
        return;
    const int row = m_list->currentRow();
    if (row < 0 || row >= m_list->count())
        return;
    // Every entry a draw makes is "Card N"; anything else has no card to show,
    // and a selection handler has nobody to report to, so it leaves the
    // preview as it is.
    const std::optional<int> card = CardEntry::cardOf(m_list->item(row)->text());
    if (!card)
        return;
    m_deck->setChangeCard(qint16(*card - 1));
    const QPixmap face = m_deck->Picture();
    m_image->setPixmap(face);
    // The image takes the picture's own size with its top-left corner fixed.
    m_image->resize(face.size());
    describe(CardEntry::cardName(*card));
}
