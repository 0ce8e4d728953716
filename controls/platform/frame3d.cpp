#include "controls/platform/frame3d.h"

#include <QPainter>

void Frame3D(QPainter& painter, TRect& r, TColor topColor, TColor bottomColor, int width) {
    const QColor top = ToQColor(topColor);
    const QColor bottom = ToQColor(bottomColor);
    for (int ring = 0; ring < width; ++ring) {
        // The last column and row of the ring.
        const int right = r.Right - 1;
        const int bottomRow = r.Bottom - 1;
        if (right >= r.Left && bottomRow >= r.Top) {
            painter.fillRect(r.Left, r.Top, right - r.Left, 1, top);
            painter.fillRect(r.Left, r.Top + 1, 1, bottomRow - r.Top, top);
            painter.fillRect(right, r.Top, 1, bottomRow - r.Top, bottom);
            painter.fillRect(r.Left + 1, bottomRow, right - r.Left, 1, bottom);
        }
        r.Inflate(-1);
    }
}
