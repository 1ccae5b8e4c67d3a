#include "render/DetailPainter.h"

#include "render/Canvas.h"
#include "render/Glyphs.h"
#include "render/SuitPips.h"

#include <QPainter>

// A named namespace of their own: the plain colour names below would clash
// with other drawings' in a unity build (-DCMAKE_UNITY_BUILD=ON).
namespace pixelart {

// The classic sixteen colours by name, so the drawings below read as colours.
const QColor Black(0, 0, 0), Navy(0, 0, 128), Silver(192, 192, 192), Grey(128, 128, 128),
    Red(255, 0, 0), Maroon(128, 0, 0), Green(0, 128, 0), Lime(0, 255, 0), Olive(128, 128, 0),
    Yellow(255, 255, 0), Blue(0, 0, 255), Cyan(0, 255, 255), White(255, 255, 255);

QImage blank(int w, int h, const QColor &ground)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(ground);
    return image;
}

void put(QImage &image, int x, int y, const QColor &c)
{
    if (image.rect().contains(x, y))
        image.setPixel(x, y, c.rgb());
}

void box(QImage &image, int x, int y, int w, int h, const QColor &c)
{
    for (int yy = y; yy < y + h; ++yy)
        for (int xx = x; xx < x + w; ++xx)
            put(image, xx, yy, c);
}

// Draws a picture given as rows of letters, one letter per pixel.
void sprite(QImage &image, int x, int y, const QStringList &rows)
{
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c) {
            const QChar ch = rows[r][c];
            QColor colour;
            switch (ch.unicode()) {
            case 'k': colour = Black; break;
            case 'w': colour = White; break;
            case 'r': colour = Red; break;
            case 'm': colour = Maroon; break;
            case 'y': colour = Yellow; break;
            case 'o': colour = Olive; break;
            case 'g': colour = Green; break;
            case 'l': colour = Lime; break;
            case 's': colour = Silver; break;
            case 'd': colour = Grey; break;
            case 'b': colour = Blue; break;
            case 'n': colour = Navy; break;
            default: continue;
            }
            put(image, x + c, y + r, colour);
        }
}

// The cuff of back 8 with a card half out (state 1) or all but out (state 2).
QImage cuff(int state)
{
    QImage image = blank(32, 22, Yellow);
    // Striped sleeve coming in from the left.
    for (int y = 4; y < 18; ++y)
        box(image, 0, y, 11, 1, (y / 2) % 2 ? Blue : White);
    box(image, 0, 3, 11, 1, Black);
    box(image, 0, 18, 11, 1, Black);
    // The white cuff with a button.
    box(image, 11, 2, 4, 18, Black);
    box(image, 12, 3, 2, 16, White);
    put(image, 12, 10, Silver);
    // The card slides out at the cuff.
    const int length = state == 1 ? 7 : 14;
    box(image, 15, 4, length, 14, Black);
    box(image, 15, 5, length - 1, 12, White);
    if (state == 2) {
        sprite(image, 21, 8, {"rr.rr", "rrrrr", ".rrr.", "..r.."});
        sprite(image, 25, 6, {"r"});
    } else {
        sprite(image, 17, 9, {"r.r", "rrr", ".r."});
    }
    return image;
}

QImage bats()
{
    QImage image = blank(26, 12, Navy);
    sprite(image, 1, 5, {"k.....k", "kk.k.kk", ".kkkkk.", "...k..."});
    sprite(image, 9, 1, {"k.......k", "kk..k..kk", ".kkkkkkk.", "..k.k.k..", "....k...."});
    sprite(image, 19, 6, {"k.....k", "kk.k.kk", ".kkkkk.", "...k..."});
    put(image, 6, 1, White);
    put(image, 23, 2, White);
    put(image, 14, 10, White);
    return image;
}

