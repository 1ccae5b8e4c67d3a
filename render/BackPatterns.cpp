#include "render/BackPatterns.h"

#include "render/CardShape.h"
#include "render/PathOps.h"

#include <QPainterPath>
#include <cmath>
#include <functional>

namespace {

void rose(QPainter &p, QPointF c, qreal r)
{
    // Leaves first so the bloom sits on them.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(c);
        p.rotate(30 + i * 120);
        QPainterPath leaf;
        leaf.moveTo(r * 0.6, 0);
        leaf.quadTo(r * 1.3, -r * 0.55, r * 2.0, 0);
        leaf.quadTo(r * 1.3, r * 0.55, r * 0.6, 0);
        p.fillPath(leaf, QColor(70, 160, 60));
        p.setPen(QPen(QColor(30, 90, 30), r * 0.08));
        p.drawLine(QPointF(r * 0.7, 0), QPointF(r * 1.9, 0));
        p.setPen(Qt::NoPen);
        p.restore();
    }
    p.setBrush(QColor(150, 0, 20));
    p.drawEllipse(c, r, r);
    // Petal arcs spiralling inward give the bloom its rose look.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(230, 40, 60), r * 0.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const qreal rr = r * (0.8 - i * 0.25);
        p.drawArc(QRectF(c.x() - rr, c.y() - rr, 2 * rr, 2 * rr), (40 + i * 110) * 16, 200 * 16);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 90, 100));
    p.drawEllipse(c, r * 0.18, r * 0.18);
}

void leafWithBerries(QPainter &p, QPointF c, qreal angle, qreal size)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    QPainterPath leaf;
    leaf.moveTo(-size, 0);
    leaf.quadTo(0, -size * 0.55, size, 0);
    leaf.quadTo(0, size * 0.55, -size, 0);
    p.fillPath(leaf, QColor(40, 170, 60));
    p.setPen(QPen(QColor(20, 100, 30), size * 0.08));
    p.drawLine(QPointF(-size * 0.9, 0), QPointF(size * 0.9, 0));
    p.setPen(QPen(QColor(10, 50, 10), size * 0.06));
    p.setBrush(QColor(220, 20, 30));
    p.drawEllipse(QPointF(-size * 0.55, size * 0.45), size * 0.22, size * 0.22);
    p.drawEllipse(QPointF(-size * 0.15, size * 0.6), size * 0.22, size * 0.22);
    p.setBrush(QColor(255, 210, 0));
    p.drawEllipse(QPointF(-size * 0.85, size * 0.75), size * 0.2, size * 0.2);
    p.restore();
}

// The frame round a clipped pattern, one unit wide inside its edge. Drawn
// large, it reaches a little over the edge too: renderers smooth the clip's
// edge and the frame's edge apart, and the pattern would show as a fringe
// between them.
void frame(QPainter &p, const QRectF &inner, const QColor &colour, PathOps::Detail detail)
{
    const bool large = detail == PathOps::Detail::Smooth;
    const qreal over = large ? 0.3 : 0.0;
    p.setPen(large ? QPen(colour, 1 + over, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin) : QPen(colour, 1));
    p.setBrush(Qt::NoBrush);
    const qreal in = 0.5 - over / 2;
    p.drawRect(inner.adjusted(in, in, -in, -in));
}

} // namespace

QRectF BackPatterns::whiteBorder(QPainter &p, const CardExtent &extent, qreal margin)
{
    p.fillRect(extent.paper(), Qt::white);
    return extent.trim().adjusted(margin, margin, -margin, -margin);
}

// A motif in rows, every other row shifted by half a step: on the picture's
// own extent the rows and columns it has always drawn (0 to last), on any
// other every one that reaches the paper, bleed and all (reach: how far a
// motif spreads from its centre).
struct Repeat {
    QPointF first;
    QSizeF step;
    int lastRow, lastColumn;
    qreal reach;
};

static void repeat(QPainter &p, const CardExtent &extent, const QColor &ground, const Repeat &r,
                   const std::function<void(QPointF at, int row, int column)> &motif)
{
    const QRectF paper = extent.paper();
    p.fillRect(paper, ground);
    const auto span = [&](qreal first, qreal step, int last, qreal from, qreal to, qreal reach) {
        if (extent.isPicture())
            return std::pair{0, last};
        return std::pair{qMin(0, int(std::floor((from - reach - first) / step))),
                         qMax(last, int(std::ceil((to + reach - first) / step)))};
    };
    const auto [rowLow, rowHigh] = span(r.first.y(), r.step.height(), r.lastRow, paper.top(), paper.bottom(), r.reach);
    const auto [colLow, colHigh] = span(r.first.x(), r.step.width(), r.lastColumn, paper.left(), paper.right(),
                                        r.reach + r.step.width() / 2);
    for (int row = rowLow; row <= rowHigh; ++row)
        for (int col = colLow; col <= colHigh; ++col)
            motif(QPointF(r.first.x() + col * r.step.width() + (row & 1) * r.step.width() / 2,
                          r.first.y() + row * r.step.height()),
                  row, col);
}

