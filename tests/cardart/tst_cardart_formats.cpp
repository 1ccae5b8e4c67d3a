// What the committed pictures, icons and cursor show and what reads them
// needs: the card face control and the packaging load these files as they
// are. That every picture decodes at its size and in its format is checked
// once, in tst_cardimageset; that each file is byte for byte what the
// generator writes, in tst_cardart_regeneration.
#include "tests/cardart/PictureFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QTest>

using namespace PictureFiles;

class tst_CardartFormats : public QObject
{
    Q_OBJECT

private slots:
    void setOfFilesIsComplete();
    void cardSizedGif_data();
    void cardSizedGif();
    void applicationIcon();
    void pngIcons_data();
    void pngIcons();
    void handCursor();

private:
    static void addCardSizedRows();
};

void tst_CardartFormats::addCardSizedRows()
{
    QTest::addColumn<QString>("file");
    for (const QString &f : cardSized())
        QTest::newRow(qPrintable(f)) << f;
}

void tst_CardartFormats::setOfFilesIsComplete()
{
    for (const QString &f : pictures())
        QVERIFY2(QFileInfo::exists(QDir(pictureDir()).filePath(f)), qPrintable(f + " is missing"));
    for (const QString &f : icons())
        QVERIFY2(QFileInfo::exists(QDir(iconDir()).filePath(f)), qPrintable(f + " is missing"));
    // A stray picture would be compiled in and shipped without being drawn here.
    const QStringList present = QDir(pictureDir()).entryList({"*.gif", "*.bmp", "*.png"}, QDir::Files);
    for (const QString &f : present)
        QVERIFY2(pictures().contains(f), qPrintable(f + " is not part of the set"));
    QCOMPARE(present.size(), 76);
}

void tst_CardartFormats::cardSizedGif_data() { addCardSizedRows(); }

// One still picture in the GIF version that carries transparency, see-through
// only where the corners are rounded off or where the whole ground is meant to be.
void tst_CardartFormats::cardSizedGif()
{
    QFETCH(QString, file);
    const QString path = QDir(pictureDir()).filePath(file);
    QCOMPARE(read(path).left(6), QByteArray("GIF89a"));
    QCOMPARE(QImageReader(path).imageCount(), 1);
    const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(image.size(), QSize(71, 96));
    int transparent = 0;
    int perCorner[4] = {0, 0, 0, 0};
    bool strayHole = false;
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 71; ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) {
                QCOMPARE(qAlpha(image.pixel(x, y)), 255);
                continue;
            }
            ++transparent;
            const bool left = x < 3, right = x > 67, top = y < 3, bottom = y > 92;
            if ((left || right) && (top || bottom))
                ++perCorner[(right ? 1 : 0) + (bottom ? 2 : 0)];
            else
                strayHole = true;
        }
    for (const QPoint corner : {QPoint(0, 0), QPoint(70, 0), QPoint(0, 95), QPoint(70, 95)})
        QCOMPARE(qAlpha(image.pixel(corner)), 0);
    if (hasTransparentGround(file)) {
        QVERIFY2(transparent > 71 * 96 / 2, "the ground should be see-through");
        QVERIFY2(transparent < 71 * 96 * 99 / 100, "the picture has almost nothing on it");
    } else {
        QVERIFY2(!strayHole, "a transparent pixel away from the corners");
        for (int c = 0; c < 4; ++c)
            QVERIFY2(perCorner[c] >= 2 && perCorner[c] <= 4, qPrintable(QString::number(perCorner[c])));
    }
}

void tst_CardartFormats::applicationIcon()
{
    const QString path = QDir(iconDir()).filePath(QStringLiteral("velmora.ico"));
    const QByteArray b = read(path);
    QVERIFY(b.size() > 6 + 4 * 16);
    QCOMPARE(u16At(b, 0), quint16(0));
    QCOMPARE(u16At(b, 2), quint16(1));
    QCOMPARE(u16At(b, 4), quint16(4));
    const int sizes[4] = {32, 48, 128, 256};
    const int depths[4] = {24, 32, 32, 32};
    quint32 expectedOffset = 6 + 4 * 16;
    for (int i = 0; i < 4; ++i) {
        const int e = 6 + i * 16;
        const int side = sizes[i];
        QCOMPARE(quint8(b.at(e)), quint8(side == 256 ? 0 : side));
        QCOMPARE(quint8(b.at(e + 1)), quint8(side == 256 ? 0 : side));
        QCOMPARE(u16At(b, e + 4), quint16(1));
        QCOMPARE(u16At(b, e + 6), quint16(depths[i]));
        const quint32 length = u32At(b, e + 8);
        const quint32 offset = u32At(b, e + 12);
        QCOMPARE(offset, expectedOffset);
        QVERIFY(offset + length <= quint32(b.size()));
        expectedOffset += length;
        // The image itself: a 40-byte header, doubled height for the mask.
        QCOMPARE(u32At(b, int(offset)), quint32(40));
        QCOMPARE(i32At(b, int(offset) + 4), side);
        QCOMPARE(i32At(b, int(offset) + 8), side * 2);
        QCOMPARE(u16At(b, int(offset) + 14), quint16(depths[i]));
        const int colourRow = (side * depths[i] + 31) / 32 * 4;
        const int maskRow = (side + 31) / 32 * 4;
        QCOMPARE(length, quint32(40 + (colourRow + maskRow) * side));
    }
    QCOMPARE(expectedOffset, quint32(b.size()));
    if (QImageReader::supportedImageFormats().contains("ico")) {
        QImageReader reader(path);
        QCOMPARE(reader.imageCount(), 4);
    }
}

