#include "pictures/CardImageSet.h"

#include "pictures/PictureDecoder.h"
#include "pictures/PictureNames.h"
#include "core/Background.h"

#include <QCoreApplication>
#include <QImage>
#include <QResource>
#include <QThread>
#include <QtGlobal>

#include <optional>

namespace {

CardImageSet *g_shared = nullptr;
std::optional<QFuture<QList<QImage>>> g_preloaded;

void releaseShared()
{
    delete g_shared;
    g_shared = nullptr;
}

QImage decode(const QString &name)
{
    const QString path = CardImageSet::resourcePath(name);
    const QResource resource(path);
    const QByteArray data = resource.uncompressedData();
    const QImage image =
        PictureNames::isBitmap(name) ? PictureDecoder::decodeBmp(data) : PictureDecoder::decodeGif(data);
    if (image.isNull()) {
        // Compiled-in data that does not decode means a broken build: say so,
        // loudly, at start.
        qFatal("CardImageSet: cannot decode the picture %s (%lld bytes)", qPrintable(path),
               static_cast<long long>(data.size()));
    }
    // Pixmaps keep premultiplied pixels; converting here (on the preloading
    // thread, where there is one) lets the pixmap adopt the image as it is.
    // (The GIF reader's pictures are premultiplied already.)
    return image.hasAlphaChannel() ? image.convertToFormat(QImage::Format_ARGB32_Premultiplied) : image;
}

QList<QImage> decodeAll()
{
    QList<QImage> images;
    for (const QString &name : CardImageSet::names())
        images.append(decode(name));
    return images;
}

} // namespace

const CardImageSet &CardImageSet::shared()
{
    if (!g_shared) {
        if (g_preloaded) {
            g_shared = new CardImageSet(g_preloaded->takeResult());
            g_preloaded.reset();
        } else {
            g_shared = new CardImageSet;
        }
        // Pixmaps must not outlive the GUI application's platform plugin, so
        // the set goes with the application object, not with static teardown.
        qAddPostRoutine(releaseShared);
    }
    return *g_shared;
}

void CardImageSet::preload()
{
    if (g_shared || g_preloaded)
        return;
    // Qt takes the first thread that asks for its thread data as the main
    // thread; the decoding (resources, images) asks too, so this one asks first.
    QThread::currentThread();
    // Left wherever the system puts the pool thread: keeping it off main()'s
    // processor, which paid with a thread of our own, slows start-up with a
    // pool thread (docs/benchmarks.md).
    g_preloaded = Background::run(Background::Policy::Pool, decodeAll);
}

CardImageSet::CardImageSet() : CardImageSet(decodeAll()) {}

CardImageSet::CardImageSet(QList<QImage> images)
{
    const QStringList all = names();
    m_pictures.reserve(all.size());
    for (int i = 0; i < all.size(); ++i)
        m_pictures.insert(all[i], QPixmap::fromImage(std::move(images[i])));
    for (int i = 0; i < FaceCount; ++i)
        m_faces[i] = m_pictures.value(PictureNames::face(i));
    for (int i = 0; i < BackCount; ++i)
        m_backs[i] = m_pictures.value(PictureNames::back(i));
}

const QPixmap &CardImageSet::face(int index) const
{
    if (index < 0 || index >= FaceCount)
        qFatal("CardImageSet::face: index %d is not a face (0..%d)", index, FaceCount - 1);
    return m_faces[index];
}

const QPixmap &CardImageSet::back(int index) const
{
    if (index < 0 || index >= BackCount)
        qFatal("CardImageSet::back: index %d is not a back design (0..%d)", index, BackCount - 1);
    return m_backs[index];
}

const QPixmap &CardImageSet::picture(const QString &name) const
{
    const auto it = m_pictures.constFind(name);
    if (it == m_pictures.constEnd())
        qFatal("CardImageSet::picture: no picture named \"%s\"", qPrintable(name));
    return it.value();
}

bool CardImageSet::contains(const QString &name) const
{
    return m_pictures.contains(name);
}

QStringList CardImageSet::names()
{
    return PictureNames::names();
}

QString CardImageSet::resourcePath(const QString &name)
{
    return QStringLiteral(":/pictures/") + PictureNames::fileName(name);
}
