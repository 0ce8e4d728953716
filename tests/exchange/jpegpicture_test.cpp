// A dropped bitmap becomes a JPEG picture: decoded back with libjpeg, it has
// the bitmap's size, its colours where they were (rows of a DIB run bottom
// up) and the quantisation tables of quality 80.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "exchange/dataobject.h"
#include "exchange/memorysource.h"
#include "tests/exchange/blockbuilders.h"
#include "tests/exchange/jpegdecoder.h"

namespace {

// The example tables of the JPEG standard (Annex K), in natural order, and
// how the IJG library scales them for a quality: 80 gives 40 percent.
constexpr int kStandardLuminance[64] = {
    16, 11, 10, 16, 24,  40,  51,  61,  12, 12, 14, 19, 26,  58,  60,  55,
    14, 13, 16, 24, 40,  57,  69,  56,  14, 17, 22, 29, 51,  87,  80,  62,
    18, 22, 37, 56, 68,  109, 103, 77,  24, 35, 55, 64, 81,  104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};
constexpr int kStandardChrominance[64] = {
    17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99, 24, 26, 56, 99, 99, 99,
    99, 99, 47, 66, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99};

std::vector<int> Scaled(const int (&table)[64], int quality) {
    const int percent = quality < 50 ? 5000 / quality : 200 - 2 * quality;
    std::vector<int> scaled;
    for (const int q : table)
        scaled.push_back(std::clamp((q * percent + 50) / 100, 1, 255));
    return scaled;
}

bool Near(const QColor& a, const QColor& b) {
    constexpr int kTolerance = 24;
    return std::abs(a.red() - b.red()) <= kTolerance &&
           std::abs(a.green() - b.green()) <= kTolerance &&
           std::abs(a.blue() - b.blue()) <= kTolerance;
}

// 48 x 32 in four quadrants: red and green on top, blue and white below.
QColor Quadrant(int x, int y) {
    if (y < 16) return x < 24 ? QColor(220, 20, 20) : QColor(20, 200, 40);
    return x < 24 ? QColor(30, 40, 210) : QColor(255, 255, 255);
}

TEST(JpegPicture, DroppedBitmapBecomesAQuality80Jpeg) {
    MemoryDataSource source;
    source.OfferGlobal(ClipFormat::CF_DIB, Dib24(48, 32, Quadrant));
    TDataObject data;
    data.PosarDades(&source);
    ASSERT_TRUE(data.BuscarFormat(0, "CF_DIB"));
    EXPECT_TRUE(data.LlegirElements());
    EXPECT_EQ(data.TipusElements(), 3);
    ASSERT_NE(data.ImatgeElement(0), nullptr);

    const DecodedJpeg jpeg = DecodeJpeg(*data.ImatgeElement(0));
    EXPECT_EQ(jpeg.width, 48);
    EXPECT_EQ(jpeg.height, 32);
    for (const auto& [x, y] : {std::pair{6, 6}, {40, 4}, {8, 26}, {42, 28}, {20, 12}}) {
        EXPECT_TRUE(Near(jpeg.At(x, y), Quadrant(x, y)))
            << x << "," << y << " is " << jpeg.At(x, y).name().toStdString();
    }
    EXPECT_EQ(jpeg.luminance, Scaled(kStandardLuminance, 80));
    EXPECT_EQ(jpeg.chrominance, Scaled(kStandardChrominance, 80));
}

TEST(JpegPicture, PalettedTopDownBitmapsAreReadToo) {
    // 16 x 16, 8 bits per pixel, rows top-down (negative height): the top
    // half uses colour 0 (red), the bottom half colour 1 (blue).
    Bytes dib(40, 0);
    PutU32(dib, 0, 40);
    PutU32(dib, 4, 16);
    PutU32(dib, 8, uint32_t(-16));
    dib[12] = 1;
    dib[14] = 8;
    PutU32(dib, 32, 2);  // colours used
    for (const uint8_t b : {0, 0, 255, 0, 255, 0, 0, 0})
        dib.push_back(b);  // blue, green, red, 0
    for (int y = 0; y < 16; ++y)
        dib.insert(dib.end(), 16, y < 8 ? 0 : 1);
    MemoryDataSource source;
    source.OfferGlobal(ClipFormat::CF_DIB, dib);
    TDataObject data;
    data.PosarDades(&source);
    ASSERT_TRUE(data.BuscarFormat(0, "CF_DIB"));
    data.LlegirElements();
    ASSERT_NE(data.ImatgeElement(0), nullptr);
    const DecodedJpeg jpeg = DecodeJpeg(*data.ImatgeElement(0));
    EXPECT_EQ(jpeg.width, 16);
    EXPECT_TRUE(Near(jpeg.At(4, 2), Qt::red)) << jpeg.At(4, 2).name().toStdString();
    EXPECT_TRUE(Near(jpeg.At(4, 13), Qt::blue)) << jpeg.At(4, 13).name().toStdString();
}

}  // namespace
