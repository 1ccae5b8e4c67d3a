#include "render/FacePainter.h"

#include "render/CardShape.h"
#include "render/CourtPainter.h"
#include "render/Glyphs.h"
#include "render/JesterPainter.h"
#include "render/SuitPips.h"

#include <array>
#include <vector>

namespace {

constexpr qreal Left = 20.5;
constexpr qreal Centre = 35.5;
constexpr qreal Right = 50.5;
// The pips' top and bottom rows keep this far from the card's ends, clear of
// the indices, whatever its height.
constexpr qreal EndRoom = 19.0;
constexpr qreal PipHeight = 13.0;

struct Pip { qreal x; qreal y; };

// The customary arrangements over the card's height; everything below the
// middle is drawn turned.
std::vector<Pip> layout(int rank, qreal height)
{
    const qreal Top = EndRoom;
    const qreal Bottom = height - EndRoom;
    const qreal Middle = height / 2;
    const qreal third = (Bottom - Top) / 3.0;
    const std::array<qreal, 4> four{Top, Top + third, Bottom - third, Bottom};
    std::vector<Pip> pips;
    const auto sides = [&](qreal y) { pips.push_back({Left, y}); pips.push_back({Right, y}); };
    switch (rank) {
    case 2: pips = {{Centre, Top}, {Centre, Bottom}}; break;
    case 3: pips = {{Centre, Top}, {Centre, Middle}, {Centre, Bottom}}; break;
    case 4: sides(Top); sides(Bottom); break;
    case 5: sides(Top); sides(Bottom); pips.push_back({Centre, Middle}); break;
    case 6: sides(Top); sides(Middle); sides(Bottom); break;
    case 7:
        sides(Top); sides(Middle); sides(Bottom);
        pips.push_back({Centre, (Top + Middle) / 2});
        break;
    case 8:
        sides(Top); sides(Middle); sides(Bottom);
        pips.push_back({Centre, (Top + Middle) / 2});
        pips.push_back({Centre, (Middle + Bottom) / 2});
        break;
    case 9:
        for (qreal y : four)
            sides(y);
        pips.push_back({Centre, Middle});
        break;
    case 10:
        for (qreal y : four)
            sides(y);
        pips.push_back({Centre, (four[0] + four[1]) / 2});
        pips.push_back({Centre, (four[2] + four[3]) / 2});
        break;
    default: break;
    }
    return pips;
}

} // namespace

void FacePainter::paintIndex(QPainter &p, int suit, int rank, const CardExtent &extent, PathOps::Detail detail)
{
    const QColor ink = SuitPips::ink(suit);
    const QString text = Glyphs::rankText(rank);
    // "10" is two figures in the width of one: squeeze it rather than shrink it.
    const qreal spacing = rank == 10 ? 0.2 : 1.6;
    const qreal height = 8.5;
    const QPainterPath rankPath = Glyphs::text(text, height, 2.8, spacing, detail);
    const qreal rankWidth = rankPath.boundingRect().width();
    const qreal squeeze = rankWidth > 10.0 ? 10.0 / rankWidth : 1.0;
    const qreal cx = 7.5;

    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn == 1) {
            p.translate(extent.width(), extent.height());
            p.rotate(180);
        }
        p.save();
        p.translate(cx - rankWidth * squeeze / 2, 4);
        p.scale(squeeze, 1);
        p.fillPath(rankPath, ink);
        p.restore();
        p.fillPath(SuitPips::placed(suit, cx, 18.5, 7.5, false, detail), ink);
        p.restore();
    }
}

void FacePainter::paintPips(QPainter &p, int suit, int rank, qreal height, PathOps::Detail detail)
{
    const QColor ink = SuitPips::ink(suit);
    for (const Pip &pip : layout(rank, height))
        p.fillPath(SuitPips::placed(suit, pip.x, pip.y, PipHeight, pip.y > height / 2 + 0.5, detail), ink);
}

void FacePainter::paintAceOfSpades(QPainter &p, qreal Middle, PathOps::Detail detail)
{
    // The deck's signature card: a large spade with a white inlay inside a
    // double ring.
    const QPointF c(Centre, Middle);
    p.save();
    p.setPen(QPen(QColor(0, 0, 0), 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 24.5, 28);
    p.setPen(QPen(QColor(0, 0, 0), 0.6));
    p.drawEllipse(c, 22.5, 26);
    p.restore();

    p.fillPath(SuitPips::placed(SuitPips::Spades, Centre, Middle, 40, false, detail), Qt::black);
    // White inlay: a smaller spade outline and a line of beads down its heart.
    QPainterPath inner = SuitPips::placed(SuitPips::Spades, Centre, Middle - 3, 27, false, detail);
    p.save();
    p.setPen(QPen(Qt::white, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(PathOps::outlined(inner, detail));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(Centre, Middle - 8 + i * 5.5), 1.4, 1.4);
    p.restore();
}

void FacePainter::paintFace(QPainter &p, int cardIndex, const CardExtent &extent, PathOps::Detail detail)
{
    const int suit = cardIndex / 13;
    const int rank = cardIndex % 13 + 1;
    const qreal middle = extent.height() / 2;
    p.fillRect(extent.paper(), Qt::white);
    if (rank >= 11) {
        // The court's frame is drawn for 96 units on whole pixels: a taller
        // card centres it, so its divider stays on the card's middle.
        p.save();
        p.translate(0, middle - 48);
        CourtPainter::paint(p, suit, rank, detail);
        p.restore();
    } else if (rank == 1 && suit == SuitPips::Spades) {
        paintAceOfSpades(p, middle, detail);
    } else if (rank == 1) {
        p.fillPath(SuitPips::placed(suit, Centre, middle, 24, false, detail), SuitPips::ink(suit));
    } else {
        paintPips(p, suit, rank, extent.height(), detail);
    }
    paintIndex(p, suit, rank, extent, detail);
}

void FacePainter::paintJoker(QPainter &p, bool red, const CardExtent &extent, PathOps::Detail detail)
{
    const QColor ink = red ? QColor(204, 0, 0) : QColor(0, 0, 0);
    p.fillRect(extent.paper(), Qt::white);
    const QString word = QStringLiteral("Joker");
    const QPainterPath text = Glyphs::text(word, 11, 2.6, 2.8, detail);
    const QRectF box = text.boundingRect();
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn == 1) {
            p.translate(extent.width(), extent.height());
            p.rotate(180);
        }
        p.translate((extent.width() - box.width()) / 2 - box.left(), 5);
        p.fillPath(text, ink);
        p.restore();
    }
    // The jester takes the height between the words.
    JesterPainter::paint(p, QRectF(12, 20, 47, extent.height() - 40), red, detail);
}

void FacePainter::paintRingMark(QPainter &p)
{
    p.save();
    p.setPen(QPen(QColor(0, 168, 0), 7));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(Centre, 48), 25, 25);
    p.restore();
}

void FacePainter::paintCrossMark(QPainter &p)
{
    p.save();
    p.setPen(QPen(QColor(220, 0, 0), 8, Qt::SolidLine, Qt::SquareCap));
    p.drawLine(QPointF(14, 22), QPointF(57, 74));
    p.drawLine(QPointF(57, 22), QPointF(14, 74));
    p.restore();
}
