#include "export/CardFile.h"

#include "core/CardEntry.h"
#include "core/Failure.h"
#include "core/Messages.h"
#include "export/BitmapFile.h"
#include "export/CardPaths.h"
#include "export/FileReplacer.h"
#include "render/SvgDevice.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <cmath>

namespace CardFile {

void write(const QString &path, const QByteArray &bytes, FileReplacer::Batch *batch)
{
    const QString problem = batch ? batch->add(path, bytes) : FileReplacer::replace(path, bytes);
    if (!problem.isEmpty())
        throw CardPaths::writeFailure(path, problem);
}

QString extension(Format format)
{
    switch (format) {
    case Format::Bmp: return QStringLiteral("bmp");
    case Format::Png: return QStringLiteral("png");
    case Format::Svg: return QStringLiteral("svg");
    case Format::Pdf: return QStringLiteral("pdf");
    }
    return QString();
}

std::optional<Format> formatNamed(const QString &name)
{
    for (Format format : {Format::Bmp, Format::Png, Format::Svg, Format::Pdf})
        if (name.compare(extension(format), Qt::CaseInsensitive) == 0)
            return format;
    return std::nullopt;
}

int widthAtDpi(int dpi)
{
    return int(std::lround(CardSheet::CardWidthMm / 25.4 * dpi));
}

QString path(const QString &folderText, const QString &entryText, Format format)
{
    return CardPaths::cardFilePath(folderText, entryText, extension(format));
}

QByteArray pdf(const QList<int> &faceIndexes, CardSheet::Layout layout, const QPageSize &paper,
               const QString &title)
{
    PrintOptions options;
    options.size = CardSize::Picture;
    options.layout = layout;
    options.paper = paper;
    return pdf(CardArt::faces(faceIndexes), options, title);
}

QByteArray pdf(const QList<CardArt> &cards, const PrintOptions &options, const QString &title,
               const Progress &progress)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setCreator(QStringLiteral("Velmora"));
    writer.setTitle(title);
    writer.setPageSize(options.layout == CardSheet::Layout::CardPerPage ? CardSheet::cardPage(options.size, options.bleed)
                                                                         : options.paper);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&writer))
        return QByteArray();
    CardSheet::paint(painter, writer, cards, options, progress);
    painter.end();
    if (progress.cancelled())
        return QByteArray();
    return bytes;
}

void savePdf(const QList<int> &faceIndexes, const QString &path, CardSheet::Layout layout,
             const QPageSize &paper, const QString &title)
{
    const QByteArray bytes = pdf(faceIndexes, layout, paper, title);
    if (bytes.isEmpty())
        throw CardPaths::writeFailure(path, Messages::documentNotMade());
    write(path, bytes);
}

QByteArray svg(int faceIndex, const QString &title)
{
    return svg(CardArt::face(faceIndex), CardSize::Picture, title);
}

QByteArray svg(const CardArt &art, CardSize size, const QString &title)
{
    // The drawing in card units, declared at the card's real size.
    const QSizeF units = CardSizes::units(size);
    SvgDevice device(units.toSize(), CardSheet::cardSizeMm(size));
    device.setTitle(title);
    device.setDescription(QStringLiteral("A playing card drawn by Velmora"));
    QPainter painter;
    if (!painter.begin(&device))
        return QByteArray();
    painter.setRenderHint(QPainter::Antialiasing, true);
    CardRenderer::paint(painter, QRectF(QPointF(0, 0), units), art, size);
    painter.end();
    return device.document();
}

int dotsPerMeter(int pngWidth, CardSize size)
{
    const double inches = CardSizes::trimMm(size).width() / 25.4;
    const double dpi = pngWidth == PictureWidth && size == CardSize::Picture ? 96 : std::round(pngWidth / inches);
    return int(std::lround(dpi / 0.0254));
}

bool usesStoredPicture(Format format, int pngWidth, CardSize size)
{
    return size == CardSize::Picture && (format == Format::Bmp || (format == Format::Png && pngWidth == PictureWidth));
}

QByteArray encode(const CardArt &art, const QImage &stored, Format format, int pngWidth, CardSize size,
                  const QString &title)
{
    // The picture's own size is the stored picture, byte for byte what the
    // save buttons write.
    if (usesStoredPicture(format, pngWidth, size))
        return stored.isNull() ? QByteArray() : BitmapFile::encode(stored, format);
    QByteArray bytes;
    if (format == Format::Bmp) {
        // A bitmap is the picture's width in the size's shape.
        bytes = BitmapFile::encode(CardRenderer::image(art, PictureWidth, size), format);
    } else if (format == Format::Png) {
        QImage image = CardRenderer::image(art, pngWidth, size);
        // A new image takes the screen's resolution, which the file must not.
        image.setDotsPerMeterX(dotsPerMeter(pngWidth, size));
        image.setDotsPerMeterY(dotsPerMeter(pngWidth, size));
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG"))
            bytes.clear();
    } else if (format == Format::Svg) {
        bytes = svg(art, size, title);
    } else {
        PrintOptions options;
        options.size = size;
        options.layout = CardSheet::Layout::CardPerPage;
        bytes = pdf({art}, options, title);
    }
    return bytes;
}

void save(const QPixmap &storedFace, int faceIndex, const QString &path, Format format, int pngWidth,
          FileReplacer::Batch *batch)
{
    if (usesStoredPicture(format, pngWidth, CardSize::Picture)) {
        BitmapFile::save(storedFace, path, format, batch);
        return;
    }
    if (faceIndex < 0 || faceIndex >= CardEntry::DeckSize)
        throw Failure(Messages::noFaceToSave(QDir::toNativeSeparators(path)));
    // Named inside by the card alone, in English, whichever way and in whatever
    // language it is saved: the same card makes the same file.
    const QByteArray bytes = encode(CardArt::face(faceIndex), QImage(), format, pngWidth, CardSize::Picture,
                                    CardEntry::englishCardName(faceIndex + 1));
    if (bytes.isEmpty())
        throw CardPaths::writeFailure(path, Messages::notEncoded());
    write(path, bytes, batch);
}

} // namespace CardFile
