#include "tests/cardart/PictureFiles.h"

#include <QDir>

namespace PictureFiles {

QString pictureDir() { return QStringLiteral(VELMORA_SOURCE_DIR "/pictures/stored"); }
QString iconDir() { return QStringLiteral(VELMORA_SOURCE_DIR "/app/icons"); }

QStringList cardSized()
{
    QStringList files = pictures();
    files.removeIf([](const QString &file) { return !file.endsWith(QLatin1String(".gif")); });
    return files;
}

QStringList icons()
{
    return {QStringLiteral("velmora.ico"),     QStringLiteral("velmora-32.png"),  QStringLiteral("velmora-48.png"),
            QStringLiteral("velmora-128.png"), QStringLiteral("velmora-256.png"), QStringLiteral("HAND-M.CUR"),
            QStringLiteral("installer-welcome.bmp")};
}

bool hasTransparentGround(const QString &file)
{
    return file == QLatin1String("mark_o.gif") || file == QLatin1String("mark_x.gif")
        || file == QLatin1String("back01.gif");
}

} // namespace PictureFiles
