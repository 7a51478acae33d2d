// Test vectors are written as lower-case hexadecimal, as openssl prints them.
#pragma once

#include "base/hex.h"

#include <optional>
#include <string>
#include <string_view>

namespace rq::crypto {

inline std::string toHex(std::string_view bytes) {
    return base::bytesToHex(bytes, base::HexLetters::Lower);
}

inline std::optional<std::string> fromHex(std::string_view hex) {
    return base::hexToBytes(hex);
}

} // namespace rq::crypto
