// The serializer: attribute forms, reading rules, errors, differences and
// the save -> load -> save round trip of a report using every class.
#include "report/model/band.h"
#include "report/model/line_view.h"
#include "report/model/memo_view.h"
#include "report/model/page.h"
#include "report/model/picture_view.h"
#include "report/model/report.h"
#include "report/model/serializer.h"

#include "base/exceptions.h"
#include "base/format_settings.h"

#include <gtest/gtest.h>

#include <sstream>

namespace rq::report::model {
namespace {

const std::string kHeader = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n";

std::string saved(const TfrxComponent& c) {
    std::ostringstream out;
    c.SaveToStream(out);
    return out.str();
}

void loadText(TfrxComponent& c, const std::string& text) {
    std::istringstream in(text);
    c.LoadFromStream(in);
}

// A 16 x 8 baseline JPEG header (SOI, SOF0) followed by filler bytes.
std::string tinyJpeg() {
    return std::string("\xFF\xD8\xFF\xC0\x00\x11\x08\x00\x08\x00\x10\x03", 12) + "rest-of-image";
}

// A report that sets every published property of every class away from
// its default, so that the round trip exercises each table row.
std::unique_ptr<TfrxReport> fullReport() {
    auto r = std::make_unique<TfrxReport>();
    r->SetDotMatrixReport(true);
    r->SetDataSetName("Data\xE1");
    r->EngineOptions().DoublePass = true;
    r->EngineOptions().TempDir = "/tmp";
    r->PreviewOptions().Buttons = bit(pbPrint) | bit(pbZoom);
    r->PreviewOptions().Zoom = 1.5;
    r->PreviewOptions().ZoomMode = zmPageWidth;
    r->PrintOptions().Printer = "PDF";
    r->PrintOptions().PrintPages = ppOdd;
    r->ReportOptions().CreateDate = 38821.742808206;
    r->ReportOptions().LastChange = 38841.7675415394;
    r->ReportOptions().Author = "\xC1gnes <a>";
    r->ReportOptions().Description.SetText("one\r\ntwo\r\n");
    r->SetScriptLanguage("PascalScript");
    r->SetOnStartReport("Start");
    r->Variables().Set("v\xE9", base::Variant("\xE1rt\xE9k"));
    r->Variables().Set("n", base::Variant(5));
    TfrxStyleItem& style = r->Styles().Add();
    style.Name = "Title";
    style.Color = 0x123456;
    style.Font.SetName("Tahoma");
    r->DataSets().Add().DataSetName = "Orders";

    auto* page = r->CreateChild<TfrxReportPage>();
    page->SetName("Page1");
    page->SetOrientation(poLandscape);
    page->SetPaperSize(8);
    page->SetLeftMargin(22);
    page->SetRightMargin(20);
    page->SetTopMargin(10);
    page->SetBottomMargin(25);
    page->SetMirrorMargins(true);
    page->SetColumns(2);
    page->HGuides().Add("12.5");
    page->SetBin(3);
    page->SetColor(0xABCDEF);
    page->Background().Frame().SetTyp(15);
    page->Background().Picture().SetGraphic("TJPEGImage", tinyJpeg());
    page->SetDuplex(dmVertical);
    page->SetOutlineText("Outline");
    page->SetPrintIfEmpty(false);
    page->SetOnManualBuild("Build");
    page->Font().SetName("Verdana");

    auto* band = page->CreateChild<TfrxNullBand>();
    band->SetName("Band1");
    band->SetBounds(0, 10, 600, 100);
    band->SetGroupIndex(2);
    band->SetOnBeforePrint("BandBefore");

    auto* memo = band->CreateChild<TfrxMemoView>();
    memo->SetName("Memo1");
    memo->SetBounds(166.29932, 94.48825, 302.3624, 34.01577);
    memo->Memo().SetStreamText("MUNK\xC1LTAT\xD3I <b>\"IGAZOL\xC1S\"</b> & 'x'\r\n");
    memo->SetAllowExpressions(false);
    memo->SetExpressionDelimiters("<,>");
    memo->SetAllowHTMLTags(true);
    memo->SetAutoWidth(true);
    memo->SetCharSpacing(0.5);
    memo->DisplayFormat().SetKind(fkNumeric);
    memo->DisplayFormat().SetFormatStr("%2.2f");
    memo->DisplayFormat().SetDecimalSeparator(",");
    memo->SetGapX(3);
    memo->SetGapY(4);
    memo->SetHAlign(haBlock);
    memo->SetVAlign(vaCenter);
    memo->SetHideZeros(true);
    memo->Highlight().SetCondition("Value > 0");
    memo->Highlight().SetActive(true);
    memo->Highlight().Font().SetStyle(bit(fsBold));
    memo->SetLineSpacing(6);
    memo->SetParagraphGap(1.25);
    memo->SetRotation(450);
    memo->SetRTLReading(true);
    memo->SetUnderlines(true);
    memo->SetWordBreak(true);
    memo->SetWordWrap(false);
    memo->SetSuppressRepeated(true);
    memo->SetStretchMode(smMaxHeight);
    memo->SetAlign(baWidth);
    memo->SetBrushStyle(bsCross);
    memo->SetColor(0xCCCCCC);
    memo->SetCursor(-21);
    memo->SetDataField("F");
    memo->SetDataSetName("D");
    memo->Frame().SetColor(255);
    memo->Frame().SetDropShadow(true);
    memo->Frame().SetShadowColor(7);
    memo->Frame().SetShadowWidth(2.5);
    memo->Frame().SetStyle(fsDot);
    memo->Frame().SetTyp(bit(ftTop) | bit(ftLeft));
    memo->Frame().SetWidth(0.5);
    memo->SetPrintable(false);
    memo->SetShiftMode(smWhenOverlapped);
    memo->SetTagStr("[tag]");
    memo->SetURL("http://x/?a=1&b=2");
    memo->SetRestrictions(bit(rfDontMove));
    memo->SetTag(42);
    memo->SetVisible(false);
    TFont font;
    font.SetName("Tahoma");
    font.SetHeight(-15);
    font.SetStyle(bit(fsBold) | bit(fsUnderline));
    font.SetColor(13421772);
    font.SetCharset(EASTEUROPE_CHARSET);
    font.SetPitch(fpFixed);
    memo->SetFont(font);

    auto* second = band->CreateChild<TfrxMemoView>();
    second->SetName("Memo2");
    second->Memo().SetStreamText("[datum]");
    memo->SetFlowTo(second);

    auto* line = page->CreateChild<TfrxLineView>();
    line->SetName("Line1");
    line->SetBounds(158.74015748, 75.5906, 0, 56.69295);
    line->SetDiagonal(true);
    line->Frame().SetTyp(bit(ftLeft));

    auto* picture = page->CreateChild<TfrxPictureView>();
    picture->SetName("Picture1");
    picture->Picture().SetGraphic("TJPEGImage", tinyJpeg());
    picture->SetAutoSize(true);
    picture->SetCenter(true);
    picture->SetKeepAspectRatio(false);
    picture->SetStretched(false);
    return r;
}

TEST(SerializerRoundTrip, SaveLoadSaveGivesIdenticalBytes) {
    const std::unique_ptr<TfrxReport> report = fullReport();
    const std::string first = saved(*report);
    TfrxReport copy;
    loadText(copy, first);
    EXPECT_TRUE(copy.Errors().Empty()) << copy.Errors().Text();
    EXPECT_EQ(saved(copy), first);

    auto* memo = dynamic_cast<TfrxMemoView*>(copy.ObjectByName("memo1"));
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->FlowTo(), copy.ObjectByName("Memo2"));
    EXPECT_EQ(memo->Memo().Count(), 2);
    EXPECT_EQ(memo->Rotation(), 90);
    EXPECT_FALSE(memo->ParentFont());
    EXPECT_EQ(memo->Font().Name(), "Tahoma");
    auto* picture = dynamic_cast<TfrxPictureView*>(copy.ObjectByName("Picture1"));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Picture(),
              report->ObjectByName("Picture1")
                  ? dynamic_cast<TfrxPictureView*>(report->ObjectByName("Picture1"))->Picture()
                  : TPicture());
    EXPECT_EQ(picture->Width(), 16);
    EXPECT_EQ(picture->Height(), 8);
    EXPECT_EQ(copy.Variables().Get("V\xE9").toString(), "\xE1rt\xE9k");
    ASSERT_EQ(copy.Styles().Count(), 1);
    EXPECT_EQ(copy.Styles().Items(0).Font.Name(), "Tahoma");
    EXPECT_EQ(copy.Pages(0)->PaperWidth(), 420);
}

