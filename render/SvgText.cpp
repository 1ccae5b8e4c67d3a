#include "render/SvgText.h"

#include <QPainterPath>
#include <QTransform>
#include <cctype>
#include <cmath>

namespace SvgText {

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

int decimalsFor(const QTransform &transform)
{
    const qreal scale = qMax(std::hypot(transform.m11(), transform.m12()),
                             std::hypot(transform.m21(), transform.m22()));
    return scale > 0 ? qBound(0, 3 + int(std::lround(std::log10(scale))), 9) : 3;
}

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

QByteArray attribute(const char *name, qreal value, int decimals)
{
    return attribute(name, number(value, decimals));
}

QByteArray box(const QRectF &r, int decimals)
{
    return attribute("x", r.x(), decimals) + attribute("y", r.y(), decimals) + attribute("width", r.width(), decimals)
        + attribute("height", r.height(), decimals);
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

// A subpath that ends where it began is closed, as Qt's stroker treats it:
// its ends meet in a join, not in two caps.
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
        const bool closes = (end + 1 == count || path.elementAt(end + 1).isMoveTo())
            && QPointF(path.elementAt(end)) == start;
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
