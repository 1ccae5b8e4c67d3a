#pragma once

#include "pictures/PictureNames.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QString>
#include <QStringList>

// The fixed pictures of the card face control: 52 faces, two jokers, the O and
// X marks, 12 backs, 7 small detail bitmaps and the control's own icon. They
// are compiled in as resources under ":/pictures/" and decoded exactly once;
// every caller receives the same implicitly shared QPixmap, so selecting a card
// costs a reference count and never a decode, copy or scale.
//
// Pictures are named after their resource files without the extension, as
// PictureNames lists them ("card00".."card51", "back00".."back11", "joker1",
// "mark_o", "ani_bats", "icon", ...).
class CardImageSet
{
public:
    static constexpr int FaceCount = PictureNames::FaceCount;
    static constexpr int BackCount = PictureNames::BackCount;
    static constexpr int PictureCount = PictureNames::Count;

    // The process-wide set, loaded on first use. Needs a QGuiApplication; it is
    // released when the application object goes away, before Qt's own
    // teardown, so no pixmap outlives the platform plugin.
    static const CardImageSet &shared();

    // Starts decoding the whole set on a pool thread (core/Background), so that
    // the decoding runs beside the window's construction instead of before it;
    // the first shared() then only collects the pictures (waiting for the
    // thread if it is not done yet). Call it once, early, from the program's
    // main thread; without it shared() decodes in place.
    static void preload();

    // Loads every picture now. A compiled-in picture that cannot be decoded
    // (a missing or damaged resource, a broken build) ends the program with
    // qFatal: nothing this set promises can work without it.
    CardImageSet();
    Q_DISABLE_COPY_MOVE(CardImageSet)

    // Face 0..51: suit = index / 13 (spades, diamonds, clubs, hearts), rank =
    // index % 13 + 1. An index outside the range is a caller's bug and fatal.
    const QPixmap &face(int index) const;
    // Back design 0..11; fatal outside the range.
    const QPixmap &back(int index) const;
    // Any picture by its name (see above); fatal for a name not in the set.
    const QPixmap &picture(const QString &name) const;
    bool contains(const QString &name) const;

    // All 76 names in resource order: faces, jokers, marks, backs, details, icon.
    static QStringList names();
    // ":/pictures/<file>", the place a picture is loaded from.
    static QString resourcePath(const QString &name);

private:
    // The decoded pictures in names() order, made into pixmaps here.
    explicit CardImageSet(QList<QImage> images);

    QHash<QString, QPixmap> m_pictures;
    // Faces and backs again by index, so that a card selection is one array
    // access instead of building a name and hashing it.
    QPixmap m_faces[FaceCount];
    QPixmap m_backs[BackCount];
};
