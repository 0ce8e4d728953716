#pragma once

// The program's named bitmaps (glyph strips and the window icon), looked up by
// name without regard to letter case, as resource names are. Each is drawn at
// 1x and at 2x for screens with two device pixels per pixel.

#include <QIcon>
#include <QImage>
#include <optional>
#include <string>

// The named bitmap, or nothing when the program has none of that name. Above
// a device pixel ratio of 1 it is the 2x drawing, whose devicePixelRatio is 2
// (twice the pixels for the same size on screen).
std::optional<QImage> FindBitmapResource(const std::string& name, qreal devicePixelRatio = 1);

// The named bitmap; throws PlatformError when the program has none.
QImage LoadBitmapResource(const std::string& name);

// An icon made of the first of `glyphs` images side by side in the named
// bitmap (at 1x and 2x), white being transparent. A null icon for 0 glyphs; throws
// PlatformError when the bitmap does not exist.
QIcon IconFromBitmapResource(const std::string& name, int glyphs);

// Makes white (or, with a colour, that colour) transparent: the pixels of the
// transparent colour get alpha 0.
QImage WithTransparentColor(const QImage& image, QRgb transparent);
