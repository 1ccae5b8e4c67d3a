#include "export/CardFile.h"

#include "core/CardEntry.h"
#include "core/Failure.h"
#include "export/CardExport.h"
#include "export/FileReplacer.h"
#include "render/ClipResolvingDevice.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#ifdef VELMORA_SVG
#include <QSvgGenerator>
#endif
#include <cmath>

namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

void write(const QString &path, const QByteArray &bytes, FileReplacer::Batch *batch = nullptr)
{
    const QString problem = batch ? batch->add(path, bytes) : FileReplacer::replace(path, bytes);
    if (!problem.isEmpty())
        throw Failure(QStringLiteral("Cannot write %1: %2").arg(shown(path), problem));
}

QList<CardArt> faces(const QList<int> &indexes)
{
    QList<CardArt> arts;
    arts.reserve(indexes.size());
    for (int index : indexes)
        arts.append(CardArt::face(index));
    return arts;
}

} // namespace

namespace CardFile {

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

bool svgAvailable()
{
#ifdef VELMORA_SVG
    return true;
#else
    return false;
#endif
}

std::optional<Format> formatNamed(const QString &name)
{
    for (Format format : {Format::Bmp, Format::Png, Format::Svg, Format::Pdf})
        if (name.compare(extension(format), Qt::CaseInsensitive) == 0 && (format != Format::Svg || svgAvailable()))
            return format;
    return std::nullopt;
}

int widthAtDpi(int dpi)
{
    return int(std::lround(CardSheet::CardWidthMm / 25.4 * dpi));
}

QString path(const QString &folderText, const QString &entryText, Format format)
{
    return CardExport::cardFilePath(folderText, entryText, extension(format));
}

QByteArray pdf(const QList<int> &faceIndexes, CardSheet::Layout layout, const QPageSize &paper,
               const QString &title)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setCreator(QStringLiteral("Velmora"));
    writer.setTitle(title);
    writer.setPageSize(layout == CardSheet::Layout::CardPerPage ? CardSheet::cardPage() : paper);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&writer))
        return QByteArray();
    CardSheet::paint(painter, writer, faces(faceIndexes), layout);
    painter.end();
    return bytes;
}

void savePdf(const QList<int> &faceIndexes, const QString &path, CardSheet::Layout layout,
             const QPageSize &paper, const QString &title)
{
    const QByteArray bytes = pdf(faceIndexes, layout, paper, title);
    if (bytes.isEmpty())
        throw Failure(QStringLiteral("Cannot write %1: the document could not be made").arg(shown(path)));
    write(path, bytes);
}

QByteArray svg(int faceIndex, const QString &title)
{
#ifdef VELMORA_SVG
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setTitle(title);
    generator.setDescription(QStringLiteral("A playing card drawn by Velmora"));
    // The drawing in card units, declared 63 mm wide (the generator states
    // its size in millimetres from these two).
    const QSizeF mm = CardSheet::cardSizeMm();
    generator.setResolution(2540);
    generator.setSize(QSize(qRound(mm.width() * 100), qRound(mm.height() * 100)));
    generator.setViewBox(QRectF(0, 0, CardRenderer::PictureWidth, CardRenderer::PictureHeight));
    QPainter target;
    if (!target.begin(&generator))
        return QByteArray();
    {
        // The generator writes no clip paths: the corners and the clipped
        // parts of a figure are cut into the shapes before they reach it.
        ClipResolvingDevice device(&target, QSize(CardRenderer::PictureWidth, CardRenderer::PictureHeight));
        QPainter painter(&device);
        painter.setRenderHint(QPainter::Antialiasing, true);
        CardRenderer::paint(painter, QRectF(0, 0, CardRenderer::PictureWidth, CardRenderer::PictureHeight),
                            CardArt::face(faceIndex));
    }
    target.end();
    return bytes;
#else
    Q_UNUSED(faceIndex);
    Q_UNUSED(title);
    return QByteArray();
#endif
}

void save(const QPixmap &storedFace, int faceIndex, const QString &path, Format format, int pngWidth,
          const QString &title, FileReplacer::Batch *batch)
{
    // The picture's own size is the stored picture, byte for byte what the
    // save buttons have always written.
    if (format == Format::Bmp || (format == Format::Png && pngWidth == PictureWidth)) {
        CardExport::saveBitmap(storedFace, path,
                               format == Format::Bmp ? CardExport::ImageFormat::Bmp : CardExport::ImageFormat::Png,
                               batch);
        return;
    }
    if (faceIndex < 0 || faceIndex >= CardEntry::DeckSize)
        throw Failure(QStringLiteral("No card face to save as %1").arg(shown(path)));
    QByteArray bytes;
    if (format == Format::Png) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!CardRenderer::image(CardArt::face(faceIndex), pngWidth).save(&buffer, "PNG"))
            bytes.clear();
    } else if (format == Format::Svg) {
        bytes = svg(faceIndex, title);
    } else {
        bytes = pdf({faceIndex}, CardSheet::Layout::CardPerPage, CardSheet::cardPage(), title);
    }
    if (bytes.isEmpty())
        throw Failure(QStringLiteral("Cannot write %1: the picture could not be encoded").arg(shown(path)));
    write(path, bytes, batch);
}

} // namespace CardFile
