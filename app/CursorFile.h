#pragma once

#include <QCursor>
#include <QImage>
#include <QPoint>
#include <QString>
#include <optional>

// Reads a Windows cursor file (.cur) into a picture and its hotspot.
//
// Qt's icon reader decodes the picture of a .cur but drops the hotspot, which
// lives in the file's first directory entry. Without it a hand pointer would
// click with its wrist instead of its fingertip, so the directory and the
// picture go to the program's own reader, and the picture to Qt's only when it
// is a kind ours does not read.
class CursorFile
{
public:
    struct Contents {
        QImage picture;
        QPoint hotspot;
    };

    // A cursor file is small; anything larger is refused unread so a stray big
    // file of that name cannot slow start-up down.
    static constexpr qint64 maximumSize = 4 * 1024 * 1024;
    // No system draws a bigger pointer, and a far bigger one has broken the
    // program's connection to the X server: such a file counts as damaged.
    static constexpr int maximumSide = 256;

    // The first cursor of the file, or nothing when the path is not a regular
    // file, its bytes are not a cursor Qt can decode or its picture is wider
    // or taller than maximumSide. Never throws.
    static std::optional<Contents> read(const QString &path);
    static std::optional<Contents> parse(const QByteArray &bytes);

    // The same as a QCursor ready for the window.
    static std::optional<QCursor> load(const QString &path);
};
