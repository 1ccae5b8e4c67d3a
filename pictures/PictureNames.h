#pragma once

#include "core/CardEntry.h"

#include <QString>
#include <QStringList>

// The one list of the card face control's 76 pictures, in index order: the 52
// faces card00..card51 (suit = index / 13: spades, diamonds, clubs, hearts),
// the red and black joker, the O and X marks, the 12 backs back00..back11, the
// 7 small detail bitmaps and the control's icon. The card set loads them, the
// art generator draws them and the tests check them from here. The resource
// list in pictures/CMakeLists.txt names the files again on purpose: a picture
// that goes missing fails the build there.
//
// Header-only and Qt Core only (the deck size is a constant), so the
// generator can use it without linking any of the program.
namespace PictureNames {

inline constexpr int FaceCount = CardEntry::DeckSize;
inline constexpr int BackCount = 12;
inline constexpr int Count = 76;

inline QString face(int index)
{
    return QStringLiteral("card%1").arg(index, 2, 10, QLatin1Char('0'));
}

inline QString back(int index)
{
    return QStringLiteral("back%1").arg(index, 2, 10, QLatin1Char('0'));
}

// All 76 names, without the file extension.
// joker1 is the red joker, joker2 the black.
inline QString joker(int number)
{
    return QStringLiteral("joker%1").arg(number);
}

inline QStringList names()
{
    QStringList all;
    all.reserve(Count);
    for (int i = 0; i < FaceCount; ++i)
        all.append(face(i));
    all << joker(1) << joker(2) << QStringLiteral("mark_o")
        << QStringLiteral("mark_x");
    for (int i = 0; i < BackCount; ++i)
        all.append(back(i));
    all << QStringLiteral("ani_ace1") << QStringLiteral("ani_ace2") << QStringLiteral("ani_bats")
        << QStringLiteral("ani_face1") << QStringLiteral("ani_face2") << QStringLiteral("ani_robot1")
        << QStringLiteral("ani_robot2") << QStringLiteral("icon");
    return all;
}

// The detail pictures and the icon are Windows bitmaps; everything else is GIF.
inline bool isBitmap(const QString &name)
{
    return name.startsWith(QLatin1String("ani_")) || name == QLatin1String("icon");
}

inline QString fileName(const QString &name)
{
    return name + (isBitmap(name) ? QStringLiteral(".bmp") : QStringLiteral(".gif"));
}

// All 76 file names, in the same order.
inline QStringList files()
{
    QStringList all = names();
    for (QString &name : all)
        name = fileName(name);
    return all;
}

} // namespace PictureNames
