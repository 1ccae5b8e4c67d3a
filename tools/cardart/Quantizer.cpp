#include "tools/cardart/Quantizer.h"

#include <algorithm>
#include <map>

namespace {

int distance(QRgb a, QRgb b)
{
    // Weighted toward green the way the eye is, so greys and skin tones pick
    // the entry that looks closest rather than the one closest in raw numbers.
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

QRgb opaque(QRgb p) { return p | 0xff000000u; }

} // namespace

int Quantizer::nearest(QRgb colour, const QList<QRgb> &palette, int count)
{
    int best = 0;
    int bestDistance = distance(colour, palette[0]);
    for (int i = 1; i < count; ++i) {
        const int d = distance(colour, palette[i]);
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

IndexedPicture Quantizer::toGifPalette(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    IndexedPicture out;
    out.width = image.width();
    out.height = image.height();
    out.transparentIndex = TransparentIndex;

    // Exact colours first; a std::map keeps the order independent of hashing.
    std::map<QRgb, int> exact;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) >= 128)
                ++exact[opaque(line[x])];
    }

    std::vector<std::pair<int, QRgb>> chosen; // (use count, colour)
    if (exact.size() <= 255) {
        for (const auto &[colour, count] : exact)
            chosen.emplace_back(count, colour);
    } else {
        // Popularity over 5-bit cells, each cell represented by its mean colour.
        struct Cell { int count = 0; qint64 r = 0, g = 0, b = 0; };
        std::map<int, Cell> cells;
        for (const auto &[colour, count] : exact) {
            const int key = (qRed(colour) >> 3) << 10 | (qGreen(colour) >> 3) << 5 | (qBlue(colour) >> 3);
            Cell &c = cells[key];
            c.count += count;
            c.r += qint64(qRed(colour)) * count;
            c.g += qint64(qGreen(colour)) * count;
            c.b += qint64(qBlue(colour)) * count;
        }
        for (const auto &entry : cells) {
            const Cell &c = entry.second;
            const auto mean = [&](qint64 sum) { return int((sum + c.count / 2) / c.count); };
            chosen.emplace_back(c.count, qRgb(mean(c.r), mean(c.g), mean(c.b)));
        }
    }
    // Most used first, ties by colour value, so index 0 (the GIF background
    // index) is the picture's main colour: a reader that paints the background
    // colour paints the card's own white.
    std::stable_sort(chosen.begin(), chosen.end(), [](const auto &a, const auto &b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    if (chosen.size() > 255)
        chosen.resize(255);

    out.palette.fill(qRgb(0, 0, 0), 256);
    QList<QRgb> opaqueTable; // the opaque entries in table order, for the search
    QList<int> tableIndex;
    int slot = 0;
    for (const auto &entry : chosen) {
        if (slot == TransparentIndex)
            ++slot;
        out.palette[slot] = entry.second;
        opaqueTable.append(entry.second);
        tableIndex.append(slot);
        ++slot;
    }
    // The transparent slot carries white so a reader that ignores transparency
    // shows the card's corners as paper rather than as a stray colour.
    out.palette[TransparentIndex] = qRgb(255, 255, 255);

    std::map<QRgb, uint8_t> memo;
    out.pixels.resize(size_t(out.width) * size_t(out.height));
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            uint8_t index = TransparentIndex;
            if (qAlpha(line[x]) >= 128 && !opaqueTable.isEmpty()) {
                const QRgb c = opaque(line[x]);
                auto it = memo.find(c);
                if (it == memo.end())
                    it = memo.emplace(c, uint8_t(tableIndex[nearest(c, opaqueTable, int(opaqueTable.size()))])).first;
                index = it->second;
            }
            out.pixels[size_t(y) * size_t(out.width) + size_t(x)] = index;
        }
    }
    return out;
}

IndexedPicture Quantizer::toFixedPalette(const QImage &source, const QList<QRgb> &palette)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    IndexedPicture out;
    out.width = image.width();
    out.height = image.height();
    out.palette = palette;
    out.pixels.resize(size_t(out.width) * size_t(out.height));
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            out.pixels[size_t(y) * size_t(out.width) + size_t(x)] =
                uint8_t(nearest(opaque(line[x]), palette, int(palette.size())));
    }
    return out;
}

QList<QRgb> Quantizer::classic16()
{
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}
