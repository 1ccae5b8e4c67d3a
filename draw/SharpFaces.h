#pragma once

#include "core/CardEntry.h"

#include <QFutureWatcher>
#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QPointer>

// The 52 faces drawn by the renderer for a screen whose scale is not 1, so the
// preview shows every stroke on whole device pixels instead of a picture
// enlarged unevenly (at 150 % every other pixel is doubled). They are drawn
// once, card by card, in the background at low priority; selecting an
// entry then only hands out the pixmap ready for it, and until it is ready
// the stored picture stands in.
class SharpFaces : public QObject
{
    Q_OBJECT
public:
    static constexpr int FaceCount = CardEntry::DeckSize;

    explicit SharpFaces(QObject *parent = nullptr);
    ~SharpFaces() override;

    // Starts drawing the faces for this scale, unless they are drawn or being
    // drawn for it already; a scale of 1 needs none (the stored pictures are
    // exact there). Faces of another scale are dropped.
    void prepare(qreal scale);

    // The face drawn for this scale (with that device pixel ratio, the
    // pictures' 71 x 96 in device-independent pixels), or a null pixmap when
    // it is not ready for it.
    QPixmap face(int index, qreal scale) const;

signals:
    // A face became ready; face() now has it.
    void faceReady(int index);

private:
    void stop();
    void accept(int index, qreal scale, const QImage &image);

    // Delivers the faces of the drawing in flight; deleted with it.
    QPointer<QFutureWatcher<QImage>> m_drawing;
    qreal m_scale = 1.0;
    QPixmap m_faces[FaceCount];
};
