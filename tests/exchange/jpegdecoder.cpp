#include "tests/exchange/jpegdecoder.h"

#include <gtest/gtest.h>

#include "controls/platform/jpegerrormanager.h"

namespace {

bool Decode(const Bytes& jpeg, DecodedJpeg& out) {
    jpeg_decompress_struct cinfo;
    JpegErrorManager errors;
    cinfo.err = errors.Attach();
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&cinfo, TRUE);
    for (int i = 0; i < DCTSIZE2; ++i) {
        out.luminance.push_back(cinfo.quant_tbl_ptrs[0]->quantval[i]);
        out.chrominance.push_back(cinfo.quant_tbl_ptrs[1]->quantval[i]);
    }
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    out.width = int(cinfo.output_width);
    out.height = int(cinfo.output_height);
    out.rgb.resize(size_t(out.width) * size_t(out.height) * 3);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = out.rgb.data() + size_t(cinfo.output_scanline) * size_t(out.width) * 3;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

}  // namespace

DecodedJpeg DecodeJpeg(const Bytes& jpeg) {
    DecodedJpeg out;
    if (!Decode(jpeg, out)) {
        ADD_FAILURE() << "not a JPEG file";
        return {};
    }
    return out;
}
