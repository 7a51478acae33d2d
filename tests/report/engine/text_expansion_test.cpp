// Bracketed expressions in texts: the matcher (nesting, quotes, custom and
// unmatched delimiters), the one-pass replacement, the " #" format suffix
// and the display formatting of values.
#include "report/engine/text_expansion.h"

#include "base/format_settings.h"

#include <gtest/gtest.h>

#include <map>

namespace rq::report::engine {
namespace {

using base::Variant;

struct BracketCase {
    const char* name;
    const char* text;
    const char* open;
    const char* close;
    int start;              // 1-based position handed in
    const char* expression; // expected result
    int i, j;               // expected positions afterwards
};

class ExtractBracketedTest : public testing::TestWithParam<BracketCase> {};

TEST_P(ExtractBracketedTest, FindsTheOutermostPair) {
    const BracketCase& c = GetParam();
    int i = c.start, j = 0;
    EXPECT_EQ(ExtractBracketed(c.text, c.open, c.close, i, j), c.expression);
    EXPECT_EQ(i, c.i);
    EXPECT_EQ(j, c.j);
}

const BracketCase kBracketCases[] = {
    {"Simple", "a [m1] b", "[", "]", 3, "m1", 3, 6},
    {"Nested", "[a[b]c]", "[", "]", 1, "a[b]c", 1, 7},
    {"QuotedClose", "['x]y' + z] tail", "[", "]", 1, "'x]y' + z", 1, 11},
    {"DoubleQuotedOpen", "[\"[\" + a]", "[", "]", 1, "\"[\" + a", 1, 9},
    {"ApostropheInsideDoubleQuotes", "[\"it's\"]", "[", "]", 1, "\"it's\"", 1, 8},
    {"MultiCharacter", "x <%name%> y", "<%", "%>", 3, "name", 3, 10},
    {"EmptyPair", "[]", "[", "]", 1, "", 1, 2},
    {"NoOpeningAtStart", "abc", "[", "]", 3, "", 3, 3},
    {"UnmatchedOpening", "[abc", "[", "]", 1, "", 1, 1},
    {"UnmatchedNested", "[a[b]", "[", "]", 1, "", 1, 1},
    {"EmptyText", "", "[", "]", 1, "", 1, 1},
    {"StartBeyondText", "ab", "[", "]", 3, "", 3, 3},
};
INSTANTIATE_TEST_SUITE_P(Engine, ExtractBracketedTest, testing::ValuesIn(kBracketCases),
                         [](const auto& info) { return info.param.name; });

// Evaluates by table; unknown expressions come back in braces.
std::string fromTable(const std::string& expression) {
    static const std::map<std::string, std::string> table{
        {"m1", "Kovacs Kft."},
        {"m13", ", leanykori neve: <b>Nagy Eva</b>"},
        {"a[b]c", "nested"},
        {"loop", "[m1]"},
        {"x", ""},
        {"name", "N"}};
    auto found = table.find(expression);
    return found != table.end() ? found->second : "{" + expression + "}";
}

struct ExpandCase {
    const char* name;
    const char* text;
    const char* delimiters;
    const char* expected;
};

class ExpandBracketedTest : public testing::TestWithParam<ExpandCase> {};

TEST_P(ExpandBracketedTest, ReplacesEveryExpression) {
    const ExpandCase& c = GetParam();
    std::string open, close;
    SplitDelimiters(c.delimiters, open, close);
    EXPECT_EQ(ExpandBracketed(c.text, open, close, fromTable), c.expected);
}

const ExpandCase kExpandCases[] = {
    {"TagsAroundStayAsWritten", "<u><b>[m1]</b></u>", "[,]", "<u><b>Kovacs Kft.</b></u>"},
    {"MarkedUpValueVerbatim", "<b>[m1]</b> [m13]", "[,]",
     "<b>Kovacs Kft.</b> , leanykori neve: <b>Nagy Eva</b>"},
    {"ValueNeverExpandedAgain", "a [loop] b", "[,]", "a [m1] b"},
    {"EmptyValueClosesUp", "a[x]b", "[,]", "ab"},
    {"NestedIsOneExpression", "[a[b]c]!", "[,]", "nested!"},
    {"QuotesOutsideBracketsIgnored", "it's \"[m1]\"", "[,]", "it's \"Kovacs Kft.\""},
    {"CustomDelimiters", "[m1] <%name%>", "<%,%>", "[m1] N"},
    {"UnmatchedRemainderKept", "[m1] and [open", "[,]", "Kovacs Kft. and [open"},
    {"ValueAtTheEnd", "x[name]", "[,]", "xN"},
    {"AdjacentExpressions", "[name][name]-[m1][x][name]", "[,]", "NN-Kovacs Kft.N"},
    {"NoCommaNoExpansion", "[m1]", "[]", "[m1]"},
};
INSTANTIATE_TEST_SUITE_P(Engine, ExpandBracketedTest, testing::ValuesIn(kExpandCases),
                         [](const auto& info) { return info.param.name; });

TEST(SplitDelimiters, SplitsAtTheFirstComma) {
    std::string open, close;
    EXPECT_TRUE(SplitDelimiters("<%,%>", open, close));
    EXPECT_EQ(open, "<%");
    EXPECT_EQ(close, "%>");
    EXPECT_TRUE(SplitDelimiters("[,,]", open, close));
    EXPECT_EQ(close, ",]");
    EXPECT_FALSE(SplitDelimiters(",]", open, close));
}

model::TfrxFormat makeFormat(model::TfrxFormatKind kind, const std::string& text,
                             const std::string& separator = "") {
    model::TfrxFormat format;
    format.SetKind(kind);
    format.SetFormatStr(text);
    format.SetDecimalSeparator(separator);
    return format;
}

struct FormatCase {
    const char* name;
    Variant value;
    model::TfrxFormat format;
    const char* expected;
};

class FormatValueTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatValueTest, Formats) {
    base::FormatSettingsScope settings(base::defaultFormatSettings());
    EXPECT_EQ(FormatValue(GetParam().value, GetParam().format), GetParam().expected);
    EXPECT_EQ(base::formatSettings().DecimalSeparator, '.') << "separator restored";
}

const FormatCase kFormatCases[] = {
    {"NullIsEmpty", Variant::null(), makeFormat(model::fkNumeric, "%2.2f"), ""},
    {"TextKeepsStrings", Variant("abc"), makeFormat(model::fkText, ""), "abc"},
    {"TextOfNumber", Variant(2.5), makeFormat(model::fkText, ""), "2.5"},
    {"PrintfStyle", Variant(1234.5), makeFormat(model::fkNumeric, "%2.2f", "."), "1234.50"},
    {"PrintfCommaSeparator", Variant(1234.5), makeFormat(model::fkNumeric, "%2.2f", ","),
     "1234,50"},
    {"Picture", Variant(1234.5), makeFormat(model::fkNumeric, "#,##0.00"), "1,234.50"},
    {"NumberFromString", Variant("7.5"), makeFormat(model::fkNumeric, "%2.2f"), "7.50"},
    {"PrintfErrorGivesPlainText", Variant(7.5), makeFormat(model::fkNumeric, "%d"), "7.5"},
    {"NumericErrorGivesPlainText", Variant("abc"), makeFormat(model::fkNumeric, "%2.2f", ","),
     "abc"},
    {"DateTime", Variant::fromDate(45356) /* 2024-03-05 */,
     makeFormat(model::fkDateTime, "yyyy.mm.dd"), "2024.03.05"},
    {"BooleanTrue", Variant(true), makeFormat(model::fkBoolean, "Igen,Nem"), "Igen"},
    {"BooleanFalse", Variant(false), makeFormat(model::fkBoolean, "Igen,Nem"), "Nem"},
    {"BooleanOtherValue", Variant("x"), makeFormat(model::fkBoolean, "Igen,Nem"), "Nem"},
};
INSTANTIATE_TEST_SUITE_P(Engine, FormatValueTest, testing::ValuesIn(kFormatCases),
                         [](const auto& info) { return info.param.name; });

struct SuffixCase {
    const char* name;
    const char* bracket;
    Variant value; // what calc answers
    const char* expected;
};

class EvaluateAndFormatTest : public testing::TestWithParam<SuffixCase> {};

TEST_P(EvaluateAndFormatTest, AppliesTheSuffixFormat) {
    base::FormatSettingsScope settings(base::defaultFormatSettings());
    model::TfrxMemoView memo;
    std::vector<std::string> asked;
    const Variant value = GetParam().value;
    auto calc = [&](const std::string& e) {
        asked.push_back(e);
        return value;
    };
    EXPECT_EQ(EvaluateAndFormat(memo, GetParam().bracket, calc), GetParam().expected);
    EXPECT_EQ(base::formatSettings().DecimalSeparator, '.');
}

const SuffixCase kSuffixCases[] = {
    {"NumericPoint", "x #n%2.2f", Variant(1234.5), "1234.50"},
    {"NumericComma", "x #n%2,2f", Variant(1234.5), "1234,50"},
    {"NumericPicture", "x #N#0.00", Variant(1234.5), "1234.50"},
    {"BooleanTrue", "flag #BIgen,Nem", Variant(true), "Igen"},
    {"BooleanFalse", "flag #bIgen,Nem", Variant(false), "Nem"},
    {"Date", "d #Dyyyy-mm-dd", Variant::fromDate(46366) /* 2026-12-10 */, "2026-12-10"},
    {"TextKind", "s #Xignored", Variant("plain"), "plain"},
    {"NoSuffix", "x#n%2.2f", Variant(1.0), "1"},
};
INSTANTIATE_TEST_SUITE_P(Engine, EvaluateAndFormatTest, testing::ValuesIn(kSuffixCases),
                         [](const auto& info) { return info.param.name; });

TEST(EvaluateAndFormat, AsksCalcForTheExpressionBeforeTheSuffix) {
    model::TfrxMemoView memo;
    std::string asked;
    EvaluateAndFormat(memo, "a + b #n%2.2f", [&](const std::string& e) {
        asked = e;
        return Variant(1);
    });
    EXPECT_EQ(asked, "a + b");
    EXPECT_TRUE(memo.LastValue.identical(Variant(1)));
}

TEST(EvaluateAndFormat, TotalPagesNumberStaysAPlaceholderWithoutCalc) {
    model::TfrxMemoView memo;
    bool called = false;
    auto calc = [&](const std::string&) {
        called = true;
        return Variant(0);
    };
    EXPECT_EQ(EvaluateAndFormat(memo, "totalpages#", calc), "[TotalPages#]");
    EXPECT_FALSE(called);
    EXPECT_EQ(ReplaceTotalPages("Page 1 of [TotalPages#]\r\n", 1), "Page 1 of 1\r\n");
    EXPECT_EQ(ReplaceTotalPages("[totalpages#] [TotalPages#]", 3), "3 [TotalPages#]");
    EXPECT_EQ(ReplaceTotalPages("of [TotalPages]", 2, "[TOTALPAGES]"), "of 2");
}

TEST(EvaluateAndFormat, HideZerosHidesNumbersButNotStrings) {
    model::TfrxMemoView memo;
    memo.SetHideZeros(true);
    auto zero = [](const std::string&) { return Variant(0); };
    auto zeroText = [](const std::string&) { return Variant("0"); };
    EXPECT_EQ(EvaluateAndFormat(memo, "n", zero), "");
    EXPECT_EQ(EvaluateAndFormat(memo, "s", zeroText), "0");
    memo.SetHideZeros(false);
    EXPECT_EQ(EvaluateAndFormat(memo, "n", zero), "0");
}

TEST(EvaluateAndFormat, DisplayFormatAppliesWithoutSuffix) {
    base::FormatSettingsScope settings(base::defaultFormatSettings());
    model::TfrxMemoView memo;
    memo.DisplayFormat().SetKind(model::fkNumeric);
    memo.DisplayFormat().SetFormatStr("%2.1f");
    EXPECT_EQ(EvaluateAndFormat(memo, "x", [](const std::string&) { return Variant(2.75); }),
              "2.8");
}

} // namespace
} // namespace rq::report::engine
