// libjpeg reports fatal errors through a callback that must not return; the
// decoder leaves the library by longjmp back into decode(), which reaches
// all of its state through `this`, so nothing it uses lives in a local that
// the jump could leave indeterminate. Warnings (a stream cut short, damaged
// data the library papers over) end the decoding too: a damaged picture is
// not drawn half grey, and a huge header over a few bytes costs no time.
#include "report/render/jpeg_image.h"

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace rq::report::render {
namespace {

struct ErrorManager {
    jpeg_error_mgr pub; // first member: the library sees only this part
    std::jmp_buf jump;
    std::string message;
};

std::string libraryMessage(j_common_ptr info) {
    char buffer[JMSG_LENGTH_MAX] = {};
    (*info->err->format_message)(info, buffer);
    return buffer;
}

[[noreturn]] void errorExit(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    errors->message = libraryMessage(info);
    std::longjmp(errors->jump, 1);
}

// Level -1 is a warning about the data: it ends the decoding at once (the
// library would go on and paint the rest grey). Trace messages are quiet.
void emitMessage(j_common_ptr info, int level) {
    if (level >= 0)
        return;
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    errors->message = libraryMessage(info);
    ++info->err->num_warnings;
    std::longjmp(errors->jump, 1);
}

class Decoder {
public:
    explicit Decoder(std::string_view data) : data_(data) {
        info_.err = jpeg_std_error(&errors_.pub);
        errors_.pub.error_exit = errorExit;
        errors_.pub.emit_message = emitMessage;
    }
    ~Decoder() { jpeg_destroy_decompress(&info_); }
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;

    // False with message() set when the library gave up or warned.
    bool decode() {
        if (setjmp(errors_.jump) != 0)
            return false;
        jpeg_create_decompress(&info_);
        jpeg_mem_src(&info_, reinterpret_cast<const unsigned char*>(data_.data()),
                     static_cast<unsigned long>(data_.size()));
        jpeg_read_header(&info_, TRUE);
        if (static_cast<long long>(info_.image_width) * info_.image_height > kMaxJpegPixels) {
            errors_.message = "JPEG image too large";
            return false;
        }
        configure();
        jpeg_start_decompress(&info_);
        readRows();
        jpeg_finish_decompress(&info_);
        return errors_.pub.num_warnings == 0;
    }
    const std::string& message() const { return errors_.message; }
    Bitmap32& bitmap() { return bitmap_; }

private:
    void configure() {
        info_.scale_num = 1;
        info_.scale_denom = 1;
        info_.dct_method = JDCT_ISLOW;
        info_.do_block_smoothing = TRUE;
        info_.do_fancy_upsampling = TRUE;
        info_.buffered_image = FALSE;
        info_.quantize_colors = FALSE;
        info_.out_color_space = JCS_RGB;
    }
    void readRows() {
        const int width = static_cast<int>(info_.output_width);
        const int height = static_cast<int>(info_.output_height);
        bitmap_.width = width;
        bitmap_.height = height;
        bitmap_.pixels.assign(std::size_t(width) * std::size_t(height), 0xFFFFFFFFu);
        row_.resize(std::size_t(width) * 3);
        while (info_.output_scanline < info_.output_height) {
            const auto y = info_.output_scanline;
            JSAMPROW rows[1] = {row_.data()};
            jpeg_read_scanlines(&info_, rows, 1);
            std::uint32_t* out = bitmap_.pixels.data() + std::size_t(y) * std::size_t(width);
            for (int x = 0; x < width; ++x) {
                const JSAMPLE* p = row_.data() + std::size_t(x) * 3;
                out[x] = 0xFF000000u | (std::uint32_t(p[0]) << 16) | (std::uint32_t(p[1]) << 8) |
                         std::uint32_t(p[2]);
            }
        }
    }

    std::string_view data_;
    jpeg_decompress_struct info_{};
    ErrorManager errors_{};
    std::vector<JSAMPLE> row_;
    Bitmap32 bitmap_;
};

} // namespace

Bitmap32 decodeJpeg(std::string_view data) {
    if (data.empty())
        throw EJpegError("Empty input file");
    auto decoder = std::make_unique<Decoder>(data);
    if (!decoder->decode())
        throw EJpegError(decoder->message());
    return std::move(decoder->bitmap());
}

} // namespace rq::report::render
