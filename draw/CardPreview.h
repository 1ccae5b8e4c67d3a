#pragma once

#include <QObject>
#include <QPointer>

class Deck;
class ListBox;
class QLabel;
class SharpFaces;

// Shows the selected entry's face: sets the card face control to the entry's
// card and hands its picture to the preview image, unscaled and unshared-free
// (the very picture object the control holds). On a screen whose scale is not
// 1 it hands over the face the renderer drew for that scale instead, once it
// is ready (SharpFaces, drawn in the background after the preview is first
// painted).
class CardPreview : public QObject
{
    Q_OBJECT
public:
    CardPreview(ListBox *list, Deck *deck, QLabel *image, QObject *parent = nullptr);

    // With no entry selected there is no card to show: the preview keeps the
    // face it shows, as it does across a new draw.
    void List1_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showFace(const QPixmap &face);
    void sharpFaceReady(int index);

    // What the preview tells assistive technology and shows as its tooltip:
    // the name of the card it shows, or that it shows none.
    void describe(const QString &cardName);

    QPointer<ListBox> m_list;
    QPointer<Deck> m_deck;
    QPointer<QLabel> m_image;
    SharpFaces *m_sharp = nullptr;
    // The face the preview shows, and whether it is the stored picture.
    int m_shown = -1;
    bool m_shownStored = false;
};