// A document cut after any of its tags but the last leaves the root or a page
// open: loading it must fail as a whole instead of giving part of the report.
TEST(SerializerRoundTrip, DocumentCutAtATagBoundaryIsInvalid) {
    const std::string text = saved(*fullReport());
    const std::size_t lastTag = text.rfind('<');
    for (std::size_t end = text.find('>'); end < lastTag; end = text.find('>', end + 1)) {
        TfrxReport copy;
        try {
            loadText(copy, text.substr(0, end + 1));
            ADD_FAILURE() << "loaded when cut after byte " << end + 1;
        } catch (const base::Exception& e) {
            EXPECT_STREQ(e.what(), "Invalid file format");
        }
    }
}

TEST(SerializerRoundTrip, CopyWithChildrenAndAssign) {
    const std::unique_ptr<TfrxReport> report = fullReport();
    TfrxReportPage* page = report->Pages(0);
    TfrxReportPage copy;
    copy.CopyWithChildren(*page);
    EXPECT_EQ(copy.AllObjects().size(), page->AllObjects().size());
    EXPECT_EQ(copy.Name(), ""); // reading never renames the object
    TfrxReportPage settings;
    settings.Assign(*page);
    EXPECT_EQ(settings.Count(), 0);
    EXPECT_EQ(settings.PaperSize(), 8);
    EXPECT_EQ(settings.Color(), 0xABCDEF);
}

