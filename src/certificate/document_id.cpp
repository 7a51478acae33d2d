// The document identifier from the name and the processor signature.
#include "certificate/document_id.h"

#include "base/number_text.h"

namespace rq::certificate {
namespace {

constexpr std::size_t kSignatureChars = 6; // characters kept from the signature's end

} // namespace

std::uint64_t nameSum(std::string_view name) {
    std::uint64_t sum = 0;
    for (const char c : name)
        sum += static_cast<unsigned char>(c);
    return sum;
}

std::string nameSumHex(std::string_view name) {
    return base::intToHex(nameSum(name), 1);
}

std::string_view signaturePart(std::string_view signature) {
    return signature.size() <= kSignatureChars
               ? signature
               : signature.substr(signature.size() - kSignatureChars);
}

std::string documentIdentifier(std::string_view name, std::string_view signature) {
    return std::string(signaturePart(signature)) + nameSumHex(name);
}

} // namespace rq::certificate
