#include <cmath>

#include "controls/gradient/gradientfx.h"
#include "controls/gradient/tempdccanvas.h"

namespace {

int Channel(TColor color, int shift) {
    return static_cast<int>((color >> shift) & 0xFF);
}

int InterpolateChannel(int a, int b, long double fraction) {
    if (a < b) return a + static_cast<int>(std::trunc((b - a) * fraction));
    if (a > b) return a - static_cast<int>(std::trunc((a - b) * fraction));
    return a;
}

void DrawHorizontal(TTempDCCanvas& c, int w, int h, TColor start, TColor end) {
    for (int x = 0; x <= w; ++x) {
        c.SetPenColor(TGradient::ColorAt(start, end, x, 0, w));
        c.MoveTo(x, 0);
        c.LineTo(x, h);
    }
}

void DrawVertical(TTempDCCanvas& c, int w, int h, TColor start, TColor end) {
    for (int y = 0; y <= h; ++y) {
        c.SetPenColor(TGradient::ColorAt(start, end, y, 0, h));
        c.MoveTo(0, y);
        c.LineTo(w, y);
    }
}

// The colour runs along the diagonal's length, not along w + h, so the corner
// beyond x + y = length is solid end colour. No line reaches the top row (each
// line stops before its point there), which keeps the start colour it was
// cleared to.
void DrawDiagonal(TTempDCCanvas& c, int w, int h, TColor start, TColor end) {
    const long double length = std::lround(std::sqrt(double(w) * w + double(h) * h));
    c.FillRect({0, 0, w, h}, start);
    for (int k = 0; k <= w + h; ++k) {
        c.SetPenColor(TGradient::ColorAt(start, end, k, 0, length));
        c.MoveTo(0, k);
        c.LineTo(k, 0);
    }
}

// Concentric rings whose colour follows the ring's left edge against half the
// width; the last ring's colour fills what is left in the middle.
void DrawRectangle(TTempDCCanvas& c, int w, int h, TColor start, TColor end) {
    TRect r{0, 0, w, h};
    while (r.Left <= r.Right && r.Top <= r.Bottom) {
        c.SetPenColor(TGradient::ColorAt(start, end, r.Left, 0, w / 2));
        c.FrameRect(r);
        r.Inflate(-1);
    }
    r.Inflate(1);
    c.FillRect(r, c.PenColor());
}

void DrawEllipse(TTempDCCanvas& c, int w, int h, TColor start, TColor end) {
    TRect r{0, 0, w, h};
    c.FillRect(r, TGradient::ColorAt(start, end, 0, 0, w / 2));
    while (r.Left <= r.Right && r.Top <= r.Bottom) {
        c.SetPenColor(TGradient::ColorAt(start, end, r.Left, 0, w / 2));
        c.FrameEllipse(r);
        r.Inflate(-1);
    }
    r.Inflate(1);
    c.FillRect(r, c.PenColor());
    c.FillEllipse(r, c.PenColor());
}

}  // namespace

TColor TGradient::ColorAt(TColor startColor, TColor endColor, long double pos, long double startPos,
                          long double endPos) {
    if (pos <= startPos) return startColor;
    if (pos >= endPos) return endColor;
    if (startColor == endColor) return startColor;
    const long double fraction = (pos - startPos) / (endPos - startPos);
    const int red = InterpolateChannel(Channel(startColor, 0), Channel(endColor, 0), fraction);
    const int green = InterpolateChannel(Channel(startColor, 8), Channel(endColor, 8), fraction);
    const int blue = InterpolateChannel(Channel(startColor, 16), Channel(endColor, 16), fraction);
    return RGBColor(red, green, blue);
}

void TGradient::Draw(TTempDCCanvas* canvas, int width, int height, TColor startColor,
                     TColor endColor, TGradientFX style) const {
    if (canvas == nullptr || width <= 0 || height <= 0) return;
    switch (style) {
        case fxHorizontal:
            return DrawHorizontal(*canvas, width, height, startColor, endColor);
        case fxVertical:
            return DrawVertical(*canvas, width, height, startColor, endColor);
        case fxDiagonal:
            return DrawDiagonal(*canvas, width, height, startColor, endColor);
        case fxRectangle:
            return DrawRectangle(*canvas, width, height, startColor, endColor);
        case fxEllipse:
            return DrawEllipse(*canvas, width, height, startColor, endColor);
        default:
            return;
    }
}
