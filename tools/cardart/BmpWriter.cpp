#include "tools/cardart/BmpWriter.h"

#include "tools/cardart/ByteSink.h"

#include <QDir>
#include <QSaveFile>

QByteArray BmpWriter::core4(const IndexedPicture &picture)
{
    const int rowBytes = ((picture.width * 4 + 31) / 32) * 4;
    const int dataOffset = 14 + 12 + 16 * 3;
    ByteSink out;
    out.bytes("BM");
    out.u32(quint32(dataOffset + rowBytes * picture.height));
    out.u32(0);
    out.u32(quint32(dataOffset));
    out.u32(12);
    out.u16(quint16(picture.width));
    out.u16(quint16(picture.height));
    out.u16(1);
    out.u16(4);
    for (int i = 0; i < 16; ++i) {
        const QRgb c = i < picture.palette.size() ? picture.palette[i] : qRgb(0, 0, 0);
        out.u8(quint8(qBlue(c)));
        out.u8(quint8(qGreen(c)));
        out.u8(quint8(qRed(c)));
    }
    for (int y = picture.height - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < picture.width; ++x) {
            const int index = picture.pixels[size_t(y) * size_t(picture.width) + size_t(x)] & 0x0f;
            row[x / 2] = char(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
        }
        out.bytes(row);
    }
    return out.data();
}

QByteArray BmpWriter::info24(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int rowBytes = ((image.width() * 24 + 31) / 32) * 4;
    const int imageBytes = rowBytes * image.height();
    ByteSink out;
    out.bytes("BM");
    out.u32(quint32(14 + 40 + imageBytes));
    out.u32(0);
    out.u32(14 + 40);
    out.u32(40);
    out.u32(quint32(image.width()));
    out.u32(quint32(image.height()));
    out.u16(1);
    out.u16(24);
    out.u32(0);
    out.u32(quint32(imageBytes));
    out.u32(3780);
    out.u32(3780);
    out.u32(0);
    out.u32(0);
    for (int y = image.height() - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < image.width(); ++x) {
            row[x * 3] = char(qBlue(line[x]));
            row[x * 3 + 1] = char(qGreen(line[x]));
            row[x * 3 + 2] = char(qRed(line[x]));
        }
        out.bytes(row);
    }
    return out.data();
}

bool BmpWriter::save(const QByteArray &bytes, const QString &path, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    return true;
}
