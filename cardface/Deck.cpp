#include "cardface/Deck.h"

#include "core/Messages.h"
#include "pictures/CardImageSet.h"
#include "core/NumberText.h"
#include "core/Platform.h"

#include <QMetaType>
#include <QPainter>
#include <QPointer>
#include <cmath>
#include <limits>

namespace {

const QString ChangeCardName = QStringLiteral("ChangeCard");
const QString ChangeBackName = QStringLiteral("ChangeBack");
const QString PictureName = QStringLiteral("Picture");

std::optional<qint64> fromDouble(double v)
{
    if (std::isnan(v))
        return std::nullopt;
    const double rounded = NumberText::roundHalfEven(v);
    // Saturate rather than convert out of range (undefined behaviour): any
    // value this large is refused by the range check all the same.
    constexpr double limit = 9.0e18;
    if (rounded >= limit)
        return std::numeric_limits<qint64>::max();
    if (rounded <= -limit)
        return std::numeric_limits<qint64>::min();
    return static_cast<qint64>(rounded);
}

// The whole number a host value stands for, before any narrowing: integers as
// they are, fractions rounded half to even like every number in this program,
// numeric text by the program's one number rule. Anything else is no number.
std::optional<qint64> wholeNumber(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::LongLong:
        return value.toLongLong();
    case QMetaType::UChar:
    case QMetaType::UShort:
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong: {
        const qulonglong u = value.toULongLong();
        const auto max = static_cast<qulonglong>(std::numeric_limits<qint64>::max());
        return static_cast<qint64>(u > max ? max : u);
    }
    case QMetaType::Float:
    case QMetaType::Double:
        return fromDouble(value.toDouble());
    case QMetaType::QString:
    case QMetaType::QByteArray:
        if (const auto v = NumberText::value(value.toString()))
            return fromDouble(*v);
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

void refuse(const QString &text, Platform::Icon icon)
{
    Platform::current().message(text, applicationTitle(), icon);
}

} // namespace

Deck::Deck(QWidget *parent)
    : QWidget(parent), m_pictures(CardImageSet::shared()), m_icon(m_pictures.picture(QStringLiteral("icon")))
{
    // The tile never stretches: with minimum and maximum pinned, every
    // resize() and setGeometry() a host or layout asks for ends at this size.
    setFixedSize(TileWidth, TileHeight);
    // The icon covers the whole tile, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QPixmap Deck::Picture() const
{
    return m_imgMain;
}

void Deck::setPicture(const QPixmap &)
{
    refuse(Messages::cannotChangeProperty(), Platform::Icon::None);
}

void Deck::setChangeCard(qint16 newCard)
{
    applyCard(newCard);
}

void Deck::setChangeBack(qint16 newBack)
{
    applyBack(newBack);
}

void Deck::applyCard(std::optional<qint64> newCard)
{
    if (!newCard || *newCard < 0 || *newCard > BlackJoker) {
        refuse(Messages::changeCardRange(), Platform::Icon::Critical);
        return;
    }
    m_currentIndex = static_cast<qint16>(*newCard);
    if (m_currentIndex == RedJoker)
        take(m_pictures.picture(QStringLiteral("joker1")));
    else if (m_currentIndex == BlackJoker)
        take(m_pictures.picture(QStringLiteral("joker2")));
    else
        take(m_pictures.face(m_currentIndex));
    // Also for an unchanged value: the host relies on hearing of every set.
    emit propertyChanged(ChangeCardName);
}

void Deck::applyBack(std::optional<qint64> newBack)
{
    if (!newBack || *newBack < 0 || *newBack >= CardImageSet::BackCount) {
        refuse(Messages::changeBackRange(), Platform::Icon::Critical);
        return;
    }
    m_currentIndex = static_cast<qint16>(*newBack);
    take(m_pictures.back(m_currentIndex));
    emit propertyChanged(ChangeBackName);
}

QVariant Deck::changeCardValue() const
{
    return QVariant::fromValue(changeCard());
}

void Deck::setChangeCardValue(const QVariant &value)
{
    applyCard(wholeNumber(value));
}

QVariant Deck::changeBackValue() const
{
    return QVariant::fromValue(changeBack());
}

void Deck::setChangeBackValue(const QVariant &value)
{
    applyBack(wholeNumber(value));
}

void Deck::take(const QPixmap &picture)
{
    // A copy of a QPixmap shares its data: this is a reference, not pixels.
    m_imgMain = picture;
}

void Deck::ChangeToO()
{
    take(m_pictures.picture(QStringLiteral("mark_o")));
}

void Deck::ChangeToX()
{
    take(m_pictures.picture(QStringLiteral("mark_x")));
}

void Deck::ChangeToRJoker()
{
    take(m_pictures.picture(QStringLiteral("joker1")));
}

void Deck::ChangeToBJoker()
{
    take(m_pictures.picture(QStringLiteral("joker2")));
}

void Deck::AnimAce1()
{
    take(m_pictures.picture(QStringLiteral("ani_ace1")));
}

void Deck::AnimAce2()
{
    take(m_pictures.picture(QStringLiteral("ani_ace2")));
}

void Deck::AnimBats()
{
    take(m_pictures.picture(QStringLiteral("ani_bats")));
}

void Deck::AnimRobot1()
{
    take(m_pictures.picture(QStringLiteral("ani_robot1")));
}

void Deck::AnimRobot2()
{
    take(m_pictures.picture(QStringLiteral("ani_robot2")));
}

void Deck::AnimSun1()
{
    take(m_pictures.picture(QStringLiteral("ani_face1")));
}

void Deck::AnimSun2()
{
    take(m_pictures.picture(QStringLiteral("ani_face2")));
}

void Deck::InitProperties()
{
    QPointer<Deck> alive(this);
    setChangeCard(0);
    if (alive)
        setChangeBack(0);
}

void Deck::ReadProperties(const PropertyBag &bag)
{
    // Both values are taken before the first set: a refusal opens a modal box,
    // and the host's bag need not survive what runs inside it.
    const QVariant card = bag.read(ChangeCardName, 0);
    const QVariant back = bag.read(ChangeBackName, 0);
    QPointer<Deck> alive(this);
    applyCard(wholeNumber(card));
    // ChangeBack goes last, so a stored back design wins over the face.
    if (alive)
        applyBack(wholeNumber(back));
}

void Deck::WriteProperties(PropertyBag &bag) const
{
    // The text default never equals a picture, so Picture is always written.
    bag.write(PictureName, QVariant::fromValue(m_imgMain), QStringLiteral("(None)"));
    bag.write(ChangeCardName, QVariant::fromValue(m_currentIndex), 0);
    bag.write(ChangeBackName, QVariant::fromValue(m_currentIndex), 0);
}

PropertyBag Deck::form1StoredDescription()
{
    PropertyBag bag;
    bag.write(PictureName, QVariant::fromValue(CardImageSet::shared().back(0)), QStringLiteral("(None)"));
    return bag;
}

QSize Deck::sizeHint() const
{
    return {TileWidth, TileHeight};
}

void Deck::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_icon);
}

