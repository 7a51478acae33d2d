// PassphraseDigest: the cipher library's own digest that turns a pass phrase
// into key bytes. A 2048-bit state seeded from pi takes every input byte; a
// 128-bit side state, stirred every eight bytes, finally keys MixCipher, which
// enciphers the big state into the digest.
#pragma once

#include "crypto/bytes.h"
#include "crypto/pi_state.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace rq::crypto {

inline constexpr std::size_t kDigestSize = kPiStateSize;

class PassphraseDigestContext {
public:
    void update(std::string_view data);
    // Pads, enciphers the state and returns all 256 bytes; the context is
    // spent afterwards.
    std::array<std::uint8_t, kDigestSize> finish();

private:
    void foldByte(std::uint8_t b);
    void stirSideState();

    int digestIndex_ = 0;                                         // 0 ... 255: next state byte
    std::array<std::uint8_t, kDigestSize> state_ = kPiFraction;   // the 2048-bit state
    int keyIndex_ = 0;                                            // 0 ... 7: next side-state byte
    std::array<std::uint8_t, 16> sideState_ = initialSideState(); // K0 ... K3, little-endian

    static std::array<std::uint8_t, 16> initialSideState();
};

// The first min(size, 256) bytes of the digest of data (8-bit characters, no
// terminator; an empty text is valid input).
Bytes PassphraseDigest(std::string_view data, std::size_t size);

} // namespace rq::crypto
