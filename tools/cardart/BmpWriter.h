#pragma once

#include "tools/cardart/Quantizer.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// The two Windows bitmap layouts of the picture set. QImage writes only the
// 40-byte header, so the small 4-bit details, which use the older 12-byte core
// header, are laid out here byte by byte; the icon goes the same way so both
// stay under this tool's control.
class BmpWriter
{
public:
    // 12-byte core header, 4 bits per pixel, 16 three-byte palette entries,
    // rows bottom-up, pixel data at byte 74.
    static QByteArray core4(const IndexedPicture &picture);

    // 40-byte information header, 24 bits per pixel, rows bottom-up,
    // 3780 pixels per metre (96 dots per inch) both ways.
    static QByteArray info24(const QImage &image);

    static bool save(const QByteArray &bytes, const QString &path, QString *error);
};
