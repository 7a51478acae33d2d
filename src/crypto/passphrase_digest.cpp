// The digest's byte folding, side-state stirring and finish.
#include "crypto/passphrase_digest.h"

#include "crypto/mix_cipher.h"
#include "crypto/mixing.h"

#include <algorithm>

namespace rq::crypto {
namespace {

constexpr int kStirInterval = 8; // input bytes between two side-state stirs
constexpr int kFinishRounds = 8;
constexpr std::array<std::uint8_t, kStirInterval> kPadding = {1, 0, 0, 0, 0, 0, 0, 0};

} // namespace

std::array<std::uint8_t, 16> PassphraseDigestContext::initialSideState() {
    std::array<std::uint8_t, 16> side{};
    side.fill(0x55);
    return side;
}

void PassphraseDigestContext::update(std::string_view data) {
    for (char c : data)
        foldByte(static_cast<std::uint8_t>(c));
}

void PassphraseDigestContext::foldByte(std::uint8_t b) {
    state_[static_cast<std::size_t>(digestIndex_)] ^= b;
    digestIndex_ = (digestIndex_ + 1) % static_cast<int>(kDigestSize);
    // Only the first eight side-state bytes (K0, K1) take input; the stir
    // spreads them over all four words.
    sideState_[static_cast<std::size_t>(keyIndex_)] ^= b;
    if (++keyIndex_ == kStirInterval) {
        stirSideState();
        keyIndex_ = 0;
    }
}

void PassphraseDigestContext::stirSideState() {
    std::uint8_t* side = sideState_.data();
    std::uint32_t w = loadLe32(side + 12), x = loadLe32(side + 8);
    std::uint32_t y = loadLe32(side + 4), z = loadLe32(side);
    for (int i = 0; i < 4; ++i)
        QuadMix(w, x, y, z);
    storeLe32(side, w);
    storeLe32(side + 4, x);
    storeLe32(side + 8, y);
    storeLe32(side + 12, z);
}

std::array<std::uint8_t, kDigestSize> PassphraseDigestContext::finish() {
    // Between one and eight padding bytes: the last one always triggers a stir.
    const auto padLength = static_cast<std::size_t>(kStirInterval - keyIndex_);
    for (std::size_t i = 0; i < padLength; ++i)
        foldByte(kPadding[i]);
    const MixCipherContext cipher = initMixCipher(sideState_, kFinishRounds, true);
    for (std::size_t offset = 0; offset < kDigestSize; offset += 16)
        mixCipherBlock(cipher, state_.data() + offset);
    return state_;
}

Bytes PassphraseDigest(std::string_view data, std::size_t size) {
    PassphraseDigestContext context;
    context.update(data);
    const auto digest = context.finish();
    return Bytes(digest.begin(),
                 digest.begin() + static_cast<std::ptrdiff_t>(std::min(size, kDigestSize)));
}

} // namespace rq::crypto
