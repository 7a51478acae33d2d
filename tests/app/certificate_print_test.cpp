// The print command end to end on the real main window, engine and store:
// the certificate prepared from filled fields, the names the report asks,
// the prepared page as stored, the document identifier across runs, and a
// failed run reported through the error box with the template restored.
#include "form1_harness.h"

#include "../support/modal_dialog.h"
#include "base/date_time.h"
#include "certificate/document_id.h"
#include "report/engine/engine.h"
#include "report/model/barcode_view.h"
#include "report/model/memo_view.h"
#include "report/model/page.h"
#include "report/preview/preview_pages.h"
#include "widgets/window_system.h"

#include <sstream>

namespace rq::app::testing {
namespace {

using Names = std::vector<std::string>;
using report::model::TfrxBarCodeView;
using report::model::TfrxMemoView;

constexpr const char* kSignature = "31415926535";
// "Kov\xE1cs \xC9va" sums to 1191 = 0x4A7; the signature gives its last six.
constexpr const char* kIdentifier = "9265354A7";

// The visible objects of the template, in stream order.
const Names kVisibleObjects = {
    "Memo1",    "Memo2",    "Line16", "Line17", "Memo30",  "Memo64",  "Line1",   "Memo66",
    "Picture1", "Picture2", "Line40", "Memo65", "Memo174", "Memo175", "Memo176", "Memo177",
    "Line5",    "Memo7",    "Memo8",  "Memo14", "Line3",   "Memo15",  "Memo3",
};

class CertificatePrint : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        base::FormatSettings settings = base::formatSettings();
        settings.ShortDateFormat = "yyyy. MM. dd.";
        settings.DateSeparator = '.';
        dates_.emplace(settings);
        form().Printing.today = [] { return base::encodeDate(2026, 12, 10); };
        form().Printing.processorSignature = [] { return std::string(kSignature); };
        auto& report = form().frxReport1;
        report.OnGetValue = [this, answer = report.OnGetValue](const std::string& name,
                                                               base::Variant& value) {
            asked.push_back(name);
            answer(name, value);
        };
        report.OnShowErrors = [this](const std::string& text) { boxes.push_back(text); };
    }
    void TearDown() override {
        dates_.reset();
        MainWindowTest::TearDown();
    }

    void fill(const char* maidenName) {
        const std::pair<QLineEdit*, const char*> fields[] = {
            {form().Edit1, "Ez\xFCstliget K\xF6zs\xE9g"},
            {form().Edit2, "F\xF5 utca 1."},
            {form().Edit3, "Kov\xE1"
                           "cs \xC9va"},
            {form().Edit4, "k\xF6nyvel\xF5"},
            {form().Edit5, "2001"},
            {form().Edit6, maidenName},
            {form().Edit7, "Kossuth t\xE9r 2."},
            {form().PBNumEdit1, "1\xA0"
                                "234\xA0"
                                "567"},
            {form().PBNumEdit2, "12\xA0"
                                "500"},
        };
        for (const auto& [edit, text] : fields)
            edit->setText(widgets::fromAnsi(text));
    }

    report::engine::TfrxEngine& engine() const {
        return *report::engine::EngineOf(form().frxReport1);
    }
    report::preview::TfrxPreviewPages& store() const {
        return dynamic_cast<report::preview::TfrxPreviewPages&>(engine().PreviewPages());
    }
    // The object names behind the stored elements of the prepared page,
    // depth first; elements without an alias (the null band) are skipped.
    Names storedNames() const {
        Names names;
        const auto& pages =
            store().Document().Root().Items(store().Document().Root().Find("previewpages"));
        collect(pages.Items(0), names);
        return names;
    }
    void collect(const report::model::TfrxXMLItem& item, Names& names) const {
        for (int i = 0; i < item.Count(); ++i) {
            const std::string full = store().Dictionary().GetRealName(item.Items(i).Name());
            if (!full.empty())
                names.push_back(full.substr(full.find('.') + 1));
            collect(item.Items(i), names);
        }
    }
    // The text of a memo on the prepared page, rebuilt by the store.
    std::string preparedText(const char* name) const {
        auto* page = store().GetPage(0);
        auto* memo = page ? dynamic_cast<TfrxMemoView*>(page->ObjectByName(name)) : nullptr;
        return memo ? memo->Text() : "<no " + std::string(name) + ">";
    }
    std::string barcodeText() const {
        auto* barcode = dynamic_cast<TfrxBarCodeView*>(form().frxReport1.ObjectByName("BarCode1"));
        return barcode ? barcode->Text() : "<no BarCode1>";
    }
    std::string templateText() const {
        std::ostringstream out;
        form().frxReport1.SaveToStream(out);
        return out.str();
    }

    Names asked;
    std::vector<std::string> boxes;

private:
    std::optional<base::FormatSettingsScope> dates_;
};

