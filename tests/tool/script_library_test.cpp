// rq0612-tool run and eval with the standard library: routines, ShowMessage
// on standard output, TStringList and the report classes.
#include "run_tool.h"

#include <gtest/gtest.h>

namespace rq::tool::test {
namespace {

TEST(ToolScriptLibrary, ShowMessagePrintsLines) {
    const auto result = runScript("rq0612_showmessage.pas",
                                  "begin\n"
                                  "  ShowMessage(Format('%d-%s', [7, NameCase('jOHN smith')]));\n"
                                  "  ShowMessage(Round(2.5) + Round(3.5));\n"
                                  "end.\n");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "7-John Smith\n6\n");
}

TEST(ToolScriptLibrary, UsesStringListsAndReportClasses) {
    const auto result =
        runScript("rq0612_report.pas",
                  "var l: TStringList; rep: TfrxReport; page: TfrxReportPage; memo: TfrxMemoView;\n"
                  "begin\n"
                  "  l := TStringList.Create;\n"
                  "  l.Sorted := True;\n"
                  "  l.Add('pear'); l.Add('apple');\n"
                  "  ShowMessage(l.CommaText);\n"
                  "  l.Free;\n"
                  "  rep := TfrxReport.Create(nil);\n"
                  "  page := TfrxReportPage.Create(rep);\n"
                  "  memo := TfrxMemoView.Create(page);\n"
                  "  memo.Name := 'Memo1';\n"
                  "  memo.Text := '\xC1rv\xEDzt\xFBr\xF5';\n"
                  "  ShowMessage(page.Objects[0].Name + ': ' + Trim(memo.Text));\n"
                  "  rep.Free;\n"
                  "end.\n");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "apple,pear\nMemo1: \xC3\x81rv\xC3\xADzt\xC5\xB1r\xC5\x91\n");
}

TEST(ToolScriptLibrary, RuntimeErrorsExitWithTwo) {
    const auto result = runScript("rq0612_error.pas", "begin StrToInt('x1') end.\n");
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err, "'x1' is not a valid integer value\n");
}

TEST(ToolScriptLibrary, EvalCallsRoutines) {
    const auto result = runTool({"eval", "Copy('abcdef', 2, 3) + IntToStr(Trunc(-2.7))"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "bcd-2\n");
}

} // namespace
} // namespace rq::tool::test
