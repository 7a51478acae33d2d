// Value lookup and Calc: the order of the lookup steps, system names in any
// letter case while the host sees names as written, report variables that
// hold expressions, the host's Empty versus empty-string answers, the
// compile-once cache and the error text of an unknown name.
#include "engine_fixture.h"

#include "script/script.h"

#include <gtest/gtest.h>

namespace rq::report::engine {
namespace {

using base::Variant;
using testing::EngineFixture;

TEST(LookupValue, StepsAnswerInTheirOrder) {
    EngineFixture f;
    f.answers = {{"Page", Variant("host")}, {"v", Variant("host")}, {"s", Variant("host")}};
    f.report.Variables().Set("Page", Variant(99));
    f.report.Variables().Set("v", Variant(7));
    f.engine->BaseScript().AddVariable("s", "Variant", Variant(11));
    Variant value;
    ASSERT_TRUE(f.engine->LookupValue("Page", value)); // system variable before report variable
    EXPECT_TRUE(value.identical(Variant(0)));          // no page written yet: CurPage -1
    ASSERT_TRUE(f.engine->LookupValue("v", value));    // report variable before the host
    EXPECT_TRUE(value.identical(Variant(7)));
    ASSERT_TRUE(f.engine->LookupValue("S", value)); // BaseScript variable, any case
    EXPECT_TRUE(value.identical(Variant(11)));
    EXPECT_TRUE(f.asked.empty());
}

TEST(LookupValue, SystemNamesIgnoreCaseWhileTheHostSeesNamesAsWritten) {
    EngineFixture f;
    f.store->CurPage = 2;
    f.store->FirstPageIndex = 1;
    struct Case {
        const char* name;
        int expected;
    };
    for (const Case& c : {Case{"page#", 3}, Case{"PAGE", 2}, Case{"TotalPages#", 0},
                          Case{"totalpages", -1}, Case{"Line", 0}, Case{"line#", 0}}) {
        Variant value;
        ASSERT_TRUE(f.engine->LookupValue(c.name, value)) << c.name;
        EXPECT_TRUE(value.identical(Variant(c.expected))) << c.name;
    }
    EXPECT_TRUE(f.asked.empty());
    Variant value;
    EXPECT_FALSE(f.engine->LookupValue(" M1", value));
    EXPECT_TRUE(value.isNull());
    EXPECT_EQ(f.asked, std::vector<std::string>{" M1"});
}

TEST(LookupValue, DateAndTimeAreTheRunsStartValues) {
    EngineFixture f;
    f.engine->StartDate = 46000;
    f.engine->StartTime = 0.5;
    Variant value;
    ASSERT_TRUE(f.engine->LookupValue("date", value));
    EXPECT_TRUE(value.identical(Variant::fromDate(46000)));
    ASSERT_TRUE(f.engine->LookupValue("Time", value));
    EXPECT_TRUE(value.identical(Variant::fromDate(0.5)));
}

TEST(LookupValue, HostAnswersWithAnythingButEmpty) {
    EngineFixture f;
    f.answers = {{"blank", Variant("")}, {"nothing", Variant()}, {"null", Variant::null()}};
    Variant value;
    EXPECT_TRUE(f.engine->LookupValue("blank", value));
    EXPECT_TRUE(value.identical(Variant("")));
    EXPECT_TRUE(f.engine->LookupValue("null", value));
    EXPECT_TRUE(value.isNull());
    EXPECT_FALSE(f.engine->LookupValue("nothing", value));
    EXPECT_TRUE(value.isNull());
}

TEST(LookupValue, StringVariablesAreExpressions) {
    EngineFixture f;
    f.report.Variables().Set("sum", Variant("1+2"));
    Variant value;
    ASSERT_TRUE(f.engine->LookupValue("SUM", value));
    EXPECT_EQ(value.toInteger(), 3);
}

TEST(LookupValue, SelfReferringVariableFailsInsteadOfRecursing) {
    EngineFixture f;
    f.report.Variables().Set("a", Variant("a"));
    Variant value;
    EXPECT_THROW(f.engine->LookupValue("a", value), base::Exception);
    ASSERT_EQ(f.report.Errors().Count(), 1);
    EXPECT_EQ(f.report.Errors()[0].rfind("Error in expression 'a': ", 0), 0u)
        << f.report.Errors()[0];
    EXPECT_EQ(f.asked, std::vector<std::string>{"a"}); // the host had its turn
}

TEST(LookupValue, AggregatesOutsideBandsAreNull) {
    EngineFixture f;
    for (const char* name : {"SUM(x)", " count (x)", "Avg(a.\"b\")"}) {
        Variant value;
        EXPECT_TRUE(f.engine->LookupValue(name, value)) << name;
        EXPECT_TRUE(value.isNull()) << name;
    }
    EXPECT_TRUE(f.asked.empty());
    EXPECT_TRUE(f.engine->Calc("SUM(x)").isNull());
    EXPECT_TRUE(f.report.Errors().Empty());
}

TEST(Calc, NamesTheHostAnswersAreNeverCompiled) {
    EngineFixture f;
    f.answers = {{"m1", Variant("Kovacs Kft.")}};
    EXPECT_TRUE(f.engine->Calc("m1").identical(Variant("Kovacs Kft.")));
    EXPECT_EQ(f.engine->CompiledExpressions(), 0);
}

TEST(Calc, ExpressionsDifferingInCaseShareOneFunction) {
    EngineFixture f;
    EXPECT_EQ(f.engine->Calc("True and False").toBoolean(), false);
    EXPECT_EQ(f.engine->Calc("TRUE AND FALSE").toBoolean(), false);
    EXPECT_EQ(f.engine->Calc("2 * 3").toInteger(), 6);
    EXPECT_EQ(f.engine->CompiledExpressions(), 2);
    EXPECT_EQ(f.engine->ExpressionCache().Count(), 2u);
}

TEST(Calc, UnknownNameRaisesWithTheObjectNameAndListsTheError) {
    EngineFixture f;
    f.report.CurrentObjectName = "Memo9";
    std::string message;
    try {
        f.engine->Calc("nosuch");
        FAIL() << "no exception";
    } catch (const base::Exception& e) {
        message = e.what();
    }
    script::TfsScript probe(&f.engine->ProgramScript());
    probe.Lines = {"function _f0: Variant; begin Result := nosuch end; begin end."};
    ASSERT_FALSE(probe.Compile());
    EXPECT_EQ(message, "Memo9: Error in expression 'nosuch': " + probe.ErrorMsg());
    ASSERT_EQ(f.report.Errors().Count(), 1);
    EXPECT_EQ(f.report.Errors()[0], message);
    EXPECT_EQ(f.asked, std::vector<std::string>{"nosuch"});
}

} // namespace
} // namespace rq::report::engine
