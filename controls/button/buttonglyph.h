#pragma once

// The glyph of a small button: a strip of one to four pictures side by side
// (normal, disabled, pressed, down), drawn either with its bottom-left pixel's
// colour transparent or fully opaque. Its image may hold more device pixels
// than pixels (its devicePixelRatio); positions and sizes given to the
// operations below are in pixels.

#include <QFont>
#include <QImage>
#include <string>

#include "controls/platform/colorref.h"

struct TButtonGlyph {
    QImage image;             // 32-bit RGB; null for no glyph
    bool transparent = true;  // the bottom-left pixel's colour is see-through

    bool IsEmpty() const { return image.isNull() || image.width() == 0; }
    // The size on screen, in pixels.
    QSize Size() const { return image.deviceIndependentSize().toSize(); }
};

// Fills every pixel connected to (x, y) (through its four neighbours) that
// has the same colour as (x, y) with colour. Points outside do nothing.
void FloodFill(QImage& image, int x, int y, TColor colour);

// The glyph with the regions of its pixels (0, 0) and (15, 15) (the corners
// of a 16 x 16 picture) filled with colour, drawn opaque.
TButtonGlyph RecolourGlyph(const TButtonGlyph& glyph, TColor colour);

// An opaque width x height glyph filled with background and carrying text
// centred on it, drawn for the device pixel ratio given.
TButtonGlyph SiNoGlyph(int width, int height, const QFont& font, const std::string& text,
                       TColor background, TColor textColour, qreal devicePixelRatio = 1);

// A width x height glyph (at least 1 x 1) filled with colour, drawn for the
// device pixel ratio given.
TButtonGlyph PlainGlyph(QSize size, QColor colour, bool transparent, qreal devicePixelRatio = 1);

// The glyph with text written at (x, y) (the text's top-left corner) in the
// font and colour given, over a filled background when fill is set. A text
// outside the picture is cut off.
TButtonGlyph MergeText(const TButtonGlyph& glyph, const QFont& font, const std::string& text, int x,
                       int y, QColor textColour, TColor brush, bool fill);

// Picture `index` of a strip of `count` pictures; picture 0 when the strip has
// fewer. With transparency resolved to alpha.
QImage GlyphPicture(const TButtonGlyph& glyph, int count, int index);
