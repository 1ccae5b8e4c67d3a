#pragma once

#include "pictures/PictureNames.h"
#include "cardface/PropertyBag.h"

#include <QPixmap>
#include <QString>
#include <QVariant>
#include <QWidget>
#include <optional>

class CardImageSet;

// The card face control. It keeps one current picture out of its fixed set and
// hands it out on request; callers select with ChangeCard, ChangeBack or a show
// method and read the result through Picture. Its own surface is a fixed
// 32 x 39 tile showing only its icon; the current picture is never drawn here.
//
// Everything public is reachable by name through the meta-object system, which
// is how the host drives it:
//     deck->setProperty("ChangeCard", 30);
//     QMetaObject::invokeMethod(deck, "ChangeToX");
//
// ChangeCard and ChangeBack share one stored index, so each reads back the
// value of whichever was set last. A value out of range is refused with a
// critical message box; the caller gets no error and nothing changes.
class Deck : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QPixmap Picture READ Picture WRITE setPicture)
    // Typed QVariant rather than qint16 on purpose: Qt would otherwise convert
    // the host's value to 16 bits before we saw it, and 65566 would silently
    // become 30. Here every number reaches the range check whole, and a value
    // that is no number at all is refused the same way.
    Q_PROPERTY(QVariant ChangeCard READ changeCardValue WRITE setChangeCardValue)
    Q_PROPERTY(QVariant ChangeBack READ changeBackValue WRITE setChangeBackValue)

public:
    static constexpr int TileWidth = 32;
    static constexpr int TileHeight = 39;
    // Face indexes beyond the cards of the deck.
    static constexpr qint16 RedJoker = PictureNames::FaceCount;
    static constexpr qint16 BlackJoker = 53;

    explicit Deck(QWidget *parent = nullptr);

    // The current picture: the very object the picture set holds (same
    // cacheKey), or a null pixmap until something was selected.
    QPixmap Picture() const;
    // Refused: the picture is chosen only through the members below.
    void setPicture(const QPixmap &newPicture);

    qint16 changeCard() const { return m_currentIndex; }
    void setChangeCard(qint16 newCard);
    qint16 changeBack() const { return m_currentIndex; }
    void setChangeBack(qint16 newBack);

    // Show methods: replace the current picture only; the stored index and the
    // host stay as they are.
    Q_INVOKABLE void ChangeToO();
    Q_INVOKABLE void ChangeToX();
    Q_INVOKABLE void ChangeToRJoker();
    Q_INVOKABLE void ChangeToBJoker();
    Q_INVOKABLE void AnimAce1();
    Q_INVOKABLE void AnimAce2();
    Q_INVOKABLE void AnimBats();
    Q_INVOKABLE void AnimRobot1();
    Q_INVOKABLE void AnimRobot2();
    Q_INVOKABLE void AnimSun1();
    Q_INVOKABLE void AnimSun2();

    // Host notifications. InitProperties: a new control without a stored
    // description. ReadProperties: a control created from its description
    // (values that do not fit 16 bits or are no numbers are refused with the
    // range message, like any other bad value). WriteProperties: store it.
    void InitProperties();
    void ReadProperties(const PropertyBag &bag);
    void WriteProperties(PropertyBag &bag) const;

    // How the main window keeps its Deck1: only the back-0 picture, no index,
    // so a control read from it shows back design 0 with index 0.
    static PropertyBag form1StoredDescription();

    QSize sizeHint() const override;

signals:
    // The host must store its description again; name is "ChangeCard" or
    // "ChangeBack". Sent after every accepted set, also of an unchanged value.
    void propertyChanged(const QString &name);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QVariant changeCardValue() const;
    void setChangeCardValue(const QVariant &value);
    QVariant changeBackValue() const;
    void setChangeBackValue(const QVariant &value);

    // The range checks take the value at full width so that nothing wraps
    // into range on the way in; nothing (no number) is refused too.
    void applyCard(std::optional<qint64> newCard);
    void applyBack(std::optional<qint64> newBack);
    void take(const QPixmap &picture);

    const CardImageSet &m_pictures;
    qint16 m_currentIndex = 0;
    QPixmap m_imgMain;
    QPixmap m_icon;
};
