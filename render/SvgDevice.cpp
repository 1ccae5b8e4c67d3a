#include "render/SvgDevice.h"

#include "render/SvgText.h"

#include <QBuffer>
#include <QHash>
#include <QImage>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPixmap>
#include <QRegion>

class SvgDevice::Engine : public QPaintEngine
{
public:
    // Only what becomes SVG of its own: for everything else QPainter paints
    // a picture and hands it to drawImage().
    explicit Engine(SvgDevice *device)
        : QPaintEngine(PrimitiveTransform | PatternTransform | PixmapTransform | LinearGradientFill
                       | RadialGradientFill | AlphaBlend | PainterPaths | Antialiasing | ConstantOpacity)
        , m_device(device)
    {
    }

    bool begin(QPaintDevice *) override
    {
        m_transform = QTransform();
        m_decimals = 3;
        m_pen = QPen();
        m_brush = QBrush();
        m_brushOrigin = QPointF();
        m_opacity = 1;
        m_body.clear();
        m_defs.clear();
        m_ids.clear();
        m_clips.clear();
        m_openClips.clear();
        m_openTransform.clear();
        m_clipEnabled = false;
        m_xlink = false;
        m_device->m_document.clear();
        return true;
    }

    bool end() override
    {
        closeTransform();
        for (qsizetype i = 0; i < m_openClips.size(); ++i)
            m_body += "</g>\n";
        m_openClips.clear();
        const QByteArray body = reuseRepeats(m_body);
        QByteArray svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\"";
        if (m_xlink)
            svg += " xmlns:xlink=\"http://www.w3.org/1999/xlink\"";
        const QSize units = m_device->m_units;
        svg += " version=\"1.1\"" + SvgText::attribute("width", SvgText::number(m_device->m_sizeMm.width(), 3) + "mm")
            + SvgText::attribute("height", SvgText::number(m_device->m_sizeMm.height(), 3) + "mm")
            + SvgText::attribute("viewBox", "0 0 " + QByteArray::number(units.width()) + ' '
                                                + QByteArray::number(units.height()))
            // Qt's defaults where they differ from SVG's, so that each shape
            // says only how it differs from them. Not the clip rule: readers
            // that take an inherited clip rule for the clipped shape's own
            // (LibreOffice) would punch holes into shapes filled nonzero, so
            // each clip says its own.
            + " fill=\"none\" fill-rule=\"evenodd\" stroke-linecap=\"square\""
              " stroke-linejoin=\"bevel\" stroke-miterlimit=\"2\">\n";
        svg += "<title>" + SvgText::xmlText(m_device->m_title) + "</title>\n";
        svg += "<desc>" + SvgText::xmlText(m_device->m_description) + "</desc>\n";
        if (!m_defs.isEmpty())
            svg += "<defs>\n" + m_defs + "</defs>\n";
        m_device->m_document = svg + body + "</svg>\n";
        return true;
    }

    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState &state) override
    {
        const QPaintEngine::DirtyFlags dirty = state.state();
        if (dirty & DirtyTransform) {
            m_transform = state.transform();
            m_decimals = SvgText::decimalsFor(m_transform);
        }
        if (dirty & DirtyPen)
            m_pen = state.pen();
        if (dirty & DirtyBrush)
            m_brush = state.brush();
        if (dirty & DirtyBrushOrigin)
            m_brushOrigin = state.brushOrigin();
        if (dirty & DirtyOpacity)
            m_opacity = state.opacity();
        // A clip comes in the coordinates current when it was set; QPainter
        // replays the ones still in force after a restore.
        if (dirty & DirtyClipPath)
            clip(state.clipPath(), state.clipOperation(), state.transform());
        if (dirty & DirtyClipRegion) {
            QPainterPath path;
            path.addRegion(state.clipRegion());
            clip(path, state.clipOperation(), state.transform());
        }
        if (dirty & DirtyClipEnabled)
            m_clipEnabled = state.isClipEnabled();
    }

    using QPaintEngine::drawEllipse;
    using QPaintEngine::drawPolygon;
    using QPaintEngine::drawRects;

    void drawPath(const QPainterPath &path) override
    {
        QByteArray element = "path" + SvgText::attribute("d", SvgText::pathData(path, m_decimals));
        if (path.fillRule() == Qt::WindingFill)
            element += " fill-rule=\"nonzero\"";
        draw(element, path);
    }

    void drawRects(const QRectF *rects, int count) override
    {
        for (int i = 0; i < count; ++i) {
            QPainterPath path;
            path.addRect(rects[i].normalized());
            draw("rect" + SvgText::box(rects[i].normalized(), m_decimals), path);
        }
    }

    void drawEllipse(const QRectF &rect) override
    {
        const QRectF r = rect.normalized();
        QByteArray element = r.width() == r.height() ? "circle" : "ellipse";
        element += at("cx", r.center().x()) + at("cy", r.center().y());
        if (r.width() == r.height())
            element += at("r", r.width() / 2);
        else
            element += at("rx", r.width() / 2) + at("ry", r.height() / 2);
        QPainterPath path;
        path.addEllipse(r);
        draw(element, path);
    }

    void drawPolygon(const QPointF *points, int count, PolygonDrawMode mode) override
    {
        if (count < 1)
            return;
        QByteArray list;
        QPainterPath path(points[0]);
        for (int i = 0; i < count; ++i) {
            // A point list needs its spaces: librsvg reads "1,2-3,4" as one point.
            if (i > 0)
                list += ' ';
            list += SvgText::number(points[i].x(), m_decimals) + ',' + SvgText::number(points[i].y(), m_decimals);
            if (i > 0)
                path.lineTo(points[i]);
        }
        if (mode == PolylineMode) {
            // An open line has no inside to fill.
            draw("polyline" + SvgText::attribute("points", list), path, false);
            return;
        }
        path.closeSubpath();
        QByteArray element = "polygon" + SvgText::attribute("points", list);
        if (mode == WindingMode)
            element += " fill-rule=\"nonzero\"";
        draw(element, path);
    }

    void drawPixmap(const QRectF &r, const QPixmap &pixmap, const QRectF &source) override
    {
        drawImage(r, pixmap.toImage(), source, Qt::AutoColor);
    }

    void drawImage(const QRectF &r, const QImage &image, const QRectF &source, Qt::ImageConversionFlags) override
    {
        const QImage part = source == QRectF(image.rect()) ? image : image.copy(source.toAlignedRect());
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (part.isNull() || !part.save(&buffer, "PNG"))
            return;
        enter(m_transform);
        m_xlink = true;
        m_body += "<image" + SvgText::box(r, m_decimals) + " preserveAspectRatio=\"none\"";
        m_body += opacity("opacity", 1) + " xlink:href=\"data:image/png;base64," + png.toBase64() + "\"/>\n";
    }