void tst_CardartFormats::pngIcons_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("entry");
    QTest::newRow("32") << 32 << 0;
    QTest::newRow("48") << 48 << 1;
    QTest::newRow("128") << 128 << 2;
    QTest::newRow("256") << 256 << 3;
}

void tst_CardartFormats::pngIcons()
{
    QFETCH(int, side);
    QFETCH(int, entry);
    const QImage png =
        QImage(QDir(iconDir()).filePath(QStringLiteral("velmora-%1.png").arg(side))).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(png.size(), QSize(side, side));
    QVERIFY(png.hasAlphaChannel());
    QCOMPARE(qAlpha(png.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(png.pixel(side / 2, side / 2)), 255);

    // The icon file must show the same picture as the PNG of its size: the
    // desktop uses one, the window the other.
    const QByteArray ico = read(QDir(iconDir()).filePath(QStringLiteral("velmora.ico")));
    const int offset = int(u32At(ico, 6 + entry * 16 + 12));
    const int depth = u16At(ico, offset + 14);
    const int bytesPerPixel = depth / 8;
    const int colourRow = (side * depth + 31) / 32 * 4;
    const int maskRow = (side + 31) / 32 * 4;
    const int maskStart = offset + 40 + colourRow * side;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const int row = side - 1 - y;
            const int at = offset + 40 + row * colourRow + x * bytesPerPixel;
            const bool hidden = quint8(ico.at(maskStart + row * maskRow + x / 8)) & (0x80 >> (x % 8));
            const QRgb p = png.pixel(x, y);
            QCOMPARE(hidden, qAlpha(p) < 128);
            if (hidden)
                continue;
            QCOMPARE(quint8(ico.at(at)), quint8(qBlue(p)));
            QCOMPARE(quint8(ico.at(at + 1)), quint8(qGreen(p)));
            QCOMPARE(quint8(ico.at(at + 2)), quint8(qRed(p)));
            if (depth == 32)
                QCOMPARE(quint8(ico.at(at + 3)), quint8(qAlpha(p)));
        }
}

void tst_CardartFormats::handCursor()
{
    const QByteArray b = read(QDir(iconDir()).filePath(QStringLiteral("HAND-M.CUR")));
    QVERIFY(b.size() > 6 + 16 + 40);
    QCOMPARE(u16At(b, 0), quint16(0));
    QCOMPARE(u16At(b, 2), quint16(2)); // cursor, not icon
    QCOMPARE(u16At(b, 4), quint16(1));
    QCOMPARE(quint8(b.at(6)), quint8(32));
    QCOMPARE(quint8(b.at(7)), quint8(32));
    const int hotX = u16At(b, 10);
    const int hotY = u16At(b, 12);
    QVERIFY(hotX < 32 && hotY < 32);
    const int offset = int(u32At(b, 18));
    QCOMPARE(u32At(b, offset), quint32(40));
    QCOMPARE(i32At(b, offset + 4), 32);
    QCOMPARE(i32At(b, offset + 8), 64);
    const int depth = u16At(b, offset + 14);
    QCOMPARE(depth, 32);
    const int maskStart = offset + 40 + 32 * 4 * 32;
    QCOMPARE(int(b.size()), maskStart + 4 * 32);
    const auto shown = [&](int x, int y) {
        return !(quint8(b.at(maskStart + (31 - y) * 4 + x / 8)) & (0x80 >> (x % 8)));
    };
    // The hotspot is the fingertip: on the hand, in its topmost row or the one below.
    QVERIFY2(shown(hotX, hotY), "the hotspot is not on the hand");
    int top = -1;
    for (int y = 0; y < 32 && top < 0; ++y)
        for (int x = 0; x < 32; ++x)
            if (shown(x, y)) {
                top = y;
                break;
            }
    QVERIFY(hotY - top <= 1);
    int shownCount = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            shownCount += shown(x, y) ? 1 : 0;
    QVERIFY2(shownCount > 150 && shownCount < 700, qPrintable(QString::number(shownCount)));
}

QTEST_GUILESS_MAIN(tst_CardartFormats)
#include "tst_cardart_formats.moc"
