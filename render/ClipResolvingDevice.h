#pragma once

#include <QPaintDevice>
#include <QSize>
#include <memory>

class QPainter;

// A paint device that passes every drawing on to another painter with the
// clipping worked into the shapes themselves: where a clip is set, the
// filled area and the pen's outline are cut to it and drawn as plain filled
// shapes. For targets that ignore clipping (Qt's SVG generator writes no clip
// paths, so a card's corners and the court figures' clipped cloth would
// spill out). Unclipped drawing goes through unchanged. Pictures and text
// are not cut; the cards draw neither.
class ClipResolvingDevice : public QPaintDevice
{
public:
    // target must be active and outlive this device; size is what the device
    // reports as its own.
    ClipResolvingDevice(QPainter *target, const QSize &size);
    ~ClipResolvingDevice() override;

    QPaintEngine *paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    class Engine;
    std::unique_ptr<Engine> m_engine;
    QSize m_size;
};
