#!/usr/bin/env python3
"""Independent model of the pass-phrase digest, used to produce the golden
values of tests/crypto/passphrase_digest_test.cpp. It is written straight from
the algorithm's description (not from the C++ code) so that the two can check
each other.

Usage: digest_reference.py [HEXBYTES ...]   prints the 256-byte digest in hex.
       digest_reference.py --mix KEYHEX BLOCKHEX ROUNDS
                                            prints MixCipher's encryption of a block.
"""
import sys

M = 0xFFFFFFFF


def pi_state():
#frac(pi) * 2 ^ 2048 with Machin's formula and guard bits.
    bits = 2048 + 2 + 64
    one = 1 << bits

    def atan_inv(x):
        total, term, n, sign = 0, one // x, 1, 1
        while term:
            total += sign * (term // n)
            term //= x * x
            n += 2
            sign = -sign
        return total

    pi = 16 * atan_inv(5) - 4 * atan_inv(239)
    return bytearray(((pi - 3 * one) >> (bits - 2048)).to_bytes(256, "big"))


def quad_mix(w, x, y, z):
    w = (w + z) & M; z = (z + w) & M; w ^= w >> 7
    x = (x + w) & M; w = (w + x) & M; x ^= (x << 13) & M
    y = (y + x) & M; x = (x + y) & M; y ^= y >> 17
    z = (z + y) & M; y = (y + z) & M; z ^= (z << 9) & M
    w = (w + z) & M; z = (z + w) & M; w ^= w >> 3
    x = (x + w) & M; w = (w + x) & M; x ^= (x << 7) & M
    y = (y + x) & M; x = (x + y) & M; y ^= z >> 15
    z = (z + y) & M; y = (y + z) & M; z ^= (z << 11) & M
    return w, x, y, z


def octet_mix(a, b, c, d, e, f, g, h):
    a ^= (b << 11) & M; d = (d + a) & M; b = (b + c) & M
    b ^= c >> 2; e = (e + b) & M; c = (c + d) & M
    c ^= (d << 8) & M; f = (f + c) & M; d = (d + e) & M
    d ^= e >> 16; g = (g + d) & M; e = (e + f) & M
    e ^= (f << 10) & M; h = (h + e) & M; f = (f + g) & M
    f ^= g >> 4; a = (a + f) & M; g = (g + h) & M
    g ^= (h << 8) & M; b = (b + g) & M; h = (h + a) & M
    h ^= a >> 9; c = (c + h) & M; a = (a + b) & M
    return a, b, c, d, e, f, g, h


def words(data):
    return [int.from_bytes(data[i:i + 4], "little") for i in range(0, len(data), 4)]


def to_bytes(ws):
    return b"".join(w.to_bytes(4, "little") for w in ws)


def mix_subkeys(key16, rounds):
    k = words(key16)
    out = []
    for c in (0x55555555, 0xAAAAAAAA, 0x33333333, 0xCCCCCCCC):
        v = (k[0], c, k[1], c, k[2], c, k[3], c)
        for _ in range(8):
            v = octet_mix(*v)
        out.extend(v)
    subkeys = [(out[2 * i], out[2 * i + 1]) for i in range(16)]
    return subkeys[:max(4, min(16, rounds))]


def mix_encrypt(subkeys, block):
    l0, l1, r0, r1 = words(block)
    for s0, s1 in subkeys:
        w, x, y, z = quad_mix(l0, s0, l1, s1)
        w, x, y, z = quad_mix(y, z, w, x)
        t0, t1 = x ^ w ^ r0, z ^ y ^ r1
        r0, r1, l0, l1 = l0, l1, t0, t1
    return to_bytes((r0, r1, l0, l1))


class Digest:
    def __init__(self):
        self.state = pi_state()
        self.index = 0
        self.side = bytearray(to_bytes([0x55555555] * 4))
        self.kindex = 0

    def update(self, data):
        for b in data:
            self.state[self.index] ^= b
            self.index = (self.index + 1) % 256
            self.side[self.kindex] ^= b
            self.kindex += 1
            if self.kindex == 8:
                k0, k1, k2, k3 = words(self.side)
                w, x, y, z = k3, k2, k1, k0
                for _ in range(4):
                    w, x, y, z = quad_mix(w, x, y, z)
                self.side = bytearray(to_bytes((w, x, y, z)))
                self.kindex = 0

    def finish(self):
        self.update(bytes([1, 0, 0, 0, 0, 0, 0, 0])[: 8 - self.kindex])
        subkeys = mix_subkeys(bytes(self.side), 8)
        return b"".join(mix_encrypt(subkeys, bytes(self.state[i:i + 16]))
                        for i in range(0, 256, 16))


def digest(data):
    d = Digest()
    d.update(data)
    return d.finish()


if __name__ == "__main__":
    if sys.argv[1:2] == ["--mix"]:
        key, block, rounds = bytes.fromhex(sys.argv[2]), bytes.fromhex(sys.argv[3]), int(sys.argv[4])
        print(mix_encrypt(mix_subkeys(key, rounds), block).hex())
        sys.exit(0)
    for arg in sys.argv[1:] or [""]:
        print(digest(bytes.fromhex(arg)).hex())