TEST(Serializer, MemoTextEscapesSpecialCharactersButNotTheApostrophe) {
    TfrxMemoView memo;
    memo.Memo().SetStreamText("a<b>\"c\" 'd'");
    const std::string attributes = TfrxXMLSerializer().ObjAttributes(memo);
    EXPECT_NE(attributes.find(" Memo.Text=\"a&#60;b&#62;&#34;c&#34; 'd'\""), std::string::npos);
    TfrxMemoView back;
    TfrxXMLSerializer().ReadPersistentStr(back, attributes);
    EXPECT_EQ(back.Memo().StreamText(), "a<b>\"c\" 'd'");
}

TEST(Serializer, AttributeNamesIgnoreCaseAndShorthandsReachTheSameProperty) {
    TfrxMemoView memo;
    TfrxXMLSerializer s;
    s.ReadPersistentStr(memo, "L=\"12.5\" tOp=\"3,25\" w=\"7\" HALIGN=\"haCenter\" VAlign=\"2\" "
                              "font.name=\"Tahoma\" x=\"a&#13;&#10;b\"");
    EXPECT_EQ(memo.Left(), 12.5);
    EXPECT_EQ(memo.Top(), 3.25);
    EXPECT_EQ(memo.Width(), 7);
    EXPECT_EQ(memo.HAlign(), haCenter);
    EXPECT_EQ(memo.VAlign(), vaCenter);
    EXPECT_EQ(memo.Font().Name(), "Tahoma");
    EXPECT_EQ(memo.Memo().Count(), 2);
    EXPECT_TRUE(s.Errors().Empty());
}

