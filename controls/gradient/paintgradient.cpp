#include <utility>

#include "controls/gradient/gradientfx.h"
#include "controls/gradient/tempdccanvas.h"

void PaintGradient(QPainter* canvas, int width, int height, int x, int y, TColor fromColor,
                   TColor toColor, TGradientFX style) {
    if (style >= fxInvHorizontal) {
        std::swap(fromColor, toColor);
        style = static_cast<TGradientFX>(style - fxInvHorizontal);
    }
    TTempDCCanvas surface(canvas, width, height);
    TGradient().Draw(&surface, width, height, ResolveColor(fromColor), ResolveColor(toColor),
                     style);
    surface.CopyTo(x, y);
}
