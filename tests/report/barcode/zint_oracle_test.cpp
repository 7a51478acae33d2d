// The bar strings checked module for module against an independent
// encoder: zint's --dump of the same data. Where the two symbologies'
// conventions differ, the row says how the data maps (Codabar's start and
// stop letters, UPC-E's number system digit, EAN 128's application
// identifier brackets); 2 of 5 compares at zint's wide ratio of 3; PostNet
// compares the sequence of tall and short bars.
#include "barcode_cases.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace rq::report::barcode::testing {
namespace {

using namespace model;

struct OracleCase {
    const char* name;
    TfrxBarcodeType type;
    std::string text;
    bool checksum;
    double ratio;
    int zintType;         // zint's -b number
    std::string zintData; // with --esc escapes
    std::string zintOptions;
};

const OracleCase kOracleCases[] = {
    {"Interleaved", bcCode_2_5_interleaved, "123456", false, 3, 3, "123456", ""},
    {"InterleavedLong", bcCode_2_5_interleaved, "9081726354", false, 3, 3, "9081726354", ""},
    {"Industrial", bcCode_2_5_industrial, "123", false, 3, 7, "123", ""},
    {"IndustrialLong", bcCode_2_5_industrial, "9081726354", false, 3, 7, "9081726354", ""},
    {"Matrix", bcCode_2_5_matrix, "123", false, 3, 2, "123", ""},
    {"MatrixLong", bcCode_2_5_matrix, "9876543210", false, 3, 2, "9876543210", ""},
    {"Code39", bcCode39, "12345678", false, 2, 8, "12345678", ""},
    {"Code39Check", bcCode39, "12345678", true, 2, 8, "12345678", "--vers=1"},
    {"Code39Specials", bcCode39, "AB-12 $/+%.", false, 2, 8, "AB-12 $/+%.", ""},
    {"Code39Letters", bcCode39, "THE QUICK BROWN FOX JUMPS OVER", true, 2, 8,
     "THE QUICK BROWN FOX JUMPS OVER", "--vers=1"},
    {"Code39Ext", bcCode39Extended, "Ab c!~", false, 2, 9, "Ab c!~", ""},
    {"Code39ExtControls", bcCode39Extended, std::string("\x01\x1F\x7F{|}@`", 8), false, 2, 9,
     "\\x01\\x1F\\x7F{|}@`", "--esc"},
    {"Code128B", bcCode128B, "Hello, World!", false, 2, 60, "Hello, World!", ""},
    {"Code128BLower", bcCode128B, "abc~", false, 2, 60, "abc~", ""},
    {"Code128C", bcCode128C, "123456", false, 2, 20, "123456", ""},
    {"Code128COdd", bcCode128C, "12345", false, 2, 20, "012345", ""},
    {"Code93", bcCode93, "CODE93-TEST", false, 2, 25, "CODE93-TEST", ""},
    {"Code93Specials", bcCode93, "-. $/+%", false, 2, 25, "-. $/+%", ""},
    {"Code93Ext", bcCode93Extended, "Ab c!~$%+/", false, 2, 25, "Ab c!~$%+/", ""},
    {"MSI", bcCodeMSI, "1234567", false, 2, 47, "1234567", "--vers=1"},
    {"MSIZero", bcCodeMSI, "80523", false, 2, 47, "80523", "--vers=1"},
    {"Codabar", bcCodeCodabar, "40156", false, 2, 18, "A40156B", ""},
    {"CodabarSymbols", bcCodeCodabar, "-$:/.+", false, 2, 18, "A-$:/.+B", ""},
    {"EAN8", bcCodeEAN8, "5512345", true, 2, 13, "5512345", ""},
    {"EAN13", bcCodeEAN13, "400638133393", true, 2, 13, "400638133393", ""},
    {"EAN13Nine", bcCodeEAN13, "978020137962", true, 2, 13, "978020137962", ""},
    {"UPCA", bcCodeUPC_A, "03600029145", true, 2, 34, "03600029145", ""},
    {"UPCE0", bcCodeUPC_E0, "1234560", true, 2, 37, "0123456", ""},
    {"UPCE0Suppressed", bcCodeUPC_E0, "4252613", true, 2, 37, "0425261", ""},
    {"UPCE1", bcCodeUPC_E1, "1234560", true, 2, 37, "1123456", ""},
    {"Supp2", bcCodeUPC_Supp2, "12", false, 2, 13, "12", ""},
    {"Supp2Parity", bcCodeUPC_Supp2, "07", false, 2, 13, "07", ""},
    {"Supp5", bcCodeUPC_Supp5, "52495", false, 2, 13, "52495", ""},
    {"Supp5Parity", bcCodeUPC_Supp5, "86104", false, 2, 13, "86104", ""},
    {"EAN128B", bcCodeEAN128B, "21A1B2C", false, 2, 16, "[21]A1B2C", ""},
    {"EAN128C", bcCodeEAN128C, "0112345678901231", false, 2, 16, "[01]12345678901231", ""},
    {"PostNet", bcCodePostNet, "123455", false, 2, 40, "12345", ""},
    {"PostNetLong", bcCodePostNet, "5550712348", false, 2, 40, "555071234", ""},
};

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// zint's module rows as "0"/"1" strings; empty when zint fails.
std::vector<std::string> ZintRows(const OracleCase& c) {
    const std::string command = "zint -b " + std::to_string(c.zintType) + " --dump " +
                                c.zintOptions + " -d " + Quoted(c.zintData) + " 2>/dev/null";
    std::vector<std::string> rows;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return rows;
    std::string row;
    for (int ch; (ch = std::fgetc(pipe)) != EOF;) {
        if (ch == '\n') {
            rows.push_back(row);
            row.clear();
        } else if (std::isxdigit(ch)) {
            const int v = std::isdigit(ch) ? ch - '0' : std::toupper(ch) - 'A' + 10;
            for (int bit = 3; bit >= 0; --bit)
                row += (v >> bit) & 1 ? '1' : '0';
        }
    }
    return pclose(pipe) == 0 ? rows : std::vector<std::string>{};
}

std::string WithoutTrailingSpace(std::string modules) {
    modules.erase(modules.find_last_not_of('0') + 1);
    return modules;
}

// PostNet as "T" (tall) and "S" (short) bars, from our bar string and from
// zint's two rows (the upper one holds only the tall bars' tops).
std::string PostNetBars(const std::string& bars) {
    std::string heights;
    for (char c : bars)
        if (DecodeBarChar(c).bar)
            heights += DecodeBarChar(c).shortBar ? 'S' : 'T';
    return heights;
}

std::string PostNetBars(const std::vector<std::string>& rows) {
    std::string heights;
    for (std::size_t x = 0; x < rows.back().size(); ++x)
        if (rows.back()[x] == '1')
            heights += rows.front()[x] == '1' ? 'T' : 'S';
    return heights;
}

class ZintOracleTest : public ::testing::TestWithParam<OracleCase> {};

TEST_P(ZintOracleTest, SameModulesAsZint) {
    const OracleCase& c = GetParam();
    TfrxBarcode g;
    g.SetTyp(c.type);
    g.SetChecksum(c.checksum);
    g.SetRatio(c.ratio);
    g.SetText(c.text);
    const std::string bars = g.EncodeBars();
    const std::vector<std::string> rows = ZintRows(c);
    ASSERT_FALSE(rows.empty()) << "zint failed or is not installed (scripts/install-deps.sh)";
    if (c.type == bcCodePostNet) {
        EXPECT_EQ(PostNetBars(bars), PostNetBars(rows));
        return;
    }
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(WithoutTrailingSpace(Modules(g, bars)), WithoutTrailingSpace(rows.front()));
}

INSTANTIATE_TEST_SUITE_P(Symbologies, ZintOracleTest, ::testing::ValuesIn(kOracleCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace rq::report::barcode::testing