TEST_F(CertificatePrint, EveryFieldFilledGivesThePreparedCertificate) {
    fill("Szab\xF3 \xC9va");
    // The template as it must come back: only the barcode's text changed.
    dynamic_cast<TfrxBarCodeView&>(*form().frxReport1.ObjectByName("BarCode1"))
        .SetText(kIdentifier);
    const std::string before = templateText();

    ASSERT_TRUE(form().PrepareCertificate()) << (boxes.empty() ? "" : boxes[0]);

    EXPECT_EQ(asked, (Names{"datum", "azon", "datum", "m1", "m2", "m3", "m13", "m9", "m5", "m4",
                            "m7", "m8"}));
    EXPECT_EQ(engine().CompiledExpressions(), 0);
    EXPECT_TRUE(form().frxReport1.Errors().Empty());
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(form().DocumentId(), kIdentifier);

    ASSERT_EQ(store().Count(), 1);
    const auto& root = store().Document().Root();
    const auto& pages = root.Items(root.Find("previewpages"));
    ASSERT_EQ(pages.Count(), 1);
    EXPECT_EQ(pages.Items(0).Name(), "page0");
    EXPECT_EQ(storedNames(), kVisibleObjects);

    EXPECT_EQ(preparedText("Memo3"),
              "<u><b>Ez\xFCstliget K\xF6zs\xE9g</b></u>\r\n"
              "<u><b>F\xF5 utca 1.</b></u>\r\n"
              "\r\n"
              "Alul\xEDrott munk\xE1ltat\xF3 igazolom, hogy <b>Kov\xE1"
              "cs \xC9va</b> , "
              "le\xE1nykori neve: <b>Szab\xF3 \xC9va</b>, <b>Kossuth t\xE9r 2.</b> sz\xE1m "
              "alatti lakos <b>2001</b> \xF3ta \xE1ll alkalmaz\xE1sunkban <b>k\xF6nyvel\xF5</b> "
              "beoszt\xE1sban.\r\n"
              "\r\n"
              "Nevezett  utols\xF3 havi nett\xF3 j\xF6vedelme (csal\xE1"
              "di p\xF3tl\xE9k "
              "n\xE9lk\xFCl):  <b>1\xA0"
              "234\xA0"
              "567</b> Ft.\r\n"
              "A csal\xE1"
              "di p\xF3tl\xE9k \xF6sszege: <b>12\xA0"
              "500</b> Ft.\r\n");
    EXPECT_EQ(preparedText("Memo177"), std::string("(") + kIdentifier + ")\r\n");
    EXPECT_EQ(preparedText("Memo65"), "2026. 12. 10.\r\n");
    EXPECT_EQ(preparedText("Memo8"), "2026. 12. 10.\r\n");

    EXPECT_EQ(barcodeText(), kIdentifier);
    EXPECT_EQ(templateText(), before);
}

TEST_F(CertificatePrint, EmptyMaidenNameLeavesTheBlankBeforeTheComma) {
    fill("");
    ASSERT_TRUE(form().PrepareCertificate());
    const std::string memo3 = preparedText("Memo3");
    EXPECT_NE(memo3.find("hogy <b>Kov\xE1"
                         "cs \xC9va</b> , <b>Kossuth t\xE9r 2.</b> sz\xE1m"),
              std::string::npos)
        << memo3;
}

TEST_F(CertificatePrint, IdentifierSurvivesARunWithoutName) {
    // Before any identifier: the footer shows "()" and the barcode its template text.
    ASSERT_TRUE(form().PrepareCertificate());
    EXPECT_EQ(form().DocumentId(), "");
    EXPECT_EQ(preparedText("Memo177"), "()\r\n");
    EXPECT_EQ(barcodeText(), "12345678");

    fill("");
    ASSERT_TRUE(form().PrepareCertificate());
    form().Edit3->clear();
    ASSERT_TRUE(form().PrepareCertificate());
    EXPECT_EQ(form().DocumentId(), kIdentifier);
    EXPECT_EQ(barcodeText(), kIdentifier);
    EXPECT_EQ(preparedText("Memo177"), std::string("(") + kIdentifier + ")\r\n");

    form().Edit3->setText(QStringLiteral("A"));
    ASSERT_TRUE(form().PrepareCertificate());
    EXPECT_EQ(form().DocumentId(), "92653541");
    EXPECT_EQ(barcodeText(), "92653541");
}

TEST_F(CertificatePrint, MenuCommandPreparesOnePageEachTime) {
    fill("");
    int previews = 0;
    const auto closePreview = [&](QWidget* modal) {
        previews += modal->objectName() == QStringLiteral("TfrxPreviewForm") ? 1 : 0;
        modal->close();
    };
    rq::testing::onModal(closePreview);
    form().Nyomtats1->trigger();
    EXPECT_EQ(store().Count(), 1);
    rq::testing::onModal(closePreview);
    form().Nyomtats1->trigger();
    EXPECT_EQ(store().Count(), 1);
    EXPECT_EQ(previews, 2);
    EXPECT_EQ(asked.size(), 24u);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(CertificatePrint, FailedRunShowsTheErrorBoxAndRestoresTheTemplate) {
    fill("");
    dynamic_cast<TfrxMemoView&>(*form().frxReport1.ObjectByName("Memo8")).SetText("[nincs]");
    const std::string before = templateText();
    EXPECT_FALSE(form().PrepareCertificate());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].starts_with("The following error(s) have occured:\r\nMemo8: Error in "
                                     "expression 'nincs': "))
        << boxes[0];
    EXPECT_EQ(dynamic_cast<TfrxBarCodeView&>(*form().frxReport1.ObjectByName("BarCode1")).Text(),
              kIdentifier);
    // Only the barcode's text differs from the template before the run.
    dynamic_cast<TfrxBarCodeView&>(*form().frxReport1.ObjectByName("BarCode1")).SetText("12345678");
    EXPECT_EQ(templateText(), before);
}

} // namespace
} // namespace rq::app::testing
