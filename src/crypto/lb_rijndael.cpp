// The cipher component's key handling and text operations.
#include "crypto/lb_rijndael.h"

#include "crypto/aes.h"
#include "crypto/base64.h"
#include "crypto/cipher_exception.h"
#include "crypto/ecb.h"
#include "crypto/passphrase_digest.h"

#include <algorithm>

namespace rq::crypto {
namespace {

constexpr std::array<int, 3> kKeySizeBytes = {16, 24, 32}; // ks128, ks192, ks256
static_assert(kKeySizeBytes.size() == static_cast<std::size_t>(TLbKeySizeRDL::ks256) + 1);

} // namespace

void TLbRijndael::SetKeySize(TLbKeySizeRDL size) {
    keySize_ = size;
    keySizeInBytes_ = kKeySizeBytes[static_cast<std::size_t>(size)];
}

void TLbRijndael::KeyFromPassphrase(std::string_view passPhrase) {
    const Bytes digest = PassphraseDigest(passPhrase, static_cast<std::size_t>(keySizeInBytes_));
    std::copy(digest.begin(), digest.end(), key_.begin());
}

void TLbRijndael::SetKey(std::span<const std::uint8_t> key) {
    std::copy_n(key.begin(), std::min(key.size(), key_.size()), key_.begin());
}

Bytes TLbRijndael::GetKey() const {
    const auto key = activeKey();
    return Bytes(key.begin(), key.end());
}

std::span<const std::uint8_t> TLbRijndael::activeKey() const {
    return std::span<const std::uint8_t>(key_).first(static_cast<std::size_t>(keySizeInBytes_));
}

std::string TLbRijndael::EncipherText(std::string_view text) const {
    requireEcb();
    return base64Encode(ecbEncrypt(AesContext(activeKey(), true), text));
}

std::string TLbRijndael::DecipherText(std::string_view envelope) const {
    requireEcb();
    const Bytes data = base64Decode(envelope);
    return ecbDecrypt(AesContext(activeKey(), false), data);
}

std::string TLbRijndael::DecipherStoredText(std::string_view envelope, bool& closingValid) const {
    requireEcb();
    const std::size_t padding = envelope.find('=');
    const bool wholeGroups = envelope.size() % 4 == 0;
    const bool paddingAtEnd = padding == std::string_view::npos ||
                              (padding + 2 >= envelope.size() &&
                               envelope.find_first_not_of('=', padding) == std::string_view::npos);
    const Bytes data = base64Decode(envelope); // character errors first, as DecipherText
    if (!wholeGroups || !paddingAtEnd || data.size() % kAesBlockSize != 0)
        raiseInvalidFileFormat();
    return ecbDecrypt(AesContext(activeKey(), false), data, &closingValid);
}

std::uint64_t TLbRijndael::OutputSize(std::uint32_t inputSize) {
    return (std::uint64_t{inputSize} / 16 + 1) * 16;
}

void TLbRijndael::requireEcb() const {
    if (cipherMode_ != TLbCipherMode::cmECB)
        raiseUnsupportedCipherMode("cmCBC");
}

} // namespace rq::crypto
