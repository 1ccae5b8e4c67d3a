#pragma once

#include <QByteArrayView>
#include <QImage>

// Decodes the two picture formats of the card set straight from their bytes:
// the first image of a non-interlaced GIF (with its transparent colour) and uncompressed
// Windows bitmaps of 4, 8 or 24 bits with either header. Going through Qt's
// image plugins instead costs a scan of every installed plugin on first use,
// which was most of the program's start-up beyond the bare window, and makes
// the card set depend on the GIF plugin being deployed.
//
// Returns a null image for anything it cannot read; never reads past the data.
namespace PictureDecoder {

QImage decodeGif(QByteArrayView data);
QImage decodeBmp(QByteArrayView data);

} // namespace PictureDecoder
