// The barcode view: its values at creation, its own published properties in
// order, the symbology stored by name, and its registration with the
// serializer.
#include "report/model/barcode_view.h"

#include "report/model/page.h"
#include "report/model/report.h"
#include "report/model/serializer.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace rq::report::model {
namespace {

std::string saved(const TfrxComponent& object) {
    std::ostringstream out;
    object.SaveToStream(out);
    return out.str();
}

void load(TfrxComponent& object, const std::string& text) {
    std::istringstream in(text);
    object.LoadFromStream(in);
}

TEST(BarCodeView, NewObjectHasTheDesignedValues) {
    TfrxBarCodeView b;
    EXPECT_EQ(b.BarType(), bcCode39);
    EXPECT_EQ(b.BrushStyle(), bsSolid);
    EXPECT_FALSE(b.CalcCheckSum());
    EXPECT_EQ(b.Color(), clNone);
    EXPECT_EQ(b.DataField(), "");
    EXPECT_EQ(b.DataSetName(), "");
    EXPECT_EQ(b.Expression(), "");
    EXPECT_EQ(b.Frame().Typ(), 0);
    EXPECT_EQ(b.HAlign(), haLeft);
    EXPECT_EQ(b.Rotation(), 0);
    EXPECT_TRUE(b.ShowText());
    EXPECT_EQ(b.Text(), "12345678");
    EXPECT_EQ(b.Zoom(), 1.0);
    EXPECT_TRUE(b.Visible());
    EXPECT_TRUE(b.FullSerialize());
    EXPECT_EQ(b.Description(), "obBarC");
    EXPECT_EQ(b.NamePrefix(), "BarCode");
}

TEST(BarCodeView, OwnPropertiesFollowTheViewsInDeclarationOrder) {
    const auto& all = TfrxBarCodeView::StaticClass().properties();
    const auto& view = TfrxView::StaticClass().properties();
    ASSERT_GT(all.size(), view.size());
    for (std::size_t i = 0; i < view.size(); ++i)
        EXPECT_EQ(all[i], view[i]);
    std::vector<std::string_view> own;
    for (std::size_t i = view.size(); i < all.size(); ++i)
        own.push_back(all[i]->name);
    const std::vector<std::string_view> expected{"BarType",  "CalcCheckSum", "Expression", "HAlign",
                                                 "Rotation", "ShowText",     "Text",       "Zoom"};
    EXPECT_EQ(own, expected);
}

TEST(BarCodeView, SymbologiesAreTheTwentyThreeNamesInOrdinalOrder) {
    const std::vector<std::string_view> expected{"bcCode_2_5_interleaved",
                                                 "bcCode_2_5_industrial",
                                                 "bcCode_2_5_matrix",
                                                 "bcCode39",
                                                 "bcCode39Extended",
                                                 "bcCode128A",
                                                 "bcCode128B",
                                                 "bcCode128C",
                                                 "bcCode93",
                                                 "bcCode93Extended",
                                                 "bcCodeMSI",
                                                 "bcCodePostNet",
                                                 "bcCodeCodabar",
                                                 "bcCodeEAN8",
                                                 "bcCodeEAN13",
                                                 "bcCodeUPC_A",
                                                 "bcCodeUPC_E0",
                                                 "bcCodeUPC_E1",
                                                 "bcCodeUPC_Supp2",
                                                 "bcCodeUPC_Supp5",
                                                 "bcCodeEAN128A",
                                                 "bcCodeEAN128B",
                                                 "bcCodeEAN128C"};
    const EnumType& type = *TfrxBarCodeView::StaticClass().find("BarType")->type;
    EXPECT_EQ(type.name, "TfrxBarcodeType");
    EXPECT_EQ(std::vector<std::string_view>(type.values.begin(), type.values.end()), expected);
    EXPECT_EQ(bcCodeEAN128C, 22);
}

TEST(BarCodeView, AttributesNameTheSymbologyAndOnlyChangedValues) {
    TfrxXMLSerializer s;
    TfrxBarCodeView b;
    // Zoom is a float and always written; Text is a non-empty string.
    EXPECT_EQ(s.ObjAttributes(b),
              " Left=\"0\" Top=\"0\" Width=\"0\" Height=\"0\" GroupIndex=\"0\" Text=\"12345678\""
              " Zoom=\"1\"");
    b.SetBarType(bcCodeEAN128B);
    b.SetCalcCheckSum(true);
    b.SetExpression("<a>");
    b.SetHAlign(haRight);
    b.SetRotation(90);
    b.SetShowText(false);
    b.SetText("A&B");
    b.SetZoom(2.5);
    EXPECT_EQ(s.ObjAttributes(b),
              " Left=\"0\" Top=\"0\" Width=\"0\" Height=\"0\" GroupIndex=\"0\""
              " BarType=\"bcCodeEAN128B\" CalcCheckSum=\"True\" Expression=\"&#60;a&#62;\""
              " HAlign=\"haRight\" Rotation=\"90\" ShowText=\"False\" Text=\"A&#38;B\""
              " Zoom=\"2.5\"");
}

TEST(BarCodeView, SymbologyReadsFromItsNameOrItsOrdinal) {
    RegisterBarCodeView();
    const struct {
        const char* attribute;
        TfrxBarcodeType expected;
    } cases[] = {{"bcCodeUPC_Supp5", bcCodeUPC_Supp5},
                 {"BCCODE128C", bcCode128C},
                 {"0", bcCode_2_5_interleaved},
                 {"22", bcCodeEAN128C}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.attribute);
        TfrxReport report;
        auto* page = report.CreateChild<TfrxReportPage>();
        TfrxXMLSerializer s(&report);
        auto* b = dynamic_cast<TfrxBarCodeView*>(
            s.ObjFromText(*page, std::string("TfrxBarCodeView BarType=\"") + c.attribute + "\""));
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->BarType(), c.expected);
        EXPECT_TRUE(s.Errors().Empty());
    }
}

TEST(BarCodeView, RegisteredClassLoadsFromADocumentAndSurvivesTheRoundTrip) {
    TfrxBarCodeObject registration;
    EXPECT_EQ(FindClass("tfrxbarcodeview"), &TfrxBarCodeView::StaticClass());
    TfrxReport report;
    auto* page = report.CreateChild<TfrxReportPage>();
    page->SetName("Page1");
    auto* b = page->CreateChild<TfrxBarCodeView>();
    b->SetName("BarCode1");
    b->SetBounds(10.5, 20.25, 128, 34.01577);
    b->SetVisible(false);
    b->SetBarType(bcCodeCodabar);
    b->SetText("A123B");
    b->SetRotation(180);
    b->SetZoom(1.5);
    b->SetShowText(false);
    b->Frame().SetTyp(bit(ftLeft) | bit(ftBottom));
    const std::string first = saved(report);
    TfrxReport copy;
    load(copy, first);
    EXPECT_TRUE(copy.Errors().Empty());
    auto* read = dynamic_cast<TfrxBarCodeView*>(copy.ObjectByName("barcode1"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->BarType(), bcCodeCodabar);
    EXPECT_EQ(read->Text(), "A123B");
    EXPECT_EQ(read->Rotation(), 180);
    EXPECT_FALSE(read->Visible());
    EXPECT_EQ(saved(copy), first);
    // Registering again keeps one class under the name.
    RegisterBarCodeView();
    EXPECT_EQ(FindClass("TfrxBarCodeView"), &TfrxBarCodeView::StaticClass());
}

} // namespace
} // namespace rq::report::model
