#include "pictures/PictureDecoder.h"

#include "core/LittleEndian.h"

#include <QList>
#include <array>
#include <cstring>
#include <cstdint>

namespace PictureDecoder {

namespace {

// Far beyond any picture of the set, far below what could exhaust memory.
constexpr int maxSide = 4096;

using LittleEndian::Reader;
using LittleEndian::u16At;
using LittleEndian::u32At;

bool readColourTable(Reader &in, int entries, QList<QRgb> &table)
{
    table.resize(entries);
    for (int i = 0; i < entries; ++i) {
        quint8 r = 0, g = 0, b = 0;
        if (!in.u8(r) || !in.u8(g) || !in.u8(b))
            return false;
        table[i] = qRgb(r, g, b);
    }
    return true;
}

// Skips data sub-blocks up to and including the terminating empty one.
bool skipSubBlocks(Reader &in)
{
    for (;;) {
        quint8 n = 0;
        if (!in.u8(n))
            return false;
        if (n == 0)
            return true;
        if (!in.skip(n))
            return false;
    }
}

// Variable-width LZW as GIF uses it, codes packed from the least significant
// bit, split into sub-blocks. Fills `indices` (width * height entries) and
// returns false on malformed data.
bool decodeLzw(Reader &in, int minCodeSize, QByteArray &indices)
{
    if (minCodeSize < 2 || minCodeSize > 8)
        return false;
    constexpr int maxCodes = 4096;
    // Every string in the table is already in the output: an entry is the
    // string written before it and the first byte written after, which sit
    // side by side there. So an entry is where its string starts and how long
    // it is, and a code copies its bytes from that place; a picture's flat
    // areas make long strings, copied whole instead of walked byte by byte.
    std::array<qsizetype, maxCodes> position{};
    std::array<quint16, maxCodes> length{};

    const int clear = 1 << minCodeSize;
    const int end = clear + 1;
    int codeSize = minCodeSize + 1;
    int next = clear + 2;
    int previous = -1;
    qsizetype previousAt = 0; // where the previous code's string starts in the output
    qsizetype out = 0;
    const qsizetype wanted = indices.size();
    auto *const target = reinterpret_cast<quint8 *>(indices.data());
    quint32 bits = 0;
    int bitCount = 0;
    bool ended = false;
    for (int i = 0; i < clear; ++i)
        length[i] = 1;

    for (;;) {
        quint8 blockSize = 0;
        if (!in.u8(blockSize))
            return false;
        if (blockSize == 0)
            break;
        if (!in.has(blockSize))
            return false;
        const auto *block = reinterpret_cast<const quint8 *>(in.here());
        in.skip(blockSize);
        for (int b = 0; b < blockSize && !ended; ++b) {
            bits |= quint32(block[b]) << bitCount;
            bitCount += 8;
            while (bitCount >= codeSize) {
                const int code = int(bits & ((1u << codeSize) - 1));
                bits >>= codeSize;
                bitCount -= codeSize;
                if (code == clear) {
                    codeSize = minCodeSize + 1;
                    next = clear + 2;
                    previous = -1;
                    continue;
                }
                if (code == end) {
                    ended = true;
                    break;
                }
                // After a clear only a single byte may come; then any code
                // in the table, or the one being built.
                if (code >= maxCodes || code > (previous < 0 ? clear - 1 : next))
                    return false;
                const int previousLength = previous < 0 ? 0 : length[previous];
                // The one code that may name the entry being built: the
                // previous string followed by its own first byte.
                const bool building = previous >= 0 && code == next;
                const qsizetype len = building ? previousLength + 1 : length[code];
                if (out + len > wanted)
                    return false;
                if (code < clear) {
                    target[out] = quint8(code);
                } else if (building) {
                    // The previous string ends where this one begins.
                    std::memcpy(target + out, target + previousAt, size_t(previousLength));
                    target[out + previousLength] = target[previousAt];
                } else {
                    std::memcpy(target + out, target + position[code], size_t(len));
                }
                if (previous >= 0 && next < maxCodes) {
                    position[next] = previousAt;
                    length[next] = quint16(previousLength + 1);
                    ++next;
                    if (next == (1 << codeSize) && codeSize < 12)
                        ++codeSize;
                }
                previous = code;
                previousAt = out;
                out += len;
            }
        }
        if (ended)
            return skipSubBlocks(in) && out == wanted;
    }
    return out == wanted;
}

} // namespace

QImage decodeGif(QByteArrayView data)
{
    Reader in(data);
    if (!in.has(6) || (QByteArrayView(in.here(), 6) != "GIF89a" && QByteArrayView(in.here(), 6) != "GIF87a"))
        return {};
    in.skip(6);
    quint16 screenWidth = 0, screenHeight = 0;
    quint8 packed = 0, background = 0, aspect = 0;
    if (!in.u16(screenWidth) || !in.u16(screenHeight) || !in.u8(packed) || !in.u8(background)
        || !in.u8(aspect))
        return {};
    // A damaged size field must not turn into a gigabyte allocation.
    if (screenWidth == 0 || screenHeight == 0 || screenWidth > maxSide || screenHeight > maxSide)
        return {};
    QList<QRgb> global;
    if ((packed & 0x80) && !readColourTable(in, 2 << (packed & 7), global))
        return {};

    int transparent = -1;
    for (;;) {
        quint8 introducer = 0;
        if (!in.u8(introducer))
            return {};
        if (introducer == 0x21) {
            quint8 label = 0;
            if (!in.u8(label))
                return {};
            if (label == 0xf9) {
                quint8 size = 0, flags = 0, index = 0;
                quint16 delay = 0;
                if (!in.u8(size) || size != 4 || !in.u8(flags) || !in.u16(delay) || !in.u8(index))
                    return {};
                transparent = (flags & 1) ? index : -1;
            }
            if (!skipSubBlocks(in))
                return {};
            continue;
        }
        if (introducer != 0x2c)
            return {}; // the trailer before any image, or garbage
        quint16 left = 0, top = 0, width = 0, height = 0;
        quint8 flags = 0;
        if (!in.u16(left) || !in.u16(top) || !in.u16(width) || !in.u16(height) || !in.u8(flags))
            return {};
        QList<QRgb> table = global;
        if ((flags & 0x80) && !readColourTable(in, 2 << (flags & 7), table))
            return {};
        // The set's pictures are never interlaced; refusing that form keeps
        // this reader to what it is used for.
        if (table.isEmpty() || width == 0 || height == 0 || left + width > screenWidth
            || top + height > screenHeight || (flags & 0x40))
            return {};
        quint8 minCodeSize = 0;
        if (!in.u8(minCodeSize))
            return {};
        QByteArray indices(qsizetype(width) * height, '\0');
        if (!decodeLzw(in, minCodeSize, indices))
            return {};

        // Every pixel is opaque or wholly transparent black, the same bytes
        // premultiplied or not: premultiplied, as pixmaps keep them, a
        // picture needs no second image to be shown.
        QImage image(screenWidth, screenHeight, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        // One lookup per pixel: the transparent index and indices past the
        // table both come out as fully transparent.
        std::array<QRgb, 256> colours{};
        for (qsizetype i = 0; i < table.size() && i < 256; ++i)
            colours[i] = i == transparent ? qRgba(0, 0, 0, 0) : table.at(i);
        for (int y = 0; y < height; ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(top + y)) + left;
            const auto *source = reinterpret_cast<const quint8 *>(indices.constData()) + qsizetype(y) * width;
            for (int x = 0; x < width; ++x)
                line[x] = colours[source[x]];
        }
        return image;
    }
}


namespace {

// The header of a device-independent bitmap in either of its forms: the old
// 12-byte core header (16-bit sizes, 3-byte colours) or the info header of 40
// bytes or more. A bitmap file carries one after its 14-byte file header, an
// icon or cursor entry starts with one.
struct DibHeader {
    quint32 size = 0;
    qint64 width = 0;
    qint64 height = 0; // negative: rows stored from the top down
    int bitsPerPixel = 0;
    bool compressed = false;
    int colours = 0; // palette entries declared; 0 or too many mean all the depth allows
    int colourSize = 4;
};

std::optional<DibHeader> readDibHeader(QByteArrayView data, qsizetype at)
{
    DibHeader header;
    header.size = u32At(data, at);
    if (header.size == 12) {
        header.width = u16At(data, at + 4);
        header.height = qint16(u16At(data, at + 6));
        header.bitsPerPixel = u16At(data, at + 10);
        header.colourSize = 3;
    } else if (header.size >= 40) {
        header.width = qint32(u32At(data, at + 4));
        header.height = qint32(u32At(data, at + 8));
        header.bitsPerPixel = u16At(data, at + 14);
        header.compressed = u32At(data, at + 16) != 0;
        header.colours = int(u32At(data, at + 32));
    } else {
        return std::nullopt;
    }
    return header;
}

// Reads the palette of a bitmap of up to 8 bits a pixel at `at`; returns where
// the palette ends, or -1 when it reaches past the data.
qsizetype readPalette(QByteArrayView data, qsizetype at, const DibHeader &header, QList<QRgb> &palette)
{
    if (header.bitsPerPixel > 8)
        return at;
    const int maximum = 1 << header.bitsPerPixel;
    const int entries = header.colours <= 0 || header.colours > maximum ? maximum : header.colours;
    const qsizetype end = at + qsizetype(entries) * header.colourSize;
    if (end > data.size())
        return -1;
    const auto *bytes = reinterpret_cast<const quint8 *>(data.data());
    palette.reserve(entries);
    for (qsizetype p = at; p < end; p += header.colourSize)
        palette.append(qRgb(bytes[p + 2], bytes[p + 1], bytes[p]));
    return end;
}

// Bytes in one stored row: rows are padded to whole 32-bit words.
qsizetype rowBytes(qint64 width, int bitsPerPixel)
{
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

// Fills `image` (its size and format the caller's) from the rows stored at
// `at`, bottom row first unless `topDown`; the caller has checked that they
// lie within the data. Returns whether a 32-bit picture carries any alpha.
bool readRows(QByteArrayView data, qsizetype at, int bitsPerPixel, bool topDown, const QList<QRgb> &palette,
              QImage &image)
{
    const auto *bytes = reinterpret_cast<const quint8 *>(data.data());
    const int width = image.width();
    const int height = image.height();
    const qsizetype stride = rowBytes(width, bitsPerPixel);
    // An index past the palette shows black rather than reading beyond it.
    const auto colour = [&palette](int index) { return index < palette.size() ? palette[index] : qRgb(0, 0, 0); };
    bool anyAlpha = false;
    for (int y = 0; y < height; ++y) {
        const quint8 *row = bytes + at + stride * (topDown ? y : height - 1 - y);
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        switch (bitsPerPixel) {
        case 32:
            for (int x = 0; x < width; ++x, row += 4) {
                line[x] = qRgba(row[2], row[1], row[0], row[3]);
                anyAlpha = anyAlpha || row[3] != 0;
            }
            break;
        case 24:
            for (int x = 0; x < width; ++x, row += 3)
                line[x] = qRgb(row[2], row[1], row[0]);
            break;
        case 8:
            for (int x = 0; x < width; ++x)
                line[x] = colour(row[x]);
            break;
        default: // 4
            for (int x = 0; x < width; ++x)
                line[x] = colour(x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2] & 0x0f);
            break;
        }
    }
    return anyAlpha;
}

constexpr qsizetype iconHeaderSize = 6;
constexpr qsizetype iconEntrySize = 16;

} // namespace

QImage decodeBmp(QByteArrayView data)
{
    if (data.size() < 26 || data[0] != 'B' || data[1] != 'M')
        return {};
    const std::optional<DibHeader> header = readDibHeader(data, 14);
    if (!header || header->compressed)
        return {};
    qint64 width = header->width;
    qint64 height = header->height;
    const bool topDown = height < 0;
    if (topDown)
        height = -height;
    if (width <= 0 || height <= 0 || width > maxSide || height > maxSide)
        return {};
    const int bitsPerPixel = header->bitsPerPixel;
    if (bitsPerPixel != 4 && bitsPerPixel != 8 && bitsPerPixel != 24)
        return {};
    QList<QRgb> palette;
    if (readPalette(data, 14 + qsizetype(header->size), *header, palette) < 0)
        return {};
    const qsizetype pixels = u32At(data, 10);
    if (pixels + rowBytes(width, bitsPerPixel) * height > data.size())
        return {};

    QImage image(int(width), int(height), QImage::Format_RGB32);
    readRows(data, pixels, bitsPerPixel, topDown, palette, image);
    return image;
}

QImage decodeDib(QByteArrayView dib)
{
    const std::optional<DibHeader> header = readDibHeader(dib, 0);
    if (dib.size() < 40 || !header || header->size < 40 || header->compressed)
        return {};
    const qint64 width = header->width;
    const qint64 height = header->height / 2; // the colour picture, then its mask
    const int bitsPerPixel = header->bitsPerPixel;
    if (width <= 0 || height <= 0 || width > maxSide || height > maxSide)
        return {};
    if (bitsPerPixel != 4 && bitsPerPixel != 8 && bitsPerPixel != 24 && bitsPerPixel != 32)
        return {};
    QList<QRgb> palette;
    const qsizetype pixels = readPalette(dib, header->size, *header, palette);
    if (pixels < 0)
        return {};
    const qsizetype maskStride = rowBytes(width, 1);
    const qsizetype maskAt = pixels + rowBytes(width, bitsPerPixel) * height;
    if (maskAt + maskStride * height > dib.size())
        return {};

    QImage image(int(width), int(height), QImage::Format_ARGB32);
    // A picture with its own alpha says what is transparent; otherwise the mask
    // does, one bit a pixel, set where the picture is see-through.
    if (!readRows(dib, pixels, bitsPerPixel, false, palette, image)) {
        const auto *bytes = reinterpret_cast<const quint8 *>(dib.data());
        for (int y = 0; y < height; ++y) {
            const quint8 *row = bytes + maskAt + maskStride * (height - 1 - y);
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < width; ++x) {
                const bool clear = (row[x / 8] >> (7 - x % 8)) & 1;
                line[x] = clear ? qRgba(0, 0, 0, 0) : (line[x] | 0xff000000u);
            }
        }
    }
    return image;
}

