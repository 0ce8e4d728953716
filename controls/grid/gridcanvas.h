#pragma once

// The drawing state of one grid cell: the brush that fills it, the font and
// colour of its text, the pen of any lines, and the painter underneath. The
// grid prepares it, the owner's OnDrawCell handler may change it, and the
// grid's typed drawing then writes the text with it.

#include <QFont>
#include <QPainter>
#include <string>

#include "controls/platform/colorref.h"

class TGridCanvas {
public:
    TGridCanvas(QPainter& painter, const QFont& font) : Font(font), painter_(painter) {}

    TColor BrushColor = clWindow;
    TColor FontColor = clWindowText;
    TColor PenColor = clBlack;
    QFont Font;

    // For handlers that draw more than text.
    QPainter& Painter() { return painter_; }

    void FillRect(const QRect& rect);
    // Fills rect with the brush and writes text with its top left corner at
    // (x, y), clipped to rect.
    void TextRect(const QRect& rect, int x, int y, const std::string& text);
    void Line(QPoint from, QPoint to);
    int TextWidth(const std::string& text) const;
    // The line height of the font (what the text "0" measures).
    int TextHeight() const;

private:
    QPainter& painter_;
};
