// The program builder on IL that no grammar of ours writes (a host's IL or a
// faulty grammar): every element is either built or refused with a compile
// error at its position, never skipped or read out of bounds.
#include "script/il_element.h"
#include "script/program_builder.h"
#include "script/runtime.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace rq::script;

// Builds "<program><compoundstmt>STATEMENTS</compoundstmt></program>";
// "" or "POS: message".
std::string BuildStatements(const std::string& statements) {
    ScriptRuntime runtime;
    TfsScript script(&runtime.Global());
    TfsXMLDocument document;
    document.LoadFromString("<?xml version=\"1.0\"?><program><var pos=\"1:5\">"
                            "<ident text=\"i\" pos=\"1:5\"/><type text=\"Integer\" pos=\"1:8\"/>"
                            "</var><compoundstmt pos=\"2:1\">" +
                            statements + "</compoundstmt></program>");
    ProgramBuilder(script, true, {}).Build(document.Root());
    return script.ErrorMsg().empty() ? std::string() : script.ErrorPos() + ": " + script.ErrorMsg();
}

struct IlCase {
    const char* name;
    const char* il;
    const char* error;
};

class MalformedIlTest : public testing::TestWithParam<IlCase> {};

TEST_P(MalformedIlTest, IsACompileErrorAtTheElement) {
    EXPECT_EQ(BuildStatements(GetParam().il), GetParam().error);
}

const char kOne[] = "<expr pos=\"3:9\"><number text=\"1\" pos=\"3:10\"/></expr>";
const char kTarget[] = "<dsgn pos=\"3:3\"><node text=\"i\" pos=\"3:4\"/></dsgn>";

const IlCase kCases[] = {
    {"UnknownElement", "<gotostmt pos=\"3:3\"/>", "3:3: Unknown IL element: 'gotostmt'"},
    {"ExpressionAsStatement", "<expr pos=\"3:3\"><number text=\"1\" pos=\"3:4\"/></expr>",
     "3:3: Misplaced IL element: 'expr'"},
    {"UnknownInsideNestedBlock",
     "<ifstmt pos=\"3:3\"><expr pos=\"3:6\"><number text=\"1\" pos=\"3:7\"/></expr>"
     "<thenstmt pos=\"3:12\"><loopstmt pos=\"3:12\"/></thenstmt></ifstmt>",
     "3:12: Unknown IL element: 'loopstmt'"},
    {"CallWithoutDesignator", "<callstmt pos=\"3:3\"/>", "3:3: Identifier expected"},
    {"AssignWithoutValue",
     "<assignstmt pos=\"3:3\"><dsgn pos=\"3:3\"><node text=\"i\" pos=\"3:4\"/></dsgn></assignstmt>",
     "3:3: Expression expected"},
    {"IfWithoutCondition", "<ifstmt pos=\"3:3\"><thenstmt pos=\"3:9\"/></ifstmt>",
     "3:3: Expression expected"},
    {"WhileWithoutCondition", "<whilestmt pos=\"3:3\"/>", "3:3: Expression expected"},
    {"RepeatWithoutCondition", "<repeatstmt pos=\"3:3\"/>", "3:3: Expression expected"},
    {"CaseWithoutSelector", "<casestmt pos=\"3:3\"/>", "3:3: Expression expected"},
    {"ForWithoutVariable", "<forstmt pos=\"3:3\"/>", "3:3: Identifier expected"},
    {"WithWithoutObject", "<with pos=\"3:3\"/>", "3:3: Identifier expected"},
    {"DesignatorWithoutName", "<callstmt pos=\"3:3\"><dsgn pos=\"3:5\"/></callstmt>",
     "3:5: Identifier expected"},
    {"StatementInsideSet",
     "<casestmt pos=\"3:3\"><expr pos=\"3:8\"><number text=\"1\" pos=\"3:9\"/></expr>"
     "<caseselector pos=\"3:13\"><set pos=\"3:13\"><exit pos=\"3:14\"/></set></caseselector>"
     "</casestmt>",
     "3:14: Expression expected"},
};

INSTANTIATE_TEST_SUITE_P(Script, MalformedIlTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return info.param.name; });

TEST(MalformedIlTest, WellFormedStatementsStillBuild) {
    EXPECT_EQ(
        BuildStatements(std::string("<assignstmt pos=\"3:3\">") + kTarget + kOne + "</assignstmt>"),
        "");
}

// A compile error inside a unit carries the unit's name; once the unit is
// built, errors belong to the main text again.
TEST(CompileErrorPlaceTest, NamesTheUnitOnlyForErrorsInsideIt) {
    struct Case {
        const char* unit;
        const char* main;
        const char* expected; // "UNIT|POS: message"
    };
    const Case cases[] = {
        {"procedure P; begin x := 1 end; begin end.", "uses 'u.pas'; begin end.",
         "u.pas|1:21: Undeclared identifier: 'x'"},
        {"procedure P; begin end; begin end.", "uses 'u.pas'; begin y := 1 end.",
         "|1:22: Undeclared identifier: 'y'"},
    };
    for (const Case& c : cases) {
        ScriptRuntime runtime;
        TfsScript script(&runtime.Global());
        script.OnGetUnit = [&](TfsScript&, const std::string&, std::string& text) {
            text = c.unit;
        };
        script.Lines = {c.main};
        EXPECT_FALSE(script.Compile());
        EXPECT_EQ(script.ErrorUnit() + "|" + script.ErrorPos() + ": " + script.ErrorMsg(),
                  c.expected);
    }
}

// Every name the IL uses maps to its element and back, letter case ignored.
TEST(IlElementTest, NamesRoundTrip) {
    for (std::size_t i = 0; i < kIlElementCount; ++i) {
        const auto element = static_cast<IlElement>(i);
        const std::string name(IlElementName(element));
        ASSERT_FALSE(name.empty());
        EXPECT_EQ(IlElementOf(name), element) << name;
        std::string upper = name;
        for (char& c : upper)
            c = static_cast<char>(c - 'a' + 'A');
        EXPECT_EQ(IlElementOf(upper), element) << upper;
    }
    for (const char* other : {"", "stmt", "assignstmtx", "compoundstatement", "expr "})
        EXPECT_EQ(IlElementOf(other), IlElement::Unknown) << other;
}

} // namespace
