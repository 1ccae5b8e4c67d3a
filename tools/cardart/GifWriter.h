#pragma once

#include "tools/cardart/Quantizer.h"

#include <QString>

// Writes an indexed picture as a single-image GIF89a file: 256-entry global
// table, one graphic control extension carrying the transparent index, no
// local table, not interlaced. The card face control and its tests rely on
// exactly this layout.
class GifWriter
{
public:
    static bool write(const IndexedPicture &picture, const QString &path, QString *error);
};
