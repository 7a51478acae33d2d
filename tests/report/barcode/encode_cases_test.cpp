// Every case of the table: the bar string equals its golden string, uses
// only the line-type alphabet, gives the case's Width, leaves the expected
// text, and encodes the same again from the text it left.
#include "barcode_cases.h"

#include <gtest/gtest.h>

namespace rq::report::barcode::testing {
namespace {

class EncodeCaseTest : public ::testing::TestWithParam<EncodeCase> {
protected:
    static GoldenBars& golden() {
        static GoldenBars bars;
        return bars;
    }
};

TfrxBarcode Generator(const EncodeCase& c) {
    TfrxBarcode g;
    g.SetTyp(c.type);
    g.SetChecksum(c.checksum);
    g.SetText(c.text);
    return g;
}

TEST_P(EncodeCaseTest, MatchesGoldenWidthAndKeptText) {
    const EncodeCase& c = GetParam();
    TfrxBarcode g = Generator(c);
    const std::string bars = g.EncodeBars();
    EXPECT_EQ(bars.find_first_not_of("01235678ABCD"), std::string::npos) << bars;
    EXPECT_EQ(bars, golden().Check(c.name, bars));
    EXPECT_EQ(g.BarsWidth(bars) - 1, c.width);
    EXPECT_EQ(g.Text(), c.keptText);
    // Width encodes again from the text EncodeBars left: the same symbol.
    EXPECT_EQ(g.Width(), c.width);
    EXPECT_EQ(g.EncodeBars(), bars);
}

INSTANTIATE_TEST_SUITE_P(Symbologies, EncodeCaseTest, ::testing::ValuesIn(EncodeCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EncodeCases, CoverEverySymbology) {
    bool seen[kBarcodeTypeCount] = {};
    for (const auto& c : EncodeCases())
        seen[c.type] = true;
    for (int type = 0; type < kBarcodeTypeCount; ++type)
        EXPECT_TRUE(seen[type]) << DisplayName(static_cast<TfrxBarcodeType>(type));
}

} // namespace
} // namespace rq::report::barcode::testing
