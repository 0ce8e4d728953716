#include "controls/platform/pngimage.h"

#include <png.h>

QImage DecodePng(const QByteArray& data) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_memory(&png, data.constData(), size_t(data.size())) == 0)
        return {};
    // The bytes of a QImage::Format_ARGB32 pixel in memory order.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    png.format = PNG_FORMAT_BGRA;
#else
    png.format = PNG_FORMAT_ARGB;
#endif
    QImage image(int(png.width), int(png.height), QImage::Format_ARGB32);
    if (image.isNull() ||
        png_image_finish_read(&png, nullptr, image.bits(), png_int_32(image.bytesPerLine()),
                              nullptr) == 0) {
        png_image_free(&png);
        return {};
    }
    return image;
}
