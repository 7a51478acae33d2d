// The paper table lookup.
#include "report/model/paper.h"

#include <gtest/gtest.h>

namespace rq::report::model {
namespace {

struct PaperCase {
    const char* name;
    int code;
    bool found;
    double width, height; // expected; the caller's 1 x 2 when not found
};

class PaperTest : public testing::TestWithParam<PaperCase> {};

TEST_P(PaperTest, Dimensions) {
    const PaperCase& c = GetParam();
    double w = 1, h = 2;
    EXPECT_EQ(PaperDimensions(c.code, w, h), c.found);
    EXPECT_DOUBLE_EQ(w, c.width);
    EXPECT_DOUBLE_EQ(h, c.height);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, PaperTest,
    testing::Values(PaperCase{"A4", 9, true, 210, 297}, PaperCase{"A3", 8, true, 297, 420},
                    PaperCase{"LandscapeRow", 4, true, 431.8, 279.4},
                    PaperCase{"Last", 68, true, 322, 445}, PaperCase{"Absent48", 48, false, 1, 2},
                    PaperCase{"Absent49", 49, false, 1, 2}, PaperCase{"Absent69", 69, false, 1, 2},
                    PaperCase{"Custom", 256, false, 1, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PaperTable, HasSixtySixRowsInCodeOrderWithEmptyNames) {
    const auto rows = paperRows();
    ASSERT_EQ(rows.size(), 66u);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        EXPECT_LT(rows[i - 1].code, rows[i].code);
        EXPECT_TRUE(rows[i].name.empty());
    }
}

} // namespace
} // namespace rq::report::model
