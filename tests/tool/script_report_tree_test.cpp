// rq0612-tool run with scripts that walk a report tree they built: objects
// reached through Objects[] are typecast to their classes to use the
// members of those classes, and the stretchable views answer CalcHeight.
#include "run_tool.h"

#include <gtest/gtest.h>

namespace rq::tool::test {
namespace {

TEST(ToolScriptReportTree, TypecastsObjectsFoundInTheTree) {
    const auto result =
        runScript("rq0612_tree.pas",
                  "var rep: TfrxReport; page: TfrxReportPage; i: Integer; names: TStringList;\n"
                  "begin\n"
                  "  rep := TfrxReport.Create(nil);\n"
                  "  page := TfrxReportPage.Create(rep);\n"
                  "  TfrxMemoView.Create(page).Name := 'First';\n"
                  "  TfrxLineView.Create(page).Name := 'Line';\n"
                  "  TfrxMemoView.Create(page).Name := 'Second';\n"
                  "  names := TStringList.Create;\n"
                  "  for i := 0 to page.Count - 1 do\n"
                  "    if page.Objects[i] is TfrxMemoView then\n"
                  "    begin\n"
                  "      TfrxMemoView(page.Objects[i]).Text := 'text of ' + page.Objects[i].Name;\n"
                  "      names.Add(Trim(TfrxMemoView(page.Objects[i]).Text));\n"
                  "    end;\n"
                  "  ShowMessage(names.CommaText);\n"
                  "  TfrxLineView(page.Objects[1]).SetBounds(0, 0, 50, 7.5);\n"
                  "  ShowMessage(FloatToStr(TfrxLineView(page.Objects[1]).CalcHeight));\n"
                  "  ShowMessage(TfrxMemoView(page.Objects[1]).Text);\n"
                  "end.\n");
    EXPECT_EQ(result.exitCode, 2) << result.err;
    EXPECT_EQ(result.out, "\"text of First\",\"text of Second\"\n7.5\n");
    EXPECT_EQ(result.err, "Invalid class typecast\n");
}

TEST(ToolScriptReportTree, TypecastOfANumberIsACompileError) {
    const auto result = runScript("rq0612_cast.pas", "begin TfrxMemoView(1).Text := 'x' end.\n");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "1:20: Incompatible types: 'Class TfrxMemoView', 'Integer'\n");
}

} // namespace
} // namespace rq::tool::test
