// AES against the known-answer vectors of FIPS-197 Appendix C.1 and against
// the openssl tool on seeded random keys and blocks.
#include "crypto/aes.h"
#include "hex_text.h"
#include "openssl_cli.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>

namespace rq::crypto {
namespace {

std::string bytesFromHex(std::string_view hex) {
    return fromHex(hex).value();
}

std::string encrypt(const std::string& key, std::string data) {
    const AesContext aes(std::span(reinterpret_cast<const std::uint8_t*>(key.data()), key.size()),
                         true);
    for (std::size_t offset = 0; offset < data.size(); offset += kAesBlockSize)
        aes.processBlock(reinterpret_cast<std::uint8_t*>(data.data() + offset));
    return data;
}

std::string decrypt(const std::string& key, std::string data) {
    const AesContext aes(std::span(reinterpret_cast<const std::uint8_t*>(key.data()), key.size()),
                         false);
    for (std::size_t offset = 0; offset < data.size(); offset += kAesBlockSize)
        aes.processBlock(reinterpret_cast<std::uint8_t*>(data.data() + offset));
    return data;
}

struct KnownAnswer {
    const char* name;
    const char* keyHex;
    int rounds;
    const char* cipherHex;
};

void PrintTo(const KnownAnswer& c, std::ostream* os) {
    *os << c.name;
}

class AesKnownAnswer : public testing::TestWithParam<KnownAnswer> {};

TEST_P(AesKnownAnswer, CipherAndInverseCipherMatchTheStandard) {
    const KnownAnswer& c = GetParam();
    const std::string key = bytesFromHex(c.keyHex);
    const std::string plain = bytesFromHex("00112233445566778899aabbccddeeff");
    EXPECT_EQ(
        AesContext(std::span(reinterpret_cast<const std::uint8_t*>(key.data()), key.size()), true)
            .rounds(),
        c.rounds);
    EXPECT_EQ(toHex(encrypt(key, plain)), c.cipherHex);
    EXPECT_EQ(decrypt(key, bytesFromHex(c.cipherHex)), plain);
}

INSTANTIATE_TEST_SUITE_P(
    Fips197AppendixC1, AesKnownAnswer,
    testing::Values(KnownAnswer{"Aes128", "000102030405060708090a0b0c0d0e0f", 10,
                                "69c4e0d86a7b0430d8cdb78070b4c55a"},
                    KnownAnswer{"Aes192", "000102030405060708090a0b0c0d0e0f1011121314151617", 12,
                                "dda97ca4864cdfe06eaf70a0ec0d7191"},
                    KnownAnswer{"Aes256",
                                "000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f",
                                14, "8ea2b7ca516745bfeafc49904b496089"}),
    [](const auto& info) { return std::string(info.param.name); });

std::string randomBytes(std::mt19937& random, std::size_t count) {
    std::string bytes;
    for (std::size_t i = 0; i < count; ++i)
        bytes += static_cast<char>(random() & 0xFF);
    return bytes;
}

struct OpensslCase {
    const char* name;
    const char* cipher;
    std::size_t keyBytes;
    unsigned seed;
};

void PrintTo(const OpensslCase& c, std::ostream* os) {
    *os << c.name;
}

class AesAgainstOpenssl : public testing::TestWithParam<OpensslCase> {};

// Eight keys of the given size, each with eight blocks enciphered in one run
// (ECB enciphers every block on its own).
TEST_P(AesAgainstOpenssl, AgreesOnRandomKeysAndBlocks) {
    const OpensslCase& c = GetParam();
    std::mt19937 random(c.seed);
    for (int k = 0; k < 8; ++k) {
        const std::string key = randomBytes(random, c.keyBytes);
        const std::string plain = randomBytes(random, 8 * kAesBlockSize);
        const auto expected = testing_support::runOpensslEnc(c.cipher, toHex(key), plain);
        ASSERT_TRUE(expected.has_value()) << "openssl enc -" << c.cipher << " failed";
        EXPECT_EQ(toHex(encrypt(key, plain)), toHex(*expected)) << "key " << toHex(key);
        EXPECT_EQ(decrypt(key, *expected), plain) << "key " << toHex(key);
    }
}

INSTANTIATE_TEST_SUITE_P(RandomTables, AesAgainstOpenssl,
                         testing::Values(OpensslCase{"Aes128", "aes-128-ecb", 16, 612},
                                         OpensslCase{"Aes128Again", "aes-128-ecb", 16, 1250},
                                         OpensslCase{"Aes192", "aes-192-ecb", 24, 192},
                                         OpensslCase{"Aes256", "aes-256-ecb", 32, 256}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace rq::crypto
