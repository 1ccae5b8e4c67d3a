#include "render/CardShape.h"

bool CardShape::isCornerPixel(int x, int y)
{
    // Fold every corner onto the top-left one.
    const int fx = x < Width / 2 ? x : Width - 1 - x;
    const int fy = y < Height / 2 ? y : Height - 1 - y;
    return fx + fy <= 1;
}

void CardShape::paintBlank(QPainter &p, const QColor &paper)
{
    p.fillRect(QRectF(0, 0, Width, Height), paper);
}

void CardShape::paintEdge(QPainter &p, const QColor &ink)
{
    // Whole-pixel rectangles: the edge survives the box reduction as solid ink.
    p.fillRect(QRectF(2, 0, Width - 4, 1), ink);
    p.fillRect(QRectF(2, Height - 1, Width - 4, 1), ink);
    p.fillRect(QRectF(0, 2, 1, Height - 4), ink);
    p.fillRect(QRectF(Width - 1, 2, 1, Height - 4), ink);
    p.fillRect(QRectF(1, 1, 1, 1), ink);
    p.fillRect(QRectF(Width - 2, 1, 1, 1), ink);
    p.fillRect(QRectF(1, Height - 2, 1, 1), ink);
    p.fillRect(QRectF(Width - 2, Height - 2, 1, 1), ink);
}

void CardShape::cutCorners(QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isCornerPixel(x, y))
                image.setPixel(x, y, qRgba(0, 0, 0, 0));
}

QPainterPath CardShape::outline(const QSizeF &units)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(QPointF(0, 0), units), CornerRadius, CornerRadius);
    return path;
}

void CardShape::strokeEdge(QPainter &p, const QSizeF &units, const QColor &ink)
{
    p.save();
    p.setPen(QPen(ink, EdgeWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    const qreal half = EdgeWidth / 2;
    p.drawRoundedRect(QRectF(half, half, units.width() - EdgeWidth, units.height() - EdgeWidth), CornerRadius - half,
                      CornerRadius - half);
    p.restore();
}
