// What the pictures show, checked the way a player would notice a fault:
// wrong colour, wrong number of pips, a missing or unturned corner index,
// a court card that is not double-ended, two cards that look the same.
#include "tests/cardart/PictureFiles.h"

#include <QDir>
#include <QImage>
#include <QTest>

#include <vector>

using namespace PictureFiles;

namespace {

const char *const SuitNames[4] = {"spades", "diamonds", "clubs", "hearts"};
const char *const RankNames[14] = {"", "ace", "2", "3", "4", "5", "6", "7", "8", "9", "10", "jack", "queen", "king"};

QImage load(const QString &file)
{
    return QImage(QDir(pictureDir()).filePath(file)).convertToFormat(QImage::Format_ARGB32);
}

QString faceFile(int index) { return PictureNames::fileName(PictureNames::face(index)); }

bool isRedInk(QRgb p) { return qAlpha(p) && qRed(p) > 150 && qGreen(p) < 90 && qBlue(p) < 90; }
bool isBlackInk(QRgb p) { return qAlpha(p) && qRed(p) < 70 && qGreen(p) < 70 && qBlue(p) < 70; }
// Anything clearly darker than the paper counts as ink for shape counting.
bool isInk(QRgb p) { return qAlpha(p) && qMin(qMin(qRed(p), qGreen(p)), qBlue(p)) < 140; }

// Number of separate ink shapes (8-connected) inside the rectangle.
int shapes(const QImage &image, const QRect &area)
{
    std::vector<char> seen(size_t(image.width() * image.height()), 0);
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            if (seen[size_t(y * image.width() + x)] || !isInk(image.pixel(x, y)))
                continue;
            ++count;
            std::vector<QPoint> stack{QPoint(x, y)};
            seen[size_t(y * image.width() + x)] = 1;
            while (!stack.empty()) {
                const QPoint at = stack.back();
                stack.pop_back();
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const QPoint n(at.x() + dx, at.y() + dy);
                        if (!area.contains(n) || seen[size_t(n.y() * image.width() + n.x())]
                            || !isInk(image.pixel(n)))
                            continue;
                        seen[size_t(n.y() * image.width() + n.x())] = 1;
                        stack.push_back(n);
                    }
            }
        }
    return count;
}

// Pixels of the area that differ clearly from the area turned half a turn.
int unturnedPixels(const QImage &image, const QRect &area)
{
    int differ = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb a = image.pixel(x, y);
            const QRgb b = image.pixel(image.width() - 1 - x, image.height() - 1 - y);
            if (qAbs(qRed(a) - qRed(b)) > 60 || qAbs(qGreen(a) - qGreen(b)) > 60 || qAbs(qBlue(a) - qBlue(b)) > 60)
                ++differ;
        }
    return differ;
}

int differingPixels(const QImage &a, const QImage &b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    return n;
}

} // namespace

class tst_CardartContent : public QObject
{
    Q_OBJECT

private slots:
    void pipsMatchTheRank_data();
    void pipsMatchTheRank();
    void suitColours_data();
    void suitColours();
    void cornerIndexIsTurnedInTheOppositeCorner_data();
    void cornerIndexIsTurnedInTheOppositeCorner();
    void courtCardsAreDoubleEndedAndColoured_data();
    void courtCardsAreDoubleEndedAndColoured();
    void everyCardSizedPictureIsDistinct();
    void jokerWordColour_data();
    void jokerWordColour();
    void marks_data();
    void marks();
    void dottedBackIsOnlyDotsAndFrame();
    void detailStatesDiffer_data();
    void detailStatesDiffer();

private:
    static void addFaceRows(int fromRank, int toRank);
};

void tst_CardartContent::addFaceRows(int fromRank, int toRank)
{
    QTest::addColumn<int>("index");
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = fromRank; rank <= toRank; ++rank)
            QTest::addRow("%s of %s", RankNames[rank], SuitNames[suit]) << suit * 13 + rank - 1;
}

