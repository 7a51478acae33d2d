// The pass-phrase digest against golden values of the independent model in
// tests/data/crypto/digest_reference.py, and the properties a key needs:
// every byte and the length matter, long phrases wrap, incremental input
// equals one-shot input.
#include "crypto/mix_cipher.h"
#include "crypto/passphrase_digest.h"
#include "crypto/pi_state.h"
#include "hex_text.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace rq::crypto {
namespace {

std::string hexOf(const Bytes& bytes) {
    return toHex(std::string(bytes.begin(), bytes.end()));
}

std::string bytesFromHex(std::string_view hex) {
    return fromHex(hex).value();
}

// (i * 7 + 3) mod 256 for i = 0 ... length - 1: varied bytes, all values.
std::string rampPhrase(std::size_t length) {
    std::string phrase;
    for (std::size_t i = 0; i < length; ++i)
        phrase += static_cast<char>((i * 7 + 3) % 256);
    return phrase;
}

TEST(PiState, HoldsTheFractionOfPiMostSignificantFirst) {
    const std::string first(kPiFraction.begin(), kPiFraction.begin() + 16);
    EXPECT_EQ(toHex(first), "243f6a8885a308d313198a2e03707344");
    const std::string last(kPiFraction.end() - 8, kPiFraction.end());
    EXPECT_EQ(toHex(last), "a15486af7c72e993");
}

struct DigestCase {
    const char* name;
    std::string phrase;
    const char* leadingHex; // first 32 digest bytes
};

void PrintTo(const DigestCase& c, std::ostream* os) {
    *os << c.name;
}

class PassphraseDigestGolden : public testing::TestWithParam<DigestCase> {};

TEST_P(PassphraseDigestGolden, MatchesTheReferenceModel) {
    const DigestCase& c = GetParam();
    EXPECT_EQ(hexOf(PassphraseDigest(c.phrase, 32)), c.leadingHex);
}

INSTANTIATE_TEST_SUITE_P(
    Phrases, PassphraseDigestGolden,
    testing::Values(
        // Only the padding is folded: one byte 01 and seven zeros.
        DigestCase{"Empty", "", "0bd132aa831c56ac1f92e61084a342d27e4f9a70b731ca1d0b76a3b9da8ece2c"},
        DigestCase{"SevenBytes", "abcdefg",
                   "e99bdb4a2032de3fa08ac0ba5df46af480ebab2689dd245c3539d1ec1cbceecd"},
        // A stir after the last phrase byte, then eight padding bytes and a second stir.
        DigestCase{"ExactlyEightBytes", "abcdefgh",
                   "0cb74ff73a8f99b21dee99f6c97540da202292b5443cd09d11a3f02c8c672e9a"},
        DigestCase{"NineBytes", "abcdefghi",
                   "49439445b5d46601c98cd1ff8d30c833b22ab4b6e4f5ea845fa622fd8c3a6c7e"},
        DigestCase{"Windows1250Letters", "jelsz\xF3",
                   "622d55ed19c74ed34e84111c9289af76d8b6b19c4de7ab7ad81fa26d074b24e5"},
        DigestCase{"FillsTheStateOnce", rampPhrase(256),
                   "75accf875e34c78c4db2e9cfba72700480e1956e5d7cc3274534abb53150c79d"},
        // Past 256 bytes the digest index wraps and folds over the beginning.
        DigestCase{"WrapsByOneByte", rampPhrase(257),
                   "a1da897d87c108d001a55e2999a40fd91103cc5baead39928414d65db287a2c5"},
        DigestCase{"ThreeHundredBytes", rampPhrase(300),
                   "4a787bec366e4ca562e55ef736af6cd381075414cc35b2a8e05619403457bf53"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PassphraseDigest, EnciphersAllSixteenBlocksOfTheState) {
    EXPECT_EQ(hexOf(PassphraseDigest("", 256)),
              "0bd132aa831c56ac1f92e61084a342d27e4f9a70b731ca1d0b76a3b9da8ece2c"
              "1ceaa213c155d1ed0e9fbeae29e8f746ede56615b4d8b4a00bfe54c6a7010aec"
              "95fdf809b8e1e54b216aaeb325a677d921520caf5666d1930cbb6d249936850b"
              "b0a89a5f2c556b27a323f602caa404779368724ebee16781e1569d6984fe85cb"
              "d6d518c52ad34b0f01fcd4af30c56a1cac8267a6463ce8e074ef3a84d46caf70"
              "ca9738093b35b7d30010879ca73313929b87defbc3fc5c1c42962d0f9f2c8800"
              "1bca941dff370cc5610a8ddf75e91dd232f424067274e1c1d633034c4c371d10"
              "a2a1d9e367e90162cb3ac6b0eb5c73fba8b34ee987a83998930bb607c9ee4e3e");
}

TEST(PassphraseDigest, ReturnsTheRequestedPrefixUpToTheWholeState) {
    const Bytes whole = PassphraseDigest("secret", 256);
    EXPECT_TRUE(PassphraseDigest("secret", 0).empty());
    EXPECT_EQ(PassphraseDigest("secret", 16), Bytes(whole.begin(), whole.begin() + 16));
    EXPECT_EQ(PassphraseDigest("secret", 1000), whole);
}

TEST(PassphraseDigest, DependsOnEveryByteAndOnTheLength) {
    const std::string phrase = rampPhrase(300);
    const Bytes base = PassphraseDigest(phrase, 16);
    for (std::size_t i = 0; i < phrase.size(); ++i) {
        std::string changed = phrase;
        changed[i] = static_cast<char>(changed[i] ^ 0x01);
        EXPECT_NE(PassphraseDigest(changed, 16), base) << "byte " << i;
    }
    // A trailing zero byte looks like the start of the padding, yet counts.
    EXPECT_NE(PassphraseDigest(phrase + '\0', 16), base);
    EXPECT_NE(PassphraseDigest(phrase.substr(0, 299), 16), base);
    EXPECT_NE(PassphraseDigest(std::string("\x01\0\0\0\0\0\0\0", 8), 16), PassphraseDigest("", 16));
}

TEST(PassphraseDigest, IncrementalUpdatesEqualOneShot) {
    const std::string phrase = rampPhrase(270);
    for (std::size_t split : {0u, 1u, 7u, 8u, 9u, 255u, 256u, 270u}) {
        PassphraseDigestContext context;
        context.update(std::string_view(phrase).substr(0, split));
        context.update(std::string_view(phrase).substr(split));
        const auto digest = context.finish();
        EXPECT_EQ(Bytes(digest.begin(), digest.end()), PassphraseDigest(phrase, 256))
            << "split at " << split;
    }
}

struct MixCase {
    const char* name;
    int rounds;
    const char* cipherHex;
};

void PrintTo(const MixCase& c, std::ostream* os) {
    *os << c.name;
}

class MixCipherGolden : public testing::TestWithParam<MixCase> {};

// Rounds outside 4 ... 16 are clamped, so 3 acts as 4 and 17 as 16.
TEST_P(MixCipherGolden, EnciphersAndDeciphersABlock) {
    const MixCase& c = GetParam();
    const std::string keyText = bytesFromHex("000102030405060708090a0b0c0d0e0f");
    std::array<std::uint8_t, 16> key{};
    std::copy(keyText.begin(), keyText.end(), key.begin());
    const std::string plain = bytesFromHex("00112233445566778899aabbccddeeff");
    std::string block = plain;
    auto* bytes = reinterpret_cast<std::uint8_t*>(block.data());
    mixCipherBlock(initMixCipher(key, c.rounds, true), bytes);
    EXPECT_EQ(toHex(block), c.cipherHex);
    mixCipherBlock(initMixCipher(key, c.rounds, false), bytes);
    EXPECT_EQ(block, plain);
}

INSTANTIATE_TEST_SUITE_P(
    Rounds, MixCipherGolden,
    testing::Values(MixCase{"Eight", 8, "50c68f7d61b10cec63a800edf3eb9842"},
                    MixCase{"Four", 4, "60c4767febd31ec4afbd9ab6a9a1071d"},
                    MixCase{"ThreeClampsToFour", 3, "60c4767febd31ec4afbd9ab6a9a1071d"},
                    MixCase{"Sixteen", 16, "af2e6020599e88dac7ba0a5b64ee09cd"},
                    MixCase{"SeventeenClampsToSixteen", 17, "af2e6020599e88dac7ba0a5b64ee09cd"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace rq::crypto
