#pragma once

// PNG data decoded with libpng directly. Qt's image reader would do the same,
// but its first use looks through every image-format plugin installed on the
// system, which costs milliseconds at start-up for nothing: the program's own
// bitmaps are all PNG.

#include <QByteArray>
#include <QImage>

// The picture as ARGB32 (alpha 255 where the data has none); a null image for
// data that is not a readable PNG.
QImage DecodePng(const QByteArray& data);
