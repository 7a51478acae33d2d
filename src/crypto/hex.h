// Lower-case hexadecimal text of byte strings, for the tool's arguments and
// output and for test vectors.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace rq::crypto {

// Two lower-case digits per byte.
std::string toHex(std::string_view bytes);

// The bytes of an even-length string of hex digits (either case), or nothing
// when the text is not one.
std::optional<std::string> fromHex(std::string_view hex);

} // namespace rq::crypto
