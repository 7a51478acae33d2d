// MixCipher key schedule and block routine.
#include "crypto/mix_cipher.h"

#include "crypto/bytes.h"
#include "crypto/mixing.h"

#include <algorithm>

namespace rq::crypto {
namespace {

constexpr std::array<std::uint32_t, 4> kScheduleConstants = {0x55555555, 0xAAAAAAAA, 0x33333333,
                                                             0xCCCCCCCC};

// One pass of the schedule: eight OctetMix rounds over the key interleaved
// with a constant give four subkeys.
void scheduleQuarter(MixCipherContext& context, const std::array<std::uint32_t, 4>& k,
                     std::size_t j) {
    const std::uint32_t c = kScheduleConstants[j];
    OctetWords s{k[0], c, k[1], c, k[2], c, k[3], c};
    for (int i = 0; i < 8; ++i)
        OctetMix(s);
    context.subkeys[4 * j + 0] = {s.a, s.b};
    context.subkeys[4 * j + 1] = {s.c, s.d};
    context.subkeys[4 * j + 2] = {s.e, s.f};
    context.subkeys[4 * j + 3] = {s.g, s.h};
}

} // namespace

MixCipherContext initMixCipher(const std::array<std::uint8_t, 16>& key, int rounds,
                               bool encrypting) {
    const std::array<std::uint32_t, 4> k = {loadLe32(&key[0]), loadLe32(&key[4]), loadLe32(&key[8]),
                                            loadLe32(&key[12])};
    MixCipherContext context;
    context.encrypting = encrypting;
    for (std::size_t j = 0; j < kScheduleConstants.size(); ++j)
        scheduleQuarter(context, k, j);
    context.rounds = std::clamp(rounds, 4, 16);
    if (!encrypting)
        std::reverse(context.subkeys.begin(), context.subkeys.begin() + context.rounds);
    return context;
}

void mixCipherBlock(const MixCipherContext& context, std::uint8_t* block) {
    std::uint32_t l0 = loadLe32(block), l1 = loadLe32(block + 4);
    std::uint32_t r0 = loadLe32(block + 8), r1 = loadLe32(block + 12);
    for (int r = 0; r < context.rounds; ++r) {
        const MixSubkey& key = context.subkeys[static_cast<std::size_t>(r)];
        std::uint32_t w = l0, x = key.s0, y = l1, z = key.s1;
        QuadMix(w, x, y, z);
        std::uint32_t w2 = y, x2 = z, y2 = w, z2 = x;
        QuadMix(w2, x2, y2, z2);
        const std::uint32_t t0 = x2 ^ w2 ^ r0;
        const std::uint32_t t1 = z2 ^ y2 ^ r1;
        r0 = l0;
        r1 = l1;
        l0 = t0;
        l1 = t1;
    }
    storeLe32(block, r0);
    storeLe32(block + 4, r1);
    storeLe32(block + 8, l0);
    storeLe32(block + 12, l1);
}

} // namespace rq::crypto
