// AES key expansion (FIPS-197 5.2), the cipher with the combined round tables
// (5.1) and the inverse cipher (5.3).
#include "crypto/aes.h"

#include "crypto/aes_tables.h"

#include <algorithm>

namespace rq::crypto {
namespace {

using aes::kEncTables;
using aes::kInvSBox;
using aes::kSBox;

std::uint32_t loadBe32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 |
           std::uint32_t{p[3]};
}

void storeBe32(std::uint8_t* p, std::uint32_t w) {
    p[0] = static_cast<std::uint8_t>(w >> 24);
    p[1] = static_cast<std::uint8_t>(w >> 16);
    p[2] = static_cast<std::uint8_t>(w >> 8);
    p[3] = static_cast<std::uint8_t>(w);
}

std::uint8_t byteOf(std::uint32_t w, int index) { // index 0 is the high byte
    return static_cast<std::uint8_t>(w >> (24 - 8 * index));
}

std::uint32_t subWord(std::uint32_t w) {
    return std::uint32_t{kSBox[byteOf(w, 0)]} << 24 | std::uint32_t{kSBox[byteOf(w, 1)]} << 16 |
           std::uint32_t{kSBox[byteOf(w, 2)]} << 8 | std::uint32_t{kSBox[byteOf(w, 3)]};
}

std::uint32_t rotWord(std::uint32_t w) {
    return w << 8 | w >> 24;
}

// One column of a middle round: SubBytes, ShiftRows and MixColumns by look-up.
std::uint32_t roundColumn(const std::array<std::uint32_t, 4>& s, std::size_t c) {
    return kEncTables[0][byteOf(s[c], 0)] ^ kEncTables[1][byteOf(s[(c + 1) % 4], 1)] ^
           kEncTables[2][byteOf(s[(c + 2) % 4], 2)] ^ kEncTables[3][byteOf(s[(c + 3) % 4], 3)];
}

// The last round has no MixColumns: SubBytes and ShiftRows only.
std::uint32_t finalColumn(const std::array<std::uint32_t, 4>& s, std::size_t c) {
    return std::uint32_t{kSBox[byteOf(s[c], 0)]} << 24 |
           std::uint32_t{kSBox[byteOf(s[(c + 1) % 4], 1)]} << 16 |
           std::uint32_t{kSBox[byteOf(s[(c + 2) % 4], 2)]} << 8 |
           std::uint32_t{kSBox[byteOf(s[(c + 3) % 4], 3)]};
}

using State = std::array<std::uint8_t, kAesBlockSize>; // byte r + 4c is row r, column c

void addRoundKey(State& state, const std::uint32_t* key) {
    for (std::size_t c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
            state[4 * c + static_cast<std::size_t>(r)] ^= byteOf(key[c], r);
}

// InvShiftRows (row r moves r columns right) followed by InvSubBytes.
void invShiftSub(State& state) {
    const State old = state;
    for (std::size_t c = 0; c < 4; ++c)
        for (std::size_t r = 0; r < 4; ++r)
            state[r + 4 * c] = kInvSBox[old[r + 4 * ((c + 4 - r) % 4)]];
}

void invMixColumns(State& state) {
    using aes::kMul11, aes::kMul13, aes::kMul14, aes::kMul9;
    for (std::size_t c = 0; c < 4; ++c) {
        std::uint8_t* a = &state[4 * c];
        const std::uint8_t a0 = a[0], a1 = a[1], a2 = a[2], a3 = a[3];
        a[0] = kMul14[a0] ^ kMul11[a1] ^ kMul13[a2] ^ kMul9[a3];
        a[1] = kMul9[a0] ^ kMul14[a1] ^ kMul11[a2] ^ kMul13[a3];
        a[2] = kMul13[a0] ^ kMul9[a1] ^ kMul14[a2] ^ kMul11[a3];
        a[3] = kMul11[a0] ^ kMul13[a1] ^ kMul9[a2] ^ kMul14[a3];
    }
}

} // namespace

AesContext::AesContext(std::span<const std::uint8_t> key, bool encrypting)
    : encrypting_(encrypting) {
    const int nk = std::clamp(static_cast<int>(key.size() / 4), 4, 8);
    rounds_ = nk + 6;
    const int total = 4 * (rounds_ + 1);
    // A short key reads as if zero-filled, never past its end.
    std::array<std::uint8_t, 32> padded{};
    std::copy_n(key.begin(), std::min(key.size(), padded.size()), padded.begin());
    for (int i = 0; i < nk; ++i)
        roundKeys_[static_cast<std::size_t>(i)] =
            loadBe32(&padded[static_cast<std::size_t>(4 * i)]);
    std::uint8_t rcon = 1;
    for (int i = nk; i < total; ++i) {
        std::uint32_t temp = roundKeys_[static_cast<std::size_t>(i - 1)];
        if (i % nk == 0) {
            temp = subWord(rotWord(temp)) ^ std::uint32_t{rcon} << 24;
            rcon = aes::xtime(rcon);
        } else if (nk > 6 && i % nk == 4) {
            temp = subWord(temp);
        }
        roundKeys_[static_cast<std::size_t>(i)] =
            roundKeys_[static_cast<std::size_t>(i - nk)] ^ temp;
    }
}

void AesContext::processBlock(std::uint8_t* block) const {
    if (encrypting_)
        encryptBlock(block);
    else
        decryptBlock(block);
}

void AesContext::encryptBlock(std::uint8_t* block) const {
    std::array<std::uint32_t, 4> s{};
    for (std::size_t c = 0; c < 4; ++c)
        s[c] = loadBe32(block + 4 * c) ^ roundKeys_[c];
    for (int round = 1; round < rounds_; ++round) {
        const std::uint32_t* key = &roundKeys_[static_cast<std::size_t>(4 * round)];
        std::array<std::uint32_t, 4> t{};
        for (std::size_t c = 0; c < 4; ++c)
            t[c] = roundColumn(s, c) ^ key[c];
        s = t;
    }
    const std::uint32_t* key = &roundKeys_[static_cast<std::size_t>(4 * rounds_)];
    for (std::size_t c = 0; c < 4; ++c)
        storeBe32(block + 4 * c, finalColumn(s, c) ^ key[c]);
}

void AesContext::decryptBlock(std::uint8_t* block) const {
    State state{};
    std::copy_n(block, kAesBlockSize, state.begin());
    addRoundKey(state, &roundKeys_[static_cast<std::size_t>(4 * rounds_)]);
    for (int round = rounds_ - 1; round >= 1; --round) {
        invShiftSub(state);
        addRoundKey(state, &roundKeys_[static_cast<std::size_t>(4 * round)]);
        invMixColumns(state);
    }
    invShiftSub(state);
    addRoundKey(state, &roundKeys_[0]);
    std::copy(state.begin(), state.end(), block);
}

} // namespace rq::crypto
