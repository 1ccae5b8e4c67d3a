#include "draw/SharpFaces.h"

#include "render/CardRenderer.h"

#include <QImage>
#include <QPainter>
#include <QThread>
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
    if (!m_thread)
        return;
    m_thread->requestInterruption();
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
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
    // Faces come back to this object's thread as they are done; one that
    // arrives after this object is gone is dropped with its event.
    m_thread = QThread::create([this, scale] {
        for (int index = 0; index < FaceCount; ++index) {
            if (QThread::currentThread()->isInterruptionRequested())
                return;
            const QImage image = drawFace(index, scale);
            QMetaObject::invokeMethod(this, [this, index, scale, image] { accept(index, scale, image); },
                                      Qt::QueuedConnection);
        }
    });
    m_thread->start(QThread::LowestPriority);
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

