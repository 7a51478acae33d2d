// Scripts of a size no person writes but any file may hold: long flat
// expressions and deep nesting compile and run, or fail to compile with a
// message and a position; none may exhaust the stack.
#include "../support/script_runner.h"
#include "script/expression_cache.h"
#include "script/runtime.h"
#include "script/script.h"

#include <gtest/gtest.h>

namespace rq::script {
namespace {

// "1 op 1 op ... 1" with the given number of terms.
std::string FlatSum(int terms, const char* op = " + ") {
    std::string text = "1";
    for (int i = 1; i < terms; ++i)
        text += std::string(op) + "1";
    return text;
}

struct LongCase {
    const char* name;
    std::string source;
    const char* outcome; // CompileAndRun's answer: "" for success, else "compile LINE:COL: ..."
};

class LongInputTest : public testing::TestWithParam<LongCase> {};

TEST_P(LongInputTest, CompilesOrReportsWithPosition) {
    ScriptRuntime runtime;
    TfsScript script(&runtime.Global());
    EXPECT_EQ(rq::test::CompileAndRun(script, {GetParam().source}), GetParam().outcome);
}

const LongCase kLongCases[] = {
    // A few hundred terms are ordinary and must work.
    {"FlatSumOf500", "var r: Integer; begin r := " + FlatSum(500) + " end.", ""},
    // The most operators the builder takes, and one more.
    {"FlatSumAtTheLimit", "var r: Integer; begin r := " + FlatSum(4097) + " end.", ""},
    {"FlatSumBeyondTheLimit", "var r: Integer; begin r := " + FlatSum(4098) + " end.",
     "compile 1:16415: Expression too complex"},
    // 50 000 terms: the operator tree would be 50 000 deep; the first
    // operator beyond what the builder takes is named.
    {"FlatSumOf50000", "var r: Integer; begin r := " + FlatSum(50000) + " end.",
     "compile 1:16415: Expression too complex"},
    {"FlatProduct", "var r: Extended; begin r := " + FlatSum(5000, "*") + " end.",
     "compile 1:8223: Expression too complex"},
    {"FlatStringJoin",
     "var s: String; begin s := 'a'" +
         [] {
             std::string text;
             for (int i = 0; i < 50000; ++i)
                 text += "+'a'";
             return text;
         }() +
         " end.",
     "compile 1:16415: Expression too complex"},
    {"DeepBrackets",
     "var r: Integer; begin r := " + std::string(5000, '(') + "1" + std::string(5000, ')') +
         " end.",
     "compile 1:326: Stack overflow"},
};

INSTANTIATE_TEST_SUITE_P(Script, LongInputTest, testing::ValuesIn(kLongCases),
                         [](const auto& info) { return info.param.name; });

// The same long expression in a memo's brackets reaches the builder through
// the expression cache: a compile error, not a crash.
TEST(LongExpression, ExpressionCacheRefusesFlatExpression) {
    ScriptRuntime runtime;
    TfsScript program(&runtime.Global());
    TfsExpressionCache cache(program);
    EXPECT_FALSE(cache.Prepare(FlatSum(5000)));
    EXPECT_EQ(cache.ErrorMsg(), "Expression too complex");
    EXPECT_TRUE(cache.Prepare(FlatSum(500)));
    EXPECT_EQ(cache.Calc(FlatSum(500)).toInteger(), 500);
}

} // namespace
} // namespace rq::script
