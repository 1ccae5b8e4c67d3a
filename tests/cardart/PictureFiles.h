#pragma once

#include "pictures/PictureNames.h"
#include "core/LittleEndian.h"
#include "tests/support/TestFiles.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Where the committed picture set lives and what the tests expect of its files
// beyond their names (those come from PictureNames, shared with the program
// and the generator).
namespace PictureFiles {

using LittleEndian::i32At;
using LittleEndian::u16At;
using LittleEndian::u32At;

QString pictureDir();  // pictures/stored in the source tree
QString iconDir();     // app/icons in the source tree

// All 76 picture files in the control's order, and the icon files.
inline QStringList pictures() { return PictureNames::files(); }
QStringList icons();

// The 68 card-sized GIF pictures.
QStringList cardSized();

// Whether the picture's whole ground is transparent (the marks and back 1),
// as opposed to only the pixels that round off the corners.
bool hasTransparentGround(const QString &file);

using TestFiles::read;

} // namespace PictureFiles
