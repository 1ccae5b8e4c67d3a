#include "render/PathOps.h"

#include <QPainterPathStroker>
#include <QTransform>

namespace PathOps {

namespace {

thread_local bool t_fine = false;

// Large enough that a curve a hundredth of a unit long gets Qt's limit of 64
// pieces; small enough to stay far inside double precision.
constexpr qreal Scale = 8192.0;

QPainterPath up(const QPainterPath &path)
{
    return QTransform::fromScale(Scale, Scale).map(path);
}

QPainterPath down(const QPainterPath &path)
{
    return QTransform::fromScale(1 / Scale, 1 / Scale).map(path);
}

} // namespace

Fine::Fine() : m_was(t_fine)
{
    t_fine = true;
}

Fine::~Fine()
{
    t_fine = m_was;
}

bool Fine::active()
{
    return t_fine;
}

QPainterPath united(const QPainterPath &a, const QPainterPath &b)
{
    return t_fine ? down(up(a).united(up(b))) : a.united(b);
}

QPainterPath simplified(const QPainterPath &path)
{
    return t_fine ? down(up(path).simplified()) : path.simplified();
}

QPainterPath stroke(const QPainterPath &centre, qreal width, Qt::PenCapStyle cap, Qt::PenJoinStyle join,
                    qreal miterLimit)
{
    QPainterPathStroker stroker;
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(join);
    stroker.setMiterLimit(miterLimit);
    stroker.setWidth(t_fine ? width * Scale : width);
    return t_fine ? down(stroker.createStroke(up(centre))) : stroker.createStroke(centre);
}

} // namespace PathOps
