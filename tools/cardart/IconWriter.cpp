#include "tools/cardart/IconWriter.h"

#include "tools/cardart/ByteSink.h"

QByteArray IconWriter::icon(const QList<Entry> &entries)
{
    return directoryFile(1, entries, QPoint());
}

QByteArray IconWriter::cursor(const QImage &image, QPoint hotspot)
{
    return directoryFile(2, {Entry{image, 32}}, hotspot);
}

QByteArray IconWriter::directoryFile(int type, const QList<Entry> &entries, QPoint hotspot)
{
    QList<QByteArray> images;
    for (const Entry &e : entries)
        images.append(dib(e));

    ByteSink out;
    out.u16(0);
    out.u16(quint16(type));
    out.u16(quint16(entries.size()));
    quint32 offset = quint32(6 + 16 * entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QImage &img = entries[i].image;
        // 256 does not fit a byte; the format writes it as 0.
        out.u8(quint8(img.width() >= 256 ? 0 : img.width()));
        out.u8(quint8(img.height() >= 256 ? 0 : img.height()));
        out.u8(0);
        out.u8(0);
        if (type == 2) {
            out.u16(quint16(hotspot.x()));
            out.u16(quint16(hotspot.y()));
        } else {
            out.u16(1);
            out.u16(quint16(entries[i].bitsPerPixel));
        }
        out.u32(quint32(images[i].size()));
        out.u32(offset);
        offset += quint32(images[i].size());
    }
    for (const QByteArray &b : images)
        out.bytes(b);
    return out.data();
}

QByteArray IconWriter::dib(const Entry &entry)
{
    const QImage image = entry.image.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();
    const int bpp = entry.bitsPerPixel;
    const int colourRow = ((w * bpp + 31) / 32) * 4;
    const int maskRow = ((w + 31) / 32) * 4;

    ByteSink out;
    out.u32(40);
    out.u32(quint32(w));
    out.u32(quint32(h * 2));
    out.u16(1);
    out.u16(quint16(bpp));
    out.u32(0);
    out.u32(quint32((colourRow + maskRow) * h));
    out.u32(0);
    out.u32(0);
    out.u32(0);
    out.u32(0);
    for (int y = h - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        QByteArray row(colourRow, '\0');
        for (int x = 0; x < w; ++x) {
            const QRgb p = line[x];
            const bool shown = qAlpha(p) >= 128;
            if (bpp == 32) {
                row[x * 4] = char(qBlue(p));
                row[x * 4 + 1] = char(qGreen(p));
                row[x * 4 + 2] = char(qRed(p));
                row[x * 4 + 3] = char(qAlpha(p));
            } else {
                // The 24-bit image has no alpha: a hidden pixel must be black
                // so the AND/XOR pair leaves the desktop untouched there.
                row[x * 3] = char(shown ? qBlue(p) : 0);
                row[x * 3 + 1] = char(shown ? qGreen(p) : 0);
                row[x * 3 + 2] = char(shown ? qRed(p) : 0);
            }
        }
        out.bytes(row);
    }
    for (int y = h - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        QByteArray row(maskRow, '\0');
        for (int x = 0; x < w; ++x)
            if (qAlpha(line[x]) < 128)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        out.bytes(row);
    }
    return out.data();
}
