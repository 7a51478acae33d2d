// Report classes through scripts: building a report tree, the automatic
// property accessors from the model's property registry (numbers,
// enumerations, sets, strings, value records such as the font), the
// memo's text, the component tree members and use after Free.
#include "../../support/script_runner.h"
#include "report/model/memo_view.h"
#include "report/model/report.h"
#include "report/scripting/report_library.h"
#include "report/scripting/report_objects.h"
#include "script/global_library.h"

#include <gtest/gtest.h>

#include <fstream>

namespace rq::report::scripting {
namespace {

using rq::base::Variant;
using rq::test::RunForAnswer;
using rq::test::ScriptCase;

// The global library with the report's classes.
script::TfsScript& Library() {
    script::TfsScript& global = script::fsGlobalUnit();
    AddReportLibrary(global);
    return global;
}

// Declares a report with a page and a memo ("Memo1" at 10, 20) before the
// body runs; r (a String) is the answer.
std::string RunReport(const std::string& body) {
    return RunForAnswer(
        Library(),
        {"var r: String; rep: TfrxReport; page: TfrxReportPage; memo: TfrxMemoView;",
         "c: TfrxComponent; m2: TfrxMemoView; f: TFont; p: TPen; b: TBrush; l: TMemoryStream;",
         "pic: TfrxPictureView;", "begin", "rep := TfrxReport.Create(nil);", "try",
         "page := TfrxReportPage.Create(rep); page.Name := 'Page1';",
         "memo := TfrxMemoView.Create(page); memo.Name := 'Memo1';",
         "memo.SetBounds(10, 20, 100, 18);", body, "finally rep.Free end", "end."});
}

class ReportClassTest : public testing::TestWithParam<ScriptCase> {};

TEST_P(ReportClassTest, Runs) {
    EXPECT_EQ(RunReport(GetParam().body), GetParam().expected);
}

const ScriptCase kScriptCases[] = {
    {"MemoTextRoundTrip", "memo.Text := 'Hello'; r := memo.Text", "Hello\r\n"},
    {"Names", "r := rep.Objects[0].Name + '/' + page.Objects[0].Name", "Page1/Memo1"},
    {"Count", "TfrxMemoView.Create(page); r := IntToStr(page.Count)", "2"},
    {"Bounds", "r := FloatToStr(memo.Left) + ',' + FloatToStr(memo.Top + memo.Height)", "10,38"},
    {"Parent", "r := memo.Parent.Name", "Page1"},
    {"AllObjects",
     "TfrxMemoView.Create(memo); r := IntToStr(rep.AllObjects.Count) + "
     "IntToStr(page.AllObjects.Count)",
     "32"},
    {"Page", "r := memo.Page.Name", "Page1"},
    {"EnumerationProperty", "memo.HAlign := haCenter; r := IntToStr(memo.HAlign)", "2"},
    {"BooleanProperty", "memo.Visible := False; r := VarToStr(memo.Visible)", "False"},
    {"FontValueRecord",
     "memo.Font.Name := 'Arial'; memo.Font.Height := -16; "
     "r := memo.Font.Name + IntToStr(memo.Font.Height)",
     "Arial-16"},
    {"FontStyleSet", "memo.Font.Style := fsBold + fsItalic; r := IntToStr(memo.Font.Style)", "3"},
    {"FrameTypes", "memo.Frame.Typ := ftLeft + ftTop; r := IntToStr(memo.Frame.Typ)", "5"},
    {"SameObjectTwice", "if memo.Font = memo.Font then r := 'same'", "same"},
    {"IsMemo", "if page.Objects[0] is TfrxMemoView then r := 'memo'", "memo"},
    {"IsNotLine", "if page.Objects[0] is TfrxLineView then r := 'line' else r := 'no'", "no"},
    {"ClassName", "r := page.Objects[0].ClassName", "TfrxMemoView"},
    {"ClearRemovesChildren", "page.Clear; r := IntToStr(page.Count)", "0"},
    {"FreedChild", "memo.Free; r := IntToStr(page.Count)", "0"},
    {"UseAfterFree", "memo.Free; memo.Text := 'x'",
     "error: Access violation: object used after Free"},
    {"FontValueObject",
     "f := TFont.Create; f.Name := 'Tahoma'; f.Size := 12; r := f.Name + IntToStr(f.Size); f.Free",
     "Tahoma12"},
    {"FontIsTFont", "f := TFont.Create; if f is TFont then r := 'font'; f.Free", "font"},
    {"PenAndBrush",
     "p := TPen.Create; b := TBrush.Create; p.Style := psDot; b.Color := 255; "
     "r := IntToStr(p.Style) + IntToStr(p.Width) + IntToStr(b.Color); p.Free; b.Free",
     "21255"},
    {"ObjectIndexOutOfBounds", "r := page.Objects[5].Name", "error: List index out of bounds (5)"},
    {"TypecastReachesMemoMembers",
     "c := page.Objects[0]; TfrxMemoView(c).Text := 'Cast'; r := TfrxMemoView(c).Text", "Cast\r\n"},
    {"TypecastToAnotherClass", "r := TfrxLineView(page.Objects[0]).Name",
     "error: Invalid class typecast"},
    {"ComponentMembersNeedATypecast", "r := page.Objects[0].Text",
     "compile 10:26: Undeclared identifier: 'Text'"},
};
INSTANTIATE_TEST_SUITE_P(Script, ReportClassTest, testing::ValuesIn(kScriptCases),
                         [](const auto& info) { return info.param.name; });

TEST(ReportFileTest, SavesAndLoadsThroughScript) {
    const std::string path = testing::TempDir() + "rq_script_report.fr3";
    EXPECT_EQ(RunReport("memo.Text := 'Saved'; rep.SaveToFile('" + path +
                        "'); rep.Clear; if rep.LoadFromFile('" + path +
                        "') then begin c := rep.Objects[0]; r := c.Objects[0].Name end"),
              "Memo1");
}

TEST(ReportVariablesTest, ReadsAndWritesByName) {
    EXPECT_EQ(RunReport("rep.Variables['Total'] := 12; rep.Variables['total'] := "
                        "rep.Variables['TOTAL'] + 1; r := VarToStr(rep.Variables['Total']) + '/' + "
                        "IntToStr(rep.Variables.Count) + '/' + VarToStr(rep.Variables['none'])"),
              "13/1/");
    EXPECT_EQ(RunReport("rep.Variables['a'] := 1; rep.Variables.Clear; "
                        "r := IntToStr(rep.Variables.Count)"),
              "0");
}

TEST(ReportPictureTest, LoadsAnImageFile) {
    const std::string png = testing::TempDir() + "rq_script_picture.png";
    const std::string text = testing::TempDir() + "rq_script_picture.txt";
    // A PNG signature and an IHDR chunk of a 3 x 2 image.
    std::ofstream(png, std::ios::binary) << std::string("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR"
                                                        "\0\0\0\x03\0\0\0\x02\x08\x02\0\0\0",
                                                        29);
    std::ofstream(text) << "no image";
    EXPECT_EQ(
        RunReport("pic := TfrxPictureView.Create(page); pic.LoadFromFile('" + png +
                  "'); r := IntToStr(pic.Picture.Width) + 'x' + IntToStr(pic.Picture.Height)"),
        "3x2");
    EXPECT_EQ(RunReport("pic := TfrxPictureView.Create(page); pic.LoadFromFile('" + text + "')"),
              "error: Unknown picture file extension (.txt)");
}

TEST(ReportStreamTest, CopiesAComponentThroughAStream) {
    EXPECT_EQ(RunReport("memo.Text := 'Copied'; memo.HAlign := haRight; f := TFont.Create; "
                        "f.Free; m2 := TfrxMemoView.Create(page); "
                        "l := TMemoryStream.Create; memo.SaveToStream(l); l.Position := 0; "
                        "m2.LoadFromStream(l); l.Free; "
                        "r := IntToStr(m2.HAlign) + IntToStr(page.Count) + m2.Text"),
              "12Copied\r\n");
}

// The views' CalcHeight and the memo's CalcWidth are the model's, which
// measures text through what the rendering library installs.
TEST(ReportMeasureTest, CalcHeightAndCalcWidthAskTheModel) {
    model::SetMemoMeasure({[](const model::TfrxCustomMemoView& m) {
                               return static_cast<model::Extended>(m.Text().size() * 10);
                           },
                           [](const model::TfrxCustomMemoView& m) { return m.Width() + 1; }});
    EXPECT_EQ(
        RunReport(
            "memo.Text := 'abc'; c := TfrxLineView.Create(page); TfrxLineView(c).Height := 12; "
            "r := FloatToStr(memo.CalcHeight) + ',' + FloatToStr(memo.CalcWidth) + "
            "',' + FloatToStr(TfrxLineView(c).CalcHeight)"),
        "50,101,12");
    model::SetMemoMeasure({});
}

// An engine that answers Calc with the report's child count and the text.
struct EchoEngine : model::ReportEngineSlot {
    explicit EchoEngine(model::TfrxReport& report) : report(report) {}
    bool Prepare(bool) override { return true; }
    Variant Calc(const std::string& expression) override {
        return Variant(std::to_string(report.Count()) + ":" + expression);
    }
    model::TfrxReport& report;
};

// Calc goes through the report's own engine slot.
TEST(ReportCalcTest, GoesThroughTheReportsEngine) {
    EXPECT_EQ(RunReport("r := rep.Calc('1 + 1')"), "error: Report engine is not available");
    model::TfrxReport report;
    report.SetEngine(std::make_unique<EchoEngine>(report));
    script::TfsScript program(&Library());
    program.AddObject("Attached", "TfrxReport", WrapComponent(&report).toObject());
    EXPECT_EQ(rq::test::RunForAnswer(
                  program, {"var r: String;", "begin", "r := Attached.Calc('a + b')", "end."}),
              "0:a + b");
}

} // namespace
} // namespace rq::report::scripting