private:
    // A card draws much twice: the corner index turned half a turn, the
    // court figure's upper half turned into the lower. A shape written again
    // with the same attributes (its place comes from the groups around it)
    // becomes a reference to the first, which takes an id; about halves a
    // court card's file.
    QByteArray reuseRepeats(const QByteArray &body)
    {
        QList<QByteArray> lines = body.split('\n');
        QHash<QByteArray, qsizetype> first;
        QHash<qsizetype, QByteArray> ids;
        const qsizetype worthIt = 64; // a reference is about 25 bytes
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QByteArray &line = lines.at(i);
            if (line.size() < worthIt || line.startsWith("<g") || !line.endsWith("/>"))
                continue;
            const auto seen = first.constFind(line);
            if (seen == first.cend()) {
                first.insert(line, i);
                continue;
            }
            QByteArray &id = ids[*seen];
            if (id.isEmpty())
                id = 'u' + QByteArray::number(ids.size());
            lines[i] = "<use xlink:href=\"#" + id + "\"/>";
            m_xlink = true;
        }
        for (auto it = ids.cbegin(); it != ids.cend(); ++it) {
            QByteArray &line = lines[it.key()];
            line.insert(line.indexOf(' '), " id=\"" + it.value() + '"');
        }
        return lines.join('\n');
    }

    QByteArray at(const char *name, qreal value) const { return SvgText::attribute(name, value, m_decimals); }

    // One shape with the current brush and pen. A pen SVG strokes otherwise
    // than Qt (dashes, a width in device units) is drawn as Qt's own outline
    // of it.
    void draw(const QByteArray &element, const QPainterPath &path, bool fillable = true)
    {
        const bool fill = fillable && m_brush.style() != Qt::NoBrush;
        const bool pen = m_pen.style() != Qt::NoPen;
        const bool stroke = pen && m_pen.style() == Qt::SolidLine && !m_pen.isCosmetic();
        if (fill || stroke) {
            enter(m_transform);
            m_body += '<' + element + (fill ? fillOf(m_brush) : QByteArray())
                + (stroke ? strokeOf(m_pen) : QByteArray()) + "/>\n";
        }
        if (pen && !stroke)
            outline(path);
    }

    void outline(const QPainterPath &path)
    {
        QPainterPathStroker stroker(m_pen);
        // Qt's threshold of a quarter unit is far too coarse for a card
        // 71 units wide.
        stroker.setCurveThreshold(0.001);
        QTransform placed = m_transform;
        QPainterPath shape = path;
        if (m_pen.isCosmetic()) {
            // The width is in device units whatever the transform.
            shape = m_transform.map(path);
            placed = QTransform();
            stroker.setWidth(m_pen.widthF() > 0 ? m_pen.widthF() : 1.0);
        }
        const QPainterPath stroke = stroker.createStroke(shape);
        enter(placed);
        const QColor c = m_pen.color();
        m_body += "<path" + SvgText::attribute("d", SvgText::pathData(stroke, SvgText::decimalsFor(placed)))
            + " fill-rule=\"nonzero\"" + SvgText::attribute("fill", SvgText::colour(c))
            + opacity("fill-opacity", c.alphaF()) + "/>\n";
    }

    QByteArray opacity(const char *name, qreal alpha) const
    {
        const qreal value = alpha * m_opacity;
        return value < 1 ? SvgText::attribute(name, value, 3) : QByteArray();
    }

    QByteArray fillOf(const QBrush &brush)
    {
        // QPainter hands every other brush to drawImage() as a picture: no
        // other style reaches here.
        if (brush.style() == Qt::LinearGradientPattern || brush.style() == Qt::RadialGradientPattern)
            return SvgText::attribute("fill", "url(#" + gradient(brush) + ')') + opacity("fill-opacity", 1);
        const QColor c = brush.color();
        return SvgText::attribute("fill", SvgText::colour(c)) + opacity("fill-opacity", c.alphaF());
    }

    QByteArray strokeOf(const QPen &pen) const
    {
        const QColor c = pen.color();
        QByteArray s = SvgText::attribute("stroke", SvgText::colour(c)) + opacity("stroke-opacity", c.alphaF());
        if (pen.widthF() != 1)
            s += at("stroke-width", pen.widthF());
        if (pen.capStyle() == Qt::FlatCap)
            s += " stroke-linecap=\"butt\"";
        else if (pen.capStyle() == Qt::RoundCap)
            s += " stroke-linecap=\"round\"";
        if (pen.joinStyle() == Qt::RoundJoin) {
            s += " stroke-linejoin=\"round\"";
        } else if (pen.joinStyle() == Qt::MiterJoin || pen.joinStyle() == Qt::SvgMiterJoin) {
            s += " stroke-linejoin=\"miter\"";
            // Both measure the miter in widths of the pen; SVG allows no less than one.
            if (pen.miterLimit() != 2)
                s += SvgText::attribute("stroke-miterlimit", qMax<qreal>(1, pen.miterLimit()), 3);
        }
        return s;
    }

    // The gradient's definition (once for all shapes that use it); its id.
    QByteArray gradient(const QBrush &brush)
    {
        const QGradient *g = brush.gradient();
        const bool linear = g->type() == QGradient::LinearGradient;
        QByteArray element = linear ? "linearGradient" : "radialGradient";
        element += " gradientUnits=\"userSpaceOnUse\"";
        if (linear) {
            const auto *l = static_cast<const QLinearGradient *>(g);
            element += at("x1", l->start().x()) + at("y1", l->start().y()) + at("x2", l->finalStop().x())
                + at("y2", l->finalStop().y());
        } else {
            const auto *r = static_cast<const QRadialGradient *>(g);
            element += at("cx", r->center().x()) + at("cy", r->center().y()) + at("r", r->radius())
                + at("fx", r->focalPoint().x()) + at("fy", r->focalPoint().y());
        }
        if (g->spread() == QGradient::ReflectSpread)
            element += " spreadMethod=\"reflect\"";
        else if (g->spread() == QGradient::RepeatSpread)
            element += " spreadMethod=\"repeat\"";
        const QTransform placed = brush.transform() * QTransform::fromTranslate(m_brushOrigin.x(), m_brushOrigin.y());
        if (!placed.isIdentity())
            element += SvgText::attribute("gradientTransform", SvgText::transform(placed));
        element += '>';
        for (const QGradientStop &stop : g->stops()) {
            element += "<stop" + SvgText::attribute("offset", stop.first, 4)
                + SvgText::attribute("stop-color", SvgText::colour(stop.second));
            if (stop.second.alpha() < 255)
                element += SvgText::attribute("stop-opacity", stop.second.alphaF(), 3);
            element += "/>";
        }
        element += linear ? "</linearGradient>" : "</radialGradient>";
        return define(element, 'g');
    }

    // Each definition written once, under an id of its own.
    QByteArray define(const QByteArray &element, char prefix)
    {
        const auto known = m_ids.constFind(element);
        if (known != m_ids.cend())
            return *known;
        const QByteArray id = prefix + QByteArray::number(m_ids.size() + 1);
        m_ids.insert(element, id);
        if (prefix == 'c') {
            m_defs += "<clipPath id=\"" + id + "\">" + element + "</clipPath>\n";
        } else {
            const qsizetype space = element.indexOf(' ');
            m_defs += '<' + element.left(space) + " id=\"" + id + '"' + element.mid(space) + '\n';
        }
        return id;
    }

    void clip(const QPainterPath &path, Qt::ClipOperation operation, const QTransform &placed)
    {
        QByteArray shape = "<path";
        if (!placed.isIdentity())
            shape += SvgText::attribute("transform", SvgText::transform(placed));
        shape += SvgText::attribute("d", SvgText::pathData(path, SvgText::decimalsFor(placed)));
        if (path.fillRule() == Qt::OddEvenFill)
            shape += " clip-rule=\"evenodd\"";
        shape += "/>";
        if (operation == Qt::NoClip)
            m_clips.clear();
        else if (operation == Qt::ReplaceClip)
            m_clips = {shape};
        else
            m_clips.append(shape);
    }

    // Opens the groups the next shape is drawn in: one per clip in force,
    // the outermost first, then its transform.
    void enter(const QTransform &placed)
    {
        QList<QByteArray> clips;
        if (m_clipEnabled)
            for (const QByteArray &shape : std::as_const(m_clips))
                clips.append(define(shape, 'c'));
        qsizetype same = 0;
        while (same < clips.size() && same < m_openClips.size() && clips.at(same) == m_openClips.at(same))
            ++same;
        if (same < m_openClips.size() || same < clips.size()) {
            closeTransform();
            for (qsizetype i = same; i < m_openClips.size(); ++i)
                m_body += "</g>\n";
            for (qsizetype i = same; i < clips.size(); ++i)
                m_body += "<g clip-path=\"url(#" + clips.at(i) + ")\">\n";
            m_openClips = clips;
        }
        const QByteArray wanted = SvgText::transform(placed);
        if (wanted == m_openTransform)
            return;
        closeTransform();
        if (!wanted.isEmpty())
            m_body += "<g" + SvgText::attribute("transform", wanted) + ">\n";
        m_openTransform = wanted;
    }

    void closeTransform()
    {
        if (!m_openTransform.isEmpty())
            m_body += "</g>\n";
        m_openTransform.clear();
    }

    SvgDevice *m_device;
    QTransform m_transform;
    int m_decimals = 3;
    QPen m_pen;
    QBrush m_brush;
    QPointF m_brushOrigin;
    qreal m_opacity = 1;
    // Each clip in force as a path element, and whether they apply.
    QList<QByteArray> m_clips;
    bool m_clipEnabled = false;
    // The groups open in the body: the clips' ids, then a transform.
    QList<QByteArray> m_openClips;
    QByteArray m_openTransform;
    bool m_xlink = false;
    QHash<QByteArray, QByteArray> m_ids;
    QByteArray m_defs;
    QByteArray m_body;
};

