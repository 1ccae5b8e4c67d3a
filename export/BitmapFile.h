#pragma once

#include "export/CardFile.h"

class QImage;
class QPixmap;

// The stored face as a file, exactly as the save buttons write it.
namespace BitmapFile {

// The face as a saved bitmap holds it: opaque, its corners white. Also what
// the clipboard and a drag hand to other programs.
QImage opaqueFace(const QPixmap &face);
QImage opaqueImage(const QImage &face);

// The face's file as bytes, from a face already an image: safe on any thread
// (no pixmap in it). Empty when it could not be encoded.
QByteArray encode(const QImage &face, CardFile::Format format);

// Writes the face at its own size atomically: an earlier file of that name
// survives any failure, and an entry of that name that is a link is replaced,
// never written through. A bitmap (CardFile::Format::Bmp) is 24 bits per pixel
// on white (see opaqueFace), a PNG (any other format) the face as it is. Throws
// Failure with the system's reason and the path. With a batch the file takes
// its name at the batch's commit(), whose failures CardPaths::writeFailure()
// words the same way.
void save(const QPixmap &face, const QString &path, CardFile::Format format = CardFile::Format::Bmp,
          FileReplacer::Batch *batch = nullptr);

} // namespace BitmapFile
