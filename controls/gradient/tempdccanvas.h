#pragma once

// The off-screen surface of one gradient: an image of exactly the painted
// size in device pixels and the few drawing operations the painter needs,
// with the platform's pixel rules: a line stops just before its end point,
// and outlines are one pixel wide inside their bounding box.

#include <QImage>

#include "controls/platform/colorref.h"
#include "controls/platform/trect.h"

class QPainter;

class TTempDCCanvas {
public:
    // Throws SilentAbort for an absent target or a width or height below 1.
    TTempDCCanvas(QPainter* target, int width, int height);

    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    const QImage& Image() const { return image_; }

    // Colours are plain RGB (0x00BBGGRR).
    void SetPenColor(TColor color) { pen_ = color; }
    TColor PenColor() const { return pen_; }
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void FrameRect(const TRect& r);
    void FrameEllipse(const TRect& r);
    void FillRect(const TRect& r, TColor color);
    void FillEllipse(const TRect& r, TColor color);

    // Copies the whole surface onto `target` of the target painter (in its
    // coordinates; the surface holds the device pixels of that rectangle).
    void CopyTo(const QRect& target) const;

private:
    void Plot(int x, int y);
    QRgb* Line(int y) { return reinterpret_cast<QRgb*>(bits_ + y * stride_); }
    void DrawEllipse(const TRect& r, bool filled, TColor fill);

    QPainter* target_;
    QImage image_;
    uchar* bits_ = nullptr;  // the image's pixels, detached once
    qsizetype stride_ = 0;
    TColor pen_ = clBlack;
    int penX_ = 0;
    int penY_ = 0;
};

// The image pixel of a plain RGB colour value.
inline QRgb ToRgbPixel(TColor color) {
    return qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}