TEST(Serializer, AFailingAttributeIsListedAndTheRestStillApplies) {
    TfrxMemoView memo;
    TfrxXMLSerializer s;
    s.ReadPersistentStr(memo, "Left=\"abc\" HAlign=\"haNowhere\" Rotation=\"9x\" Top=\"4\" "
                              "Nothing.Deep=\"1\" Frame.Typ=\"255\"");
    EXPECT_EQ(memo.Top(), 4);
    EXPECT_EQ(memo.Frame().Typ(), 15);
    EXPECT_EQ(s.Errors().Text(), "'9x' is not a valid integer value\r\n"
                                 "'abc' is not a valid floating point value\r\n"
                                 "Invalid property value\r\n");
}

TEST(Serializer, UnknownClassSkipsItsSubtreeWithOneErrorLine) {
    TfrxReport report;
    loadText(report, kHeader + "<TfrxReport Name=\"\"><TfrxReportPage Name=\"Page1\">"
                               "<TfrxMemoView Name=\"Memo1\"/>"
                               "<TfrxShapeView Name=\"S\"><TfrxMemoView Name=\"Hidden\"/>"
                               "</TfrxShapeView><TfrxLineView Name=\"Line1\"/>"
                               "</TfrxReportPage></TfrxReport>");
    EXPECT_EQ(report.Errors().Text(), "Couldn't find class TfrxShapeView\r\n");
    EXPECT_NE(report.ObjectByName("Memo1"), nullptr);
    EXPECT_NE(report.ObjectByName("Line1"), nullptr);
    EXPECT_EQ(report.ObjectByName("Hidden"), nullptr);
    EXPECT_EQ(report.Pages(0)->Count(), 2);
}

TEST(Serializer, ReloadKeepsTheNameAndTheOptionsThatStayInForce) {
    TfrxReport report;
    report.SetName("frxReport1");
    report.CreateChild<TfrxReportPage>()->SetName("Page1");
    report.EngineOptions().DoublePass = true;
    report.PreviewOptions().OutlineWidth = 200;
    const std::string text = saved(report);
    EXPECT_NE(text.find("<TfrxReport Name=\"\""), std::string::npos);
    report.EngineOptions().DoublePass = false;
    report.EngineOptions().SilentMode = true;
    report.PreviewOptions().Modal = false;
    report.SetIniFile("\\Other");
    std::istringstream in(text);
    report.Reload(in);
    EXPECT_EQ(report.Name(), "frxReport1");
    EXPECT_TRUE(report.EngineOptions().DoublePass);       // read
    EXPECT_TRUE(report.EngineOptions().SilentMode);       // stays
    EXPECT_EQ(report.PreviewOptions().OutlineWidth, 200); // read
    EXPECT_FALSE(report.PreviewOptions().Modal);          // stays
    EXPECT_EQ(report.IniFile(), "\\Other");               // stays
    EXPECT_EQ(report.PagesCount(), 1);
}

TEST(Serializer, ReportWritesItsThreeCollectionsAlsoWhenEmpty) {
    TfrxReport report;
    const std::string defined = report.DefinedData();
    for (const char* name : {"Datasets", "Variables", "Style"})
        EXPECT_NE(defined.find(name), std::string::npos) << name;
    const std::string text = saved(report);
    EXPECT_NE(text.find(" PropData=\""), std::string::npos) << text;
    TfrxReport back;
    loadText(back, text);
    EXPECT_EQ(back.Errors().Text(), "");
    EXPECT_EQ(back.DefinedData(), defined);
}

TEST(Serializer, LoadErrorsReachTheHostBoxUnlessSilent) {
    TfrxReport report;
    std::string shown;
    report.OnShowErrors = [&](const std::string& text) { shown = text; };
    const std::string bad = kHeader + "<TfrxReport><TfrxNothing/></TfrxReport>";
    loadText(report, bad);
    EXPECT_EQ(shown, "The following error(s) have occured:\r\nCouldn't find class TfrxNothing\r\n");
    shown.clear();
    report.EngineOptions().SilentMode = true;
    loadText(report, bad);
    EXPECT_EQ(shown, "");
}