void tst_CardartContent::pipsMatchTheRank_data()
{
    addFaceRows(1, 10);
}

void tst_CardartContent::pipsMatchTheRank()
{
    QFETCH(int, index);
    const int rank = index % 13 + 1;
    if (index == 0)
        QSKIP("the ace of spades is an ornamented design, not a plain pip");
    // Between the two corner indexes only the pips are inked.
    const QImage image = load(faceFile(index));
    QCOMPARE(shapes(image, QRect(13, 1, 45, 94)), rank);
}

void tst_CardartContent::suitColours_data()
{
    addFaceRows(1, 13);
}

void tst_CardartContent::suitColours()
{
    QFETCH(int, index);
    const int suit = index / 13;
    const int rank = index % 13 + 1;
    const bool red = suit == 1 || suit == 3;
    const QImage image = load(faceFile(index));
    // The corner index always; on number cards and aces the whole card, which
    // must carry no colour but the suit's.
    const QRect area = rank <= 10 ? QRect(0, 0, 71, 96) : QRect(2, 3, 10, 21);
    int redInk = 0, blackInk = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            redInk += isRedInk(p) ? 1 : 0;
            blackInk += isBlackInk(p) && !(rank <= 10 && (x == 0 || y == 0 || x == 70 || y == 95 || x == 1 || x == 69 || y == 1 || y == 94)) ? 1 : 0;
            if (rank <= 10 && qAlpha(p) && !red)
                QVERIFY2(qAbs(qRed(p) - qGreen(p)) < 24 && qAbs(qGreen(p) - qBlue(p)) < 24, "colour on a black card");
            if (rank <= 10 && qAlpha(p) && red)
                QVERIFY2(qAbs(qGreen(p) - qBlue(p)) < 24 && qRed(p) >= qGreen(p), "a colour other than red");
        }
    if (red) {
        QVERIFY(redInk > 20);
        QCOMPARE(blackInk, 0);
    } else {
        QVERIFY(blackInk > 20);
        QCOMPARE(redInk, 0);
    }
}

void tst_CardartContent::cornerIndexIsTurnedInTheOppositeCorner_data()
{
    addFaceRows(1, 13);
}

void tst_CardartContent::cornerIndexIsTurnedInTheOppositeCorner()
{
    QFETCH(int, index);
    const QImage image = load(faceFile(index));
    const QRect index1(1, 2, 12, 22);
    QVERIFY2(shapes(image, index1) >= 2, "rank and suit sign expected in the corner");
    const int differ = unturnedPixels(image, index1);
    QVERIFY2(differ <= 3, qPrintable(QString::number(differ)));
}

void tst_CardartContent::courtCardsAreDoubleEndedAndColoured_data()
{
    addFaceRows(11, 13);
}

void tst_CardartContent::courtCardsAreDoubleEndedAndColoured()
{
    QFETCH(int, index);
    const QImage image = load(faceFile(index));
    const int differ = unturnedPixels(image, image.rect());
    QVERIFY2(differ < 71 * 96 / 50, qPrintable(QString::number(differ)));
    int blue = 0, yellow = 0;
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 71; ++x) {
            const QRgb p = image.pixel(x, y);
            blue += qBlue(p) > 130 && qRed(p) < 90 ? 1 : 0;
            yellow += qRed(p) > 200 && qGreen(p) > 150 && qBlue(p) < 90 ? 1 : 0;
        }
    QVERIFY2(blue > 100 && yellow > 100, "a court figure should be in full colour");
    // The three courts of a suit must be three different figures.
    const int first = index - index % 13 + 10;
    for (int other = first; other < first + 3; ++other)
        if (other != index)
            QVERIFY(differingPixels(image, load(faceFile(other))) > 71 * 96 / 10);
}

void tst_CardartContent::everyCardSizedPictureIsDistinct()
{
    const QStringList files = cardSized();
    QList<QImage> images;
    for (const QString &f : files)
        images.append(load(f));
    for (int i = 0; i < images.size(); ++i)
        for (int j = i + 1; j < images.size(); ++j)
            QVERIFY2(differingPixels(images[i], images[j]) > 30,
                     qPrintable(files[i] + " and " + files[j] + " look the same"));
}

