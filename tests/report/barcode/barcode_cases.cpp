// The encoding case table and the golden bar strings.
#include "barcode_cases.h"

#include "../../support/golden.h"

#include <cstdlib>
#include <fstream>

namespace rq::report::barcode::testing {

using namespace model;

const std::vector<EncodeCase>& EncodeCases() {
    // Widths count from the symbologies' structure: Code 39 13 units per
    // character plus 24; Code 128 11 per symbol (start, data, check) plus 12;
    // Code 93 9 per symbol plus 36; MSI 12 per digit with the check digit
    // plus 6; Codabar 10 or 11 per character plus 20; EAN-13 and UPC-A 95
    // modules, EAN-8 67, UPC-E 51, the supplements 20 and 47 (minus 1).
    static const std::vector<EncodeCase> cases = {
        {"Interleaved_Pairs", bcCode_2_5_interleaved, "123456", false, 49, "123456"},
        {"Interleaved_OddDigitDropped", bcCode_2_5_interleaved, "1234567", false, 49, "1234567"},
        {"Interleaved_Trimmed", bcCode_2_5_interleaved, " 12 ", false, 21, "12"},
        {"Interleaved_Empty", bcCode_2_5_interleaved, "", false, 7, ""},
        {"Industrial_Digits", bcCode_2_5_industrial, "123", false, 51, "123"},
        {"Industrial_Zero", bcCode_2_5_industrial, "0", false, 27, "0"},
        {"Matrix_Digits", bcCode_2_5_matrix, "123", false, 38, "123"},
        {"Matrix_Long", bcCode_2_5_matrix, "9876543210", false, 94, "9876543210"},
        {"Code39_TemplateText", bcCode39, "12345678", false, 128, "12345678"},
        {"Code39_CheckCharacterDash", bcCode39, "12345678", true, 141, "12345678"},
        {"Code39_Empty", bcCode39, "", false, 24, ""},
        {"Code39_LowerCaseSkipped", bcCode39, "abc", false, 24, "abc"},
        {"Code39_AllFiveEncoded", bcCode39, "AB-12", false, 89, "AB-12"},
        {"Code39_LeadingBlankEncoded", bcCode39, " 12", false, 63, " 12"},
        {"Code39_Specials", bcCode39, "$/+%. ", true, 115, "$/+%. "},
        {"Code39_NonAsciiSkipped", bcCode39, "\xC1RV\xCDZ", false, 63, "\xC1RV\xCDZ"},
        {"Code39Ext_MixedCase", bcCode39Extended, "Ab c!~", false, 154, "Ab c!~"},
        {"Code39Ext_Controls", bcCode39Extended, std::string("\x01\x1F\x7F", 3), false, 102,
         std::string("\x01\x1F\x7F", 3)},
        {"Code39Ext_NonAsciiDropped", bcCode39Extended, "\xF5r\xFC", false, 50, "\xF5r\xFC"},
        {"Code39Ext_Check", bcCode39Extended, "a1", true, 76, "a1"},
        {"Code128A_UpperAndControl", bcCode128A, "AB\tC", false, 78, "AB\tC"},
        {"Code128A_LowerBecomesSpace", bcCode128A, "ab", false, 56, "ab"},
        {"Code128B_Sentence", bcCode128B, "Hello, World!", false, 177, "Hello, World!"},
        {"Code128B_NonAsciiBecomesSpace", bcCode128B, "\xE1rv\xEDz", false, 89, "\xE1rv\xEDz"},
        {"Code128B_Empty", bcCode128B, "", false, 34, ""},
        {"Code128C_EvenDigits", bcCode128C, "123456", false, 67, "123456"},
        {"Code128C_OddDigitsPadded", bcCode128C, "12345", false, 67, "12345"},
        {"Code93_Upper", bcCode93, "CODE93-TEST", false, 135, "CODE93-TEST"},
        {"Code93_Empty", bcCode93, "", false, 36, ""},
        {"Code93_AllSpecials", bcCode93, "-. $/+%", false, 99, "-. $/+%"},
        {"Code93Ext_MixedCase", bcCode93Extended, "Ab c!~", false, 126, "Ab c!~"},
        {"Code93Ext_OwnCharacters", bcCode93Extended, "$%+/-.", false, 90, "$%+/-."},
        {"MSI_Digits", bcCodeMSI, "1234567", false, 102, "1234567"},
        {"MSI_Zero", bcCodeMSI, "0", false, 30, "0"},
        {"PostNet_Zip", bcCodePostNet, "12345", false, 78, "12345"},
        {"PostNet_Empty", bcCodePostNet, "", false, 3, ""},
        {"Codabar_Digits", bcCodeCodabar, "40156", false, 70, "40156"},
        {"Codabar_OutsideSetSkipped", bcCodeCodabar, "12x3", false, 50, "12x3"},
        {"Codabar_Symbols", bcCodeCodabar, "-$:/.+", false, 84, "-$:/.+"},
        {"EAN8_CheckDigit", bcCodeEAN8, "5512345", true, 66, "5512345"},
        {"EAN8_EightDigits", bcCodeEAN8, "55123457", false, 66, "55123457"},
        {"EAN8_Padded", bcCodeEAN8, "123", true, 66, "123"},
        {"EAN8_Cut", bcCodeEAN8, "123456789", false, 66, "123456789"},
        {"EAN13_CheckDigit", bcCodeEAN13, "400638133393", true, 94, "4006381333931"},
        {"EAN13_ThirteenDigits", bcCodeEAN13, "4006381333931", false, 94, "4006381333931"},
        {"EAN13_EmptyPadded", bcCodeEAN13, "", true, 94, "0000000000000"},
        {"EAN13_FirstDigitNine", bcCodeEAN13, "978020137962", true, 94, "9780201379624"},
        {"UPCA_CheckDigit", bcCodeUPC_A, "03600029145", true, 94, "036000291452"},
        {"UPCA_TwelveDigits", bcCodeUPC_A, "012345678905", false, 94, "012345678905"},
        {"UPCE0_CheckDigit", bcCodeUPC_E0, "1234560", true, 50, "1234565"},
        {"UPCE0_ZeroSuppressed", bcCodeUPC_E0, "4252613", true, 50, "4252614"},
        {"UPCE0_Padded", bcCodeUPC_E0, "65", false, 50, "0000065"},
        {"UPCE1_CheckDigit", bcCodeUPC_E1, "1234560", true, 50, "1234562"},
        {"Supp2_ParityOO", bcCodeUPC_Supp2, "12", false, 19, "12"},
        {"Supp2_ParityEE", bcCodeUPC_Supp2, "07", false, 19, "07"},
        {"Supp5_Price", bcCodeUPC_Supp5, "52495", false, 46, "52495"},
        {"Supp5_CheckShown", bcCodeUPC_Supp5, "52495", true, 46, "524951"},
        {"EAN128A_Upper", bcCodeEAN128A, "ABC", false, 78, "ABC"},
        {"EAN128B_Lot", bcCodeEAN128B, "21A1B2C", false, 122, "21A1B2C"},
        {"EAN128C_Gtin", bcCodeEAN128C, "0112345678901231", false, 133, "0112345678901231"},
        {"EAN128C_CheckDigit", bcCodeEAN128C, "011234567890123", true, 133, "011234567890123"},
    };
    return cases;
}

std::string Modules(const TfrxBarcode& generator, const std::string& bars) {
    std::string modules;
    for (char c : bars)
        modules.append(static_cast<std::size_t>(generator.ElementWidth(c)),
                       DecodeBarChar(c).bar ? '1' : '0');
    return modules;
}

namespace {

std::string GoldenPath() {
    return rq::testing::goldenPath("barcode/bars.txt").string();
}

} // namespace

GoldenBars::GoldenBars() {
    regenerate_ = rq::testing::regeneratingGolden();
    if (regenerate_)
        return;
    std::ifstream in(GoldenPath());
    std::string line;
    while (std::getline(in, line)) {
        const auto tab = line.find('\t');
        if (tab != std::string::npos)
            entries_.emplace_back(line.substr(0, tab), line.substr(tab + 1));
    }
}

GoldenBars::~GoldenBars() {
    if (!regenerate_)
        return;
    std::ofstream out(GoldenPath());
    for (const auto& [name, bars] : entries_)
        out << name << '\t' << bars << '\n';
}

std::string GoldenBars::Check(const std::string& name, const std::string& actual) {
    if (regenerate_) {
        entries_.emplace_back(name, actual);
        return actual;
    }
    for (const auto& [n, bars] : entries_)
        if (n == name)
            return bars;
    return {};
}

} // namespace rq::report::barcode::testing
