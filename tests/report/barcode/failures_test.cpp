// The generator's failure texts, each reached, and what every symbology does
// with texts it cannot encode: Windows-1250 letters, empty texts and texts
// of 10 000 characters.
#include "report/barcode/barcode.h"
#include "report/barcode/encoders.h"

#include "base/exceptions.h"

#include <gtest/gtest.h>

#include <functional>

namespace rq::report::barcode {
namespace {

using namespace model;

std::string FailureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const base::Exception& e) {
        return e.what();
    }
    return "(no failure)";
}

std::string EncodeFailure(TfrxBarcodeType type, const std::string& text, bool checksum = false,
                          TfrxCheckSumMethod method = csmModulo10) {
    return FailureOf([&] {
        TfrxBarcode g;
        g.SetTyp(type);
        g.SetText(text);
        g.SetChecksum(checksum);
        g.SetCheckSumMethod(method);
        g.EncodeBars();
    });
}

struct FailureCase {
    const char* name;
    std::function<std::string()> failure;
    std::string message;
};

const FailureCase kFailures[] = {
    {"NumericWithLetter", [] { return EncodeFailure(bcCodeEAN13, "12a"); },
     "Barcode must be numeric"},
    {"NumericWithInnerBlank", [] { return EncodeFailure(bcCode128C, "12 34"); },
     "Barcode must be numeric"},
    {"TypeAboveLast",
     [] { return EncodeFailure(static_cast<TfrxBarcodeType>(kBarcodeTypeCount), "1"); },
     "TfrxBarcode: wrong BarcodeType"},
    {"TypeWellAboveLast", [] { return EncodeFailure(static_cast<TfrxBarcodeType>(31), "1"); },
     "TfrxBarcode: wrong BarcodeType"},
    {"Code128EncoderGivenOtherType",
     [] {
         return FailureOf([] {
             Encoding e{bcCode39, "AB", false, csmModulo10, {}};
             EncodeCode128(e);
         });
     },
     "TfrxBarcode: wrong BarcodeType in Code_128"},
    {"Code93LowerCase", [] { return EncodeFailure(bcCode93, "Code"); },
     "TfrxBarcode:Code93 bad Data <Code>"},
    {"Code93ExtendedLetterAboveAscii", [] { return EncodeFailure(bcCode93Extended, "\xE1gy"); },
     "TfrxBarcode:Code93 bad Data <\xE1gy>"},
    {"EAN8WithoutCheckMethod", [] { return EncodeFailure(bcCodeEAN8, "1234567", true, csmNone); },
     "Invalid Text len (EAN8)"},
    {"EAN13WithoutCheckMethod",
     [] { return EncodeFailure(bcCodeEAN13, "123456789012", true, csmNone); },
     "Invalid Text len (EAN13)"},
    {"BarCharacterOutsideAlphabet", [] { return FailureOf([] { DecodeBarChar('4'); }); },
     "TfrxBarcode: internal Error"},
    {"BarStringWithLetterE", [] { return FailureOf([] { TfrxBarcode().BarsWidth("505E"); }); },
     "TfrxBarcode: internal Error"},
    {"EAN128CheckOverLetters", [] { return EncodeFailure(bcCodeEAN128B, "10AB", true); },
     "'B' is not a valid integer value"},
};

class FailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(FailureTest, RaisesItsText) {
    EXPECT_EQ(GetParam().failure(), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Generator, FailureTest, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NumericRule, TrimsBlanksAndControlsButNotInnerBlanks) {
    TfrxBarcode g;
    g.SetTyp(bcCode_2_5_interleaved);
    g.SetText(" \t123 ");
    g.EncodeBars();
    EXPECT_EQ(g.Text(), "123");
    // Code 39 is not numeric: its blanks are data.
    g.SetTyp(bcCode39);
    g.SetText(" 1");
    EXPECT_EQ(g.Width(), 13 * 2 + 24);
    EXPECT_EQ(g.Text(), " 1");
}

// What a text of Windows-1250 letters (and one ASCII letter) becomes: the
// same symbol as another text, or a failure.
struct ForeignCase {
    TfrxBarcodeType type;
    std::string sameAs; // the text with the same symbol; empty: fails
    std::string failure;
};

TEST(ForeignLetters, AreSkippedSpacedOrRefusedPerSymbology) {
    const std::string text = "\xC1RV\xCDZ\xDBR\xD5"; // ÁRVÍZŰRŐ
    const ForeignCase cases[] = {
        {bcCode39, "RVZR", ""},
        {bcCode39Extended, "RVZR", ""},
        {bcCode128A, " RV Z R ", ""},
        {bcCode128B, " RV Z R ", ""},
        {bcCodeEAN128A, " RV Z R ", ""},
        {bcCodeEAN128B, " RV Z R ", ""},
        {bcCodeCodabar, "", ""},
        {bcCode93, "", "TfrxBarcode:Code93 bad Data <" + text + ">"},
        {bcCode93Extended, "", "TfrxBarcode:Code93 bad Data <" + text + ">"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(DisplayName(c.type)));
        if (!c.failure.empty()) {
            EXPECT_EQ(EncodeFailure(c.type, text), c.failure);
            continue;
        }
        TfrxBarcode foreign, plain;
        foreign.SetTyp(c.type);
        foreign.SetText(text);
        plain.SetTyp(c.type);
        plain.SetText(c.sameAs);
        EXPECT_EQ(foreign.EncodeBars(), plain.EncodeBars());
        EXPECT_EQ(foreign.Text(), text);
    }
    for (int type = 0; type < kBarcodeTypeCount; ++type)
        if (IsNumeric(static_cast<TfrxBarcodeType>(type))) {
            EXPECT_EQ(EncodeFailure(static_cast<TfrxBarcodeType>(type), text),
                      "Barcode must be numeric");
        }
}

// Empty texts and texts of 10 000 characters encode in every symbology that
// accepts their characters, and the symbol grows with the text.
TEST(TextLength, EmptyAndVeryLongTextsEncodeEverywhere) {
    for (int t = 0; t < kBarcodeTypeCount; ++t) {
        const auto type = static_cast<TfrxBarcodeType>(t);
        SCOPED_TRACE(std::string(DisplayName(type)));
        const char unit = IsNumeric(type) ? '7' : '1';
        TfrxBarcode g;
        g.SetTyp(type);
        g.SetChecksum(true);
        g.SetText("");
        EXPECT_GE(g.Width(), 2);
        g.SetText(std::string(10000, unit));
        const std::string bars = g.EncodeBars();
        EXPECT_EQ(bars.find_first_not_of("01235678ABCD"), std::string::npos);
        if (!HasDigitGroups(type) && type != bcCodeUPC_Supp2 && type != bcCodeUPC_Supp5) {
            EXPECT_GT(g.BarsWidth(bars), 10000);
        }
    }
}

TEST(ElementWidths, FollowModulAndTheClampedRatio) {
    struct Row {
        TfrxBarcodeType type;
        std::int32_t modul;
        double ratio;
        double storedRatio;
        int widths[4];
    };
    const Row rows[] = {
        {bcCode39, 1, 2.0, 2.0, {1, 2, 3, 4}},
        {bcCode39, 1, 3.0, 3.0, {1, 3, 4, 6}},
        {bcCode39, 1, 1.0, 2.0, {1, 2, 3, 4}},
        {bcCodeEAN13, 1, 9.0, 3.0, {1, 3, 4, 6}},
        {bcCode_2_5_matrix, 1, 2.0, 2.25, {1, 2, 3, 4}},
        {bcCode_2_5_matrix, 2, 2.0, 2.25, {2, 4, 6, 8}},
        {bcCode128B, 1, 3.5, 3.5, {1, 4, 6, 8}}, // not clamped; 3.5 rounds to even
        {bcCode128B, 1, 2.5, 2.5, {1, 2, 3, 4}}, // 2.5 rounds to even
        {bcCodePostNet, 1, 1.0, 1.0, {1, 1, 1, 2}},
    };
    for (const Row& row : rows) {
        TfrxBarcode g;
        g.SetTyp(row.type);
        g.SetModul(row.modul);
        g.SetRatio(row.ratio);
        g.SetText("1");
        g.EncodeBars();
        EXPECT_DOUBLE_EQ(g.Ratio(), row.storedRatio) << DisplayName(row.type);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(g.ElementWidth("0123"[i]), row.widths[i]) << DisplayName(row.type) << i;
    }
}

} // namespace
} // namespace rq::report::barcode
