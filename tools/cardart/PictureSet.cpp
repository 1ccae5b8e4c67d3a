#include "tools/cardart/PictureSet.h"

#include "pictures/PictureNames.h"
#include "tools/cardart/AppIconPainter.h"
#include "tools/cardart/BmpWriter.h"
#include "render/CardRenderer.h"
#include "render/DetailPainter.h"
#include "tools/cardart/GifWriter.h"
#include "tools/cardart/IconWriter.h"
#include "tools/cardart/InstallerPainter.h"
#include "tools/cardart/Quantizer.h"

#include <QDir>

namespace {

const QList<int> IconSizes{32, 48, 128, 256};

bool ensureDir(const QString &dir, QString *error)
{
    if (QDir().mkpath(dir))
        return true;
    *error = QStringLiteral("%1: cannot create the folder").arg(QDir::toNativeSeparators(dir));
    return false;
}

} // namespace

QStringList PictureSet::pictureFiles()
{
    return PictureNames::files();
}

QStringList PictureSet::iconFiles()
{
    QStringList files{QStringLiteral("velmora.ico")};
    for (int size : IconSizes)
        files << QStringLiteral("velmora-%1.png").arg(size);
    files << QStringLiteral("HAND-M.CUR") << QStringLiteral("installer-welcome.bmp");
    return files;
}

QImage PictureSet::render(const QString &fileName)
{
    const QString base = fileName.section(QLatin1Char('.'), 0, 0);
    if (base.startsWith(QLatin1String("card")))
        return CardRenderer::picture(CardArt::face(base.mid(4).toInt()));
    if (base == QLatin1String("joker1") || base == QLatin1String("joker2"))
        return CardRenderer::picture(CardArt::joker(base.endsWith(QLatin1Char('1'))));
    if (base == QLatin1String("mark_o"))
        return CardRenderer::picture(CardArt::ringMark());
    if (base == QLatin1String("mark_x"))
        return CardRenderer::picture(CardArt::crossMark());
    if (base.startsWith(QLatin1String("back")))
        return CardRenderer::picture(CardArt::back(base.mid(4).toInt()));
    if (base == QLatin1String("icon"))
        return DetailPainter::controlIcon();
    return DetailPainter::detail(base);
}

bool PictureSet::writePictures(const QString &dir, QString *error)
{
    if (!ensureDir(dir, error))
        return false;
    for (const QString &file : pictureFiles()) {
        const QString path = QDir(dir).filePath(file);
        const QImage image = render(file);
        bool ok = false;
        if (file.endsWith(QLatin1String(".gif")))
            ok = GifWriter::write(Quantizer::toGifPalette(image), path, error);
        else if (file == QLatin1String("icon.bmp"))
            ok = BmpWriter::save(BmpWriter::info24(image), path, error);
        else
            ok = BmpWriter::save(BmpWriter::core4(Quantizer::toFixedPalette(image, Quantizer::classic16())),
                                 path, error);
        if (!ok)
            return false;
    }
    return true;
}

bool PictureSet::writeIcons(const QString &dir, QString *error)
{
    if (!ensureDir(dir, error))
        return false;
    QList<IconWriter::Entry> entries;
    for (int size : IconSizes) {
        const QImage image = AppIconPainter::icon(size);
        // The smallest size goes in at 24 bits for old shells that show only
        // the first, mask-based image; the others carry real alpha.
        entries.append({image, size == 32 ? 24 : 32});
        const QString png = QDir(dir).filePath(QStringLiteral("velmora-%1.png").arg(size));
        if (!image.save(png, "PNG")) {
            *error = QStringLiteral("%1: cannot write the PNG file").arg(QDir::toNativeSeparators(png));
            return false;
        }
    }
    return BmpWriter::save(IconWriter::icon(entries), QDir(dir).filePath(QStringLiteral("velmora.ico")), error)
        && BmpWriter::save(IconWriter::cursor(AppIconPainter::hand(), AppIconPainter::handHotspot()),
                           QDir(dir).filePath(QStringLiteral("HAND-M.CUR")), error)
        && BmpWriter::save(BmpWriter::info24(InstallerPainter::welcome()),
                           QDir(dir).filePath(QStringLiteral("installer-welcome.bmp")), error);
}
