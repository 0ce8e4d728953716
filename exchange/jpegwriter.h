#pragma once

// JPEG compression with libjpeg.

#include <QImage>

#include <optional>

#include "exchange/datasource.h"

// The image as a baseline JPEG file at the given quality (1 to 100).
// Nothing when libjpeg refuses it (a side beyond 65500 pixels, no memory).
std::optional<Bytes> EncodeJpeg(const QImage& image, int quality);
