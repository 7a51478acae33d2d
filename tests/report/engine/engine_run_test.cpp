// Prepare and the run over a band-less page: output order, invisible
// objects, failures with the error box and the template restored, repeated
// and empty runs, page-number placeholders, script Get/Set, highlight and
// the shifting of objects below a stretched one.
#include "engine_fixture.h"

#include "report/engine/text_expansion.h"
#include "report/model/line_view.h"

#include <gtest/gtest.h>

namespace rq::report::engine {
namespace {

using base::Variant;
using testing::EngineFixture;
using Names = std::vector<std::string>;

const std::string kBoxHeading = "The following error(s) have occured:\r\n";

TEST(Prepare, OutputsVisibleObjectsInStoredOrderAndFetchesOnlyThose) {
    EngineFixture f;
    f.answers = {{"m1", Variant("Kovacs")}, {"datum", Variant("2026.12.10.")}};
    f.memo("Memo1", "Name: [m1]");
    f.memo("Hidden", "[unknown] [m1]").SetVisible(false);
    f.page().CreateChild<model::TfrxLineView>()->SetName("Line1");
    f.memo("Memo2", "<b>[datum]</b> [m1]");
    ASSERT_TRUE(f.report.Prepare(true));
    EXPECT_EQ(f.storedNames(), (Names{"Memo1", "Line1", "Memo2"}));
    EXPECT_EQ(f.storedTexts(), (Names{"Name: Kovacs\r\n", "", "<b>2026.12.10.</b> Kovacs\r\n"}));
    EXPECT_EQ(f.asked, (Names{"m1", "datum", "m1"}));
    EXPECT_EQ(f.engine->CompiledExpressions(), 0);
    EXPECT_TRUE(f.boxes.empty());
    EXPECT_EQ(f.store->calls,
              (Names{"Clear", "Initialize", "AddSourcePage", "BeginPass", "AddPage", "Finish"}));
    EXPECT_EQ(f.templateText("Memo1"), "Name: [m1]\r\n");
    EXPECT_FALSE(f.engine->Running);
}

TEST(Prepare, UnknownNameFailsTheRunShowsTheBoxAndRestoresTheTemplate) {
    EngineFixture f;
    f.answers = {{"m1", Variant("Kovacs")}};
    f.memo("Memo1", "[m1]");
    f.memo("Memo2", "x [nosuch] y");
    f.memo("Memo3", "[m1]");
    EXPECT_FALSE(f.report.Prepare(true));
    ASSERT_EQ(f.report.Errors().Count(), 1);
    const std::string error = f.report.Errors()[0];
    EXPECT_EQ(error.rfind("Memo2: Error in expression 'nosuch': ", 0), 0u) << error;
    EXPECT_EQ(f.boxes, Names{kBoxHeading + error + "\r\n"});
    EXPECT_EQ(f.asked, (Names{"m1", "nosuch"})); // the run stopped at Memo2
    EXPECT_EQ(f.templateText("Memo1"), "[m1]\r\n");
    EXPECT_EQ(f.templateText("Memo2"), "x [nosuch] y\r\n");
    EXPECT_EQ(f.report.CurrentObjectName, "");
    EXPECT_FALSE(f.engine->Running);
}

TEST(Prepare, SilentModeKeepsTheBoxButNotTheFailure) {
    EngineFixture f;
    f.report.EngineOptions().SilentMode = true;
    f.memo("Memo1", "[nosuch]");
    EXPECT_FALSE(f.report.Prepare(true));
    EXPECT_TRUE(f.boxes.empty());
    EXPECT_EQ(f.report.Errors().Count(), 1);
}

TEST(Prepare, ClearPreviousGivesOnePageEachTime) {
    EngineFixture f;
    f.memo("Memo1", "text");
    ASSERT_TRUE(f.report.Prepare(true));
    ASSERT_TRUE(f.report.Prepare(true));
    EXPECT_EQ(f.store->Count(), 1);
    ASSERT_TRUE(f.report.Prepare(false));
    EXPECT_EQ(f.store->Count(), 2);
}

TEST(Prepare, PrintIfEmptyOffPreparesNoPageAndSucceeds) {
    EngineFixture f;
    f.report.EngineOptions().PrintIfEmpty = false;
    f.memo("Memo1", "[m1]");
    EXPECT_TRUE(f.report.Prepare(true));
    EXPECT_EQ(f.store->Count(), 0);
    EXPECT_TRUE(f.asked.empty());
}

TEST(Prepare, PageNumbersAndTheTotalPagesPlaceholder) {
    EngineFixture f;
    f.memo("Memo1", "Page [Page#] of [TotalPages#]");
    f.memo("Memo2", "[page] [TotalPages]");
    ASSERT_TRUE(f.report.Prepare(true));
    EXPECT_EQ(f.storedTexts(), (Names{"Page 1 of [TotalPages#]\r\n", "1 0\r\n"}));
    EXPECT_EQ(ReplaceTotalPages(f.storedTexts()[0], f.store->Count()), "Page 1 of 1\r\n");
}

TEST(Prepare, DoublePassKnowsTheTotalAndKeepsOnlyTheFinalPass) {
    EngineFixture f;
    f.report.EngineOptions().DoublePass = true;
    f.memo("Memo1", "[Page] / [TotalPages]");
    ASSERT_TRUE(f.report.Prepare(true));
    EXPECT_EQ(f.store->Count(), 1);
    EXPECT_EQ(f.storedTexts(), Names{"1 / 1\r\n"});
    EXPECT_EQ(f.store->calls, (Names{"Clear", "Initialize", "AddSourcePage", "BeginPass", "AddPage",
                                     "RewindPass", "AddPage", "Finish"}));
}

TEST(Prepare, HostValuesAreNeverExpandedAgain) {
    EngineFixture f;
    f.answers = {{"a", Variant("[b] <%c%>")}};
    f.memo("Memo1", "x[a]y");
    ASSERT_TRUE(f.report.Prepare(true));
    EXPECT_EQ(f.storedTexts(), Names{"x[b] <%c%>y\r\n"});
    EXPECT_EQ(f.asked, Names{"a"});
}

struct ScriptCase {
    const char* name;
    const char* text;
    const char* expected;
};

class RunScriptObjectsTest : public ::testing::TestWithParam<ScriptCase> {};

// Expressions see the report's objects by name and the run's own objects.
TEST_P(RunScriptObjectsTest, AreVisibleToExpressions) {
    EngineFixture f;
    f.answers = {{"m1", Variant("host value")}};
    f.memo("Memo1", GetParam().text);
    ASSERT_TRUE(f.report.Prepare(true)) << f.report.Errors().Text();
    EXPECT_EQ(f.storedTexts(), Names{std::string(GetParam().expected) + "\r\n"});
}

const ScriptCase kScriptCases[] = {
    {"ReportCalcThroughTheHook", "[Report.Calc('m1')]", "host value"},
    {"ObjectByName", "[Memo1.Name] [Page1.Name]", "Memo1 Page1"},
    {"EngineFreeSpace", "[Engine.FreeSpace > 0] [Engine.FinalPass]", "True True"},
    {"Outline", "[Outline.Count]", "0"},
    {"Arithmetic", "[2 * 3 #n%2.1f]", "6.0"},
};
INSTANTIATE_TEST_SUITE_P(Engine, RunScriptObjectsTest, ::testing::ValuesIn(kScriptCases),
                         [](const auto& info) { return info.param.name; });

TEST(Prepare, ScriptSetsVariablesThatLastForTheRunOnly) {
    EngineFixture f;
    f.report.ScriptText() = model::TStrings{"begin", "  Set('greeting', '''Hello''');", "end."};
    f.memo("Memo1", "[greeting], [Get('greeting')]!");
    ASSERT_TRUE(f.report.Prepare(true));
    EXPECT_EQ(f.storedTexts(), Names{"Hello, Hello!\r\n"});
    EXPECT_EQ(f.report.Variables().IndexOf("greeting"), -1);
}

TEST(Prepare, ScriptEventsRunAroundTheOutput) {
    EngineFixture f;
    f.answers = {{"m1", Variant("host")}};
    f.report.ScriptText() = model::TStrings{"procedure Started(Sender: TfrxComponent);",
                                            "begin Set('mark', '''started''') end;",
                                            "procedure BeforeMemo(Sender: TfrxComponent);",
                                            "begin Memo1.Text := '[mark] [m1]' end;",
                                            "begin",
                                            "end."};
    f.report.SetOnStartReport("Started");
    f.memo("Memo1", "unexpanded").SetOnBeforePrint("BeforeMemo");
    ASSERT_TRUE(f.report.Prepare(true)) << f.report.Errors().Text();
    EXPECT_EQ(f.storedTexts(), Names{"started host\r\n"});
    EXPECT_EQ(f.templateText("Memo1"), "unexpanded\r\n");
}

TEST(Prepare, GetOfAnUnknownNameFailsTheRunWithoutStoppingIt) {
    EngineFixture f;
    f.memo("Memo1", "a[Get('nosuch')]b");
    f.memo("Memo2", "after");
    EXPECT_FALSE(f.report.Prepare(true));
    EXPECT_EQ(f.storedTexts(), (Names{"ab\r\n", "after\r\n"}));
    EXPECT_EQ(f.boxes, Names{kBoxHeading + "Unknown variable or datafield: nosuch\r\n"});
}

TEST(Prepare, ScriptCompileErrorStopsBeforeTheRun) {
    EngineFixture f;
    f.report.ScriptText() = model::TStrings{"begin", "  x := ;", "end."};
    f.memo("Memo1", "[m1]");
    EXPECT_FALSE(f.report.Prepare(true));
    ASSERT_EQ(f.report.Errors().Count(), 1);
    EXPECT_EQ(f.report.Errors()[0].rfind("Script error at 2:", 0), 0u) << f.report.Errors()[0];
    EXPECT_EQ(f.store->Count(), 0);
    EXPECT_TRUE(f.asked.empty());
}

TEST(Prepare, ReportVariablesHoldingExpressions) {
    EngineFixture f;
    f.report.Variables().Set("total", Variant("1+2"));
    f.memo("Memo1", "[total #n%2.2f]");
    ASSERT_TRUE(f.report.Prepare(true));
    EXPECT_EQ(f.storedTexts(), Names{"3.00\r\n"});
}

TEST(Prepare, HighlightConditionSeesTheMemosValue) {
    EngineFixture f;
    f.answers = {{"n", Variant(5)}};
    f.memo("Big", "[n]").Highlight().SetCondition("Value > 3");
    f.memo("Small", "[n]").Highlight().SetCondition("Value > 7");
    ASSERT_TRUE(f.report.Prepare(true));
    ASSERT_EQ(f.store->pages.at(0).size(), 2u);
    EXPECT_TRUE(f.store->pages[0][0].highlighted);
    EXPECT_FALSE(f.store->pages[0][1].highlighted);
}

TEST(Prepare, HostEventsFrameFetchingInProtocolOrder) {
    EngineFixture f;
    Names events;
    f.engine->OnBeforePrint = [&](model::TfrxComponent& c) {
        events.push_back("before " + c.Name());
    };
    f.engine->OnAfterPrint = [&](model::TfrxComponent& c) {
        events.push_back("after " + c.Name());
    };
    f.report.OnGetValue = [&](const std::string& name, Variant& value) {
        events.push_back("ask " + name);
        value = Variant(name);
    };
    f.memo("A", "[a]");
    f.memo("B", "[b]").SetVisible(false);
    f.memo("C", "[c]");
    ASSERT_TRUE(f.report.Prepare(true));
    EXPECT_EQ(events, (Names{"before ", "before A", "before B", "before C", "ask a", "ask c",
                             "after A", "after B", "after C", "after "}));
}

TEST(FetchData, SuppressRepeatedClearsARepeatedText) {
    EngineFixture f;
    auto& memo = f.memo("Memo1", "same");
    memo.SetSuppressRepeated(true);
    f.engine->FetchData(memo);
    EXPECT_EQ(memo.Text(), "same\r\n");
    f.engine->FetchData(memo);
    EXPECT_EQ(memo.Text(), "");
}

TEST(FetchData, TextWithoutExpressionsKeepsItsLines) {
    EngineFixture f;
    auto& plain = f.memo("Plain", "");
    plain.SetMemo(model::TStrings{"a\rb"}); // would split in two if written back
    auto& off = f.memo("Off", "[m1]");
    off.SetAllowExpressions(false);
    f.engine->FetchData(plain);
    f.engine->FetchData(off);
    EXPECT_EQ(plain.Memo().Count(), 1);
    EXPECT_EQ(off.Text(), "[m1]\r\n");
    EXPECT_TRUE(f.asked.empty());
}

TEST(FetchData, TagAndUrlExpandWithSquareBrackets) {
    EngineFixture f;
    f.answers = {{"id", Variant(42)}};
    auto& memo = f.memo("Memo1", "<%id%>");
    memo.SetExpressionDelimiters("<%,%>");
    memo.SetTagStr("tag [id]");
    memo.SetURL("#[id]");
    f.engine->FetchData(memo);
    EXPECT_EQ(memo.TagStr(), "tag 42");
    EXPECT_EQ(memo.URL(), "#42");
    EXPECT_EQ(memo.Text(), "42\r\n");
}

// A text view whose content needs a fixed height.
class TallMemo : public model::TfrxMemoView {
public:
    model::Extended needed = 0;
    model::Extended CalcHeight() override { return needed; }
};

TEST(Prepare, StretchedObjectShiftsTheObjectsBelowIt) {
    EngineFixture f;
    auto* tall = f.page().AdoptChild(std::make_unique<TallMemo>());
    tall->SetName("Tall");
    tall->SetBounds(0, 10, 100, 20);
    tall->needed = 50; // grows by 30: new bottom 60
    tall->SetStretchMode(model::smActualHeight);
    struct Placed {
        const char* name;
        model::Extended left, top;
        model::TfrxShiftMode mode;
    };
    const Placed placed[] = {
        {"Always", 50, 40, model::smAlways},            // moves by 30
        {"Overlapped", 0, 45, model::smWhenOverlapped}, // to the new bottom, 60
        {"Clear", 50, 100, model::smWhenOverlapped},    // below the new bottom: stays
        {"Beside", 100, 40, model::smAlways},           // not under it: stays
        {"Fixed", 50, 40, model::smDontShift},
    };
    for (const Placed& p : placed) {
        auto& memo = f.memo(p.name, "x");
        memo.SetBounds(p.left, p.top, 40, 10);
        memo.SetShiftMode(p.mode);
    }
    ASSERT_TRUE(f.report.Prepare(true));
    std::vector<std::pair<std::string, model::Extended>> tops;
    for (const auto& stored : f.store->pages.at(0))
        tops.emplace_back(stored.name, stored.top);
    const std::vector<std::pair<std::string, model::Extended>> expected{
        {"Tall", 10},   {"Always", 70}, {"Overlapped", 60},
        {"Clear", 100}, {"Beside", 40}, {"Fixed", 40}};
    EXPECT_EQ(tops, expected);
    EXPECT_EQ(f.store->pages[0][0].height, 50);
    EXPECT_EQ(f.report.ObjectByName("Always")->Top(), 40); // restored afterwards
}

} // namespace
} // namespace rq::report::engine

namespace rq::report::engine {
namespace {

TEST(AttachEngine, TheReportForwardsToTheEngineItOwns) {
    model::TfrxReport report;
    EXPECT_EQ(EngineOf(report), nullptr);
    try {
        report.Prepare(true);
        FAIL() << "no exception";
    } catch (const base::Exception& e) {
        EXPECT_STREQ(e.what(), "Report engine is not available");
    }
    auto store = std::make_unique<testing::RecordingStore>();
    auto* rawStore = store.get();
    TfrxEngine& engine = AttachEngine(report, std::move(store));
    EXPECT_EQ(EngineOf(report), &engine);
    EXPECT_EQ(rawStore->Engine, &engine);
    EXPECT_EQ(rawStore->Report, &report);
    EXPECT_EQ(report.Calc("1 + 1").toInteger(), 2);
    EXPECT_TRUE(report.Prepare(true)); // a report without pages prepares nothing
    EXPECT_EQ(rawStore->Count(), 0);
}

} // namespace
} // namespace rq::report::engine
