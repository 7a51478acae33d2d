// The grammar interpreter over the PascalScript grammar: accepted programs,
// the first recorded syntax error with its position, and the IL it writes.
#include "script/il_parser.h"

#include "script/errors.h"

#include <gtest/gtest.h>

namespace rq::script {
namespace {

struct ParseOutcome {
    bool ok;
    std::string error; // "LINE:COL: message" when !ok
    std::string il;    // the IL document text when ok
};

ParseOutcome Parse(std::string_view source) {
    TfsILParser parser;
    parser.SelectLanguage("PascalScript");
    if (!parser.BuildIL(source))
        return {false, parser.ErrorPos() + ": " + parser.ErrorMessage(), {}};
    return {true, {}, parser.IL().SaveToString()};
}

struct SyntaxCase {
    const char* name;
    const char* source;
    const char* error; // "" when the source parses
};

class SyntaxTest : public testing::TestWithParam<SyntaxCase> {};

TEST_P(SyntaxTest, AcceptsOrReportsFirstError) {
    const ParseOutcome outcome = Parse(GetParam().source);
    if (*GetParam().error == '\0')
        EXPECT_TRUE(outcome.ok) << outcome.error;
    else
        EXPECT_EQ(outcome.error, GetParam().error);
}

const SyntaxCase kSyntaxCases[] = {
    {"EmptyProgram", "begin end.", ""},
    {"EmptyProgramOnThreeLines", "begin\r\n\r\nend.", ""},
    {"EmptyStatementAfterLastSemicolon", "begin x := 1; end.", ""},
    {"MissingFullStop", "begin x := 1 end", "1:17: '.' expected"},
    {"MissingThen", "begin if x end.", "1:12: 'THEN' expected"},
    {"EmptyThenBranch", "begin if x then end.", ""},
    {"KeywordsInAnyCase", "BEGIN End.", ""},
    {"AllCommentKinds", "{a} begin // line\r\n (* b *) x {c} := (*d*) 1 end.", ""},
    {"BlockCommentsDoNotNest", "begin { a { b } x := 1 } end.", "1:24: ';' expected"},
    {"MissingBegin", "x := 1.", "1:1: 'BEGIN' expected"},
    {"MissingSemicolonInVar", "var a: Integer begin end.", "1:16: ';' expected"},
    {"MissingCloseBracket", "begin x := (1 + 2; end.", "1:18: ')' expected"},
    {"MissingEnd", "begin x := 1;", "1:14: ';' expected"},
    {"MissingDo", "begin while x x := 1 end.", "1:15: 'DO' expected"},
    {"MissingToOrDownto", "begin for i := 1 do x := 1 end.", "1:18: 'TO' or 'DOWNTO' expected"},
    {"MissingUntil", "begin repeat x := 1 end.", "1:21: 'UNTIL' expected"},
    {"MissingExceptOrFinally", "begin try x := 1 end end.", "1:18: 'FINALLY' or 'EXCEPT' expected"},
    {"CaseWithElse", "begin case x of 1: y := 1; 2, 3..4: y := 2; else y := 3 end end.", ""},
    {"CaseWithOneSelectorAndSemicolon", "begin case x of 1: y := 1; end end.", ""},
    {"CaseMissingEnd", "begin case x of 1: y := 1 x end.", "1:27: 'END' expected"},
    {"TryFinally", "begin try x := 1 finally x := 2 end end.", ""},
    {"Routines",
     "var a, b: Integer; const c = 2;\r\n"
     "procedure P(var x: Integer; y: String = 'a'); begin x := 1 end;\r\n"
     "function F(x: Integer): Integer; begin Result := x * 2 end;\r\n"
     "begin P(a); b := F(a) end.",
     ""},
    {"UnclosedBracketSyntax", "begin a := <Page# end.", "1:12: Expression expected"},
    {"TabInStringIsNoString", "begin s := 'a\tb' end.", "1:12: Expression expected"},
    {"ArrayDeclaration", "var a: array[0..3, 2] of Integer; begin a[1, 2] := 3 end.", ""},
    {"WithStatement", "begin with a, b do c := 1 end.", ""},
    {"UnterminatedComment", "begin { x end.", "1:15: ';' expected"},
};

INSTANTIATE_TEST_SUITE_P(Pascal, SyntaxTest, testing::ValuesIn(kSyntaxCases),
                         [](const auto& info) { return info.param.name; });

TEST(ILParserTest, EmptyProgramGivesOneEmptyCompoundStatement) {
    const char* expected = "<?xml version=\"1.0\"?>\n"
                           "<program>\n"
                           "  <compoundstmt pos=\"1:1\"/>\n"
                           "  <types/>\n"
                           "</program>\n";
    EXPECT_EQ(Parse("begin end.").il, expected);
    EXPECT_EQ(Parse("begin\r\n\r\nend.").il, expected);
}

TEST(ILParserTest, ExpressionFunctionSnapshot) {
    const ParseOutcome outcome = Parse("function _f0: Variant; begin Result := m3 end; begin end.");
    ASSERT_TRUE(outcome.ok) << outcome.error;
    EXPECT_EQ(outcome.il, "<?xml version=\"1.0\"?>\n"
                          "<program>\n"
                          "  <function pos=\"1:1\">\n"
                          "    <name text=\"_f0\" pos=\"1:13\"/>\n"
                          "    <type text=\"Variant\" pos=\"1:22\"/>\n"
                          "    <compoundstmt pos=\"1:24\">\n"
                          "      <assignstmt pos=\"1:30\">\n"
                          "        <dsgn pos=\"1:30\">\n"
                          "          <node text=\"Result\" pos=\"1:36\"/>\n"
                          "        </dsgn>\n"
                          "        <expr pos=\"1:40\">\n"
                          "          <dsgn pos=\"1:40\">\n"
                          "            <node text=\"m3\" pos=\"1:42\"/>\n"
                          "          </dsgn>\n"
                          "        </expr>\n"
                          "      </assignstmt>\n"
                          "    </compoundstmt>\n"
                          "  </function>\n"
                          "  <compoundstmt pos=\"1:48\"/>\n"
                          "  <types/>\n"
                          "</program>\n");
}

std::string ILOf(std::string_view source) {
    const ParseOutcome outcome = Parse(source);
    EXPECT_TRUE(outcome.ok) << outcome.error;
    return outcome.il;
}

TEST(ILParserTest, BracketTextBecomesGetCall) {
    const std::string il = ILOf("begin a := <Page#> + 1 end.");
    EXPECT_NE(il.find("<dsgn pos=\"1:18\">\n"
                      "          <node text=\"Get\" pos=\"1:18\"/>\n"
                      "          <expr pos=\"1:18\">\n"
                      "            <string text=\"'Page#'\" pos=\"1:18\"/>\n"
                      "          </expr>\n"
                      "        </dsgn>\n"
                      "        <op text=\"+\" pos=\"1:21\"/>"),
              std::string::npos)
        << il;
}

struct TokenCase {
    const char* name;
    const char* source;
    const char* element; // the IL line of the assigned literal
};

class TokenTest : public testing::TestWithParam<TokenCase> {};

TEST_P(TokenTest, LiteralReachesIL) {
    const std::string il = ILOf(GetParam().source);
    EXPECT_NE(il.find(GetParam().element), std::string::npos) << il;
}

const TokenCase kTokenCases[] = {
    {"HexNumber", "begin x := $1F end.", "<number text=\"$1F\""},
    {"Float", "begin x := 1.5e-3 end.", "<number text=\"1.5e-3\""},
    {"DoubledQuote", "begin s := 'it''s' end.", "<string text=\"'it's'\""},
    {"CharacterCodes", "begin s := 'a' #13#10 'b' end.", "<string text=\"'a&#13;&#10;b'\""},
    {"HexCharacterCode", "begin s := #$41'b' end.", "<string text=\"'Ab'\""},
    {"MarkupCharactersEscaped", "begin s := '<&\">' end.",
     "<string text=\"'&#60;&#38;&#34;&#62;'\""},
    {"UnaryMinus", "begin x := -1 end.", "<op text=\"unminus\""},
    {"TwoCharacterOperator", "begin x := a <> b end.", "<op text=\"&#60;&#62;\""},
};

INSTANTIATE_TEST_SUITE_P(Pascal, TokenTest, testing::ValuesIn(kTokenCases),
                         [](const auto& info) { return info.param.name; });

TEST(ILParserTest, FirstErrorWinsOverLaterSuccess) {
    // The if-statement fails inside an alternative with 'THEN' expected; the
    // statement list then succeeds without it, yet the first error stays.
    EXPECT_EQ(Parse("begin if a b := 1 end.").error, "1:12: 'THEN' expected");
}

TEST(ILParserTest, LanguageDirectiveSelectsGrammarOnFirstLine) {
    EXPECT_TRUE(Parse("#language PascalScript\r\nbegin end.").ok);
    TfsILParser parser;
    EXPECT_THROW(
        {
            try {
                parser.BuildIL("#language Cobol\r\nbegin end.");
            } catch (const EScriptError& e) {
                EXPECT_STREQ(e.what(), "Language 'Cobol' not found");
                throw;
            }
        },
        EScriptError);
}

TEST(ILParserTest, UsesClauseInsertsUnitIL) {
    std::vector<std::string> asked;
    TfsILParser parser([&](const std::string& name) {
        asked.push_back(name);
        return std::string("var u: Integer; begin end.");
    });
    parser.SelectLanguage("PascalScript");
    ASSERT_TRUE(parser.BuildIL("uses 'a.pas', 'a.pas', 'b.pas'; begin end."))
        << parser.ErrorMessage();
    EXPECT_EQ(asked, (std::vector<std::string>{"b.pas", "a.pas"}));
    const TfsXMLItem& uses = parser.IL().Root()[0];
    EXPECT_EQ(uses.Name(), "uses");
    ASSERT_EQ(uses.Count(), 2);
    EXPECT_EQ(uses[0].Prop("unit"), "a.pas");
    EXPECT_EQ(uses[0][0].Name(), "var");
}

TEST(ILParserTest, UnitErrorNamesTheUnit) {
    TfsILParser parser([](const std::string&) { return std::string("begin x := end."); });
    parser.SelectLanguage("PascalScript");
    EXPECT_FALSE(parser.BuildIL("uses 'u.pas'; begin end."));
    EXPECT_EQ(parser.ErrorMessage(), "Expression expected");
    EXPECT_EQ(parser.ErrorUnit(), "u.pas");
}

TEST(ILParserTest, DeepNestingIsASyntaxErrorNotACrash) {
    const std::string source =
        "begin x := " + std::string(5000, '(') + "1" + std::string(5000, ')') + " end.";
    const ParseOutcome outcome = Parse(source);
    EXPECT_FALSE(outcome.ok);
    EXPECT_NE(outcome.error.find("Stack overflow"), std::string::npos);
}

} // namespace
} // namespace rq::script
