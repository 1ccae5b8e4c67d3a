#pragma once

#include <QObject>
#include <QPointer>

class Deck;
class ListBox;
class QLabel;

// Shows the selected entry's face: sets the card face control to the entry's
// card and hands its picture to the preview image, unscaled and unshared-free
// (the very picture object the control holds).
class CardPreview : public QObject
{
    Q_OBJECT
public:
    CardPreview(ListBox *list, Deck *deck, QLabel *image, QObject *parent = nullptr);

    // With no entry selected there is no card to show: the preview keeps the
    // face it shows, as it does across a new draw.
    void List1_Click();

private:
    // What the preview tells assistive technology and shows as its tooltip:
    // the name of the card it shows, or that it shows none.
    void describe(const QString &cardName);

    QPointer<ListBox> m_list;
    QPointer<Deck> m_deck;
    QPointer<QLabel> m_image;
};
