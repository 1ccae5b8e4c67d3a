#include "render/Canvas.h"

Canvas::Canvas(int width, int height)
    : m_large(width * Scale, height * Scale, QImage::Format_ARGB32_Premultiplied)
{
    m_large.fill(Qt::transparent);
    m_painter = std::make_unique<QPainter>(&m_large);
    m_painter->setRenderHint(QPainter::Antialiasing, true);
    m_painter->scale(Scale, Scale);
}

Canvas::~Canvas() = default;

QImage Canvas::finish()
{
    if (m_painter) {
        m_painter->end();
        m_painter.reset();
    }
    return reduce(m_large, Scale);
}

QImage Canvas::reduce(const QImage &large, int factor)
{
    const QImage src = large.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = src.width() / factor;
    const int h = src.height() / factor;
    const int n = factor * factor;
    QImage out(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        auto *dst = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            int a = 0, r = 0, g = 0, b = 0;
            for (int sy = 0; sy < factor; ++sy) {
                const auto *line = reinterpret_cast<const QRgb *>(src.constScanLine(y * factor + sy));
                for (int sx = 0; sx < factor; ++sx) {
                    const QRgb p = line[x * factor + sx];
                    a += qAlpha(p);
                    r += qRed(p);
                    g += qGreen(p);
                    b += qBlue(p);
                }
            }
            // Un-premultiply here with rounding so a half-covered pixel keeps
            // the colour of what covers it instead of darkening.
            const int alpha = (a + n / 2) / n;
            if (a == 0) {
                dst[x] = qRgba(0, 0, 0, 0);
            } else {
                const auto unmul = [a](int c) { return qMin(255, (c * 255 + a / 2) / a); };
                dst[x] = qRgba(unmul(r), unmul(g), unmul(b), alpha);
            }
        }
    }
    return out;
}