TEST(Serializer, DuplicateNamesInADocumentAreListed) {
    TfrxReport report;
    loadText(report, kHeader + "<TfrxReport><TfrxReportPage Name=\"P\"><TfrxMemoView Name=\"M\"/>"
                               "<TfrxMemoView Name=\"m\"/></TfrxReportPage></TfrxReport>");
    EXPECT_EQ(report.Errors().Text(), "prDupl\r\n");
    EXPECT_EQ(report.Pages(0)->Objects(1)->Name(), "");
}

TEST(Serializer, FloatsFollowTheDecimalSeparatorAndReadEitherForm) {
    base::FormatSettings settings = base::defaultFormatSettings();
    settings.DecimalSeparator = ',';
    base::FormatSettingsScope scope(settings);
    TfrxMemoView memo;
    memo.SetLeft(10.5);
    EXPECT_NE(TfrxXMLSerializer().ObjAttributes(memo).find(" Left=\"10,5\""), std::string::npos);
    TfrxXMLSerializer().ReadPersistentStr(memo, "Left=\"1.25\" Top=\"2,5\"");
    EXPECT_EQ(memo.Left(), 1.25);
    EXPECT_EQ(memo.Top(), 2.5);
}

TEST(Serializer, ObjFromTextCreatesUnderTheParent) {
    TfrxReportPage page;
    TfrxXMLSerializer s;
    TfrxComponent* c = s.ObjFromText(page, "TfrxMemoView Name=\"m1\" l=\"5\" x=\"hi\"");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->Parent(), &page);
    EXPECT_EQ(c->Left(), 5);
    EXPECT_FALSE(c->IsLoading());
    EXPECT_EQ(s.ObjFromText(page, "TfrxUnknown a=\"1\""), nullptr);
    EXPECT_EQ(s.Errors().Text(), "Couldn't find class TfrxUnknown\r\n");
}

struct DiffCase {
    const char* name;
    double left;
    const char* expected;
};

class DiffTest : public testing::TestWithParam<DiffCase> {};

TEST_P(DiffTest, PositionsDifferBeyondTheTolerance) {
    TfrxLineView reference, copy;
    reference.SetLeft(10.0);
    copy.SetLeft(GetParam().left);
    EXPECT_EQ(DiffAttributes(copy, reference), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Tolerance, DiffTest,
                         testing::Values(DiffCase{"Within", 10.00005, ""},
                                         DiffCase{"Beyond", 10.0002, " l=\"10.0002\""},
                                         DiffCase{"Below", 9.9, " l=\"9.9\""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Diff, MemoRowsInOrderWithTheTextAlways) {
    TfrxReportPage page;
    auto* reference = page.CreateChild<TfrxMemoView>();
    auto* copy = page.CreateChild<TfrxMemoView>();
    EXPECT_EQ(DiffAttributes(*copy, *reference), " x=\"\"");
    copy->Memo().SetStreamText("a\r\nb");
    copy->SetVisible(false);
    copy->Font().SetName("Tahoma"); // ParentFont becomes False
    copy->Frame().SetTyp(bit(ftTop));
    copy->SetHAlign(haCenter);
    copy->SetWordWrap(false);
    copy->SetAlign(baLeft);
    copy->SetLeft(3);
    EXPECT_EQ(DiffAttributes(*copy, *reference),
              " Visible=\"0\" Font.Name=\"Tahoma\" ParentFont=\"0\" Align=\"1\" Frame.Typ=\"4\""
              " HAlign=\"2\" x=\"a&#13;&#10;b\" WordWrap=\"0\"");
    EXPECT_EQ(ShortDiffAttributes(*copy, *reference),
              " Visible=\"0\" Font.Name=\"Tahoma\" ParentFont=\"0\"");
}

TEST(Diff, BandsAlwaysWriteTheirTop) {
    TfrxNullBand a, b;
    EXPECT_EQ(DiffAttributes(a, b), " t=\"0\"");
}

} // namespace
} // namespace rq::report::model
