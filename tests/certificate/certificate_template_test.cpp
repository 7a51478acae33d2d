// The certificate template: every object, font, alignment, frame and text
// against the certificate's tables; the embedded resource against its
// committed files; and the serializer round trip.
#include "certificate/certificate_template.h"

#include "report/model/barcode_view.h"
#include "report/model/line_view.h"
#include "report/model/memo_view.h"
#include "report/model/page.h"
#include "report/model/picture_view.h"
#include "report/model/report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace rq::certificate {
namespace {

using namespace report::model;

constexpr double kFiveDecimals = 0.000005;

std::string resource(const std::string& name) {
    std::ifstream in(std::string(RQ_TEST_DATA_DIR) + "/../../src/certificate/resources/" + name,
                     std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string saved(const TfrxComponent& object) {
    std::ostringstream out;
    object.SaveToStream(out);
    return out.str();
}

struct Template {
    TfrxReport report;
    Template() { LoadCertificateTemplate(report); }
    TfrxReportPage& page() const { return *report.Pages(0); }
    template <class T> T& object(const std::string& name) const {
        auto* found = dynamic_cast<T*>(report.ObjectByName(name));
        if (!found)
            throw std::runtime_error("no " + name);
        return *found;
    }
};

struct ObjectRow {
    const char* name;
    const char* className;
    double left, top, width, height;
    bool visible;
};

// Stream order, which is also the output order.
const ObjectRow kObjects[] = {
    {"Memo1", "TfrxMemoView", 166.29932, 94.48825, 302.3624, 34.01577, true},
    {"Memo2", "TfrxMemoView", 483.77984, 83.14966, 86.92919, 18.89765, true},
    {"Memo46", "TfrxMemoView", 506.45702, -3.77953, 90.70872, 71.81107, false},
    {"Line16", "TfrxLineView", 0, 132.28355, 634.96104, 0, true},
    {"Line17", "TfrxLineView", 158.74015748, 75.5906, 0, 56.69295, true},
    {"Memo30", "TfrxMemoView", 3.77953, 86.92919, 147.40167, 15.11812, true},
    {"Memo64", "TfrxMemoView", 3.77953, 102.04731, 147.40167, 22.67718, true},
    {"Line1", "TfrxLineView", 0, 170.07885, 634.96104, 0, true},
    {"Memo66", "TfrxMemoView", 7.55906, 136.06308, 616.06339, 30.23624, true},
    {"Picture1", "TfrxPictureView", 0, 0, 60, 62, true},
    {"Picture2", "TfrxPictureView", 71.81107, 0, 90, 62, true},
    {"Line40", "TfrxLineView", 0, 967.55968, 634.96065433, 0, true},
    {"BarCode1", "TfrxBarCodeView", 487.55937, 109.60637, 128, 34.01577, false},
    {"Memo65", "TfrxMemoView", 245.66945, 971.33921, 90.70872, 15.11812, true},
    {"Memo174", "TfrxMemoView", 0, 971.33921, 79.37013, 15.11812, true},
    {"Memo175", "TfrxMemoView", 79.37013, 971.33921, 64.25201, 15.11812, true},
    {"Memo176", "TfrxMemoView", 555.59091, 971.33921, 79.37013, 15.11812, true},
    {"Memo177", "TfrxMemoView", 143.62214, 971.33921, 98.26778, 15.11812, true},
    {"Line5", "TfrxLineView", 476.220472440945, 75.5906, 0, 56.69295, true},
    {"Memo7", "TfrxMemoView", 7.55906, 461.10266, 151.1812, 22.67718, true},
    {"Memo8", "TfrxMemoView", 158.74026, 461.10266, 170.07885, 22.67718, true},
    {"Memo14", "TfrxMemoView", 347.71676, 563.14997, 272.12616, 15.11812, true},
    {"Line3", "TfrxLineView", 347.71676, 559.37044, 272.12616, 0, true},
    {"Memo15", "TfrxMemoView", 347.71676, 631.18151, 272.12616, 18.89765, true},
    {"Memo3", "TfrxMemoView", 7.55906, 219.21274, 619.84292, 211.65368, true},
};

constexpr std::int32_t kBold = bit(fsBold);
constexpr TColor kLightGrey = 13421772; // 0xCCCCCC

struct MemoRow {
    const char* name;
    const char* fontName;
    int fontHeight; // pixels, negative: character height
    std::int32_t fontStyle;
    TColor fontColor;
    TfrxHAlign hAlign;
    TfrxVAlign vAlign;
    TfrxFrameStyle frameStyle;
    std::vector<std::string> lines; // Windows-1250
};

const std::string kNyomtatvanySzama = "Nyomtatv\xE1ny sz\xE1ma:";

const MemoRow kMemos[] = {
    {"Memo1",
     "Tahoma",
     -15,
     kBold,
     clBlack,
     haCenter,
     vaTop,
     fsSolid,
     {"MUNK\xC1LTAT\xD3I IGAZOL\xC1S", ""}},
    {"Memo2", "Tahoma", -13, kBold, clBlack, haLeft, vaTop, fsSolid, {"Iktat\xF3sz\xE1m:"}},
    {"Memo46",
     "Tahoma",
     -13,
     0,
     clBlack,
     haCenter,
     vaCenter,
     fsSolid,
     {"illet\xE9kb\xE9lyeg", "helye"}},
    {"Memo30", "Tahoma", -11, 0, clBlack, haCenter, vaTop, fsSolid, {kNyomtatvanySzama}},
    {"Memo64", "Franklin Gothic Medium", -19, kBold, clBlack, haCenter, vaTop, fsSolid, {"RQ0612"}},
    {"Memo66",
     "Tahoma",
     -11,
     kBold,
     clBlack,
     haCenter,
     vaCenter,
     fsSolid,
     {"Ez\xFCstliget V\xE1ros \xD6nkorm\xE1nyzata nyomtatv\xE1nya"}},
    {"Memo65", "Tahoma", -8, 0, clBlack, haLeft, vaBottom, fsSolid, {"[datum]"}},
    {"Memo174", "Tahoma", -8, 0, clBlack, haLeft, vaBottom, fsSolid, {kNyomtatvanySzama}},
    {"Memo175",
     "Franklin Gothic Medium",
     -12,
     kBold,
     clBlack,
     haLeft,
     vaCenter,
     fsSolid,
     {"RQ0612"}},
    {"Memo176", "Tahoma", -8, 0, clBlack, haLeft, vaBottom, fsSolid, {"Oldal: 1/1"}},
    {"Memo177", "Tahoma", -8, 0, clBlack, haLeft, vaBottom, fsSolid, {"([azon])"}},
    {"Memo7", "Tahoma", -15, 0, clBlack, haBlock, vaTop, fsSolid, {"Kelt: Ez\xFCstliget,"}},
    {"Memo8", "Tahoma", -15, 0, clBlack, haBlock, vaTop, fsSolid, {"[datum]"}},
    {"Memo14", "Tahoma", -15, 0, clBlack, haCenter, vaCenter, fsDot, {"al\xE1\xEDr\xE1s"}},
    {"Memo15", "Tahoma", -15, kBold, kLightGrey, haCenter, vaCenter, fsDot, {"ph."}},
    {"Memo3",
     "Tahoma",
     -15,
     0,
     clBlack,
     haBlock,
     vaTop,
     fsSolid,
     {"<u><b>[m1]</b></u>", "<u><b>[m2]</b></u>", "",
      "Alul\xEDrott munk\xE1ltat\xF3 igazolom, hogy <b>[m3]</b> [m13], <b>[m9]</b> sz\xE1m "
      "alatti lakos <b>[m5]</b> \xF3ta \xE1ll alkalmaz\xE1sunkban <b>[m4]</b> beoszt\xE1sban.",
      "",
      "Nevezett  utols\xF3 havi nett\xF3 j\xF6vedelme (csal\xE1"
      "di p\xF3tl\xE9k "
      "n\xE9lk\xFCl):  <b>[m7]</b> Ft.",
      "A csal\xE1"
      "di p\xF3tl\xE9k \xF6sszege: <b>[m8]</b> Ft."}},
};

struct LineRow {
    const char* name;
    std::int32_t edge; // Frame.Typ
    TfrxFrameStyle style;
};

const LineRow kLines[] = {
    {"Line16", bit(ftTop), fsSolid}, {"Line17", bit(ftLeft), fsSolid},
    {"Line1", bit(ftTop), fsSolid},  {"Line40", bit(ftTop), fsSolid},
    {"Line5", bit(ftLeft), fsSolid}, {"Line3", bit(ftTop), fsDot},
};

TEST(CertificateTemplate, PageHoldsTheTwentyFiveObjectsInStreamOrder) {
    Template t;
    ASSERT_EQ(t.report.PagesCount(), 1);
    TfrxReportPage& page = t.page();
    EXPECT_EQ(page.Name(), "Page1");
    ASSERT_EQ(page.Count(), static_cast<int>(std::size(kObjects)));
    for (int i = 0; i < page.Count(); ++i) {
        const ObjectRow& row = kObjects[i];
        const TfrxComponent& o = *page.Objects(i);
        SCOPED_TRACE(row.name);
        EXPECT_EQ(o.Name(), row.name);
        EXPECT_EQ(o.ClassName(), row.className);
        EXPECT_NEAR(o.Left(), row.left, kFiveDecimals);
        EXPECT_NEAR(o.Top(), row.top, kFiveDecimals);
        EXPECT_NEAR(o.Width(), row.width, kFiveDecimals);
        EXPECT_NEAR(o.Height(), row.height, kFiveDecimals);
        EXPECT_EQ(o.Visible(), row.visible);
        EXPECT_EQ(o.GroupIndex(), 0);
        EXPECT_EQ(o.Count(), 0);
    }
    // Every object sits directly on the page: the tree is the page and its 25.
    EXPECT_EQ(t.report.AllObjects().size(), std::size(kObjects) + 1);
}

TEST(CertificateTemplate, TextObjectsCarryTheirFontsAlignmentsAndLines) {
    Template t;
    int memos = 0;
    for (int i = 0; i < t.page().Count(); ++i)
        memos += dynamic_cast<TfrxMemoView*>(t.page().Objects(i)) != nullptr;
    EXPECT_EQ(memos, static_cast<int>(std::size(kMemos)));
    for (const MemoRow& row : kMemos) {
        SCOPED_TRACE(row.name);
        const auto& memo = t.object<TfrxMemoView>(row.name);
        EXPECT_FALSE(memo.ParentFont());
        EXPECT_EQ(memo.Font().Name(), row.fontName);
        EXPECT_EQ(memo.Font().Height(), row.fontHeight);
        EXPECT_EQ(memo.Font().Size(), std::lround(-row.fontHeight * 72 / 96.0)); // 15 px: 11 pt
        EXPECT_EQ(memo.Font().Style(), row.fontStyle);
        EXPECT_EQ(memo.Font().Color(), row.fontColor);
        EXPECT_EQ(memo.Font().Charset(), DEFAULT_CHARSET);
        EXPECT_EQ(memo.HAlign(), row.hAlign);
        EXPECT_EQ(memo.VAlign(), row.vAlign);
        EXPECT_EQ(memo.Frame().Style(), row.frameStyle);
        EXPECT_EQ(memo.Frame().Typ(), 0);
        EXPECT_EQ(memo.Memo().Lines(), row.lines);
        const bool body = std::string(row.name) == "Memo3";
        EXPECT_EQ(memo.AllowHTMLTags(), body);
        EXPECT_EQ(memo.LineSpacing(), body ? 6 : 2);
        EXPECT_EQ(memo.Color(), clNone);
        EXPECT_EQ(memo.GapX(), 2);
        EXPECT_EQ(memo.GapY(), 1);
        EXPECT_TRUE(memo.WordWrap());
        EXPECT_TRUE(memo.AllowExpressions());
        EXPECT_EQ(memo.ExpressionDelimiters(), "[,]");
        EXPECT_EQ(memo.DisplayFormat().Kind(), fkText);
        EXPECT_EQ(memo.Rotation(), 0);
        EXPECT_EQ(memo.StretchMode(), smDontStretch);
        EXPECT_FALSE(memo.Highlight().Active());
    }
}

TEST(CertificateTemplate, LinesDrawTheirNamedEdgeInBlackOnePixelWide) {
    Template t;
    for (const LineRow& row : kLines) {
        SCOPED_TRACE(row.name);
        const auto& line = t.object<TfrxLineView>(row.name);
        EXPECT_FALSE(line.Diagonal());
        EXPECT_EQ(line.Frame().Typ(), row.edge);
        EXPECT_EQ(line.Frame().Style(), row.style);
        EXPECT_EQ(line.Frame().Color(), clBlack);
        EXPECT_EQ(line.Frame().Width(), 1);
    }
}

TEST(CertificateTemplate, PaperMarginsAndPrintableWidthMatchTheFullWidthRules) {
    Template t;
    const TfrxReportPage& page = t.page();
    EXPECT_EQ(page.PaperSize(), 9);
    EXPECT_EQ(page.PaperWidth(), 210);
    EXPECT_EQ(page.PaperHeight(), 297);
    EXPECT_EQ(page.Orientation(), poPortrait);
    EXPECT_EQ(page.LeftMargin(), 22);
    EXPECT_EQ(page.RightMargin(), 20);
    EXPECT_EQ(page.TopMargin(), 10);
    EXPECT_EQ(page.BottomMargin(), 25);
    EXPECT_EQ(page.Width(), 794);
    EXPECT_EQ(page.Height(), 1123);
    EXPECT_NEAR(page.PrintableWidth(), 634.96104, kFiveDecimals);
    EXPECT_NEAR(page.PrintableHeight(), 990.23686, kFiveDecimals);
    EXPECT_NEAR(t.object<TfrxLineView>("Line16").Width(), page.PrintableWidth(), kFiveDecimals);
    EXPECT_NEAR(t.object<TfrxLineView>("Line1").Width(), page.PrintableWidth(), kFiveDecimals);
    EXPECT_NEAR(t.object<TfrxLineView>("Line40").Width(), page.PrintableWidth(), 0.0004);
}

TEST(CertificateTemplate, ReportSettingsDifferFromTheDefaultsAsDesigned) {
    Template t;
    const TfrxReport& r = t.report;
    EXPECT_FALSE(r.DotMatrixReport());
    EXPECT_EQ(r.EngineOptions().MaxMemSize, 10000000);
    EXPECT_EQ(r.IniFile(), "\\Software\\Pagecraft");
    EXPECT_EQ(r.PreviewOptions().Buttons, bit(pbPrint) | bit(pbZoom));
    EXPECT_EQ(r.PreviewOptions().Zoom, 1.0);
    EXPECT_EQ(r.PrintOptions().Printer, "Default");
    EXPECT_EQ(r.ReportOptions().CreateDate, 38821.742808206);
    EXPECT_EQ(r.ReportOptions().LastChange, 38841.7675415394);
    EXPECT_EQ(r.ScriptLanguage(), "PascalScript");
    EXPECT_EQ(r.ScriptText().Lines(), (std::vector<std::string>{"begin", "", "end."}));
    EXPECT_TRUE(r.EngineOptions().ConvertNulls);
    EXPECT_FALSE(r.EngineOptions().DoublePass);
    EXPECT_TRUE(r.EngineOptions().PrintIfEmpty);
    EXPECT_FALSE(r.EngineOptions().SilentMode);
    EXPECT_TRUE(r.PreviewOptions().Modal);
    EXPECT_TRUE(r.PreviewOptions().Maximized);
    EXPECT_EQ(r.PrintOptions().Copies, 1);
    EXPECT_TRUE(r.PrintOptions().ShowDialog);
    EXPECT_TRUE(r.Errors().Empty());
}

TEST(CertificateTemplate, BarcodeIsFoundByNameAndOnlyItsTextChanges) {
    Template t;
    auto* barcode = dynamic_cast<TfrxBarCodeView*>(t.report.ObjectByName("barcode1"));
    ASSERT_NE(barcode, nullptr);
    EXPECT_EQ(barcode->Name(), "BarCode1");
    EXPECT_EQ(barcode->BarType(), bcCode39);
    EXPECT_EQ(barcode->Rotation(), 0);
    EXPECT_FALSE(barcode->ShowText());
    EXPECT_EQ(barcode->Text(), "12345678");
    EXPECT_EQ(barcode->Zoom(), 1.0);
    EXPECT_FALSE(barcode->CalcCheckSum());
    EXPECT_EQ(barcode->Expression(), "");
    const std::string before = saved(t.report);
    barcode->SetText("KOVACS-1234");
    std::string after = saved(t.report);
    const std::string oldText = "Text=\"12345678\"", newText = "Text=\"KOVACS-1234\"";
    const auto at = after.find(newText);
    ASSERT_NE(at, std::string::npos);
    after.replace(at, newText.size(), oldText);
    EXPECT_EQ(after, before);
}

TEST(CertificateTemplate, PicturesAreTheCommittedJpegsSizedByAutoSize) {
    Template t;
    const struct {
        const char* name;
        const char* file;
        int width, height;
    } rows[] = {{"Picture1", "coat_of_arms.jpg", 60, 62}, {"Picture2", "quality_mark.jpg", 90, 62}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto& view = t.object<TfrxPictureView>(row.name);
        EXPECT_TRUE(view.AutoSize());
        EXPECT_TRUE(view.KeepAspectRatio());
        EXPECT_TRUE(view.Stretched());
        EXPECT_FALSE(view.Center());
        EXPECT_EQ(view.Color(), clWhite);
        EXPECT_EQ(view.Frame().Typ(), 0);
        EXPECT_EQ(view.Picture().GraphicClassName(), "TJPEGImage");
        EXPECT_EQ(view.Picture().Data(), resource(row.file));
        EXPECT_EQ(view.Picture().Width(), row.width);
        EXPECT_EQ(view.Picture().Height(), row.height);
        // Baseline: a start-of-frame 0 marker, no progressive one.
        EXPECT_NE(view.Picture().Data().find("\xFF\xC0"), std::string::npos);
        EXPECT_EQ(view.Picture().Data().find("\xFF\xC2"), std::string::npos);
    }
}

TEST(CertificateTemplate, EmbeddedResourceIsTheCommittedFileInTheSerializersOwnForm) {
    EXPECT_EQ(certificateTemplateXml(), resource("certificate.xml"));
    Template t;
    // Writing the loaded template gives back the resource byte for byte,
    // and a second round gives the same again.
    const std::string first = saved(t.report);
    EXPECT_EQ(first, certificateTemplateXml());
    TfrxReport copy;
    std::istringstream in(first);
    copy.TfrxComponent::LoadFromStream(in);
    EXPECT_TRUE(copy.Errors().Empty());
    EXPECT_EQ(saved(copy), first);
}

} // namespace
} // namespace rq::certificate
