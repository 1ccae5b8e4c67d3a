#pragma once

#include <QImage>
#include <QList>
#include <QRgb>
#include <cstdint>
#include <vector>

// A picture as palette indexes, ready for an indexed file format.
struct IndexedPicture
{
    int width = 0;
    int height = 0;
    QList<QRgb> palette;          // always the full table size of the target format
    std::vector<uint8_t> pixels;  // row-major, top row first
    int transparentIndex = -1;    // -1 when the picture has no transparent colour
};

// Reduces a picture to a palette, deterministically: the same input gives the
// same table and the same indexes on every machine, without dithering.
class Quantizer
{
public:
    // Up to 255 opaque colours plus one transparent slot at TransparentIndex.
    // A pixel whose alpha is below half is transparent. When the picture uses
    // few enough colours they are kept exactly; otherwise the most used colour
    // cells (5 bits per channel) become the table and every pixel takes the
    // nearest entry.
    static constexpr int TransparentIndex = 1;
    static IndexedPicture toGifPalette(const QImage &image);

    // Nearest entry of a fixed table, alpha ignored (for the small bitmaps).
    static IndexedPicture toFixedPalette(const QImage &image, const QList<QRgb> &palette);

    // The sixteen colours of the classic 4-bit display palette.
    static QList<QRgb> classic16();

    static int nearest(QRgb colour, const QList<QRgb> &palette, int count);
};
