#pragma once

#include <QByteArray>
#include <QPoint>
#include <QRandomGenerator>
#include <QtEndian>

// Cursor files made up in the test, for the cursor reader's suite and the
// window's hand-pointer tests.
namespace CursorBytes {

inline void appendWord(QByteArray &bytes, quint16 value)
{
    char le[2];
    qToLittleEndian(value, le);
    bytes.append(le, 2);
}

inline void appendDword(QByteArray &bytes, quint32 value)
{
    char le[4];
    qToLittleEndian(value, le);
    bytes.append(le, 4);
}

// A cursor file as Windows writes it: one 32-bit picture with an AND mask.
// The picture is transparent except for an opaque square at the hotspot, so a
// reader that misplaces the hotspot or drops the picture shows it.
inline QByteArray cursor(int size, QPoint hotspot, quint16 type = 2)
{
    const int maskStride = ((size + 31) / 32) * 4;
    const quint32 imageSize = 40 + quint32(size * size * 4) + quint32(maskStride * size);
    QByteArray bytes;
    appendWord(bytes, 0);
    appendWord(bytes, type);
    appendWord(bytes, 1);
    bytes.append(char(size == 256 ? 0 : size)).append(char(size == 256 ? 0 : size)).append('\0').append('\0');
    appendWord(bytes, quint16(hotspot.x()));
    appendWord(bytes, quint16(hotspot.y()));
    appendDword(bytes, imageSize);
    appendDword(bytes, 22);
    appendDword(bytes, 40);
    appendDword(bytes, quint32(size));
    appendDword(bytes, quint32(size * 2));
    appendWord(bytes, 1);
    appendWord(bytes, 32);
    for (int i = 0; i < 6; ++i)
        appendDword(bytes, 0);
    for (int row = size - 1; row >= 0; --row) {
        for (int column = 0; column < size; ++column) {
            const bool mark = qAbs(column - hotspot.x()) <= 1 && qAbs(row - hotspot.y()) <= 1;
            const char pixel[4] = {0, 0, char(mark ? 0xff : 0), char(mark ? 0xff : 0)};
            bytes.append(pixel, 4);
        }
    }
    bytes.append(QByteArray(maskStride * size, '\0'));
    return bytes;
}

inline QByteArray random(int count, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(count, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

} // namespace CursorBytes
