#include "tests/cardart/PictureFiles.h"

#include <QDir>
#include <QFile>

namespace PictureFiles {

QString pictureDir() { return QStringLiteral(VELMORA_SOURCE_DIR "/cardface/pictures"); }
QString iconDir() { return QStringLiteral(VELMORA_SOURCE_DIR "/app/icons"); }

QStringList cardSized()
{
    QStringList files;
    for (int i = 0; i < 52; ++i)
        files << QStringLiteral("card%1.gif").arg(i, 2, 10, QLatin1Char('0'));
    files << QStringLiteral("joker1.gif") << QStringLiteral("joker2.gif") << QStringLiteral("mark_o.gif")
          << QStringLiteral("mark_x.gif");
    for (int i = 0; i < 12; ++i)
        files << QStringLiteral("back%1.gif").arg(i, 2, 10, QLatin1Char('0'));
    return files;
}

QStringList pictures()
{
    return cardSized() + QStringList{
        QStringLiteral("ani_ace1.bmp"),  QStringLiteral("ani_ace2.bmp"),   QStringLiteral("ani_bats.bmp"),
        QStringLiteral("ani_face1.bmp"), QStringLiteral("ani_face2.bmp"),  QStringLiteral("ani_robot1.bmp"),
        QStringLiteral("ani_robot2.bmp"), QStringLiteral("icon.bmp")};
}

QStringList icons()
{
    return {QStringLiteral("velmora.ico"),     QStringLiteral("velmora-32.png"),  QStringLiteral("velmora-48.png"),
            QStringLiteral("velmora-128.png"), QStringLiteral("velmora-256.png"), QStringLiteral("HAND-M.CUR")};
}

bool hasTransparentGround(const QString &file)
{
    return file == QLatin1String("mark_o.gif") || file == QLatin1String("mark_x.gif")
        || file == QLatin1String("back01.gif");
}

QByteArray read(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

quint16 u16(const QByteArray &b, int at)
{
    return quint16(quint8(b.at(at)) | quint8(b.at(at + 1)) << 8);
}

quint32 u32(const QByteArray &b, int at)
{
    return quint32(u16(b, at)) | quint32(u16(b, at + 2)) << 16;
}

qint32 i32(const QByteArray &b, int at)
{
    return qint32(u32(b, at));
}

} // namespace PictureFiles
