#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPoint>

// Windows icon (.ico) and cursor (.cur) files. Every image is stored as a
// bitmap (40-byte header, height doubled for the AND mask) rather than PNG,
// which every Windows version and Qt's own reader accept.
class IconWriter
{
public:
    struct Entry
    {
        QImage image;      // ARGB32; alpha below half counts as transparent in the mask
        int bitsPerPixel;  // 24 (mask only) or 32 (alpha channel plus mask)
    };

    static QByteArray icon(const QList<Entry> &entries);

    // One 32-bit image; the hotspot goes where icons keep planes and bit count
    // (header bytes 10 to 13), which is where cursor readers look for it.
    static QByteArray cursor(const QImage &image, QPoint hotspot);

private:
    static QByteArray directoryFile(int type, const QList<Entry> &entries, QPoint hotspot);
    static QByteArray dib(const Entry &entry);
};
