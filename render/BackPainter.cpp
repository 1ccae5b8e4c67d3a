#include "render/BackPainter.h"

#include "render/BackPatterns.h"
#include "render/BackScenes.h"

void BackPainter::paintBack(QPainter &p, int index, const CardExtent &extent, PathOps::Detail detail)
{
    p.save();
    if (index >= 5 && !extent.isPicture()) {
        const QRectF paper = extent.paper();
        const qreal scale = qMax(paper.width() / CardShape::Width, paper.height() / CardShape::Height);
        p.translate(paper.center());
        p.scale(scale, scale);
        p.translate(-CardShape::Width / 2.0, -CardShape::Height / 2.0);
    }
    switch (index) {
    case 0: BackPatterns::lattice(p, extent, detail); break;
    case 1: BackPatterns::dots(p, extent); break;
    case 2: BackPatterns::roses(p, extent); break;
    case 3: BackPatterns::basket(p, extent, detail); break;
    case 4: BackPatterns::berries(p, extent); break;
    case 5: BackScenes::clownfish(p); break;
    case 6: BackScenes::robot(p); break;
    case 7: BackScenes::reef(p); break;
    case 8: BackScenes::sleeve(p, detail); break;
    case 9: BackScenes::shell(p); break;
    case 10: BackScenes::beach(p); break;
    default: BackScenes::castle(p); break;
    }
    p.restore();
}
