// The document identifier: the name sum in upper-case hexadecimal after the
// last six characters of the processor signature; the signature from the
// identification registers and its fallback file.
#include "certificate/document_id.h"
#include "certificate/processor_signature.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace rq::certificate {
namespace {

struct IdentifierCase {
    const char* label;
    std::string name; // Windows-1250
    std::string signature;
    std::string expected;
};

class DocumentIdentifier : public ::testing::TestWithParam<IdentifierCase> {};

TEST_P(DocumentIdentifier, JoinsSignaturePartAndNameSum) {
    const auto& c = GetParam();
    EXPECT_EQ(documentIdentifier(c.name, c.signature), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DocumentIdentifier,
    ::testing::Values(IdentifierCase{"OneLetterA_41", "A", "123456789", "45678941"},
                      // 'z' (122) ten times = 1220.
                      IdentifierCase{"Sum1220_4C4", std::string(10, 'z'), "0", "04C4"},
                      // Bytes above 127 count unsigned: "\xE1" (225) + "\xF5" (245) = 470 = 0x1D6.
                      IdentifierCase{"HighBytesUnsigned", "\xE1\xF5", "1234567", "2345671D6"},
                      IdentifierCase{"ShortSignatureWhole", "A", "12345", "1234541"},
                      IdentifierCase{"SixCharacterSignatureWhole", "A", "123456", "12345641"},
                      IdentifierCase{"EmptySignature", "A", "", "41"},
                      // "Kov\xE1cs \xC9va": 75+111+118+225+99+115+32+201+118+97 = 1191 = 0x4A7.
                      IdentifierCase{"HungarianName",
                                     "Kov\xE1"
                                     "cs \xC9va",
                                     "98765432109", "4321094A7"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(NameSum, CountsEveryCharacterOnceFromZero) {
    EXPECT_EQ(nameSum(""), 0u);
    EXPECT_EQ(nameSumHex(""), "0");
    EXPECT_EQ(nameSum("\xFF\xFF"), 510u);
    EXPECT_EQ(nameSumHex("\x10"), "10");
    EXPECT_EQ(nameSumHex("\x0F"), "F");
}

TEST(ProcessorSignature, RegistersJoinInDecimalAsEcxEbxEdxEax) {
    CpuidRegisters r;
    r.ecx = 4294967295u; // no sign, no leading zeros
    r.ebx = 0;
    r.edx = 3219913727u;
    r.eax = 591594; // family, model and stepping: six digits
    const std::string signature = signatureFromRegisters(r);
    EXPECT_EQ(signature, "429496729503219913727591594");
    // With six or more digits in EAX the signature part is EAX's last six.
    EXPECT_EQ(signaturePart(signature), "591594");
    r.eax = 1234567;
    EXPECT_EQ(signaturePart(signatureFromRegisters(r)), "234567");
}

TEST(ProcessorSignature, MachineSignatureIsDecimalDigits) {
    const std::string signature = processorSignature();
    ASSERT_FALSE(signature.empty());
    EXPECT_EQ(signature.find_first_not_of("0123456789"), std::string::npos) << signature;
    if (const auto registers = cpuidFunction1()) {
        // Only EAX is the same on every core; it ends the signature.
        const std::string eax = std::to_string(registers->eax);
        EXPECT_TRUE(signature.ends_with(eax)) << signature;
    }
}

class IdentificationFile : public ::testing::Test {
protected:
    ~IdentificationFile() override { std::filesystem::remove(path_); }
    std::string write(const std::string& text) {
        std::ofstream(path_) << text;
        return path_.string();
    }
    std::filesystem::path path_ =
        std::filesystem::temp_directory_path() /
        ("rq0612_midr_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
};

TEST_F(IdentificationFile, HexadecimalRegisterBecomesDecimal) {
    EXPECT_EQ(signatureFromIdentificationFile(write("0x00000000410fd083\n")), "1091555459");
    EXPECT_EQ(signatureFromIdentificationFile(write("410FD083")), "1091555459");
    EXPECT_EQ(signatureFromIdentificationFile(write("0xffffffffffffffff")), "18446744073709551615");
}

TEST_F(IdentificationFile, MissingOrMalformedGivesZero) {
    EXPECT_EQ(signatureFromIdentificationFile(path_.string()), "0");
    EXPECT_EQ(signatureFromIdentificationFile(write("")), "0");
    EXPECT_EQ(signatureFromIdentificationFile(write("0x")), "0");
    EXPECT_EQ(signatureFromIdentificationFile(write("0x12g4")), "0");
    EXPECT_EQ(signatureFromIdentificationFile(write("0x1ffffffffffffffff")), "0");
}

} // namespace
} // namespace rq::certificate