void tst_CardartContent::jokerWordColour_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("red");
    QTest::newRow("joker1 is red") << "joker1.gif" << true;
    QTest::newRow("joker2 is black") << "joker2.gif" << false;
}

void tst_CardartContent::jokerWordColour()
{
    QFETCH(QString, file);
    QFETCH(bool, red);
    const QImage image = load(file);
    // The word across the top, and again upside down across the bottom.
    for (const QRect band : {QRect(3, 3, 65, 15), QRect(3, 78, 65, 15)}) {
        int redInk = 0, blackInk = 0;
        for (int y = band.top(); y <= band.bottom(); ++y)
            for (int x = band.left(); x <= band.right(); ++x) {
                redInk += isRedInk(image.pixel(x, y)) ? 1 : 0;
                blackInk += isBlackInk(image.pixel(x, y)) ? 1 : 0;
            }
        QVERIFY((red ? redInk : blackInk) > 40);
        QCOMPARE(red ? blackInk : redInk, 0);
        QVERIFY(shapes(image, band) >= 4); // J, o, k, e, r (k may touch e)
    }
    QVERIFY(unturnedPixels(image, QRect(3, 3, 65, 15)) <= 4);
}

void tst_CardartContent::marks_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("green");
    QTest::addColumn<bool>("centreShown");
    QTest::newRow("O mark: green ring, open middle") << "mark_o.gif" << true << false;
    QTest::newRow("X mark: red cross, crossing in the middle") << "mark_x.gif" << false << true;
}

void tst_CardartContent::marks()
{
    QFETCH(QString, file);
    QFETCH(bool, green);
    QFETCH(bool, centreShown);
    const QImage image = load(file);
    int shown = 0, matching = 0;
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 71; ++x) {
            const QRgb p = image.pixel(x, y);
            if (!qAlpha(p))
                continue;
            ++shown;
            const bool isGreen = qGreen(p) > qRed(p) + 60 && qGreen(p) > qBlue(p) + 60;
            const bool isRed = qRed(p) > qGreen(p) + 60 && qRed(p) > qBlue(p) + 60;
            matching += (green ? isGreen : isRed) ? 1 : 0;
        }
    QVERIFY(shown > 300);
    QVERIFY2(matching * 10 >= shown * 9, "the mark is not in its colour");
    QCOMPARE(qAlpha(image.pixel(35, 48)) != 0, centreShown);
    QCOMPARE(qAlpha(image.pixel(35, 5)), 0);
    QCOMPARE(qAlpha(image.pixel(5, 48)), 0);
}

void tst_CardartContent::dottedBackIsOnlyDotsAndFrame()
{
    const QImage image = load(QStringLiteral("back01.gif"));
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 71; ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p))
                QVERIFY2(qMax(qMax(qRed(p), qGreen(p)), qBlue(p)) < 140, "a light pixel on the see-through back");
        }
    QVERIFY(shapes(image, QRect(6, 6, 59, 84)) >= 40);
}

void tst_CardartContent::detailStatesDiffer_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("cuff") << "ani_ace1.bmp" << "ani_ace2.bmp";
    QTest::newRow("sun face") << "ani_face1.bmp" << "ani_face2.bmp";
    QTest::newRow("robot gauge") << "ani_robot1.bmp" << "ani_robot2.bmp";
}

void tst_CardartContent::detailStatesDiffer()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    const QImage a = load(first);
    const QImage b = load(second);
    QCOMPARE(a.size(), b.size());
    const int differ = differingPixels(a, b);
    // Two states of one picture: visibly different, yet mostly the same.
    QVERIFY(differ >= 4);
    QVERIFY(differ * 2 < a.width() * a.height());
}

QTEST_GUILESS_MAIN(tst_CardartContent)
#include "tst_cardart_content.moc"