std::optional<IconDirectory> readIconDirectory(QByteArrayView file)
{
    if (file.size() < iconHeaderSize || u16At(file, 0) != 0)
        return std::nullopt;
    const quint16 type = u16At(file, 2);
    if (type != 1 && type != 2)
        return std::nullopt;
    return IconDirectory{type == 2, u16At(file, 4)};
}

std::optional<IconEntry> readIconEntry(QByteArrayView file, int index)
{
    const std::optional<IconDirectory> directory = readIconDirectory(file);
    if (!directory || index < 0 || index >= directory->count)
        return std::nullopt;
    const qsizetype entry = iconHeaderSize + qsizetype(index) * iconEntrySize;
    if (entry + iconEntrySize > file.size())
        return std::nullopt;
    const quint32 size = u32At(file, entry + 8);
    const quint32 offset = u32At(file, entry + 12);
    // A picture inside the directory itself, or an empty one, is damage.
    const qsizetype directoryEnd = iconHeaderSize + qsizetype(directory->count) * iconEntrySize;
    if (size == 0 || offset < directoryEnd || offset > quint32(file.size()) || size > quint32(file.size()) - offset)
        return std::nullopt;
    return IconEntry{QPoint(u16At(file, entry + 4), u16At(file, entry + 6)), file.sliced(offset, size)};
}

QList<QImage> decodeIconFile(QByteArrayView data)
{
    const std::optional<IconDirectory> directory = readIconDirectory(data);
    if (!directory)
        return {};
    QList<QImage> images;
    for (int i = 0; i < directory->count; ++i) {
        const std::optional<IconEntry> entry = readIconEntry(data, i);
        if (!entry)
            return {};
        const QImage image = decodeDib(entry->dib);
        if (image.isNull())
            return {};
        images.append(image);
    }
    return images;
}

} // namespace PictureDecoder
