// JPEG pictures decoded by libjpeg into the 32-bit pixels the canvas
// stretches: full size, accurate integer inverse DCT, block smoothing, RGB.
#pragma once

#include "report/render/canvas.h"

#include <stdexcept>
#include <string_view>

namespace rq::report::render {

// A stream the library refuses, or one it can only read with warnings
// (cut short, damaged entropy data): the message is the library's.
class EJpegError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Largest picture decoded, in pixels: a header announcing more is refused
// before anything is allocated for it.
inline constexpr long long kMaxJpegPixels = 1LL << 24; // 4096 x 4096

// Opaque 0xFFRRGGBB pixels of the whole image; raises EJpegError.
Bitmap32 decodeJpeg(std::string_view data);

} // namespace rq::report::render
