// The document identifier printed at the certificate's foot: the last six
// characters of the processor signature followed by the employee's name sum
// in upper-case hexadecimal. Qt-free, so that it is tested alone.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rq::certificate {

// Sum of the name's bytes as unsigned Windows-1250 codes (0-255), from 0.
std::uint64_t nameSum(std::string_view name);

// The name sum in upper-case hexadecimal, at least one digit, no leading zeros.
std::string nameSumHex(std::string_view name);

// The last six characters of the signature, or all of it when shorter.
std::string_view signaturePart(std::string_view signature);

// signaturePart(signature) followed by nameSumHex(name).
std::string documentIdentifier(std::string_view name, std::string_view signature);

} // namespace rq::certificate
