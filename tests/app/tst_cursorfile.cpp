// The cursor file reader behind the hand pointer: the picture and the hotspot
// of a .cur file, and nothing at all for a damaged one.
#include "app/CursorFile.h"
#include "core/LittleEndian.h"
#include "tests/app/CursorBytes.h"
#include "tests/support/TestFiles.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class TestCursorFile : public QObject
{
    Q_OBJECT

private slots:
    void cursorFileGivesItsHotspot_data();
    void cursorFileGivesItsHotspot();
    void shippedHandIsReadWithItsHotspot();
    void brokenCursorFileGivesNoCursor_data();
    void brokenCursorFileGivesNoCursor();
};

void TestCursorFile::cursorFileGivesItsHotspot_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QPoint>("hotspot");
    QTest::addColumn<QPoint>("expected");
    QTest::addRow("32x32 hand with the hotspot at the fingertip") << 32 << QPoint(9, 1) << QPoint(9, 1);
    QTest::addRow("x and y are not swapped") << 32 << QPoint(20, 5) << QPoint(20, 5);
    QTest::addRow("hotspot at the top left corner") << 16 << QPoint(0, 0) << QPoint(0, 0);
    QTest::addRow("hotspot at the bottom right corner") << 48 << QPoint(47, 47) << QPoint(47, 47);
    QTest::addRow("a hotspot past the picture is held at its edge") << 32 << QPoint(300, 40) << QPoint(31, 31);
    QTest::addRow("256x256, the largest pointer a system draws") << 256 << QPoint(200, 9) << QPoint(200, 9);
}

void TestCursorFile::cursorFileGivesItsHotspot()
{
    QFETCH(int, size);
    QFETCH(QPoint, hotspot);
    QFETCH(QPoint, expected);
    const QByteArray bytes = CursorBytes::cursor(size, hotspot);
    const auto contents = CursorFile::parse(bytes);
    QVERIFY(contents);
    QCOMPARE(contents->picture.size(), QSize(size, size));
    QCOMPARE(contents->hotspot, expected);
    if (expected == hotspot)
        QCOMPARE(qAlpha(contents->picture.pixel(expected)), 255);

    QTemporaryDir folder;
    const QString path = folder.filePath("HAND-M.CUR");
    QVERIFY(TestFiles::write(path, bytes));
    const auto cursor = CursorFile::load(path);
    QVERIFY(cursor);
    QCOMPARE(cursor->shape(), Qt::BitmapCursor);
    QCOMPARE(cursor->hotSpot(), expected);
}

// The shipped hand as the program loads it. Whether its hotspot sits on the
// fingertip of the drawing is checked with the file itself, in
// tst_cardart_formats.
void TestCursorFile::shippedHandIsReadWithItsHotspot()
{
    const QString path = QStringLiteral(VELMORA_SOURCE_DIR "/app/icons/HAND-M.CUR");
    if (!QFileInfo::exists(path))
        QSKIP("app/icons/HAND-M.CUR is not in this checkout");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const auto contents = CursorFile::read(path);
    QVERIFY(contents);
    QCOMPARE(contents->picture.size(), QSize(32, 32));
    // The first directory entry holds the hotspot, x then y.
    QCOMPARE(contents->hotspot, QPoint(LittleEndian::u16At(bytes, 10), LittleEndian::u16At(bytes, 12)));
    QVERIFY(qAlpha(contents->picture.pixel(contents->hotspot)) > 0);
}

void TestCursorFile::brokenCursorFileGivesNoCursor_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = CursorBytes::cursor(32, QPoint(9, 1));
    QByteArray countZero = good;
    countZero[4] = 0;
    QByteArray offsetPastEnd = good;
    qToLittleEndian(quint32(good.size() + 10), offsetPastEnd.data() + 18);
    QByteArray sizeWraps = good;
    qToLittleEndian(quint32(0xfffffff0u), sizeWraps.data() + 14);
    QByteArray hugePicture = good.left(22 + 40);
    qToLittleEndian(quint32(60000), hugePicture.data() + 22 + 4);
    qToLittleEndian(quint32(120000), hugePicture.data() + 22 + 8);
    QByteArray emptyPicture = good;
    qToLittleEndian(quint32(0), emptyPicture.data() + 14);
    QByteArray insideDirectory = good;
    qToLittleEndian(quint32(6), insideDirectory.data() + 18);

    QTest::addRow("an empty file") << QByteArray();
    QTest::addRow("a header cut short") << good.left(10);
    QTest::addRow("a directory entry without its picture") << good.left(22);
    QTest::addRow("a picture cut short") << good.left(good.size() / 2);
    QTest::addRow("random bytes") << CursorBytes::random(4096, 7);
    QTest::addRow("random bytes behind a cursor signature")
        << QByteArray::fromHex("00000200") + CursorBytes::random(4096, 11);
    QTest::addRow("a valid header before garbage") << good.left(22) + QByteArray(2000, char(0xab));
    QTest::addRow("an icon file is no cursor") << CursorBytes::cursor(32, QPoint(1, 32), 1);
    QTest::addRow("no entries at all") << countZero;
    QTest::addRow("a picture offset past the end") << offsetPastEnd;
    QTest::addRow("a picture size that wraps around") << sizeWraps;
    QTest::addRow("a bitmap header claiming a huge picture") << hugePicture;
    QTest::addRow("a picture of no bytes") << emptyPicture;
    QTest::addRow("a picture starting inside the directory") << insideDirectory;
    QTest::addRow("a picture wider and taller than 256 (no pointer is)") << CursorBytes::cursor(257, QPoint(9, 1));
}

void TestCursorFile::brokenCursorFileGivesNoCursor()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(!CursorFile::parse(bytes));
    QTemporaryDir folder;
    const QString path = folder.filePath("HAND-M.CUR");
    QVERIFY(TestFiles::write(path, bytes));
    QVERIFY(!CursorFile::load(path));
}

QTEST_MAIN(TestCursorFile)
#include "tst_cursorfile.moc"
