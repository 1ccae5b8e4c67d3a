#include "draw/CardPreview.h"

#include "core/CardEntry.h"
#include "cardface/Deck.h"
#include "widgets/ListBox.h"
#include "draw/SharpFaces.h"

#include <QEvent>
#include <QLabel>
#include <QTimer>

CardPreview::CardPreview(ListBox *list, Deck *deck, QLabel *image, QObject *parent)
    : QObject(parent), m_list(list), m_deck(deck), m_image(image)
{
    connect(list, &ListBox::Click, this, &CardPreview::List1_Click);
    describe(QString());
    m_sharp = new SharpFaces(this);
    connect(m_sharp, &SharpFaces::faceReady, this, &CardPreview::sharpFaceReady);
    image->installEventFilter(this);
}

bool CardPreview::eventFilter(QObject *watched, QEvent *event)
{
    // Once the window has been painted, the faces for its screen's scale are
    // drawn in the background: nothing of it delays the start.
    // The event type first: a label being destroyed still sends events, and by
    // then it is no QLabel that m_image could hand out.
    if (event->type() == QEvent::Paint && watched == m_image) {
        m_image->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] {
            if (m_image)
                m_sharp->prepare(m_image->devicePixelRatioF());
        });
    }
    return QObject::eventFilter(watched, event);
}

void CardPreview::showFace(const QPixmap &face)
{
    m_image->setPixmap(face);
    // The image takes the picture's own size with its top-left corner fixed.
    m_image->resize(face.deviceIndependentSize().toSize());
}

void CardPreview::sharpFaceReady(int index)
{
    if (m_image && m_shownStored && index == m_shown) {
        const QPixmap sharp = m_sharp->face(index, m_image->devicePixelRatioF());
        if (!sharp.isNull()) {
            showFace(sharp);
            m_shownStored = false;
        }
    }
}

void CardPreview::describe(const QString &cardName)
{
    if (!m_image)
        return;
    m_image->setAccessibleName(tr("Preview"));
    m_image->setAccessibleDescription(cardName.isEmpty() ? tr("No card is shown")
                                                         : tr("Shows the %1").arg(cardName));
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
    const qint16 index = qint16(*card - 1);
    m_deck->setChangeCard(index);
    // The face drawn for this screen when it is ready; else the stored one.
    // A window moved to a screen of another scale has its faces drawn anew.
    const qreal scale = m_image->devicePixelRatioF();
    const QPixmap sharp = m_sharp->face(index, scale);
    m_shown = index;
    m_shownStored = sharp.isNull();
    showFace(m_shownStored ? m_deck->Picture() : sharp);
    if (m_shownStored)
        m_sharp->prepare(scale);
    describe(CardEntry::cardName(*card));
}

