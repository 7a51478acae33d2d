// AES (Rijndael with 128-bit blocks) as standardised in FIPS-197, with 128-,
// 192- and 256-bit keys: key expansion, the cipher and the inverse cipher.
// Blocks are 16 bytes in the standard's byte order.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace rq::crypto {

inline constexpr std::size_t kAesBlockSize = 16;

class AesContext {
public:
    // key holds keyBytes bytes; Nk = keyBytes / 4 is clamped to 4 ... 8, so
    // only 16, 24 and 32 are meaningful. Rounds = Nk + 6.
    AesContext(std::span<const std::uint8_t> key, bool encrypting);

    bool encrypting() const { return encrypting_; }
    int rounds() const { return rounds_; }

    // One block in place: the cipher when encrypting, the inverse cipher when not.
    void processBlock(std::uint8_t* block) const;

private:
    void encryptBlock(std::uint8_t* block) const;
    void decryptBlock(std::uint8_t* block) const;

    bool encrypting_;
    int rounds_;
    std::array<std::uint32_t, 60> roundKeys_{}; // 4 * (rounds + 1) words are used
};

} // namespace rq::crypto
