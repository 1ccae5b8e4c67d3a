#include "cardface/PictureDecoder.h"

#include <QList>
#include <array>
#include <cstdint>

namespace PictureDecoder {

namespace {

// Far beyond any picture of the set, far below what could exhaust memory.
constexpr int maxSide = 4096;

// Bounds-checked little-endian reading over the picture's bytes.
class Bytes
{
public:
    explicit Bytes(QByteArrayView data) : m_data(data) {}

    bool has(qsizetype n) const { return n >= 0 && m_pos + n <= m_data.size(); }
    bool skip(qsizetype n)
    {
        if (!has(n))
            return false;
        m_pos += n;
        return true;
    }
    bool u8(quint8 &v)
    {
        if (!has(1))
            return false;
        v = quint8(m_data[m_pos++]);
        return true;
    }
    bool u16(quint16 &v)
    {
        quint8 lo = 0, hi = 0;
        if (!u8(lo) || !u8(hi))
            return false;
        v = quint16(lo | (hi << 8));
        return true;
    }
    quint32 u32At(qsizetype at) const
    {
        if (at < 0 || at + 4 > m_data.size())
            return 0;
        const auto b = [&](qsizetype i) { return quint32(quint8(m_data[at + i])); };
        return b(0) | (b(1) << 8) | (b(2) << 16) | (b(3) << 24);
    }
    quint16 u16At(qsizetype at) const
    {
        if (at < 0 || at + 2 > m_data.size())
            return 0;
        return quint16(quint8(m_data[at]) | (quint8(m_data[at + 1]) << 8));
    }
    const char *here() const { return m_data.data() + m_pos; }
    qsizetype pos() const { return m_pos; }
    qsizetype size() const { return m_data.size(); }
    quint8 at(qsizetype i) const { return quint8(m_data[i]); }

private:
    QByteArrayView m_data;
    qsizetype m_pos = 0;
};

bool readColourTable(Bytes &in, int entries, QList<QRgb> &table)
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
bool skipSubBlocks(Bytes &in)
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
bool decodeLzw(Bytes &in, int minCodeSize, QByteArray &indices)
{
    if (minCodeSize < 2 || minCodeSize > 8)
        return false;
    constexpr int maxCodes = 4096;
    // Each code's string is its prefix code's string plus one suffix byte;
    // knowing its length and first byte lets it be written straight into
    // place, back to front, without a stack.
    std::array<quint16, maxCodes> prefix{};
    std::array<quint8, maxCodes> suffix{};
    std::array<quint8, maxCodes> head{};
    std::array<quint16, maxCodes> length{};

    const int clear = 1 << minCodeSize;
    const int end = clear + 1;
    int codeSize = minCodeSize + 1;
    int next = clear + 2;
    int previous = -1;
    qsizetype out = 0;
    const qsizetype wanted = indices.size();
    auto *const target = reinterpret_cast<quint8 *>(indices.data());
    quint32 bits = 0;
    int bitCount = 0;
    bool ended = false;

    for (int i = 0; i < clear; ++i) {
        suffix[i] = quint8(i);
        head[i] = quint8(i);
        length[i] = 1;
    }

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
                if (previous < 0) {
                    if (code >= clear || out >= wanted)
                        return false;
                    target[out++] = quint8(code);
                    previous = code;
                    continue;
                }
                if (code > next || code >= maxCodes)
                    return false;
                // The one code that may name the entry being built: the
                // previous string followed by its own first byte.
                const bool building = code == next;
                const int len = building ? length[previous] + 1 : length[code];
                const quint8 first = building ? head[previous] : head[code];
                if (out + len > wanted)
                    return false;
                quint8 *at = target + out + len - 1;
                int walk = code;
                if (building) {
                    *at-- = first;
                    walk = previous;
                }
                while (walk >= clear) {
                    *at-- = suffix[walk];
                    walk = prefix[walk];
                }
                *at = quint8(walk);
                out += len;
                if (next < maxCodes) {
                    prefix[next] = quint16(previous);
                    suffix[next] = first;
                    head[next] = head[previous];
                    length[next] = quint16(length[previous] + 1);
                    ++next;
                    if (next == (1 << codeSize) && codeSize < 12)
                        ++codeSize;
                }
                previous = code;
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
    Bytes in(data);
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

        QImage image(screenWidth, screenHeight, QImage::Format_ARGB32);
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

QImage decodeDib(QByteArrayView dib)
{
    Bytes in(dib);
    if (dib.size() < 40 || in.u32At(0) < 40)
        return {};
    const quint32 headerSize = in.u32At(0);
    const qint64 width = qint32(in.u32At(4));
    const qint64 height = qint32(in.u32At(8)) / 2; // the colour picture, then its mask
    const int bitsPerPixel = in.u16At(14);
    if (in.u32At(16) != 0 || width <= 0 || height <= 0 || width > maxSide || height > maxSide)
        return {};
    if (bitsPerPixel != 4 && bitsPerPixel != 8 && bitsPerPixel != 24 && bitsPerPixel != 32)
        return {};
    QList<QRgb> palette;
    qsizetype at = headerSize;
    if (bitsPerPixel <= 8) {
        int entries = int(in.u32At(32));
        if (entries <= 0 || entries > (1 << bitsPerPixel))
            entries = 1 << bitsPerPixel;
        if (at + qsizetype(entries) * 4 > dib.size())
            return {};
        for (int i = 0; i < entries; ++i, at += 4)
            palette.append(qRgb(in.at(at + 2), in.at(at + 1), in.at(at)));
    }
    const qsizetype stride = ((width * bitsPerPixel + 31) / 32) * 4;
    const qsizetype maskStride = ((width + 31) / 32) * 4;
    const qsizetype maskAt = at + stride * height;
    if (maskAt + maskStride * height > dib.size())
        return {};

    QImage image(int(width), int(height), QImage::Format_ARGB32);
    bool anyAlpha = false;
    for (int y = 0; y < height; ++y) {
        const qsizetype row = at + stride * (height - 1 - y);
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if (bitsPerPixel == 32) {
                const qsizetype p = row + qsizetype(x) * 4;
                line[x] = qRgba(in.at(p + 2), in.at(p + 1), in.at(p), in.at(p + 3));
                anyAlpha = anyAlpha || in.at(p + 3) != 0;
            } else if (bitsPerPixel == 24) {
                const qsizetype p = row + qsizetype(x) * 3;
                line[x] = qRgb(in.at(p + 2), in.at(p + 1), in.at(p));
            } else {
                const int index = bitsPerPixel == 8 ? in.at(row + x)
                    : (x % 2 == 0 ? in.at(row + x / 2) >> 4 : in.at(row + x / 2) & 0x0f);
                line[x] = index < palette.size() ? palette[index] : qRgb(0, 0, 0);
            }
        }
    }
    // A picture with its own alpha says what is transparent; otherwise the mask
    // does, one bit a pixel, set where the picture is see-through.
    if (!anyAlpha) {
        for (int y = 0; y < height; ++y) {
            const qsizetype row = maskAt + maskStride * (height - 1 - y);
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < width; ++x) {
                const bool clear = (in.at(row + x / 8) >> (7 - x % 8)) & 1;
                line[x] = clear ? qRgba(0, 0, 0, 0) : (line[x] | 0xff000000u);
            }
        }
    }
    return image;
}

QList<QImage> decodeIconFile(QByteArrayView data)
{
    Bytes in(data);
    if (data.size() < 6 || in.u16At(0) != 0 || (in.u16At(2) != 1 && in.u16At(2) != 2))
        return {};
    const int count = in.u16At(4);
    QList<QImage> images;
    for (int i = 0; i < count; ++i) {
        const qsizetype entry = 6 + qsizetype(i) * 16;
        if (entry + 16 > data.size())
            return {};
        const quint32 size = in.u32At(entry + 8);
        const quint32 offset = in.u32At(entry + 12);
        if (offset > quint32(data.size()) || size > quint32(data.size()) - offset)
            return {};
        const QImage image = decodeDib(data.sliced(offset, size));
        if (image.isNull())
            return {};
        images.append(image);
    }
    return images;
}

QImage decodeBmp(QByteArrayView data)
{
    Bytes in(data);
    if (data.size() < 26 || in.at(0) != 'B' || in.at(1) != 'M')
        return {};
    const quint32 pixelOffset = in.u32At(10);
    const quint32 headerSize = in.u32At(14);
    qint64 width = 0, height = 0;
    int bitsPerPixel = 0;
    int paletteEntrySize = 0;
    int paletteEntries = 0;
    if (headerSize == 12) {
        width = in.u16At(18);
        height = qint16(in.u16At(20));
        bitsPerPixel = in.u16At(24);
        paletteEntrySize = 3;
    } else if (headerSize >= 40) {
        width = qint32(in.u32At(18));
        height = qint32(in.u32At(22));
        bitsPerPixel = in.u16At(28);
        if (in.u32At(30) != 0) // compressed
            return {};
        paletteEntries = int(in.u32At(46));
        paletteEntrySize = 4;
    } else {
        return {};
    }
    const bool topDown = height < 0;
    if (topDown)
        height = -height;
    if (width <= 0 || height <= 0 || width > maxSide || height > maxSide)
        return {};
    if (bitsPerPixel != 4 && bitsPerPixel != 8 && bitsPerPixel != 24)
        return {};

    QList<QRgb> palette;
    if (bitsPerPixel <= 8) {
        const int maximum = 1 << bitsPerPixel;
        if (paletteEntries <= 0 || paletteEntries > maximum)
            paletteEntries = maximum;
        const qsizetype at = 14 + headerSize;
        if (at + qsizetype(paletteEntries) * paletteEntrySize > data.size())
            return {};
        for (int i = 0; i < paletteEntries; ++i) {
            const qsizetype p = at + qsizetype(i) * paletteEntrySize;
            palette.append(qRgb(in.at(p + 2), in.at(p + 1), in.at(p)));
        }
    }
    const qsizetype stride = ((width * bitsPerPixel + 31) / 32) * 4;
    if (qsizetype(pixelOffset) + stride * height > data.size())
        return {};

    QImage image(int(width), int(height), QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const qsizetype rowStart = qsizetype(pixelOffset) + stride * (topDown ? y : height - 1 - y);
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if (bitsPerPixel == 24) {
                const qsizetype p = rowStart + qsizetype(x) * 3;
                line[x] = qRgb(in.at(p + 2), in.at(p + 1), in.at(p));
                continue;
            }
            int index = 0;
            if (bitsPerPixel == 8)
                index = in.at(rowStart + x);
            else
                index = (x % 2 == 0) ? in.at(rowStart + x / 2) >> 4 : in.at(rowStart + x / 2) & 0x0f;
            line[x] = index < palette.size() ? palette[index] : qRgb(0, 0, 0);
        }
    }
    return image;
}

} // namespace PictureDecoder
