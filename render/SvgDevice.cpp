#include "render/SvgDevice.h"

#include <QBuffer>
#include <QHash>
#include <QImage>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPixmap>
#include <QRegion>
#include <cctype>
#include <cmath>

// Built as one unit with the other painters: the helpers live in a namespace
// of their own rather than an anonymous one that every file of the unit shares.
namespace SvgText {

// Numbers as short as they can be: no trailing zeros, ".5" for 0.5, never
// "-0". Qt's own conversion, so every platform writes the same digits.
QByteArray number(qreal value, int decimals)
{
    QByteArray text = QByteArray::number(value, 'f', decimals);
    if (text.contains('.')) {
        while (text.endsWith('0'))
            text.chop(1);
        if (text.endsWith('.'))
            text.chop(1);
    }
    if (text == "-0")
        return "0";
    if (text.startsWith("0."))
        text.remove(0, 1);
    else if (text.startsWith("-0."))
        text.remove(1, 1);
    return text;
}

// About a thousandth of a device unit as drawn: more decimals where the
// transform enlarges the drawing, fewer where it shrinks it.
int decimalsFor(const QTransform &transform)
{
    const qreal scale = qMax(std::hypot(transform.m11(), transform.m12()), std::hypot(transform.m21(), transform.m22()));
    return scale > 0 ? qBound(0, 3 + int(std::lround(std::log10(scale))), 9) : 3;
}

// Path data and transforms: a space between numbers except where a minus
// sign or a command parts them.
void append(QByteArray &out, qreal value, int decimals)
{
    const QByteArray text = number(value, decimals);
    if (!out.isEmpty() && !text.startsWith('-') && !std::isalpha(uchar(out.back())) && !out.endsWith('('))
        out += ' ';
    out += text;
}

QByteArray attribute(const char *name, const QByteArray &value)
{
    return ' ' + QByteArray(name) + "=\"" + value + '"';
}

QByteArray transform(const QTransform &t)
{
    if (t.isIdentity())
        return QByteArray();
    QByteArray value;
    if (t.type() == QTransform::TxTranslate) {
        value = "translate(";
        append(value, t.dx(), 3);
        append(value, t.dy(), 3);
    } else {
        // The linear part with more digits: a rotation's sines reach far.
        value = "matrix(";
        for (qreal m : {t.m11(), t.m12(), t.m21(), t.m22()})
            append(value, m, 6);
        append(value, t.dx(), 3);
        append(value, t.dy(), 3);
    }
    return value + ')';
}

QByteArray colour(const QColor &c)
{
    return '#' + QByteArray::number(c.rgb() & 0xffffff, 16).rightJustified(6, '0');
}

// SVG's path data. A subpath that ends where it began is closed, as Qt's
// stroker treats it: its ends meet in a join, not in two caps.
QByteArray pathData(const QPainterPath &path, int decimals)
{
    QByteArray d;
    char last = 0;
    QPointF start;
    const auto command = [&](char c) {
        if (c != last || c == 'M')
            d += c;
        last = c;
    };
    const auto point = [&](const QPointF &p) {
        append(d, p.x(), decimals);
        append(d, p.y(), decimals);
    };
    const int count = path.elementCount();
    for (int i = 0; i < count; ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.type == QPainterPath::MoveToElement) {
            command('M');
            point(e);
            start = e;
            continue;
        }
        const int end = e.type == QPainterPath::CurveToElement ? i + 2 : i;
        const bool closes = (end + 1 == count || path.elementAt(end + 1).isMoveTo()) && QPointF(path.elementAt(end)) == start;
        if (e.type == QPainterPath::CurveToElement) {
            command('C');
            for (int k = i; k <= end; ++k)
                point(path.elementAt(k));
            i = end;
        } else if (!closes) {
            command('L');
            point(e);
        }
        if (closes) {
            d += 'Z';
            last = 'Z';
        }
    }
    return d;
}

// Text with the characters XML escapes escaped, and those it cannot hold at
// all (most control characters, unpaired surrogates) left out.
QByteArray xmlText(const QString &text)
{
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            kept += c;
            kept += text.at(++i);
            continue;
        }
        const char16_t u = c.unicode();
        if (c.isSurrogate() || (u < 0x20 && u != '\t' && u != '\n' && u != '\r') || u == 0xfffe || u == 0xffff)
            continue;
        kept += c;
    }
    return kept.toHtmlEscaped().toUtf8();
}

} // namespace SvgText

