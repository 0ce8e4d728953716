#pragma once

// Decodes a JPEG file with libjpeg, for checking the pictures a drop yields.

#include <QColor>

#include <cstdint>
#include <vector>

#include "exchange/datasource.h"

struct DecodedJpeg {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;
    // Luminance and chrominance quantisation tables, in natural order.
    std::vector<int> luminance, chrominance;

    QColor At(int x, int y) const {
        const size_t at = size_t(y * width + x) * 3;
        return QColor(rgb[at], rgb[at + 1], rgb[at + 2]);
    }
};

// Fails the test (and returns an empty picture) when the bytes are no JPEG.
DecodedJpeg DecodeJpeg(const Bytes& jpeg);
