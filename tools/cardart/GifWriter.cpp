#include "tools/cardart/GifWriter.h"

#include <QDir>
#include <QSaveFile>

#include <gif_lib.h>

#include <vector>

namespace {

int writeToSaveFile(GifFileType *gif, const GifByteType *data, int length)
{
    auto *file = static_cast<QSaveFile *>(gif->UserData);
    return int(file->write(reinterpret_cast<const char *>(data), length));
}

QString reason(const QString &path, const QString &what)
{
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), what);
}

} // namespace

bool GifWriter::write(const IndexedPicture &picture, const QString &path, QString *error)
{
    if (picture.palette.size() != 256 || picture.transparentIndex < 0) {
        *error = reason(path, QStringLiteral("the picture needs a 256-entry table and a transparent index"));
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = reason(path, file.errorString());
        return false;
    }

    int status = 0;
    GifFileType *gif = EGifOpen(&file, writeToSaveFile, &status);
    if (!gif) {
        *error = reason(path, QString::fromUtf8(GifErrorString(status)));
        return false;
    }
    // Without this giflib labels the file GIF87a, which has no extensions and
    // so no transparency.
    EGifSetGifVersion(gif, true);

    std::vector<GifColorType> colours(256);
    for (int i = 0; i < 256; ++i) {
        const QRgb c = picture.palette[i];
        colours[size_t(i)] = {GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))};
    }
    ColorMapObject *map = GifMakeMapObject(256, colours.data());
    bool ok = map && EGifPutScreenDesc(gif, picture.width, picture.height, 8, 0, map) == GIF_OK;
    GifFreeMapObject(map);

    if (ok) {
        GraphicsControlBlock control{};
        control.DisposalMode = DISPOSAL_UNSPECIFIED;
        control.UserInputFlag = false;
        control.DelayTime = 0;
        control.TransparentColor = picture.transparentIndex;
        GifByteType extension[4];
        const size_t length = EGifGCBToExtension(&control, extension);
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension) == GIF_OK;
    }
    ok = ok && EGifPutImageDesc(gif, 0, 0, picture.width, picture.height, false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < picture.height; ++y) {
        auto *row = const_cast<GifPixelType *>(picture.pixels.data() + size_t(y) * size_t(picture.width));
        ok = EGifPutLine(gif, row, picture.width) == GIF_OK;
    }
    const int failure = ok ? 0 : gif->Error;
    if (EGifCloseFile(gif, &status) != GIF_OK && ok) {
        ok = false;
        *error = reason(path, QString::fromUtf8(GifErrorString(status)));
    } else if (!ok) {
        *error = reason(path, QString::fromUtf8(GifErrorString(failure)));
    }
    if (!ok) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = reason(path, file.errorString());
        return false;
    }
    return true;
}
