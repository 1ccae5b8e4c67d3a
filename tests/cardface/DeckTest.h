#pragma once

#include "pictures/CardImageSet.h"
#include "core/Messages.h"
#include "tests/support/FakePlatform.h"

#include <QImage>
#include <QPixmap>
#include <QSignalSpy>
#include <QStringList>

// What the Deck suites compare against: the set's own pictures, the same files
// decoded afresh, and the names the control announced.
namespace DeckTest {

inline const QString CardMessage = Messages::changeCardRange();
inline const QString BackMessage = Messages::changeBackRange();
inline const QString PictureMessage = Messages::cannotChangeProperty();

inline QPixmap stored(const QString &name)
{
    return CardImageSet::shared().picture(name);
}

// Premultiplied, so that every fully transparent pixel compares as one value
// whatever colour its palette entry has.
inline QImage canonical(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The named file decoded afresh, independent of the set's own bookkeeping, so
// an index mapped to the wrong file shows up as different pixels.
inline QImage decoded(const QString &name)
{
    return canonical(QImage(CardImageSet::resourcePath(name)));
}

inline QImage pixelsOf(const QPixmap &picture)
{
    return canonical(picture.toImage());
}

inline QStringList spied(const QSignalSpy &spy)
{
    QStringList names;
    for (const QList<QVariant> &args : spy)
        names.append(args.at(0).toString());
    return names;
}

inline QStringList texts(const QList<FakePlatform::Message> &messages)
{
    QStringList shown;
    for (const FakePlatform::Message &m : messages)
        shown.append(m.text);
    return shown;
}

} // namespace DeckTest
