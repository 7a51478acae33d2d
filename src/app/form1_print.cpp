// The print command of the main window and the report's value callback: the
// certificate's variables from the input fields, the date of issue and the
// document identifier.
#include "app/document_id.h"
#include "app/form1.h"
#include "app/processor_signature.h"
#include "base/date_text.h"
#include "report/engine/engine.h"
#include "report/model/barcode_view.h"
#include "report/preview/preview_pages.h"
#include "report/preview/qt/show_prepared.h"

#include <array>
#include <string_view>

namespace rq::app {
namespace {

using widgets::toAnsi;

// The maiden-name clause of the main text; its tags print the name in bold.
constexpr std::string_view kMaidenNameOpen = ", le\xE1nykori neve: <b>";
constexpr std::string_view kMaidenNameClose = "</b>";

std::string maidenNameClause(const TForm1& form) {
    const std::string maidenName = toAnsi(form.Edit6->text());
    if (maidenName.empty())
        return {};
    return std::string(kMaidenNameOpen) + maidenName + std::string(kMaidenNameClose);
}

base::DateTime today(const TForm1& form) {
    return form.Printing.today ? form.Printing.today() : base::currentDate();
}

struct ReportVariable {
    std::string_view name; // compared exactly: the template writes them in lower case
    std::string (*value)(const TForm1& form);
};

// The amounts are the numeric fields' texts as shown, grouping included.
const std::array kReportVariables{
    ReportVariable{"m1", [](const TForm1& f) { return toAnsi(f.Edit1->text()); }},
    ReportVariable{"m2", [](const TForm1& f) { return toAnsi(f.Edit2->text()); }},
    ReportVariable{"m3", [](const TForm1& f) { return toAnsi(f.Edit3->text()); }},
    ReportVariable{"m4", [](const TForm1& f) { return toAnsi(f.Edit4->text()); }},
    ReportVariable{"m5", [](const TForm1& f) { return toAnsi(f.Edit5->text()); }},
    ReportVariable{"m6", [](const TForm1& f) { return toAnsi(f.Edit6->text()); }},
    ReportVariable{"m9", [](const TForm1& f) { return toAnsi(f.Edit7->text()); }},
    ReportVariable{"m13", maidenNameClause},
    ReportVariable{"m7", [](const TForm1& f) { return toAnsi(f.PBNumEdit1->text()); }},
    ReportVariable{"m8", [](const TForm1& f) { return toAnsi(f.PBNumEdit2->text()); }},
    ReportVariable{"datum", [](const TForm1& f) { return base::dateToStr(today(f)); }},
    ReportVariable{"azon", [](const TForm1& f) { return f.DocumentId(); }},
};

} // namespace

void TForm1::frxReport1GetValue(const std::string& VarName, base::Variant& Value) const {
    for (const ReportVariable& variable : kReportVariables) {
        if (VarName == variable.name) {
            Value = variable.value(*this);
            return;
        }
    }
}

bool TForm1::PrepareCertificate() {
    const std::string name = toAnsi(Edit3->text());
    if (!name.empty()) {
        const std::string signature =
            Printing.processorSignature ? Printing.processorSignature() : processorSignature();
        SetDocumentId(documentIdentifier(name, signature));
        // The template's barcode is invisible: the identifier prints only as
        // the footer's text, but the barcode carries it as well.
        if (auto* barcode =
                dynamic_cast<report::model::TfrxBarCodeView*>(frxReport1.ObjectByName("BarCode1")))
            barcode->SetText(DocumentId());
    }
    return frxReport1.Prepare(true);
}

void TForm1::Nyomtats1Click() {
    if (!PrepareCertificate())
        return;
    auto& store = dynamic_cast<report::preview::TfrxPreviewPages&>(
        report::engine::EngineOf(frxReport1)->PreviewPages());
    report::preview::qt::ShowPrepared(frxReport1, store, Printing.preview, this);
}

} // namespace rq::app
