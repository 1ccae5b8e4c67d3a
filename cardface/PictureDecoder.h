#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QList>

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
// Every picture of an .ico or .cur file, in directory order; empty when any
// entry cannot be read.
QList<QImage> decodeIconFile(QByteArrayView data);

} // namespace PictureDecoder