SvgDevice::SvgDevice(const QSize &units, const QSizeF &sizeMm)
    : m_engine(std::make_unique<Engine>(this)), m_units(units), m_sizeMm(sizeMm)
{
}

SvgDevice::~SvgDevice() = default;

void SvgDevice::setTitle(const QString &title)
{
    m_title = title;
}

void SvgDevice::setDescription(const QString &description)
{
    m_description = description;
}

QByteArray SvgDevice::document() const
{
    return m_document;
}

QPaintEngine *SvgDevice::paintEngine() const
{
    return m_engine.get();
}

int SvgDevice::metric(PaintDeviceMetric metric) const
{
    const qreal dpiX = m_sizeMm.width() > 0 ? m_units.width() * 25.4 / m_sizeMm.width() : 72;
    const qreal dpiY = m_sizeMm.height() > 0 ? m_units.height() * 25.4 / m_sizeMm.height() : 72;
    switch (metric) {
    case PdmWidth: return m_units.width();
    case PdmHeight: return m_units.height();
    case PdmWidthMM: return qRound(m_sizeMm.width());
    case PdmHeightMM: return qRound(m_sizeMm.height());
    case PdmNumColors: return INT_MAX;
    case PdmDepth: return 32;
    case PdmDpiX: case PdmPhysicalDpiX: return qRound(dpiX);
    case PdmDpiY: case PdmPhysicalDpiY: return qRound(dpiY);
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
    default: return 0;
    }
}
