// The component tree: ownership, lookup, names, ParentFont and paper geometry.
#include "report/model/band.h"
#include "report/model/line_view.h"
#include "report/model/memo_view.h"
#include "report/model/page.h"
#include "report/model/picture_view.h"
#include "report/model/report.h"

#include "base/exceptions.h"

#include <gtest/gtest.h>

namespace rq::report::model {
namespace {

struct Fixture {
    TfrxReport report;
    TfrxReportPage* page = report.CreateChild<TfrxReportPage>();
    TfrxMemoView* memo(const std::string& name) {
        auto* m = page->CreateChild<TfrxMemoView>();
        m->SetName(name);
        return m;
    }
};

TEST(ComponentTree, ObjectByNameIgnoresCaseAndWalksDepthFirst) {
    Fixture f;
    f.page->SetName("Page1");
    auto* band = f.page->CreateChild<TfrxNullBand>();
    auto* inner = band->CreateChild<TfrxMemoView>();
    inner->SetName("Inner");
    f.memo("BarCode1");
    EXPECT_EQ(f.report.ObjectByName("barcode1"), f.page->Objects(1));
    EXPECT_EQ(f.report.ObjectByName("INNER"), inner);
    EXPECT_EQ(f.report.ObjectByName("missing"), nullptr);
    const std::vector<TfrxComponent*> expected{f.page, band, inner, f.page->Objects(1)};
    EXPECT_EQ(f.report.AllObjects(), expected);
    EXPECT_EQ(inner->Page(), f.page);
    EXPECT_EQ(inner->Report(), &f.report);
}

TEST(ComponentTree, DuplicateNameRaisesPrDuplAndKeepsTheOldName) {
    Fixture f;
    f.memo("Memo1");
    TfrxMemoView* second = f.memo("Memo2");
    try {
        second->SetName("MEMO1");
        FAIL() << "no exception";
    } catch (const base::Exception& e) {
        EXPECT_STREQ(e.what(), "prDupl");
    }
    EXPECT_EQ(second->Name(), "Memo2");
    second->SetName("Memo2"); // its own name again is no duplicate
}

TEST(ComponentTree, MakeUniqueNameTakesTheLowestFreeNumber) {
    Fixture f;
    f.memo("Memo1");
    f.memo("Memo3");
    TfrxMemoView* fresh = f.memo("");
    fresh->MakeUniqueName();
    EXPECT_EQ(fresh->Name(), "Memo2");
    auto* line = f.page->CreateChild<TfrxLineView>();
    line->MakeUniqueName();
    EXPECT_EQ(line->Name(), "Line1");
    auto* page = f.report.CreateChild<TfrxReportPage>();
    f.page->SetName("Page1");
    page->MakeUniqueName();
    EXPECT_EQ(page->Name(), "Page2");
}

TEST(ComponentTree, ParentFontFollowsTheParentUntilTheFontIsSet) {
    Fixture f;
    TFont font = f.page->Font();
    font.SetName("Tahoma");
    f.page->SetFont(font);
    TfrxMemoView* m = f.memo("Memo1");
    EXPECT_TRUE(m->ParentFont());
    EXPECT_EQ(m->Font().Name(), "Tahoma");
    f.page->Font().SetHeight(-20);
    EXPECT_EQ(m->Font().Height(), -20);
    EXPECT_TRUE(m->ParentFont());
    TFont own = m->Font();
    own.SetName("Courier New");
    m->SetFont(own);
    EXPECT_FALSE(m->ParentFont());
    f.page->Font().SetName("Arial");
    EXPECT_EQ(m->Font().Name(), "Courier New");
    m->SetParentFont(true);
    EXPECT_EQ(m->Font().Name(), "Arial");
}

TEST(ComponentTree, ClearDestroysChildrenAndClearsLinksToThem) {
    Fixture f;
    TfrxMemoView* a = f.memo("A");
    TfrxMemoView* b = f.memo("B");
    a->SetFlowTo(b);
    EXPECT_EQ(a->FlowTo(), b);
    TfrxComponent::Free(b);
    EXPECT_EQ(a->FlowTo(), nullptr);
    EXPECT_EQ(f.page->Count(), 1);
    f.page->Clear();
    EXPECT_EQ(f.page->Count(), 0);
}

TEST(ComponentTree, SetParentMovesTheObjectAndReappliesParentFont) {
    Fixture f;
    auto* other = f.report.CreateChild<TfrxReportPage>();
    other->Font().SetName("Verdana");
    TfrxMemoView* m = f.memo("M");
    m->SetParent(other);
    EXPECT_EQ(f.page->Count(), 0);
    EXPECT_EQ(other->Objects(0), m);
    EXPECT_EQ(m->Font().Name(), "Verdana");
}

TEST(ComponentTree, DeepTreesAreDestroyedWithoutRecursion) {
    auto report = std::make_unique<TfrxReport>();
    TfrxComponent* node = report->CreateChild<TfrxReportPage>();
    for (int i = 0; i < 200000; ++i)
        node = node->CreateChild<TfrxNullBand>();
    int depth = 0;
    for (const TfrxComponent* up = node; up != report.get(); up = up->Parent())
        ++depth;
    EXPECT_EQ(depth, 200001);
    report.reset();
}

TEST(ComponentTree, RotationIsKeptModulo360) {
    TfrxMemoView m;
    m.SetRotation(450);
    EXPECT_EQ(m.Rotation(), 90);
}

TEST(ComponentTree, NamePrefixesAndDescriptions) {
    EXPECT_EQ(TfrxMemoView().NamePrefix(), "Memo");
    EXPECT_EQ(TfrxLineView().NamePrefix(), "Line");
    EXPECT_EQ(TfrxPictureView().NamePrefix(), "Picture");
    EXPECT_EQ(TfrxReportPage().NamePrefix(), "Page");
    EXPECT_EQ(TfrxMemoView().Description(), "obText");
    EXPECT_EQ(TfrxReport().Description(), "obReport");
}

TEST(PageGeometry, PaperSizeWidthHeightAndPixels) {
    TfrxReportPage page;
    page.SetPaperWidth(210);
    EXPECT_EQ(page.PaperSize(), 256);
    page.SetPaperHeight(297);
    page.SetPaperSize(9);
    EXPECT_EQ(page.PaperSize(), 9);
    EXPECT_EQ(page.PaperWidth(), 210);
    EXPECT_EQ(page.PaperHeight(), 297);
    EXPECT_EQ(page.Width(), 794);
    EXPECT_EQ(page.Height(), 1123);
}

TEST(PageGeometry, LandscapeRotatesMarginsAndBack) {
    TfrxReportPage page;
    page.SetLeftMargin(22);
    page.SetRightMargin(20);
    page.SetTopMargin(10);
    page.SetBottomMargin(25);
    page.SetOrientation(poLandscape);
    EXPECT_EQ(page.PaperWidth(), 297);
    EXPECT_EQ(page.PaperHeight(), 210);
    EXPECT_EQ(page.LeftMargin(), 10);
    EXPECT_EQ(page.RightMargin(), 25);
    EXPECT_EQ(page.TopMargin(), 20);
    EXPECT_EQ(page.BottomMargin(), 22);
    EXPECT_EQ(page.Width(), 1123);
    page.SetPaperSize(9); // the table's portrait row, swapped for landscape
    EXPECT_EQ(page.PaperWidth(), 297);
    page.SetOrientation(poPortrait);
    EXPECT_EQ(page.LeftMargin(), 22);
    EXPECT_EQ(page.RightMargin(), 20);
    EXPECT_EQ(page.TopMargin(), 10);
    EXPECT_EQ(page.BottomMargin(), 25);
}

TEST(PageGeometry, PrintableAreaAndColumns) {
    TfrxReportPage page;
    page.SetLeftMargin(22);
    page.SetRightMargin(20);
    page.SetTopMargin(10);
    page.SetBottomMargin(25);
    EXPECT_NEAR(page.PrintableWidth(), 634.96104, 1e-9);
    EXPECT_NEAR(page.PrintableHeight(), 990.23686, 1e-9);
    page.SetColumns(2);
    EXPECT_EQ(page.ColumnWidth(), 84);
    ASSERT_EQ(page.ColumnPositions().Count(), 2);
    EXPECT_EQ(page.ColumnPositions()[1], "84");
}

struct AlignCase {
    const char* name;
    TfrxAlign align;
    double left, top, width; // expected bounds of the aligned view
};

class AlignTest : public testing::TestWithParam<AlignCase> {};

// A 100 x 50 parent holding a fixed view at 0..20 and the aligned view at
// 40 (width 10) beside a fixed view at 70..90, all on the same rows.
TEST_P(AlignTest, PlacesTheViewBetweenItsNeighbours) {
    TfrxNullBand band;
    band.SetBounds(0, 0, 100, 50);
    auto add = [&](double l, double w) {
        auto* m = band.CreateChild<TfrxMemoView>();
        m->SetBounds(l, 0, w, 10);
        return m;
    };
    add(0, 20);
    TfrxMemoView* aligned = add(40, 10);
    add(70, 20);
    aligned->SetAlign(GetParam().align);
    band.AlignChildren();
    EXPECT_DOUBLE_EQ(aligned->Left(), GetParam().left);
    EXPECT_DOUBLE_EQ(aligned->Top(), GetParam().top);
    EXPECT_DOUBLE_EQ(aligned->Width(), GetParam().width);
}

INSTANTIATE_TEST_SUITE_P(Modes, AlignTest,
                         testing::Values(AlignCase{"None", baNone, 40, 0, 10},
                                         AlignCase{"Left", baLeft, 20, 0, 10},
                                         AlignCase{"Right", baRight, 60, 0, 10},
                                         AlignCase{"Center", baCenter, 45, 0, 10},
                                         AlignCase{"Width", baWidth, 20, 0, 50},
                                         AlignCase{"Bottom", baBottom, 40, 40, 10}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReportDefaults, ClearRestoresScriptAndSystemVariables) {
    TfrxReport report;
    report.SetScriptLanguage("X");
    report.ScriptText().SetText("x");
    report.PrintOptions().Copies = 3;
    report.CreateChild<TfrxReportPage>();
    report.Clear();
    EXPECT_EQ(report.PagesCount(), 0);
    EXPECT_EQ(report.ScriptLanguage(), "PascalScript");
    EXPECT_EQ(report.ScriptText().Text(), "begin\r\n\r\nend.\r\n");
    EXPECT_EQ(report.PrintOptions().Copies, 1);
    EXPECT_EQ(report.SystemVariableNames().Count(), 8);
    EXPECT_EQ(report.SystemVariableNames()[7], "Line#");
    EXPECT_EQ(report.IniFile(), "\\Software\\Pagecraft");
}

} // namespace
} // namespace rq::report::model
