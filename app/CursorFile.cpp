#include "app/CursorFile.h"

#include "pictures/PictureDecoder.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>

std::optional<CursorFile::Contents> CursorFile::parse(const QByteArray &bytes)
{
    // An icon file (type 1) keeps colour planes and depth where a cursor keeps
    // its hotspot; reading those as a hotspot would point somewhere arbitrary.
    const auto directory = PictureDecoder::readIconDirectory(bytes);
    if (!directory || !directory->cursor)
        return std::nullopt;
    const auto entry = PictureDecoder::readIconEntry(bytes, 0);
    if (!entry)
        return std::nullopt;

    // Our own reader takes the bitmap entries every cursor editor writes,
    // without waking Qt's image plugins at start-up; Qt's reader is the
    // fallback for anything else (a PNG-compressed entry).
    QImage picture = PictureDecoder::decodeDib(entry->dib);
    if (picture.isNull()) {
        QBuffer buffer;
        buffer.setData(bytes);
        if (!buffer.open(QIODevice::ReadOnly))
            return std::nullopt;
        QImageReader reader(&buffer, "cur");
        picture = reader.read();
    }
    if (picture.isNull() || picture.width() > maximumSide || picture.height() > maximumSide)
        return std::nullopt;

    // A hotspot outside the picture cannot be clicked with; the nearest edge
    // pixel is the closest thing to what the file meant.
    const int x = qBound(0, entry->hotspot.x(), picture.width() - 1);
    const int y = qBound(0, entry->hotspot.y(), picture.height() - 1);
    return Contents{std::move(picture), QPoint(x, y)};
}

std::optional<CursorFile::Contents> CursorFile::read(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > maximumSize)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(maximumSize + 1);
    if (bytes.size() > maximumSize)
        return std::nullopt;
    return parse(bytes);
}

std::optional<QCursor> CursorFile::load(const QString &path)
{
    const std::optional<Contents> contents = read(path);
    if (!contents)
        return std::nullopt;
    return QCursor(QPixmap::fromImage(contents->picture), contents->hotspot.x(), contents->hotspot.y());
}
