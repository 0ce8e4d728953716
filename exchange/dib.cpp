#include "exchange/dib.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr size_t kFileHeaderSize = 14;

enum Compression : uint32_t { BI_RGB = 0, BI_RLE8 = 1, BI_RLE4 = 2, BI_BITFIELDS = 3 };

// Larger pictures are refused before any pixel memory is taken.
constexpr int64_t kMaxSide = 32768;
constexpr int64_t kMaxPixels = int64_t(1) << 26;
// A run-length block codes at most 255 pixels in 2 bytes.
constexpr int64_t kMaxRlePixelsPerByte = 128;

struct DibHeader {
    uint32_t headerSize = 0;
    int64_t width = 0;
    int64_t height = 0;  // negative for rows stored top-down
    uint16_t bitCount = 0;
    uint32_t compression = BI_RGB;
    uint32_t colorsUsed = 0;
};

uint32_t U16(ByteView b, size_t at) {
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8;
}
uint32_t U32(ByteView b, size_t at) {
    return U16(b, at) | U16(b, at + 2) << 16;
}

std::optional<DibHeader> ReadHeader(ByteView dib) {
    if (dib.size() < 4) return std::nullopt;
    DibHeader h;
    h.headerSize = U32(dib, 0);
    if (h.headerSize > dib.size()) return std::nullopt;
    if (h.headerSize == kCoreHeaderSize) {
        h.width = U16(dib, 4);
        h.height = U16(dib, 6);
        h.bitCount = uint16_t(U16(dib, 10));
        return h;
    }
    static constexpr uint32_t kInfoSizes[] = {40, 52, 56, 108, 124};
    if (std::find(std::begin(kInfoSizes), std::end(kInfoSizes), h.headerSize) ==
        std::end(kInfoSizes)) {
        return std::nullopt;
    }
    h.width = int32_t(U32(dib, 4));
    h.height = int32_t(U32(dib, 8));
    h.bitCount = uint16_t(U16(dib, 14));
    h.compression = U32(dib, 16);
    h.colorsUsed = U32(dib, 32);
    return h;
}

bool KnownLayout(const DibHeader& h) {
    switch (h.compression) {
        case BI_RGB:
            return h.bitCount == 1 || h.bitCount == 4 || h.bitCount == 8 || h.bitCount == 16 ||
                   h.bitCount == 24 || h.bitCount == 32;
        case BI_BITFIELDS:
            return h.bitCount == 16 || h.bitCount == 32;
        case BI_RLE8:
            return h.bitCount == 8 && h.height > 0;
        case BI_RLE4:
            return h.bitCount == 4 && h.height > 0;
        default:
            return false;
    }
}

// Where the pixels start: after the header, the bit-field masks of a 40-byte
// header and the colour table.
int64_t PixelOffset(const DibHeader& h) {
    const int64_t masks = h.compression == BI_BITFIELDS && h.headerSize == kInfoHeaderSize ? 12 : 0;
    int64_t colours = h.colorsUsed;
    if (colours == 0 && h.bitCount <= 8) colours = int64_t(1) << h.bitCount;
    const int64_t entrySize = h.headerSize == kCoreHeaderSize ? 3 : 4;
    return h.headerSize + masks + colours * entrySize;
}

bool FitsBlock(const DibHeader& h, size_t blockSize) {
    const int64_t rows = std::abs(h.height);
    if (h.width < 1 || rows < 1 || h.width > kMaxSide || rows > kMaxSide) return false;
    if (h.width * rows > kMaxPixels || !KnownLayout(h)) return false;
    const int64_t pixelsAt = PixelOffset(h);
    const int64_t size = int64_t(blockSize);
    if (pixelsAt >= size) return false;
    if (h.compression == BI_RLE8 || h.compression == BI_RLE4) {
        return h.width * rows <= (size - pixelsAt) * kMaxRlePixelsPerByte;
    }
    const int64_t stride = (h.width * h.bitCount + 31) / 32 * 4;
    return stride * rows <= size - pixelsAt;
}

}  // namespace

QImage DibToImage(ByteView dib) {
    const auto header = ReadHeader(dib);
    if (!header || !FitsBlock(*header, dib.size())) return {};
    QByteArray file(kFileHeaderSize, '\0');
    file[0] = 'B';
    file[1] = 'M';
    file.append(reinterpret_cast<const char*>(dib.data()), qsizetype(dib.size()));
    return QImage::fromData(file, "BMP");
}

Bytes ImageToDib(const QImage& image) {
    if (image.isNull()) return {};
    QImage rgb(image.size(), QImage::Format_RGB888);
    rgb.fill(Qt::white);
    {
        QPainter painter(&rgb);
        painter.drawImage(0, 0, image);
    }
    const auto width = uint32_t(rgb.width());
    const auto height = uint32_t(rgb.height());
    const uint32_t stride = (width * 3 + 3) / 4 * 4;
    Bytes dib;
    auto put = [&dib](uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            dib.push_back(uint8_t(value >> (8 * i)));
    };
    put(kInfoHeaderSize, 4);
    put(width, 4);
    put(height, 4);  // positive: bottom-up rows
    put(1, 2);       // planes
    put(24, 2);      // bits per pixel
    put(BI_RGB, 4);
    put(stride * height, 4);
    put(uint32_t(std::max(0, rgb.dotsPerMeterX())), 4);
    put(uint32_t(std::max(0, rgb.dotsPerMeterY())), 4);
    put(0, 4);  // colours used
    put(0, 4);  // important colours
    for (int y = int(height) - 1; y >= 0; --y) {
        const uchar* line = rgb.constScanLine(y);
        for (uint32_t x = 0; x < width; ++x) {
            dib.push_back(line[3 * x + 2]);  // blue, green, red
            dib.push_back(line[3 * x + 1]);
            dib.push_back(line[3 * x]);
        }
        dib.resize(dib.size() + (stride - width * 3), 0);
    }
    return dib;
}
