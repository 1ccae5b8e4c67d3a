// Every committed picture, icon and cursor file, read byte by byte: the card
// face control and the packaging load these files as they are, so their
// layout is part of the program's contract. That every picture decodes at its
// size as Qt reads it is checked once, in tst_cardimageset.
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
    void gifLayout_data();
    void gifLayout();
    void gifTransparency_data();
    void gifTransparency();
    void detailBitmap_data();
    void detailBitmap();
    void controlIconBitmap();
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

void tst_CardartFormats::gifLayout_data() { addCardSizedRows(); }

void tst_CardartFormats::gifLayout()
{
    QFETCH(QString, file);
    const QByteArray b = read(QDir(pictureDir()).filePath(file));
    QVERIFY(b.size() > 13 + 768 + 8 + 11);
    QCOMPARE(b.left(6), QByteArray("GIF89a"));
    QCOMPARE(u16At(b, 6), quint16(71));
    QCOMPARE(u16At(b, 8), quint16(96));
    // Global table present, colour resolution 8 bits, unsorted, 256 entries.
    QCOMPARE(quint8(b.at(10)), quint8(0x80 | 0x70 | 0x07));
    QCOMPARE(quint8(b.at(11)), quint8(0));
    QCOMPARE(quint8(b.at(12)), quint8(0));

    int pos = 13 + 768;
    int controls = 0;
    int images = 0;
    bool trailer = false;
    while (pos < b.size() && !trailer) {
        const quint8 kind = quint8(b.at(pos));
        if (kind == 0x21) {
            QCOMPARE(quint8(b.at(pos + 1)), quint8(0xF9)); // no other extension belongs here
            QCOMPARE(images, 0);
            ++controls;
            QCOMPARE(quint8(b.at(pos + 2)), quint8(4));
            const quint8 packed = quint8(b.at(pos + 3));
            QVERIFY2(packed & 0x01, "transparency flag not set");
            QCOMPARE((packed >> 2) & 0x07, 0);
            QCOMPARE(u16At(b, pos + 4), quint16(0));
            QCOMPARE(quint8(b.at(pos + 7)), quint8(0));
            pos += 8;
        } else if (kind == 0x2C) {
            ++images;
            QCOMPARE(u16At(b, pos + 1), quint16(0));
            QCOMPARE(u16At(b, pos + 3), quint16(0));
            QCOMPARE(u16At(b, pos + 5), quint16(71));
            QCOMPARE(u16At(b, pos + 7), quint16(96));
            QCOMPARE(quint8(b.at(pos + 9)) & 0xC0, 0); // no local table, not interlaced
            QCOMPARE(quint8(b.at(pos + 10)), quint8(8));
            pos += 11;
            while (pos < b.size() && b.at(pos) != 0)
                pos += quint8(b.at(pos)) + 1;
            ++pos;
        } else if (kind == 0x3B) {
            trailer = true;
            QCOMPARE(pos, int(b.size()) - 1);
        } else {
            QFAIL(qPrintable(QStringLiteral("unexpected block 0x%1 at %2").arg(kind, 2, 16).arg(pos)));
        }
    }
    QVERIFY(trailer);
    QCOMPARE(controls, 1);
    QCOMPARE(images, 1);
}

void tst_CardartFormats::gifTransparency_data() { addCardSizedRows(); }

void tst_CardartFormats::gifTransparency()
{
    QFETCH(QString, file);
    const QImage image = QImage(QDir(pictureDir()).filePath(file)).convertToFormat(QImage::Format_ARGB32);
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

void tst_CardartFormats::detailBitmap_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("cuff, first state") << "ani_ace1.bmp" << 32 << 22;
    QTest::newRow("cuff, second state") << "ani_ace2.bmp" << 32 << 22;
    QTest::newRow("bats") << "ani_bats.bmp" << 26 << 12;
    QTest::newRow("sun with sunglasses") << "ani_face1.bmp" << 14 << 12;
    QTest::newRow("sun with tongue out") << "ani_face2.bmp" << 14 << 12;
    QTest::newRow("robot gauge, first state") << "ani_robot1.bmp" << 24 << 7;
    QTest::newRow("robot gauge, second state") << "ani_robot2.bmp" << 24 << 7;
}

void tst_CardartFormats::detailBitmap()
{
    QFETCH(QString, file);
    QFETCH(int, width);
    QFETCH(int, height);
    const QByteArray b = read(QDir(pictureDir()).filePath(file));
    const int rowBytes = (width * 4 + 31) / 32 * 4;
    QCOMPARE(int(b.size()), 74 + rowBytes * height);
    QCOMPARE(b.left(2), QByteArray("BM"));
    QCOMPARE(u32At(b, 2), quint32(b.size()));
    QCOMPARE(u32At(b, 6), quint32(0));
    QCOMPARE(u32At(b, 10), quint32(74));
    QCOMPARE(u32At(b, 14), quint32(12));
    QCOMPARE(u16At(b, 18), quint16(width));
    QCOMPARE(u16At(b, 20), quint16(height));
    QCOMPARE(u16At(b, 22), quint16(1));
    QCOMPARE(u16At(b, 24), quint16(4));
}

void tst_CardartFormats::controlIconBitmap()
{
    const QByteArray b = read(QDir(pictureDir()).filePath(QStringLiteral("icon.bmp")));
    QCOMPARE(int(b.size()), 3798);
    QCOMPARE(b.left(2), QByteArray("BM"));
    QCOMPARE(u32At(b, 2), quint32(3798));
    QCOMPARE(u32At(b, 10), quint32(54));
    QCOMPARE(u32At(b, 14), quint32(40));
    QCOMPARE(i32At(b, 18), 32);
    QCOMPARE(i32At(b, 22), 39); // positive: rows bottom-up
    QCOMPARE(u16At(b, 26), quint16(1));
    QCOMPARE(u16At(b, 28), quint16(24));
    QCOMPARE(u32At(b, 30), quint32(0));
    QCOMPARE(i32At(b, 38), 3780);
    QCOMPARE(i32At(b, 42), 3780);
    QCOMPARE(u32At(b, 46), quint32(0));
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
