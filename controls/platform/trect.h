#pragma once

// A rectangle the way the platform's drawing calls take it: Right and Bottom
// lie just outside it, so a rectangle with Left == Right is empty.

#include <QRect>

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }

    // Grows the rectangle by d on every side (shrinks it for a negative d).
    void Inflate(int d) {
        Left -= d;
        Top -= d;
        Right += d;
        Bottom += d;
    }
    void Offset(int dx, int dy) {
        Left += dx;
        Right += dx;
        Top += dy;
        Bottom += dy;
    }

    QRect ToQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
    static TRect FromQRect(const QRect& r) {
        return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    }
    friend bool operator==(const TRect&, const TRect&) = default;
};
