#include "export/BitmapFile.h"

#include "core/Failure.h"
#include "core/Messages.h"
#include "export/CardPaths.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPixmap>

namespace BitmapFile {

QImage opaqueFace(const QPixmap &face)
{
    return opaqueImage(face.toImage());
}

QImage opaqueImage(const QImage &face)
{
    // A bitmap has no transparency: the rounded corners come out white, as the
    // card would look on paper, rather than black.
    QImage image(face.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.drawImage(0, 0, face);
    }
    return image;
}

QByteArray encode(const QImage &face, CardFile::Format format)
{
    const bool png = format != CardFile::Format::Bmp;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImage image = png ? face : opaqueImage(face);
    // The screen's resolution, which a new image takes, is no part of the file.
    image.setDotsPerMeterX(CardFile::dotsPerMeter(CardFile::PictureWidth));
    image.setDotsPerMeterY(CardFile::dotsPerMeter(CardFile::PictureWidth));
    if (!image.save(&buffer, png ? "PNG" : "BMP"))
        bytes.clear();
    return bytes;
}

void save(const QPixmap &face, const QString &path, CardFile::Format format, FileReplacer::Batch *batch)
{
    if (face.isNull())
        throw Failure(Messages::noFaceToSave(QDir::toNativeSeparators(path)));

    const QByteArray bytes = encode(face.toImage(), format);
    if (bytes.isEmpty())
        throw CardPaths::writeFailure(path, Messages::notEncoded());
    CardFile::write(path, bytes, batch);
}

} // namespace BitmapFile
