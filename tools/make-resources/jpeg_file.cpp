// libjpeg compression into memory. libjpeg reports errors through a
// callback that must not return; it throws here so the caller's stack
// unwinds normally.
#include "jpeg_file.h"

// jpeglib.h needs size_t and FILE declared first.
#include <cstddef>
#include <cstdio>
#include <jpeglib.h>

#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <vector>

namespace rq::pictures {
namespace {

[[noreturn]] void raiseError(j_common_ptr info) {
    char message[JMSG_LENGTH_MAX];
    (*info->err->format_message)(info, message);
    throw std::runtime_error(message);
}

struct Compressor {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    unsigned char* buffer = nullptr;
    unsigned long size = 0;

    Compressor() {
        info.err = jpeg_std_error(&errors);
        errors.error_exit = raiseError;
        jpeg_create_compress(&info);
        jpeg_mem_dest(&info, &buffer, &size);
    }
    ~Compressor() {
        jpeg_destroy_compress(&info);
        std::free(buffer);
    }
    Compressor(const Compressor&) = delete;
    Compressor& operator=(const Compressor&) = delete;
};

} // namespace

std::string encodeJpeg(const Raster& raster, int quality) {
    Compressor c;
    c.info.image_width = static_cast<JDIMENSION>(raster.width());
    c.info.image_height = static_cast<JDIMENSION>(raster.height());
    c.info.input_components = 3;
    c.info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c.info);
    jpeg_set_quality(&c.info, quality, TRUE);
    // No chroma subsampling: the pictures are small and have sharp colour edges.
    for (int i = 0; i < c.info.num_components; ++i) {
        c.info.comp_info[i].h_samp_factor = 1;
        c.info.comp_info[i].v_samp_factor = 1;
    }
    c.info.density_unit = 1; // dots per inch
    c.info.X_density = 96;
    c.info.Y_density = 96;
    jpeg_start_compress(&c.info, TRUE);
    std::vector<std::uint8_t> pixels = raster.bytes();
    const std::size_t stride = static_cast<std::size_t>(raster.width()) * 3;
    while (c.info.next_scanline < c.info.image_height) {
        JSAMPROW row = pixels.data() + c.info.next_scanline * stride;
        jpeg_write_scanlines(&c.info, &row, 1);
    }
    jpeg_finish_compress(&c.info);
    return std::string(reinterpret_cast<const char*>(c.buffer), c.size);
}

} // namespace rq::pictures
