#include "controls/gradient/tempdccanvas.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "basic/platformerror.h"

TTempDCCanvas::TTempDCCanvas(QPainter* target, int width, int height) : target_(target) {
    if (target == nullptr || width <= 0 || height <= 0) throw SilentAbort();
    image_ = QImage(width, height, QImage::Format_RGB32);
    image_.fill(Qt::black);
    bits_ = image_.bits();
    stride_ = image_.bytesPerLine();
}

void TTempDCCanvas::MoveTo(int x, int y) {
    penX_ = x;
    penY_ = y;
}

// Bresenham from the pen position to (x, y), leaving (x, y) itself unpainted.
void TTempDCCanvas::LineTo(int x, int y) {
    const int dx = std::abs(x - penX_);
    const int dy = -std::abs(y - penY_);
    const int stepX = penX_ < x ? 1 : -1;
    const int stepY = penY_ < y ? 1 : -1;
    int error = dx + dy;
    int px = penX_;
    int py = penY_;
    while (px != x || py != y) {
        Plot(px, py);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            px += stepX;
        }
        if (twice <= dx) {
            error += dx;
            py += stepY;
        }
    }
    MoveTo(x, y);
}

void TTempDCCanvas::Plot(int x, int y) {
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) return;
    Line(y)[x] = ToRgbPixel(pen_);
}

void TTempDCCanvas::FrameRect(const TRect& r) {
    if (r.IsEmpty()) return;
    FillRect({r.Left, r.Top, r.Right, r.Top + 1}, pen_);
    FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom}, pen_);
    FillRect({r.Left, r.Top, r.Left + 1, r.Bottom}, pen_);
    FillRect({r.Right - 1, r.Top, r.Right, r.Bottom}, pen_);
}

void TTempDCCanvas::FillRect(const TRect& r, TColor color) {
    const int left = std::max(r.Left, 0);
    const int right = std::min(r.Right, image_.width());
    const int top = std::max(r.Top, 0);
    const int bottom = std::min(r.Bottom, image_.height());
    if (left >= right || top >= bottom) return;
    const QRgb pixel = ToRgbPixel(color);
    for (int y = top; y < bottom; ++y) {
        std::fill(Line(y) + left, Line(y) + right, pixel);
    }
}

void TTempDCCanvas::FrameEllipse(const TRect& r) {
    DrawEllipse(r, false, pen_);
}

void TTempDCCanvas::FillEllipse(const TRect& r, TColor color) {
    DrawEllipse(r, true, color);
}

// An aliased one-pixel ellipse outline covers its QRect plus one pixel to the
// right and below, so the box loses one pixel there to stay inside r.
void TTempDCCanvas::DrawEllipse(const TRect& r, bool filled, TColor fill) {
    if (r.IsEmpty()) return;
    QPainter painter(&image_);
    painter.setPen(QColor::fromRgb(ToRgbPixel(pen_)));
    if (filled) {
        painter.setBrush(QColor::fromRgb(ToRgbPixel(fill)));
    } else {
        painter.setBrush(Qt::NoBrush);
    }
    painter.drawEllipse(QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1));
}

void TTempDCCanvas::CopyTo(const QRect& target) const {
    target_->drawImage(target, image_);
}
