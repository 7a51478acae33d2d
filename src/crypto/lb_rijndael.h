// TLbRijndael: the cipher component of the main window. It keeps a key made
// from a pass phrase and turns a text into one line of Base64 envelope text
// (AES in ECB mode with a closing block) and back.
#pragma once

#include "crypto/bytes.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace rq::crypto {

enum class TLbCipherMode : std::uint8_t { cmECB, cmCBC };
enum class TLbKeySizeRDL : std::uint8_t { ks128, ks192, ks256 };

class TLbRijndael {
public:
    TLbCipherMode CipherMode() const { return cipherMode_; }
    void SetCipherMode(TLbCipherMode mode) { cipherMode_ = mode; }
    TLbKeySizeRDL KeySize() const { return keySize_; }
    void SetKeySize(TLbKeySizeRDL size);
    // 16, 24 or 32: how many bytes of the key buffer the cipher uses.
    int KeySizeInBytes() const { return keySizeInBytes_; }

    // Key := the first KeySizeInBytes() bytes of PassphraseDigest(passPhrase).
    // The pass phrase is taken as its 8-bit characters (Windows-1250).
    void KeyFromPassphrase(std::string_view passPhrase);
    // Copies up to 32 bytes into the key buffer (the rest keeps its value).
    void SetKey(std::span<const std::uint8_t> key);
    // The key bytes in use (KeySizeInBytes() of them).
    Bytes GetKey() const;

    // Text bytes -> ECB with closing block -> Base64 on one line.
    std::string EncipherText(std::string_view text) const;
    // The reverse. Fails with "Invalid Base64 Character" (rq::base::Exception)
    // or ECipherException "Invalid file format". A wrong key is no failure:
    // the result is meaningless bytes (see ecbDecrypt for its length).
    std::string DecipherText(std::string_view envelope) const;

    // DecipherText for an envelope kept in a file, which also refuses, with
    // "Invalid file format", what EncipherText never writes and a cut or
    // damaged file shows: a length that is not whole Base64 groups, "="
    // anywhere but in the last two places, data that is not whole cipher
    // blocks. closingValid tells whether the closing block's count is one
    // encryption writes (0 ... 15); a wrong key makes it mostly invalid too,
    // so only a caller that recognises the right key can take it as damage.
    std::string DecipherStoredText(std::string_view envelope, bool& closingValid) const;

    // Bytes that encrypting n bytes produces: (n div 16 + 1) * 16. Computed in
    // 64 bits so that counts near 2^32 do not wrap to a small size.
    static std::uint64_t OutputSize(std::uint32_t inputSize);

private:
    // The chained mode's routines are not part of this program; an operation
    // that would select them fails rather than silently doing nothing.
    void requireEcb() const;
    std::span<const std::uint8_t> activeKey() const;

    TLbCipherMode cipherMode_ = TLbCipherMode::cmECB;
    std::array<std::uint8_t, 32> key_{};
    TLbKeySizeRDL keySize_ = TLbKeySizeRDL::ks128;
    int keySizeInBytes_ = 16;
};

} // namespace rq::crypto
