// Any bytes as a .cur file: no crash, no sanitizer report, and whatever is
// accepted is a picture with its hotspot on one of its pixels.
#include "app/CursorFile.h"

#include <QGuiApplication>
#include <QRect>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The image plugins need an application object; one for the whole run.
    static QGuiApplication *app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "fuzz_cursorfile";
        static char *argv[] = {name, nullptr};
        return new QGuiApplication(argc, argv);
    }();
    (void)app;

    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<CursorFile::Contents> contents = CursorFile::parse(bytes);
    if (!contents)
        return 0;
    if (contents->picture.isNull() || !contents->picture.rect().contains(contents->hotspot)) {
        std::fprintf(stderr, "accepted a cursor whose hotspot %d,%d is off its %dx%d picture\n",
                     contents->hotspot.x(), contents->hotspot.y(), contents->picture.width(),
                     contents->picture.height());
        std::abort();
    }
    return 0;
}