using namespace SvgText;

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
        m_body.clear();
        m_defs.clear();
        m_ids.clear();
        m_clips.clear();
        m_openClips.clear();
        m_openTransform.clear();
        m_transformOpen = false;
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
        QByteArray svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\"";
        if (m_xlink)
            svg += " xmlns:xlink=\"http://www.w3.org/1999/xlink\"";
        svg += " version=\"1.1\"" + attribute("width", number(m_device->m_sizeMm.width(), 3) + "mm")
            + attribute("height", number(m_device->m_sizeMm.height(), 3) + "mm")
            + attribute("viewBox", "0 0 " + QByteArray::number(m_device->m_units.width()) + ' '
                                       + QByteArray::number(m_device->m_units.height()))
            // Qt's defaults where they differ from SVG's, so that only what
            // differs from them is written on each shape.
            + " fill=\"none\" fill-rule=\"evenodd\" clip-rule=\"evenodd\" stroke-linecap=\"square\""
              " stroke-linejoin=\"bevel\" stroke-miterlimit=\"2\">\n";
        svg += "<title>" + xmlText(m_device->m_title) + "</title>\n";
        svg += "<desc>" + xmlText(m_device->m_description) + "</desc>\n";
        if (!m_defs.isEmpty())
            svg += "<defs>\n" + m_defs + "</defs>\n";
        m_device->m_document = svg + m_body + "</svg>\n";
        return true;
    }

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
        QByteArray element = "path" + attribute("d", pathData(path, decimalsFor(m_transform)));
        if (path.fillRule() == Qt::WindingFill)
            element += " fill-rule=\"nonzero\"";
        draw(element, path);
    }

    void drawRects(const QRectF *rects, int count) override
    {
        const int decimals = decimalsFor(m_transform);
        for (int i = 0; i < count; ++i) {
            const QRectF r = rects[i].normalized();
            QByteArray element = "rect";
            element += attribute("x", number(r.x(), decimals)) + attribute("y", number(r.y(), decimals))
                + attribute("width", number(r.width(), decimals)) + attribute("height", number(r.height(), decimals));
            QPainterPath path;
            path.addRect(r);
            draw(element, path);
        }
    }

    void drawEllipse(const QRectF &rect) override
    {
        const int decimals = decimalsFor(m_transform);
        const QRectF r = rect.normalized();
        QByteArray element = r.width() == r.height() ? "circle" : "ellipse";
        element += attribute("cx", number(r.center().x(), decimals)) + attribute("cy", number(r.center().y(), decimals));
        if (r.width() == r.height())
            element += attribute("r", number(r.width() / 2, decimals));
        else
            element += attribute("rx", number(r.width() / 2, decimals)) + attribute("ry", number(r.height() / 2, decimals));
        QPainterPath path;
        path.addEllipse(r);
        draw(element, path);
    }

    void drawPolygon(const QPointF *points, int count, PolygonDrawMode mode) override
    {
        if (count < 1)
            return;
        const int decimals = decimalsFor(m_transform);
        QByteArray list;
        QPainterPath path(points[0]);
        for (int i = 0; i < count; ++i) {
            // A point list needs its spaces: librsvg reads "1,2-3,4" as one point.
            if (i > 0)
                list += ' ';
            list += number(points[i].x(), decimals) + ',' + number(points[i].y(), decimals);
            if (i > 0)
                path.lineTo(points[i]);
        }
        if (mode == PolylineMode) {
            // An open line has no inside to fill.
            draw("polyline" + attribute("points", list), path, false);
            return;
        }
        path.closeSubpath();
        QByteArray element = "polygon" + attribute("points", list);
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
        const int decimals = decimalsFor(m_transform);
        enter(m_transform);
        m_xlink = true;
        m_body += "<image" + attribute("x", number(r.x(), decimals)) + attribute("y", number(r.y(), decimals))
            + attribute("width", number(r.width(), decimals)) + attribute("height", number(r.height(), decimals))
            + " preserveAspectRatio=\"none\"";
        if (m_opacity < 1)
            m_body += attribute("opacity", number(m_opacity, 3));
        m_body += " xlink:href=\"data:image/png;base64," + png.toBase64() + "\"/>\n";
    }

