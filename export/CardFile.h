#pragma once

#include "render/CardSheet.h"

#include <QByteArray>
#include <QList>
#include <QPageSize>
#include <QString>
#include <optional>

class QPixmap;
namespace FileReplacer {
class Batch;
}

// A drawn card as a file in each form people take cards away in: the stored
// picture as a bitmap or PNG exactly as the save buttons write it, or drawn
// by the renderer at any size (PNG), as a drawing (SVG) or for print (PDF).
// Every file is written through the safe writer: an earlier file of that name
// survives any failure.
namespace CardFile {

enum class Format { Bmp, Png, Svg, Pdf };

QString extension(Format format);
// "bmp", "png", "svg", "pdf" in any case; nothing for anything else.
std::optional<Format> formatNamed(const QString &name);

// PNG widths: the picture's own, and the bounds of a drawn one.
constexpr int PictureWidth = CardRenderer::PictureWidth;
constexpr int MinWidth = 16;
constexpr int MaxWidth = 4096;
// The width of a card 63 mm wide printed at the given resolution.
int widthAtDpi(int dpi);

// The card's file in a folder: "<folder>/Card 17.svg", by the output folder's
// rules (throws Failure for an unusable folder text).
QString path(const QString &folderText, const QString &entryText, Format format);

// The resolution a PNG of the given width says, in dots per metre: the
// picture's own is a screen picture at 96 dpi (a bitmap's too); any other
// width is the card at its real width (63 mm, 2.5 in for poker, 2.25 in for
// bridge), in whole dots per inch: 744 px is 300 dpi, a 750 px poker card too.
int dotsPerMeter(int pngWidth, CardSize size = CardSize::Picture);

// One card's file as bytes, drawn and encoded without touching any shared
// state: safe on a pool thread. stored is the stored picture (BMP, and PNG at
// the picture's own width in the picture size); the title names the card
// inside an SVG or PDF. Empty when it could not be encoded.
QByteArray encode(const CardArt &art, const QImage &stored, Format format, int pngWidth, CardSize size,
                  const QString &title);
// Whether that form is the stored picture itself rather than a drawing.
bool usesStoredPicture(Format format, int pngWidth, CardSize size);

// Writes one face, the same bytes whichever way it is saved (the window's
// menu, the command line). storedFace is the face as the card face control
// holds it, used for a bitmap and for a PNG at the picture's own width;
// faceIndex (0..51) is the card the renderer draws for every other form, and
// names it inside an SVG or PDF; pngWidth is only for PNG. A PDF holds the
// card on a page of its own size. Throws Failure naming the path and the
// reason. With a batch the file takes its name only at the batch's commit.
void save(const QPixmap &storedFace, int faceIndex, const QString &path, Format format,
          int pngWidth = PictureWidth, FileReplacer::Batch *batch = nullptr);

// The bytes as the file at path through the safe writer, or into the batch.
// Throws Failure naming the path and the reason.
void write(const QString &path, const QByteArray &bytes, FileReplacer::Batch *batch = nullptr);

// The faces in order as one PDF document, on sheets of the given paper or one
// card per page.
QByteArray pdf(const QList<int> &faceIndexes, CardSheet::Layout layout, const QPageSize &paper,
               const QString &title);
// Any cards, at the options' size, bleed and backs. Empty when cancelled.
QByteArray pdf(const QList<CardArt> &cards, const PrintOptions &options, const QString &title,
               const Progress &progress = {});
void savePdf(const QList<int> &faceIndexes, const QString &path, CardSheet::Layout layout,
             const QPageSize &paper, const QString &title);

// The card as an SVG drawing at its real size (63 mm wide for the picture size).
QByteArray svg(int faceIndex, const QString &title);
QByteArray svg(const CardArt &art, CardSize size, const QString &title);

} // namespace CardFile
