#include "exchange/jpegwriter.h"

#include <cstdlib>

#include "controls/platform/jpegerrormanager.h"

namespace {

// Plain C-style on purpose: nothing with a destructor lives across setjmp.
bool Compress(const QImage& rgb, int quality, unsigned char** buffer, unsigned long* size) {
    jpeg_compress_struct cinfo;
    JpegErrorManager errors;
    cinfo.err = errors.Attach();
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, buffer, size);
    cinfo.image_width = JDIMENSION(rgb.width());
    cinfo.image_height = JDIMENSION(rgb.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<uchar*>(rgb.constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

}  // namespace

std::optional<Bytes> EncodeJpeg(const QImage& image, int quality) {
    if (image.isNull()) return std::nullopt;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool done = Compress(rgb, quality, &buffer, &size);
    std::optional<Bytes> jpeg;
    if (done) jpeg.emplace(buffer, buffer + size);
    std::free(buffer);
    return jpeg;
}
