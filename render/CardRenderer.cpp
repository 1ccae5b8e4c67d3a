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

void CardRenderer::paintArt(QPainter &p, CardArt art, PathOps::Detail detail)
{
    switch (art.kind) {
    case CardArt::Kind::Face: FacePainter::paintFace(p, art.index, detail); break;
    case CardArt::Kind::Joker: FacePainter::paintJoker(p, art.index == 0, detail); break;
    case CardArt::Kind::Mark:
        if (art.index == 0)
            FacePainter::paintRingMark(p);
        else
            FacePainter::paintCrossMark(p);
        break;
    case CardArt::Kind::Back: BackPainter::paintBack(p, art.index, detail); break;
    }
}

QImage CardRenderer::picture(CardArt art)
{
    Canvas canvas(PictureWidth, PictureHeight);
    QPainter &p = canvas.painter();
    paintArt(p, art, PathOps::Detail::Picture);
    if (!art.hasCardShape())
        return canvas.finish();
    CardShape::paintEdge(p);
    QImage image = canvas.finish();
    CardShape::cutCorners(image);
    return image;
}

void CardRenderer::paint(QPainter &p, const QRectF &target, CardArt art)
{
    p.save();
    p.translate(target.topLeft());
    p.scale(target.width() / PictureWidth, target.height() / PictureHeight);
    if (art.hasCardShape()) {
        p.save();
        p.setClipPath(CardShape::outline(), Qt::IntersectClip);
        paintArt(p, art, PathOps::Detail::Smooth);
        p.restore();
        CardShape::strokeEdge(p);
    } else {
        paintArt(p, art, PathOps::Detail::Smooth);
    }
    p.restore();
}

QImage CardRenderer::image(CardArt art, int width)
{
    if (width == PictureWidth)
        return picture(art);
    QImage image(sizeForWidth(width), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    paint(p, QRectF(QPointF(0, 0), image.size()), art);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}
