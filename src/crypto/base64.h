// The Base64 layer of the envelope (standard alphabet, "=" padding, one line)
// and its decoding, which accepts exactly what the envelope reader always
// accepted: every character must lie in "+" ... "z".
#pragma once

#include "crypto/bytes.h"

#include <string>
#include <string_view>

namespace rq::crypto {

std::string base64Encode(const Bytes& data);

// Groups of four characters. A third or fourth character "=" ends its group.
// Fails with "Invalid Base64 Character" for any character outside "+" ... "z"
// (line breaks and blanks included). Characters of that range outside the
// alphabet ("-", ".", "_", ...) count as 0. A last group of two or three
// characters gives its one or two bytes; a lone last character gives none.
Bytes base64Decode(std::string_view text);

} // namespace rq::crypto
