#pragma once

#include <QByteArray>
#include <QImage>

// Decodes a JPEG image (baseline or progressive; greyscale, RGB or CMYK) with
// libjpeg into a 32-bit RGB image. Throws PlatformError for data libjpeg
// cannot read.
QImage DecodeJpeg(const QByteArray& data);

// True when the data starts like a JPEG file.
bool LooksLikeJpeg(const QByteArray& data);
