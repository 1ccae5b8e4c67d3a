#include "render/ClipResolvingDevice.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

// Qt cuts curved paths into straight pieces half a unit long or so: the clip
// arithmetic runs at this many times the device's scale so that those pieces
// stay far below anything a print or an enlargement shows.
static constexpr qreal FineScale = 64.0;

class ClipResolvingDevice::Engine : public QPaintEngine
{
public:
    explicit Engine(QPainter *target)
        : QPaintEngine(QPaintEngine::AllFeatures), m_target(target)
    {
    }

    bool begin(QPaintDevice *) override
    {
        m_clip = QPainterPath();
        m_clipOn = false;
        m_clipSet = false;
        return true;
    }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState &state) override
    {
        const QPaintEngine::DirtyFlags dirty = state.state();
        if (dirty & DirtyTransform)
            m_transform = state.transform();
        if (dirty & DirtyPen)
            m_pen = state.pen();
        if (dirty & DirtyBrush)
            m_brush = state.brush();
        if (dirty & DirtyHints)
            m_target->setRenderHints(state.renderHints());
        if (dirty & DirtyOpacity)
            m_target->setOpacity(state.opacity());
        // A clip arrives in the coordinates current when it was set: it is
        // kept in fine device units so later transforms leave it alone.
        if (dirty & DirtyClipPath)
            applyClip(state.clipPath(), state.clipOperation(), state.transform());
        if (dirty & DirtyClipRegion) {
            QPainterPath path;
            path.addRegion(state.clipRegion());
            applyClip(path, state.clipOperation(), state.transform());
        }
        if (dirty & DirtyClipEnabled)
            m_clipOn = state.isClipEnabled() && m_clipSet;
    }

    void drawPath(const QPainterPath &path) override
    {
        const bool fill = m_brush.style() != Qt::NoBrush;
        const bool stroke = m_pen.style() != Qt::NoPen;
        if (!fill && !stroke)
            return;
        m_target->setTransform(m_transform);
        if (!m_clipOn) {
            m_target->setPen(m_pen);
            m_target->setBrush(m_brush);
            m_target->drawPath(path);
            return;
        }
        const QTransform toFine = m_transform * QTransform::fromScale(FineScale, FineScale);
        const QTransform back = toFine.inverted();
        m_target->setPen(Qt::NoPen);
        if (fill)
            m_target->fillPath(back.map(toFine.map(path).intersected(m_clip)), m_brush);
        if (stroke) {
            // The pen's outline, worked out at the fine scale, then cut.
            QPainterPathStroker stroker;
            const qreal width = m_pen.widthF() > 0 ? m_pen.widthF() : 1.0;
            stroker.setCapStyle(m_pen.capStyle());
            stroker.setJoinStyle(m_pen.joinStyle());
            stroker.setMiterLimit(m_pen.miterLimit());
            if (m_pen.style() != Qt::SolidLine)
                stroker.setDashPattern(m_pen.dashPattern());
            // A cosmetic pen's width is in device units, any other's in the
            // drawing's own.
            stroker.setWidth(width * FineScale);
            const QTransform up = QTransform::fromScale(FineScale, FineScale);
            const QPainterPath outline = m_pen.isCosmetic()
                ? stroker.createStroke(toFine.map(path))
                : (up.inverted() * toFine).map(stroker.createStroke(up.map(path)));
            m_target->fillPath(back.map(outline.intersected(m_clip)), m_pen.brush());
        }
    }

    void drawPolygon(const QPointF *points, int count, PolygonDrawMode mode) override
    {
        if (count < 2)
            return;
        QPainterPath path(points[0]);
        for (int i = 1; i < count; ++i)
            path.lineTo(points[i]);
        if (mode == PolylineMode) {
            // An open line has no inside to fill.
            const QBrush brush = m_brush;
            m_brush = Qt::NoBrush;
            drawPath(path);
            m_brush = brush;
            return;
        }
        path.closeSubpath();
        path.setFillRule(mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
        drawPath(path);
    }

    void drawPixmap(const QRectF &r, const QPixmap &pixmap, const QRectF &source) override
    {
        m_target->setTransform(m_transform);
        m_target->drawPixmap(r, pixmap, source);
    }

private:
    void applyClip(const QPainterPath &path, Qt::ClipOperation operation, const QTransform &transform)
    {
        const QPainterPath fine = (transform * QTransform::fromScale(FineScale, FineScale)).map(path);
        switch (operation) {
        case Qt::NoClip:
            m_clip = QPainterPath();
            m_clipSet = false;
            break;
        case Qt::ReplaceClip:
            m_clip = fine;
            m_clipSet = true;
            break;
        case Qt::IntersectClip:
            m_clip = m_clipSet ? m_clip.intersected(fine) : fine;
            m_clipSet = true;
            break;
        }
        m_clipOn = m_clipSet;
    }

    QPainter *m_target;
    QTransform m_transform;
    QPen m_pen;
    QBrush m_brush;
    QPainterPath m_clip;
    bool m_clipSet = false;
    bool m_clipOn = false;
};

ClipResolvingDevice::ClipResolvingDevice(QPainter *target, const QSize &size)
    : m_engine(std::make_unique<Engine>(target)), m_size(size)
{
}

ClipResolvingDevice::~ClipResolvingDevice() = default;

QPaintEngine *ClipResolvingDevice::paintEngine() const
{
    return m_engine.get();
}

int ClipResolvingDevice::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth: return m_size.width();
    case PdmHeight: return m_size.height();
    case PdmWidthMM: return qRound(m_size.width() * 25.4 / 72);
    case PdmHeightMM: return qRound(m_size.height() * 25.4 / 72);
    case PdmNumColors: return INT_MAX;
    case PdmDepth: return 32;
    case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return 72;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
    default: return 0;
    }
}
