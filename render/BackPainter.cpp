#include "render/BackPainter.h"

#include "render/BackPatterns.h"
#include "render/BackScenes.h"

void BackPainter::paintBack(QPainter &p, int index, PathOps::Detail detail)
{
    p.save();
    switch (index) {
    case 0: BackPatterns::lattice(p, detail); break;
    case 1: BackPatterns::dots(p); break;
    case 2: BackPatterns::roses(p); break;
    case 3: BackPatterns::basket(p, detail); break;
    case 4: BackPatterns::berries(p); break;
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
