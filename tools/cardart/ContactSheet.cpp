#include "tools/cardart/ContactSheet.h"

#include "tools/cardart/PictureSet.h"

#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>

namespace {

constexpr int Zoom = 2;
constexpr int CellWidth = 71 * Zoom + 12;
constexpr int CellHeight = 96 * Zoom + 22;
constexpr int Columns = 13;
constexpr int Margin = 10;

// Faces run one suit per row; the other pictures start fresh rows by kind.
QList<QStringList> rows()
{
    const QStringList files = PictureSet::pictureFiles();
    QList<QStringList> out;
    for (int suit = 0; suit < 4; ++suit)
        out.append(files.mid(suit * 13, 13));
    out.append(files.mid(52, 4));
    out.append(files.mid(56, 12));
    out.append(files.mid(68));
    return out;
}

} // namespace

bool ContactSheet::write(const QString &pictureDir, const QString &sheetPath, QString *error)
{
    const QList<QStringList> layout = rows();
    QImage sheet(Margin * 2 + Columns * CellWidth, Margin * 2 + int(layout.size()) * CellHeight,
                 QImage::Format_RGB32);
    sheet.fill(QColor(128, 132, 136));
    QPainter p(&sheet);
    QFont font;
    font.setPixelSize(12);
    p.setFont(font);
    for (int r = 0; r < layout.size(); ++r) {
        for (int c = 0; c < layout[r].size(); ++c) {
            const QString file = layout[r][c];
            const QString path = QDir(pictureDir).filePath(file);
            QImage image(path);
            if (image.isNull()) {
                *error = QStringLiteral("%1: cannot read the picture").arg(QDir::toNativeSeparators(path));
                return false;
            }
            const QImage big = image.scaled(image.size() * Zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
            const int x = Margin + c * CellWidth;
            const int y = Margin + r * CellHeight;
            p.drawImage(x + (CellWidth - big.width()) / 2, y, big);
            p.setPen(Qt::white);
            p.drawText(QRect(x, y + big.height() + 2, CellWidth, 18), Qt::AlignHCenter | Qt::AlignTop, file);
        }
    }
    p.end();
    QDir().mkpath(QFileInfo(sheetPath).absolutePath());
    if (!sheet.save(sheetPath, "PNG")) {
        *error = QStringLiteral("%1: cannot write the contact sheet").arg(QDir::toNativeSeparators(sheetPath));
        return false;
    }
    return true;
}
