#include "cardface/CardImageSet.h"

#include "cardface/PictureDecoder.h"
#include "cardface/PictureNames.h"

#include <QCoreApplication>
#include <QImage>
#include <QResource>
#include <QtGlobal>

namespace {

CardImageSet *g_shared = nullptr;

void releaseShared()
{
    delete g_shared;
    g_shared = nullptr;
}

QPixmap load(const QString &name)
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
    return QPixmap::fromImage(image);
}

} // namespace

const CardImageSet &CardImageSet::shared()
{
    if (!g_shared) {
        g_shared = new CardImageSet;
        // Pixmaps must not outlive the GUI application's platform plugin, so
        // the set goes with the application object, not with static teardown.
        qAddPostRoutine(releaseShared);
    }
    return *g_shared;
}

CardImageSet::CardImageSet()
{
    const QStringList all = names();
    m_pictures.reserve(all.size());
    for (const QString &name : all)
        m_pictures.insert(name, load(name));
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
    return QStringLiteral(":/cardface/") + PictureNames::fileName(name);
}
