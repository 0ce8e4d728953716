#pragma once

// Device-independent bitmaps as "CF_DIB" carries them: a bitmap header, a
// colour table and the pixels, without the 14-byte file header of a .bmp file.

#include <QImage>

#include "exchange/datasource.h"

// The picture of a DIB block, read as a bitmap file made of a file header
// that is zero except for its "BM" followed by the whole block. A null image
// when the header is of no known kind or its sizes (header, bit fields,
// colour table, pixel rows) do not fit in the block.
QImage DibToImage(ByteView dib);

// The image as a 24-bit bottom-up DIB with a 40-byte header; transparent
// parts are laid over white.
Bytes ImageToDib(const QImage& image);
