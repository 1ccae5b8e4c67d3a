// The card set's picture reader on arbitrary bytes: it never crashes, never
// reads past its input, and whatever it accepts is a sane picture.
#include "pictures/PictureDecoder.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QImage &image : {PictureDecoder::decodeGif(bytes), PictureDecoder::decodeBmp(bytes)}) {
        if (image.isNull())
            continue;
        if (image.width() < 1 || image.height() < 1 || image.width() > 4096 || image.height() > 4096)
            std::abort();
        // Touch every pixel so a half-initialised picture shows up under MSan/ASan.
        volatile QRgb sum = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                sum = sum + image.pixel(x, y);
    }
    return 0;
}
