#pragma once

#include <QImage>
#include <QPainter>
#include <memory>

// A drawing surface that is painted at several times the target size and then
// reduced with a plain box filter. Drawing at 4x and averaging gives smooth
// edges from integer arithmetic only, so the result does not depend on the
// blending shortcuts a CPU happens to offer; edges that lie on whole target
// pixels (the card outline) stay perfectly sharp.
class Canvas
{
public:
    static constexpr int Scale = 4;

    Canvas(int width, int height);
    ~Canvas();

    Canvas(const Canvas &) = delete;
    Canvas &operator=(const Canvas &) = delete;

    // A painter in target pixel coordinates (0..width, 0..height), antialiased.
    QPainter &painter() { return *m_painter; }

    // Ends painting and returns the reduced picture as non-premultiplied ARGB32.
    QImage finish();

    // The same box reduction, usable on any premultiplied image whose sides are
    // multiples of the factor.
    static QImage reduce(const QImage &large, int factor);

private:
    QImage m_large;
    std::unique_ptr<QPainter> m_painter;
};
