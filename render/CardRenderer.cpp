#include "render/CardRenderer.h"

#include "render/BackPainter.h"
#include "render/Canvas.h"
#include "render/CardShape.h"
#include "render/FacePainter.h"
#include "render/PathOps.h"

#include <QPainter>
#include <cmath>

int CardRenderer::heightForWidth(int width)
{
    return int(std::lround(double(width) * PictureHeight / PictureWidth));
}

void CardRenderer::paintArt(QPainter &p, CardArt art, const CardExtent &extent, PathOps::Detail detail)
{
    switch (art.kind) {
    case CardArt::Kind::Face: FacePainter::paintFace(p, art.index, extent, detail); break;
    case CardArt::Kind::Joker: FacePainter::paintJoker(p, art.index == 0, extent, detail); break;
    case CardArt::Kind::Mark:
        if (art.index == 0)
            FacePainter::paintRingMark(p);
        else
            FacePainter::paintCrossMark(p);
        break;
    case CardArt::Kind::Back: BackPainter::paintBack(p, art.index, extent, detail); break;
    }
}

QImage CardRenderer::picture(CardArt art)
{
    Canvas canvas(PictureWidth, PictureHeight);
    QPainter &p = canvas.painter();
    paintArt(p, art, CardExtent{}, PathOps::Detail::Picture);
    if (!art.hasCardShape())
        return canvas.finish();
    CardShape::paintEdge(p);
    QImage image = canvas.finish();
    CardShape::cutCorners(image);
    return image;
}

void CardRenderer::paint(QPainter &p, const QRectF &target, CardArt art, CardSize size, bool bleed)
{
    const CardExtent extent{CardSizes::units(size), bleed ? CardSizes::bleedUnits(size) : 0.0};
    p.save();
    p.translate(target.topLeft());
    // Target is in the size's proportion, so both ways scale alike.
    p.scale(target.width() / extent.width(), target.height() / extent.height());
    if (!art.hasCardShape()) {
        paintArt(p, art, extent, PathOps::Detail::Smooth);
    } else if (bleed) {
        // Square to the bleed's edge: the cut gives the card its shape.
        p.save();
        p.setClipRect(extent.paper(), Qt::IntersectClip);
        paintArt(p, art, extent, PathOps::Detail::Smooth);
        p.restore();
    } else {
        p.save();
        p.setClipPath(CardShape::outline(extent.units), Qt::IntersectClip);
        paintArt(p, art, extent, PathOps::Detail::Smooth);
        p.restore();
        CardShape::strokeEdge(p, extent.units);
    }
    p.restore();
}

QImage CardRenderer::image(CardArt art, int width, CardSize size)
{
    if (width == PictureWidth && size == CardSize::Picture)
        return picture(art);
    QImage image(QSize(width, CardSizes::heightForWidth(size, width)), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    paint(p, QRectF(QPointF(0, 0), image.size()), art, size);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}
