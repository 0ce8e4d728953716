#include "controls/platform/devicepixels.h"

#include <QPaintEngine>
#include <QPainter>

// A widget's painter that a grab or a render redirects still names the widget
// as its device; the paint engine knows the surface underneath.
qreal DevicePixelRatio(const QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    const QPaintDevice* device = engine != nullptr ? engine->paintDevice() : painter.device();
    return device != nullptr ? device->devicePixelRatio() : 1.0;
}

int ArtworkScale(qreal ratio) {
    return ratio > 1.0 ? 2 : 1;
}
