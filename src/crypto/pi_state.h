// The seed of the pass-phrase digest's 2048-bit state.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace rq::crypto {

inline constexpr std::size_t kPiStateSize = 256;

// Bytes 24 3F 6A 88 85 A3 08 D3 ...: frac(pi) written in base 256.
extern const std::array<std::uint8_t, kPiStateSize> kPiFraction;

} // namespace rq::crypto