// The sun of back 10: state 1 wears sunglasses, state 2 pulls a face.
QImage sunFace(int state)
{
    QImage image = blank(14, 12, Cyan);
    sprite(image, 0, 0, {
        "....yyyyyy....",
        "..yyyyyyyyyy..",
        ".yyyyyyyyyyyy.",
        ".yyyyyyyyyyyy.",
        "yyyyyyyyyyyyyy",
        "yyyyyyyyyyyyyy",
        "yyyyyyyyyyyyyy",
        "yyyyyyyyyyyyyy",
        ".yyyyyyyyyyyy.",
        ".yyyyyyyyyyyy.",
        "..yyyyyyyyyy..",
        "....yyyyyy....",
    });
    if (state == 1) {
        sprite(image, 2, 3, {"kkkkkkkkkk", ".kkk..kkk.", ".kkk..kkk."});
        sprite(image, 4, 8, {"k....k", ".kkkk."});
    } else {
        sprite(image, 4, 3, {"k....k", "k....k"});
        sprite(image, 4, 7, {"kkkkkk", ".krrk.", "..rr.."});
    }
    return image;
}

// The chest panel of back 6's robot: a dial and two lamps that take turns.
QImage gauge(int state)
{
    QImage image = blank(24, 7, Red);
    box(image, 1, 0, 22, 7, Silver);
    sprite(image, 2, 1, {"..kkkkk..", ".kwwwwwk.", "kwwwwwwwk", "kwwwwwwwk", "kkkkkkkkk"});
    if (state == 1)
        sprite(image, 3, 2, {"k", ".k", "..kk"});
    else
        sprite(image, 7, 2, {"...k", "..k", "kk"});
    const QColor first = state == 1 ? Lime : Green;
    const QColor second = state == 1 ? Olive : Yellow;
    box(image, 13, 2, 3, 3, first);
    box(image, 18, 2, 3, 3, second);
    for (int x : {13, 18}) {
        box(image, x - 1, 1, 5, 1, Grey);
        box(image, x - 1, 5, 5, 1, Grey);
    }
    return image;
}

} // namespace pixelart

QImage DetailPainter::detail(const QString &name)
{
    if (name == QLatin1String("ani_ace1")) return pixelart::cuff(1);
    if (name == QLatin1String("ani_ace2")) return pixelart::cuff(2);
    if (name == QLatin1String("ani_bats")) return pixelart::bats();
    if (name == QLatin1String("ani_face1")) return pixelart::sunFace(1);
    if (name == QLatin1String("ani_face2")) return pixelart::sunFace(2);
    if (name == QLatin1String("ani_robot1")) return pixelart::gauge(1);
    if (name == QLatin1String("ani_robot2")) return pixelart::gauge(2);
    return {};
}

QImage DetailPainter::controlIcon()
{
    Canvas canvas(32, 39);
    QPainter &p = canvas.painter();
    // Raised tile: light edges top-left, dark bottom-right, like a button.
    p.fillRect(QRectF(0, 0, 32, 39), pixelart::Silver);
    p.fillRect(QRectF(0, 0, 31, 1), pixelart::White);
    p.fillRect(QRectF(0, 0, 1, 38), pixelart::White);
    p.fillRect(QRectF(0, 38, 32, 1), pixelart::Black);
    p.fillRect(QRectF(31, 0, 1, 39), pixelart::Black);
    p.fillRect(QRectF(1, 37, 30, 1), pixelart::Grey);
    p.fillRect(QRectF(30, 1, 1, 37), pixelart::Grey);
    // A small deck: two cards behind, the two of hearts in front.
    p.setPen(QPen(pixelart::Black, 0.75));
    for (int i = 2; i >= 0; --i) {
        const QRectF card(7 + i * 2, 8 - i * 1.5, 15, 22);
        p.setBrush(i == 0 ? pixelart::White : QColor(40, 80, 200));
        p.drawRoundedRect(card, 1.5, 1.5);
    }
    const QPainterPath two = Glyphs::text(QStringLiteral("2"), 9, 3.0);
    p.fillPath(two.translated(10.5, 11), QColor(220, 0, 0));
    p.fillPath(SuitPips::placed(SuitPips::Hearts, 14.5, 25, 5), QColor(220, 0, 0));
    QImage image = canvas.finish();
    QImage opaqueImage(image.size(), QImage::Format_RGB32);
    opaqueImage.fill(pixelart::Silver);
    QPainter flatten(&opaqueImage);
    flatten.drawImage(0, 0, image);
    flatten.end();
    return opaqueImage;
}
