#include "pictures/CardImageSet.h"

#include "pictures/PictureDecoder.h"
#include "pictures/PictureNames.h"

#include <QCoreApplication>
#include <QImage>
#include <QResource>
#include <QThread>
#include <QtGlobal>

#include <future>

#ifdef Q_OS_LINUX
#include <pthread.h>
#include <sched.h>
#endif

namespace {

CardImageSet *g_shared = nullptr;
std::future<QList<QImage>> g_preloaded;

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
    return image.hasAlphaChannel() ? image.convertToFormat(QImage::Format_ARGB32_Premultiplied) : image;
}

// Keeps the calling thread off the given processor, where there is another
// one to run on. Linux starts a new thread on its parent's processor and, in a
// start-up this short, seldom moves it before the window is shown: the
// decoding then shares one processor with the window's construction, and
// delays it by about as long as it takes (2.5 ms of 3 measured on 2 cores).
void stayOffProcessor(int processor)
{
#ifdef Q_OS_LINUX
    cpu_set_t allowed;
    if (processor < 0 || sched_getaffinity(0, sizeof allowed, &allowed) != 0)
        return;
    CPU_CLR(processor, &allowed);
    if (CPU_COUNT(&allowed) > 0)
        pthread_setaffinity_np(pthread_self(), sizeof allowed, &allowed);
#else
    Q_UNUSED(processor);
#endif
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
        g_shared = g_preloaded.valid() ? new CardImageSet(g_preloaded.get()) : new CardImageSet;
        // Pixmaps must not outlive the GUI application's platform plugin, so
        // the set goes with the application object, not with static teardown.
        qAddPostRoutine(releaseShared);
    }
    return *g_shared;
}

void CardImageSet::preload()
{
    if (g_shared || g_preloaded.valid())
        return;
    // Qt takes the first thread that asks for its thread data as the main
    // thread; the decoding (resources, images) asks too, so this one asks first.
    QThread::currentThread();
#ifdef Q_OS_LINUX
    const int mainProcessor = sched_getcpu();
#else
    const int mainProcessor = -1;
#endif
    g_preloaded = std::async(std::launch::async, [mainProcessor] {
        stayOffProcessor(mainProcessor);
        return decodeAll();
    });
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
