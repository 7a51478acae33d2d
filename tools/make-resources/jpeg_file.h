// Baseline JPEG encoding of a raster through libjpeg.
#pragma once

#include "raster.h"

#include <string>

namespace rq::pictures {

// Baseline (sequential, Huffman) JPEG, full-resolution chroma, 96 dpi.
std::string encodeJpeg(const Raster& raster, int quality);

} // namespace rq::pictures
