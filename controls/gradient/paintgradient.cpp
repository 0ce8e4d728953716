#include <QPainter>
#include <QtMath>
#include <utility>

#include "controls/gradient/gradientfx.h"
#include "controls/gradient/tempdccanvas.h"
#include "controls/platform/devicepixels.h"

void PaintGradient(QPainter* canvas, int width, int height, int x, int y, TColor fromColor,
                   TColor toColor, TGradientFX style) {
    if (style >= fxInvHorizontal) {
        std::swap(fromColor, toColor);
        style = static_cast<TGradientFX>(style - fxInvHorizontal);
    }
    // The gradient is drawn in the target's device pixels: a line per device
    // row or column, so a 2x screen gets twice the steps instead of an
    // enlarged 1x picture.
    const qreal ratio = canvas != nullptr ? DevicePixelRatio(*canvas) : 1.0;
    const int deviceWidth = width > 0 ? qCeil(width * ratio) : width;
    const int deviceHeight = height > 0 ? qCeil(height * ratio) : height;
    TTempDCCanvas surface(canvas, deviceWidth, deviceHeight);
    TGradient().Draw(&surface, deviceWidth, deviceHeight, ResolveColor(fromColor),
                     ResolveColor(toColor), style);
    surface.CopyTo(QRect(x, y, width, height));
}
