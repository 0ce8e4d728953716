#pragma once

// Colour values as the forms store them: 32-bit 0x00BBGGRR (red in the low
// byte); 0x80000000 + n names system colour n; clNone means no colour.

#include <QColor>
#include <cstdint>

using TColor = uint32_t;

constexpr TColor RGBColor(int red, int green, int blue) {
    return static_cast<TColor>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clBlack = RGBColor(0, 0, 0);
constexpr TColor clWhite = RGBColor(255, 255, 255);
constexpr TColor clRed = RGBColor(255, 0, 0);
constexpr TColor clLime = RGBColor(0, 255, 0);
constexpr TColor clBlue = RGBColor(0, 0, 255);
constexpr TColor clYellow = RGBColor(255, 255, 0);
constexpr TColor clFuchsia = RGBColor(255, 0, 255);
constexpr TColor clAqua = RGBColor(0, 255, 255);
constexpr TColor clGreen = RGBColor(0, 128, 0);
constexpr TColor clNavy = RGBColor(0, 0, 128);
constexpr TColor clTeal = RGBColor(0, 128, 128);
constexpr TColor clSilver = RGBColor(192, 192, 192);

// System colours by their index.
constexpr TColor SystemColor(int index) { return 0x80000000u + static_cast<TColor>(index); }
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor cl3DDkShadow = SystemColor(21);
constexpr TColor cl3DLight = SystemColor(22);

constexpr bool IsSystemColor(TColor color) { return (color & 0x80000000u) != 0; }

// A system colour becomes its current RGB value (from the application's
// palette, or the classic values when no GUI application exists); a plain
// colour is returned as it is, without its top byte.
TColor ResolveColor(TColor color);
QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);
