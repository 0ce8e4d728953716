#pragma once

// Two-colour gradients in ten styles, drawn off-screen and copied onto the
// target in one block, so a key never shows a half-drawn background.

#include <cstdint>

#include "controls/platform/colorref.h"

class QPainter;
class TTempDCCanvas;

// Each inverted style is its base style with the two colours exchanged; its
// ordinal is the base style's plus 5.
enum TGradientFX : uint8_t {
    fxHorizontal,  // one vertical line per column, start colour at the left edge
    fxVertical,    // one horizontal line per row, start colour at the top edge
    fxDiagonal,    // anti-diagonal lines from the top-left corner
    fxRectangle,   // concentric rectangles, start colour at the border
    fxEllipse,     // concentric ellipses, start colour outside and at the rim
    fxInvHorizontal,
    fxInvVertical,
    fxInvDiagonal,
    fxInvRectangle,
    fxInvEllipse,
};

// The stateless painter of the five base styles.
class TGradient {
public:
    // Draws a base style (0 to 4) over (0, 0, width, height) of the canvas.
    // The colours are plain RGB. Does nothing for an absent canvas, an empty
    // size or an inverted style.
    void Draw(TTempDCCanvas* canvas, int width, int height, TColor startColor, TColor endColor,
              TGradientFX style) const;

    // The colour at pos between startPos and endPos: every channel moves from
    // the start value towards the end value by a truncated step, so it always
    // stays on the start colour's side of the exact value.
    static TColor ColorAt(TColor startColor, TColor endColor, long double pos, long double startPos,
                          long double endPos);
};

// Paints a width x height gradient with its top-left corner at (x, y) of the
// canvas. fromColor is the colour of the base style's start side, toColor
// that of its end side; system colours are resolved first. Throws SilentAbort
// for an absent canvas or an empty size, which ends the caller's paint pass.
void PaintGradient(QPainter* canvas, int width, int height, int x, int y, TColor fromColor,
                   TColor toColor, TGradientFX style);