void BackPatterns::lattice(QPainter &p, const CardExtent &extent, PathOps::Detail detail)
{
    const QRectF inner = whiteBorder(p, extent, 4);
    p.save();
    p.setClipRect(inner);
    p.fillRect(inner, QColor(20, 30, 110));
    p.translate(inner.center());
    p.rotate(45);
    const qreal step = 7.0;
    const qreal band = 4.2;
    const int n = 10;
    const QColor red(210, 30, 40), blue(60, 120, 230), edge(10, 10, 40);
    const auto strip = [&](qreal x0, qreal y0, qreal w, qreal h, const QColor &c) {
        p.setPen(QPen(edge, 0.5));
        p.setBrush(c);
        p.drawRect(QRectF(x0, y0, w, h));
    };
    // Each crossing decides which band lies on top, alternating like cloth.
    for (int i = -n; i <= n; ++i)
        strip(-n * step, i * step - band / 2, 2 * n * step, band, red);
    for (int j = -n; j <= n; ++j)
        for (int i = -n; i < n; ++i)
            strip(j * step - band / 2, i * step, band, step, blue);
    for (int j = -n; j <= n; ++j)
        for (int i = -n; i <= n; ++i)
            if ((i + j) % 2 == 0)
                strip(j * step - band / 2 - 0.6, i * step - band / 2, band + 1.2, band, red);
    p.restore();
    frame(p, inner, QColor(20, 30, 110), detail);
}

void BackPatterns::dots(QPainter &p, const CardExtent &extent)
{
    // Nothing but a frame and dots: the table shows through everywhere else.
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(3.5, 3.5, extent.width() - 7, extent.height() - 7));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    // As many rows as the frame holds, their block centred as on the picture.
    const qreal step = 8.7;
    const int rows = int(std::floor((extent.height() - 9 - step) / step + 1e-9)) + 1;
    const qreal top = 9 + (extent.height() - CardShape::Height - (rows - 10) * step) / 2;
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < 7; ++col)
            p.drawEllipse(QPointF(9.5 + col * step, top + row * step), 1.3, 1.3);
}

void BackPatterns::roses(QPainter &p, const CardExtent &extent)
{
    repeat(p, extent, QColor(10, 70, 35), {{8, 8}, {19, 17}, 5, 3, 9.2},
           [&](QPointF at, int, int) { rose(p, at, 4.6); });
}

void BackPatterns::basket(QPainter &p, const CardExtent &extent, PathOps::Detail detail)
{
    const QRectF inner = whiteBorder(p, extent, 4);
    p.save();
    p.setClipRect(inner);
    const qreal cell = 9.0;
    const QColor colours[3] = {QColor(40, 80, 200), QColor(250, 210, 30), QColor(40, 160, 70)};
    const QColor edge(30, 40, 40);
    const int rows = qMax(11, int(std::ceil((inner.height() + 1) / cell)));
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < 8; ++col) {
            const QPointF o(inner.left() + col * cell - 1, inner.top() + row * cell - 1);
            const bool across = (row + col) % 2 == 0;
            for (int s = 0; s < 3; ++s) {
                const QColor &c = colours[(row + col + s) % 3];
                const QRectF r = across ? QRectF(o.x(), o.y() + s * cell / 3, cell, cell / 3)
                                        : QRectF(o.x() + s * cell / 3, o.y(), cell / 3, cell);
                p.setPen(QPen(edge, 0.4));
                p.setBrush(c);
                p.drawRect(r);
            }
        }
    p.restore();
    frame(p, inner, edge, detail);
}

void BackPatterns::berries(QPainter &p, const CardExtent &extent)
{
    repeat(p, extent, QColor(30, 60, 170), {{12, 10}, {24, 19}, 4, 2, 9},
           [&](QPointF at, int row, int col) { leafWithBerries(p, at, ((row & 1) ? -35 : 35) + col * 10, 9); });
}
