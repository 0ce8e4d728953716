#include "controls/platform/jpegdecoder.h"

#include "basic/platformerror.h"
#include "controls/platform/jpegerrormanager.h"

namespace {

QRgb PixelFrom(const JSAMPLE* sample, int components, bool adobeInverted) {
    switch (components) {
        case 1:
            return qRgb(sample[0], sample[0], sample[0]);
        case 4: {
            // CMYK as Adobe writes it (inverted) or as it should be.
            const int c = adobeInverted ? sample[0] : 255 - sample[0];
            const int m = adobeInverted ? sample[1] : 255 - sample[1];
            const int y = adobeInverted ? sample[2] : 255 - sample[2];
            const int k = adobeInverted ? sample[3] : 255 - sample[3];
            return qRgb(c * k / 255, m * k / 255, y * k / 255);
        }
        default:
            return qRgb(sample[0], sample[1], sample[2]);
    }
}

// Everything here is plain data: no destructor is skipped by the long jump.
bool Decode(jpeg_decompress_struct& info, JpegErrorManager& errors, const QByteArray& data,
            QImage& image) {
    if (setjmp(errors.jump) != 0) return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    if (info.jpeg_color_space == JCS_YCCK) info.out_color_space = JCS_CMYK;
    jpeg_start_decompress(&info);
    const int width = static_cast<int>(info.output_width);
    const int height = static_cast<int>(info.output_height);
    const int components = info.output_components;
    const bool adobeInverted = info.saw_Adobe_marker != 0;
    image = QImage(width, height, QImage::Format_RGB32);
    if (image.isNull()) return false;
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                               width * components, 1);
    while (info.output_scanline < info.output_height) {
        const int y = static_cast<int>(info.output_scanline);
        jpeg_read_scanlines(&info, row, 1);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = PixelFrom(row[0] + x * components, components, adobeInverted);
    }
    jpeg_finish_decompress(&info);
    return true;
}

}  // namespace

bool LooksLikeJpeg(const QByteArray& data) {
    return data.size() >= 3 && static_cast<unsigned char>(data[0]) == 0xFF &&
           static_cast<unsigned char>(data[1]) == 0xD8 &&
           static_cast<unsigned char>(data[2]) == 0xFF;
}

QImage DecodeJpeg(const QByteArray& data) {
    jpeg_decompress_struct info{};
    JpegErrorManager errors;
    info.err = errors.Attach();
    QImage image;
    const bool decoded = Decode(info, errors, data, image);
    jpeg_destroy_decompress(&info);
    if (!decoded) {
        const std::string reason = errors.message[0] != '\0' ? errors.message : "out of memory";
        throw PlatformError("JPEG error: " + reason);
    }
    return image;
}