private:
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
            m_body += '<' + element + (fill ? fillOf(m_brush) : QByteArray()) + (stroke ? strokeOf(m_pen) : QByteArray())
                + "/>\n";
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
        QTransform at = m_transform;
        QPainterPath shape = path;
        if (m_pen.isCosmetic()) {
            // The width is in device units whatever the transform.
            shape = m_transform.map(path);
            at = QTransform();
            stroker.setWidth(m_pen.widthF() > 0 ? m_pen.widthF() : 1.0);
        }
        const QPainterPath stroke = stroker.createStroke(shape);
        enter(at);
        const QColor c = m_pen.color();
        m_body += "<path" + attribute("d", pathData(stroke, decimalsFor(at))) + " fill-rule=\"nonzero\""
            + attribute("fill", colour(c)) + opacity("fill-opacity", c.alphaF()) + "/>\n";
    }

    QByteArray opacity(const char *name, qreal alpha) const
    {
        const qreal value = alpha * m_opacity;
        return value < 1 ? attribute(name, number(value, 3)) : QByteArray();
    }

    QByteArray fillOf(const QBrush &brush)
    {
        // QPainter hands every other brush to drawImage() as a picture: no
        // other style reaches here.
        if (brush.style() == Qt::LinearGradientPattern || brush.style() == Qt::RadialGradientPattern)
            return attribute("fill", "url(#" + gradient(brush) + ')') + opacity("fill-opacity", 1);
        return attribute("fill", colour(brush.color())) + opacity("fill-opacity", brush.color().alphaF());
    }

    QByteArray strokeOf(const QPen &pen) const
    {
        const QColor c = pen.color();
        QByteArray s = attribute("stroke", colour(c)) + opacity("stroke-opacity", c.alphaF());
        if (pen.widthF() != 1)
            s += attribute("stroke-width", number(pen.widthF(), decimalsFor(m_transform)));
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
                s += attribute("stroke-miterlimit", number(qMax<qreal>(1, pen.miterLimit()), 3));
        }
        return s;
    }

    // The gradient's definition (once for all shapes that use it); its id.
    QByteArray gradient(const QBrush &brush)
    {
        const QGradient *g = brush.gradient();
        const int decimals = decimalsFor(m_transform);
        QByteArray element;
        if (g->type() == QGradient::LinearGradient) {
            const auto *linear = static_cast<const QLinearGradient *>(g);
            element = "linearGradient gradientUnits=\"userSpaceOnUse\"" + attribute("x1", number(linear->start().x(), decimals))
                + attribute("y1", number(linear->start().y(), decimals))
                + attribute("x2", number(linear->finalStop().x(), decimals))
                + attribute("y2", number(linear->finalStop().y(), decimals));
        } else {
            const auto *radial = static_cast<const QRadialGradient *>(g);
            element = "radialGradient gradientUnits=\"userSpaceOnUse\"" + attribute("cx", number(radial->center().x(), decimals))
                + attribute("cy", number(radial->center().y(), decimals))
                + attribute("r", number(radial->radius(), decimals))
                + attribute("fx", number(radial->focalPoint().x(), decimals))
                + attribute("fy", number(radial->focalPoint().y(), decimals));
        }
        if (g->spread() == QGradient::ReflectSpread)
            element += " spreadMethod=\"reflect\"";
        else if (g->spread() == QGradient::RepeatSpread)
            element += " spreadMethod=\"repeat\"";
        const QTransform placed = brush.transform() * QTransform::fromTranslate(m_brushOrigin.x(), m_brushOrigin.y());
        if (!placed.isIdentity())
            element += attribute("gradientTransform", transform(placed));
        element += '>';
        for (const QGradientStop &stop : g->stops()) {
            element += "<stop" + attribute("offset", number(stop.first, 4)) + attribute("stop-color", colour(stop.second));
            if (stop.second.alpha() < 255)
                element += attribute("stop-opacity", number(stop.second.alphaF(), 3));
            element += "/>";
        }
        element += g->type() == QGradient::LinearGradient ? "</linearGradient>" : "</radialGradient>";
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

    void clip(const QPainterPath &path, Qt::ClipOperation operation, const QTransform &at)
    {
        QByteArray shape = "<path";
        if (!at.isIdentity())
            shape += attribute("transform", transform(at));
        shape += attribute("d", pathData(path, decimalsFor(at)));
        if (path.fillRule() == Qt::WindingFill)
            shape += " clip-rule=\"nonzero\"";
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
    void enter(const QTransform &at)
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
        const QByteArray wanted = transform(at);
        if (m_transformOpen && wanted == m_openTransform)
            return;
        closeTransform();
        if (!wanted.isEmpty()) {
            m_body += "<g" + attribute("transform", wanted) + ">\n";
            m_openTransform = wanted;
            m_transformOpen = true;
        }
    }

    void closeTransform()
    {
        if (m_transformOpen)
            m_body += "</g>\n";
        m_transformOpen = false;
        m_openTransform.clear();
    }

    SvgDevice *m_device;
    QTransform m_transform;
    QPen m_pen;
    QBrush m_brush;
    QPointF m_brushOrigin;
    qreal m_opacity = 1;
    QList<QByteArray> m_clips;
    bool m_clipEnabled = false;
    QList<QByteArray> m_openClips;
    QByteArray m_openTransform;
    bool m_transformOpen = false;
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
