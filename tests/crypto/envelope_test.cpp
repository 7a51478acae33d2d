// The cipher component's envelope: sizes of the closing block, the Base64
// layer, the failures with their exact messages, the wrong-key policy and
// agreement with openssl on whole envelopes.
#include "crypto/aes.h"
#include "crypto/base64.h"
#include "crypto/cipher_exception.h"
#include "crypto/lb_rijndael.h"
#include "crypto/passphrase_digest.h"
#include "hex_text.h"
#include "openssl_cli.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace rq::crypto {
namespace {

std::string textOfLength(std::size_t length) {
    std::string text;
    for (std::size_t i = 0; i < length; ++i)
        text += static_cast<char>('A' + i % 26);
    return text;
}

TLbRijndael cipherFor(std::string_view passPhrase, TLbKeySizeRDL size = TLbKeySizeRDL::ks128) {
    TLbRijndael cipher;
    cipher.SetKeySize(size);
    cipher.KeyFromPassphrase(passPhrase);
    return cipher;
}

TEST(TLbRijndael, StartsInTheProgramsConfiguration) {
    const TLbRijndael cipher;
    EXPECT_EQ(cipher.CipherMode(), TLbCipherMode::cmECB);
    EXPECT_EQ(cipher.KeySize(), TLbKeySizeRDL::ks128);
    EXPECT_EQ(cipher.KeySizeInBytes(), 16);
}

TEST(TLbRijndael, KeyIsTheDigestPrefixOfTheKeySize) {
    struct Row {
        TLbKeySizeRDL size;
        std::size_t bytes;
    };
    for (const Row row : {Row{TLbKeySizeRDL::ks128, 16}, Row{TLbKeySizeRDL::ks192, 24},
                          Row{TLbKeySizeRDL::ks256, 32}}) {
        const Bytes key = cipherFor("jelsz\xF3", row.size).GetKey();
        EXPECT_EQ(key, PassphraseDigest("jelsz\xF3", row.bytes));
    }
}

struct SizeCase {
    const char* name;
    std::size_t textLength;
    std::size_t envelopeLength;
};

void PrintTo(const SizeCase& c, std::ostream* os) {
    *os << c.name;
}

class EnvelopeSize : public testing::TestWithParam<SizeCase> {};

TEST_P(EnvelopeSize, HasTheClosingBlock) {
    const SizeCase& c = GetParam();
    const std::string envelope = cipherFor("x").EncipherText(textOfLength(c.textLength));
    EXPECT_EQ(envelope.size(), c.envelopeLength);
    EXPECT_EQ(base64Decode(envelope).size(), TLbRijndael::OutputSize(c.textLength));
}

INSTANTIATE_TEST_SUITE_P(Lengths, EnvelopeSize,
                         testing::Values(SizeCase{"EmptyGivesOneBlock", 0, 24},
                                         SizeCase{"FifteenBytesFitTheClosingBlock", 15, 24},
                                         SizeCase{"SixteenBytesNeedAnEmptyClosingBlock", 16, 44},
                                         SizeCase{"ThirtyOneBytes", 31, 44},
                                         SizeCase{"ThirtyTwoBytes", 32, 64},
                                         SizeCase{"SavedFormSize", 300, 408}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TLbRijndael, SixteenByteEnvelopeEndsInOnePadCharacter) {
    const std::string envelope = cipherFor("x").EncipherText(textOfLength(16));
    EXPECT_EQ(envelope.back(), '=');
    EXPECT_NE(envelope[envelope.size() - 2], '=');
}

TEST(TLbRijndael, OutputSizeDoesNotWrapNearTheTop) {
    EXPECT_EQ(TLbRijndael::OutputSize(0), 16u);
    EXPECT_EQ(TLbRijndael::OutputSize(15), 16u);
    EXPECT_EQ(TLbRijndael::OutputSize(16), 32u);
    EXPECT_EQ(TLbRijndael::OutputSize(0xFFFFFFFFu), 0x100000000u);
}

TEST(TLbRijndael, RoundTripsEveryLengthUnderEveryKeySize) {
    for (const auto size : {TLbKeySizeRDL::ks128, TLbKeySizeRDL::ks192, TLbKeySizeRDL::ks256}) {
        const TLbRijndael cipher = cipherFor("v\xEDzimalom", size);
        for (std::size_t length = 0; length <= 40; ++length) {
            std::string text;
            for (std::size_t i = 0; i < length; ++i)
                text += static_cast<char>(255 - i * 13); // includes NUL and high bytes
            EXPECT_EQ(cipher.DecipherText(cipher.EncipherText(text)), text)
                << "length " << length << " key size " << cipher.KeySizeInBytes();
        }
    }
}

TEST(TLbRijndael, SameTextAndPhraseGiveTheSameEnvelope) {
    const std::string text = "v\xEDzimalom\r\nEdit1_-\r\n";
    EXPECT_EQ(cipherFor("a").EncipherText(text), cipherFor("a").EncipherText(text));
    EXPECT_NE(cipherFor("a").EncipherText(text), cipherFor("b").EncipherText(text));
}

struct FailureCase {
    const char* name;
    bool appendToValid; // text follows a valid envelope, or stands alone
    std::string text;
    bool isCipherException;
    const char* message;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class DecipherFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(DecipherFailure, RaisesTheMessage) {
    const FailureCase& c = GetParam();
    const TLbRijndael cipher = cipherFor("x");
    const std::string envelope =
        c.appendToValid ? cipher.EncipherText("v\xEDzimalom\r\n") + c.text : c.text;
    try {
        cipher.DecipherText(envelope);
        FAIL() << "no failure";
    } catch (const ECipherException& e) {
        EXPECT_TRUE(c.isCipherException);
        EXPECT_EQ(e.message(), c.message);
    } catch (const rq::base::Exception& e) {
        EXPECT_FALSE(c.isCipherException);
        EXPECT_EQ(e.message(), c.message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Envelopes, DecipherFailure,
    testing::Values(
        FailureCase{"TrailingLineFeed", true, "\n", false, "Invalid Base64 Character"},
        FailureCase{"TrailingCrLf", true, "\r\n", false, "Invalid Base64 Character"},
        FailureCase{"Blank", true, " ", false, "Invalid Base64 Character"},
        FailureCase{"CharacterAboveZ", true, "{", false, "Invalid Base64 Character"},
        FailureCase{"HighByte", true, "\xE1", false, "Invalid Base64 Character"},
        FailureCase{"LeadingBlankInShortText", false, " AAA", false, "Invalid Base64 Character"},
        FailureCase{"EmptyText", false, "", true, "Invalid file format"},
        FailureCase{"FifteenBytes", false, "AAAAAAAAAAAAAAAAAAAA", true, "Invalid file format"},
        FailureCase{"OneGroup", false, "QUJD", true, "Invalid file format"}),
    [](const auto& info) { return std::string(info.param.name); });

// A wrong key decrypts the closing block to a count byte that may exceed 15.
// The result then ends with the 15 data bytes the block can hold: nothing is
// read past the block.
TEST(TLbRijndael, WrongKeyCountAboveFifteenYieldsTheFifteenBlockBytes) {
    TLbRijndael cipher = cipherFor("x");
    const Bytes key = cipher.GetKey();
    const AesContext encryptor(key, true);
    for (const std::uint8_t count : {16, 17, 0x80, 0xFF}) {
        Bytes blocks(32);
        for (std::size_t i = 0; i < blocks.size(); ++i)
            blocks[i] = static_cast<std::uint8_t>(i + 1);
        blocks[31] = count;
        encryptor.processBlock(blocks.data());
        encryptor.processBlock(blocks.data() + 16);
        const std::string plain = cipher.DecipherText(base64Encode(blocks));
        ASSERT_EQ(plain.size(), 31u) << "count " << int{count};
        for (std::size_t i = 0; i < plain.size(); ++i)
            EXPECT_EQ(static_cast<std::uint8_t>(plain[i]), i + 1);
    }
}

TEST(TLbRijndael, WrongPhraseGivesMeaninglessBoundedText) {
    const std::string text = "v\xEDzimalom\r\nEdit1_-\r\nEdit2_-\r\n";
    const std::string envelope = cipherFor("right").EncipherText(text);
    for (const char* wrong : {"", "wrong", "Right", "right "}) {
        const std::string plain = cipherFor(wrong).DecipherText(envelope);
        EXPECT_LE(plain.size(), 16u + 15u) << wrong;
        EXPECT_NE(plain.substr(0, 11), "v\xEDzimalom\r\n") << wrong;
    }
}

TEST(TLbRijndael, IgnoresBytesAfterTheLastWholeBlock) {
    const TLbRijndael cipher = cipherFor("x");
    Bytes data = base64Decode(cipher.EncipherText("abc"));
    data.push_back(0x42);
    data.push_back(0x43);
    EXPECT_EQ(cipher.DecipherText(base64Encode(data)), "abc");
}

TEST(TLbRijndael, ChainedModeFailsInsteadOfDoingNothing) {
    TLbRijndael cipher = cipherFor("x");
    const std::string envelope = cipher.EncipherText("abc");
    cipher.SetCipherMode(TLbCipherMode::cmCBC);
    EXPECT_THROW(cipher.EncipherText("abc"), ECipherException);
    EXPECT_THROW(cipher.DecipherText(envelope), ECipherException);
}

// openssl enciphers the same bytes plus the closing block and encodes them
// in Base64 on one line: the envelope must be identical, across the 45-byte
// pieces of the encoder too.
TEST(TLbRijndael, EnvelopeAgreesWithOpenssl) {
    const TLbRijndael cipher = cipherFor("jelsz\xF3");
    for (const std::size_t length : {0u, 1u, 15u, 16u, 17u, 44u, 45u, 46u, 100u, 300u}) {
        const std::string text = textOfLength(length);
        std::string padded = text;
        const std::size_t rest = length % 16;
        padded.append(15 - rest, '\0');
        padded += static_cast<char>(rest);
        const Bytes key = cipher.GetKey();
        auto expected = testing_support::runOpensslEnc(
            "aes-128-ecb", toHex(std::string(key.begin(), key.end())), padded, "-a -A");
        ASSERT_TRUE(expected.has_value());
        while (!expected->empty() && expected->back() == '\n')
            expected->pop_back();
        EXPECT_EQ(cipher.EncipherText(text), *expected) << "length " << length;
    }
}

struct Base64Case {
    const char* name;
    std::string bytes;
    std::string text;
};

void PrintTo(const Base64Case& c, std::ostream* os) {
    *os << c.name;
}

class Base64Rfc4648 : public testing::TestWithParam<Base64Case> {};

TEST_P(Base64Rfc4648, EncodesAndDecodes) {
    const Base64Case& c = GetParam();
    const Bytes bytes(c.bytes.begin(), c.bytes.end());
    EXPECT_EQ(base64Encode(bytes), c.text);
    EXPECT_EQ(base64Decode(c.text), bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Vectors, Base64Rfc4648,
    testing::Values(Base64Case{"Empty", "", ""}, Base64Case{"One", "f", "Zg=="},
                    Base64Case{"Two", "fo", "Zm8="}, Base64Case{"Three", "foo", "Zm9v"},
                    Base64Case{"Four", "foob", "Zm9vYg=="}, Base64Case{"Five", "fooba", "Zm9vYmE="},
                    Base64Case{"Six", "foobar", "Zm9vYmFy"},
                    Base64Case{"AllSixBitValues",
                               std::string("\x00\x10\x83\x10\x51\x87\x20\x92"
                                           "\x8b\x30\xd3\x8f\x41\x14\x93\x51"
                                           "\x55\x97\x61\x96\x9b\x71\xd7\x9f"
                                           "\x82\x18\xa3\x92\x59\xa7\xa2\x9a"
                                           "\xab\xb2\xdb\xaf\xc3\x1c\xb3\xd3"
                                           "\x5d\xb7\xe3\x9e\xbb\xf3\xdf\xbf",
                                           48),
                               "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn"
                               "opqrstuvwxyz0123456789+/"}),
    [](const auto& info) { return std::string(info.param.name); });

struct LenientCase {
    const char* name;
    const char* text;
    const char* bytesHex;
};

void PrintTo(const LenientCase& c, std::ostream* os) {
    *os << c.name;
}

class Base64Lenient : public testing::TestWithParam<LenientCase> {};

// Texts a valid envelope never contains, decoded without failure.
TEST_P(Base64Lenient, Decodes) {
    const LenientCase& c = GetParam();
    const Bytes bytes = base64Decode(c.text);
    EXPECT_EQ(toHex(std::string(bytes.begin(), bytes.end())), c.bytesHex);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Base64Lenient,
    testing::Values(LenientCase{"DashCountsAsZero", "-A==", "00"},
                    LenientCase{"DotAndUnderscoreCountAsZero", "._AA", "000000"},
                    LenientCase{"PadInThirdPlaceEndsTheGroup", "Zg=x", "66"},
                    LenientCase{"GroupsAfterPaddingGoOn", "Zg==Zm9v", "66666f6f"},
                    LenientCase{"LastGroupOfThree", "Zm9vYmE", "666f6f6261"},
                    LenientCase{"LastGroupOfTwo", "Zm9vYg", "666f6f62"},
                    LenientCase{"LoneLastCharacter", "Zm9vY", "666f6f"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace rq::crypto
