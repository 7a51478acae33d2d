// The alias table: the halving search for a free number, lookups without
// regard to case, alias order.
#include "report/preview/dictionary.h"

#include <gtest/gtest.h>

#include <vector>

namespace rq::report::preview {
namespace {

struct UniqueNameCase {
    const char* name;
    std::vector<std::string> present;
    const char* prefix;
    const char* expected;
};

std::vector<std::string> numbered(const std::string& prefix, int from, int to) {
    std::vector<std::string> names;
    for (int k = from; k <= to; ++k)
        names.push_back(prefix + std::to_string(k));
    return names;
}

class UniqueName : public ::testing::TestWithParam<UniqueNameCase> {};

TEST_P(UniqueName, HalvingSearchThenCountUp) {
    TfrxDictionary d;
    for (const std::string& alias : GetParam().present)
        d.Add(alias, "Page0." + alias, nullptr, {});
    EXPECT_EQ(d.CreateUniqueName(GetParam().prefix), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Aliases, UniqueName,
    ::testing::Values(UniqueNameCase{"Empty", {}, "m", "m1"},
                      UniqueNameCase{"Second", {"m1"}, "m", "m2"},
                      // The probe 10000, 5000 ... finds m19 and counts up from there.
                      UniqueNameCase{"TwentyPresent", numbered("m", 1, 20), "m", "m21"},
                      // Gaps below the probe's hit are never filled.
                      UniqueNameCase{"GapBelowProbe", {"m1", "m19"}, "m", "m20"},
                      UniqueNameCase{"OnlyTwo", {"m2"}, "m", "m3"},
                      UniqueNameCase{"FiveCountUpFromFour", numbered("m", 1, 5), "m", "m6"},
                      UniqueNameCase{"Probe10000", {"m10000"}, "m", "m10001"},
                      UniqueNameCase{"OtherPrefix", numbered("m", 1, 20), "l", "l1"},
                      UniqueNameCase{"CaseInsensitive", {"M1", "M2"}, "m", "m3"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Dictionary, LooksUpWithoutCaseAndKeepsAliasOrder) {
    TfrxDictionary d;
    for (const char* alias : {"m2", "b1", "m10", "m1"})
        d.Add(alias, std::string("Page0.") + alias, nullptr, std::string("base ") + alias);
    EXPECT_EQ(d.GetRealName("M10"), "Page0.m10");
    EXPECT_EQ(d.Find("B1")->baseText, "base b1");
    EXPECT_EQ(d.Find("m3"), nullptr);
    EXPECT_EQ(d.GetRealName("m3"), "");
    std::vector<std::string> order;
    for (int i = 0; i < d.Count(); ++i)
        order.push_back(d.Alias(i));
    EXPECT_EQ(order, (std::vector<std::string>{"b1", "m1", "m10", "m2"}));
    EXPECT_EQ(d.SourceAt(2).fullName, "Page0.m10");
    d.Clear();
    EXPECT_EQ(d.Count(), 0);
    EXPECT_EQ(d.Find("m1"), nullptr);
}

} // namespace
} // namespace rq::report::preview
