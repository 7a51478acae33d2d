// The page-range text: lists, open and empty ranges, restarted ranges,
// spaces, and the segments that are not whole numbers.
#include "report/printing/page_numbers.h"

#include "base/exceptions.h"

#include <gtest/gtest.h>

namespace rq::report::printing {
namespace {

using List = std::vector<std::string>;

struct ParseCase {
    const char* name;
    const char* text;
    int pageCount;
    List expected;
};

class ParsePageNumbersTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParsePageNumbersTest, GivesTheListedPages) {
    EXPECT_EQ(ParsePageNumbers(GetParam().text, GetParam().pageCount), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParsePageNumbersTest,
    ::testing::Values(ParseCase{"Empty", "", 5, {}}, ParseCase{"OnlySpaces", "   ", 5, {}},
                      ParseCase{"ListAndRange",
                                "1,3,5-12",
                                20,
                                {"1", "3", "5", "6", "7", "8", "9", "10", "11", "12"}},
                      ParseCase{"OpenRangeToLastPage", "5-", 8, {"5", "6", "7", "8"}},
                      ParseCase{"DescendingRangeIsEmpty", "7-3", 10, {}},
                      ParseCase{"SecondDashRestartsTheRange", "2-4-6", 10, {"4", "5", "6"}},
                      ParseCase{"SpacesIgnored", " 1 , 3 - 4 ", 10, {"1", "3", "4"}},
                      ParseCase{"OrderAndDuplicatesKept", "3,1,3", 5, {"3", "1", "3"}},
                      ParseCase{"LeadingZerosDropped", "007", 10, {"7"}},
                      ParseCase{"NumbersBeyondTheLastPageKept", "12", 3, {"12"}},
                      ParseCase{"HugeRangeCutAtTheLastPage", "2-2000000000", 4, {"2", "3", "4"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct BadCase {
    const char* name;
    const char* text;
    const char* message;
};

class ParsePageNumbersErrorTest : public ::testing::TestWithParam<BadCase> {};

TEST_P(ParsePageNumbersErrorTest, RaisesTheIntegerError) {
    try {
        ParsePageNumbers(GetParam().text, 10);
        FAIL() << "no error";
    } catch (const base::EConvertError& e) {
        EXPECT_EQ(e.message(), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParsePageNumbersErrorTest,
    ::testing::Values(BadCase{"EmptySegment", "1,,3", "'' is not a valid integer value"},
                      BadCase{"NoRangeStart", "-3", "'' is not a valid integer value"},
                      BadCase{"Letters", "1,a", "'a' is not a valid integer value"},
                      BadCase{"TrailingComma", "2,", "'' is not a valid integer value"},
                      BadCase{"RangeOfLetters", "x-4", "'x' is not a valid integer value"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace rq::report::printing
