#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QList>
#include <QPoint>
#include <optional>

// Decodes the picture formats the program ships straight from their bytes:
// the first image of a non-interlaced GIF (with its transparent colour),
// uncompressed Windows bitmaps of 4, 8 or 24 bits with either header, and the
// bitmap entries of icon and cursor files. Going through Qt's image plugins
// instead costs a scan of every installed plugin on first use, which was most
// of the program's start-up beyond the bare window, and makes the card set,
// the icon and the hand pointer depend on the GIF and ICO plugins being deployed.
//
// Returns a null image for anything it cannot read; never reads past the data.
namespace PictureDecoder {

QImage decodeGif(QByteArrayView data);
QImage decodeBmp(QByteArrayView data);

// The device-independent bitmap of an icon or cursor entry: header, colours,
// then the transparency mask; PNG-compressed entries are not read.
QImage decodeDib(QByteArrayView dib);

// The directory of an .ico or .cur file: whether it holds cursors, and how
// many pictures it lists.
struct IconDirectory {
    bool cursor = false;
    int count = 0;
};
// One picture of that directory.
struct IconEntry {
    // Where a cursor clicks; an icon keeps its colour planes and depth here.
    QPoint hotspot;
    // The picture's bytes, checked to lie within the file after the directory.
    QByteArrayView dib;
};
// Nothing when the bytes do not begin like an icon or cursor file.
std::optional<IconDirectory> readIconDirectory(QByteArrayView file);
// Nothing for an index the directory does not list, or an entry that is cut
// off, empty or points outside the file.
std::optional<IconEntry> readIconEntry(QByteArrayView file, int index);

// Every picture of an .ico or .cur file, in directory order; empty when any
// entry cannot be read.
QList<QImage> decodeIconFile(QByteArrayView data);

} // namespace PictureDecoder
