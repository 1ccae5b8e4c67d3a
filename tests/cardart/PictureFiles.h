#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// What the tests expect of the committed picture set, written down
// independently of the generator so a change on either side shows up.
namespace PictureFiles {

QString pictureDir();  // cardface/pictures in the source tree
QString iconDir();     // app/icons in the source tree

// All 76 picture files in the control's order, and the icon files.
QStringList pictures();
QStringList icons();

// The 68 card-sized GIF pictures.
QStringList cardSized();

// Whether the picture's whole ground is transparent (the marks and back 1),
// as opposed to only the pixels that round off the corners.
bool hasTransparentGround(const QString &file);

QByteArray read(const QString &path);

// Little-endian field readers on raw file bytes.
quint16 u16(const QByteArray &b, int at);
quint32 u32(const QByteArray &b, int at);
qint32 i32(const QByteArray &b, int at);

} // namespace PictureFiles
