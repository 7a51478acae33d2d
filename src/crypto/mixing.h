// The two word-mixing steps of the pass-phrase digest. All arithmetic is on
// unsigned 32-bit words: additions wrap, shifts fill with zeros. The order of
// the steps is the whole definition, so each function is a literal list.
#pragma once

#include <cstdint>

namespace rq::crypto {

// Four-word mix: stirs the digest's side state and is the round function of
// MixCipher. Note the seventh row shifts z, not y, into y.
// One line per row of three steps keeps the order visible.
// clang-format off
inline void QuadMix(std::uint32_t& w, std::uint32_t& x, std::uint32_t& y, std::uint32_t& z) {
    w += z; z += w; w ^= w >> 7;
    x += w; w += x; x ^= x << 13;
    y += x; x += y; y ^= y >> 17;
    z += y; y += z; z ^= z << 9;
    w += z; z += w; w ^= w >> 3;
    x += w; w += x; x ^= x << 7;
    y += x; x += y; y ^= z >> 15;
    z += y; y += z; z ^= z << 11;
}

// Eight-word mix (the ISAAC generator's mixing step): MixCipher's key schedule.
struct OctetWords {
    std::uint32_t a, b, c, d, e, f, g, h;
};

inline void OctetMix(OctetWords& s) {
    s.a ^= s.b << 11; s.d += s.a; s.b += s.c;
    s.b ^= s.c >> 2;  s.e += s.b; s.c += s.d;
    s.c ^= s.d << 8;  s.f += s.c; s.d += s.e;
    s.d ^= s.e >> 16; s.g += s.d; s.e += s.f;
    s.e ^= s.f << 10; s.h += s.e; s.f += s.g;
    s.f ^= s.g >> 4;  s.a += s.f; s.g += s.h;
    s.g ^= s.h << 8;  s.b += s.g; s.h += s.a;
    s.h ^= s.a >> 9;  s.c += s.h; s.a += s.b;
}
// clang-format on

} // namespace rq::crypto
