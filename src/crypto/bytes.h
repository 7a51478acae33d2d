// Byte helpers shared by the cipher code: binary buffers and little-endian
// words, the memory order in which the digest and its block cipher read keys
// and blocks.
#pragma once

#include <cstdint>
#include <vector>

namespace rq::crypto {

using Bytes = std::vector<std::uint8_t>;

inline std::uint32_t loadLe32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
           std::uint32_t{p[3]} << 24;
}

inline void storeLe32(std::uint8_t* p, std::uint32_t w) {
    p[0] = static_cast<std::uint8_t>(w);
    p[1] = static_cast<std::uint8_t>(w >> 8);
    p[2] = static_cast<std::uint8_t>(w >> 16);
    p[3] = static_cast<std::uint8_t>(w >> 24);
}

} // namespace rq::crypto
