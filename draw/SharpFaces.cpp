#include "draw/SharpFaces.h"

#include "core/Background.h"
#include "render/CardRenderer.h"

#include <QImage>
#include <QPainter>
#include <cmath>

namespace {

QImage drawFace(int index, qreal scale)
{
    // The card covers exactly 71 x 96 device-independent pixels, as the
    // stored picture does; the last device pixel may be partly covered.
    const QSizeF card(CardRenderer::PictureWidth * scale, CardRenderer::PictureHeight * scale);
    QImage image(int(std::ceil(card.width())), int(std::ceil(card.height())), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    CardRenderer::paint(painter, QRectF(QPointF(0, 0), card), CardArt::face(index));
    painter.end();
    image.setDevicePixelRatio(scale);
    return image;
}

} // namespace

SharpFaces::SharpFaces(QObject *parent) : QObject(parent) {}

SharpFaces::~SharpFaces()
{
    stop();
}

void SharpFaces::stop()
{
    // The job holds nothing of this object: it ends after the face it is
    // drawing, and nothing it made after this point is delivered.
    if (!m_drawing)
        return;
    m_drawing->cancel();
    delete m_drawing;
}

void SharpFaces::prepare(qreal scale)
{
    if (scale == m_scale || scale <= 0)
        return;
    stop();
    m_scale = scale;
    for (QPixmap &face : m_faces)
        face = QPixmap();
    if (scale == 1.0)
        return;
    const QFuture<QImage> faces = Background::start<QImage>(
        Background::Policy::Pool,
        [scale](QPromise<QImage> &promise) {
            for (int index = 0; index < FaceCount && !promise.isCanceled(); ++index)
                promise.addResult(drawFace(index, scale), index);
        },
        QThread::LowestPriority);
    m_drawing = Background::deliver(faces, this,
                                    [this, scale](int index, const QImage &image) { accept(index, scale, image); });
}

void SharpFaces::accept(int index, qreal scale, const QImage &image)
{
    if (scale != m_scale)
        return; // drawn for a screen the window has left
    m_faces[index] = QPixmap::fromImage(image);
    emit faceReady(index);
}

QPixmap SharpFaces::face(int index, qreal scale) const
{
    if (scale != m_scale || index < 0 || index >= FaceCount)
        return QPixmap();
    return m_faces[index];
}

