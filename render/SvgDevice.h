#pragma once

#include <QByteArray>
#include <QPaintDevice>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <memory>

// A paint device that writes what is painted on it as an SVG 1.1 document,
// so a card stays a drawing at any size on every platform this program runs
// on. Paths, rectangles, ellipses and polygons, pens, solid and linear or
// radial gradient fills, transforms, opacity and clip paths become SVG's own
// elements. The rest still appears as painted: a dashed or cosmetic pen is
// written as the outline QPainter would fill, text as its glyphs' paths, and
// what SVG has no element for here (conical gradients, pattern and texture
// brushes, perspective) QPainter paints as a picture at the device's
// resolution, embedded as PNG like any image drawn.
//
// The bytes depend only on what is painted: no date, no name of the machine,
// numbers written the same way everywhere.
class SvgDevice : public QPaintDevice
{
public:
    // units: the device's own size, the document's viewBox; sizeMm: the size
    // the document declares.
    SvgDevice(const QSize &units, const QSizeF &sizeMm);
    ~SvgDevice() override;

    void setTitle(const QString &title);
    void setDescription(const QString &description);

    // The whole document once the painter has ended; empty before.
    QByteArray document() const;

    QPaintEngine *paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    class Engine;
    std::unique_ptr<Engine> m_engine;
    QSize m_units;
    QSizeF m_sizeMm;
    QString m_title;
    QString m_description;
    QByteArray m_document;
};
