// ECB encryption and decryption with the closing block.
#include "crypto/ecb.h"

#include "crypto/cipher_exception.h"

#include <algorithm>

namespace rq::crypto {
namespace {

constexpr std::size_t kCountByte = kAesBlockSize - 1;
// The closing block holds at most this many data bytes before its count byte.
constexpr std::size_t kMaxTailBytes = kAesBlockSize - 1;

} // namespace

Bytes ecbEncrypt(const AesContext& encryptor, std::string_view data) {
    const std::size_t whole = data.size() / kAesBlockSize;
    const std::size_t rest = data.size() % kAesBlockSize;
    Bytes out((whole + 1) * kAesBlockSize, 0);
    std::transform(data.begin(), data.end(), out.begin(),
                   [](char c) { return static_cast<std::uint8_t>(c); });
    out[whole * kAesBlockSize + kCountByte] = static_cast<std::uint8_t>(rest);
    for (std::size_t offset = 0; offset < out.size(); offset += kAesBlockSize)
        encryptor.processBlock(out.data() + offset);
    return out;
}

std::string ecbDecrypt(const AesContext& decryptor, const Bytes& data, bool* closingValid) {
    const std::size_t blocks = data.size() / kAesBlockSize;
    if (blocks == 0)
        raiseInvalidFileFormat();
    Bytes plain(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(blocks * kAesBlockSize));
    for (std::size_t offset = 0; offset < plain.size(); offset += kAesBlockSize)
        decryptor.processBlock(plain.data() + offset);
    const std::size_t lastBlock = (blocks - 1) * kAesBlockSize;
    // Encryption never writes a count above 15; a larger one means a wrong
    // key. The closing block then yields all 15 bytes it can hold before the
    // count byte, so the result never reaches past the block.
    const std::size_t count = plain[lastBlock + kCountByte];
    if (closingValid)
        *closingValid = count <= kMaxTailBytes;
    const std::size_t tail = std::min(count, kMaxTailBytes);
    return std::string(plain.begin(),
                       plain.begin() + static_cast<std::ptrdiff_t>(lastBlock + tail));
}

} // namespace rq::crypto
