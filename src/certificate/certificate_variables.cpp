// The certificate's report variables: the input fields by name, the
// maiden-name clause, the date of issue and the document identifier.
#include "certificate/certificate_variables.h"

#include "base/date_text.h"
#include "report/model/barcode_view.h"
#include "report/model/report.h"

#include <array>

namespace rq::certificate {
namespace {

// The maiden-name clause of the main text; its tags print the name in bold.
constexpr std::string_view kMaidenNameOpen = ", le\xE1nykori neve: <b>";
constexpr std::string_view kMaidenNameClose = "</b>";

std::string maidenNameClause(const CertificateInputs& inputs) {
    const std::string maidenName = inputs.FieldText("Edit6");
    if (maidenName.empty())
        return {};
    return std::string(kMaidenNameOpen) + maidenName + std::string(kMaidenNameClose);
}

std::string dateOfIssue(const CertificateInputs& inputs) {
    return base::dateToStr(inputs.Today());
}

std::string documentId(const CertificateInputs& inputs) {
    return inputs.DocumentId();
}

// A variable shows an input field's text, or a value computed from the inputs.
struct ReportVariable {
    std::string_view name;  // compared exactly: the template writes them in lower case
    std::string_view field; // the input field's component name; empty when computed
    std::string (*computed)(const CertificateInputs& inputs) = nullptr;
};

// The amounts are the numeric fields' texts as shown, grouping included.
constexpr std::array kReportVariables{
    ReportVariable{"m1", "Edit1"},
    ReportVariable{"m2", "Edit2"},
    ReportVariable{"m3", "Edit3"},
    ReportVariable{"m4", "Edit4"},
    ReportVariable{"m5", "Edit5"},
    ReportVariable{"m6", "Edit6"},
    ReportVariable{"m9", "Edit7"},
    ReportVariable{"m13", "", maidenNameClause},
    ReportVariable{"m7", "PBNumEdit1"},
    ReportVariable{"m8", "PBNumEdit2"},
    ReportVariable{"datum", "", dateOfIssue},
    ReportVariable{"azon", "", documentId},
};

} // namespace

void certificateVariable(const std::string& name, const CertificateInputs& inputs,
                         base::Variant& value) {
    for (const ReportVariable& variable : kReportVariables) {
        if (name == variable.name) {
            value =
                variable.computed ? variable.computed(inputs) : inputs.FieldText(variable.field);
            return;
        }
    }
}

void setBarcodeIdentifier(report::model::TfrxReport& report, const std::string& identifier) {
    // The template's barcode is invisible: the identifier prints only as the
    // footer's text, but the barcode carries it as well.
    if (auto* barcode =
            dynamic_cast<report::model::TfrxBarCodeView*>(report.ObjectByName("BarCode1")))
        barcode->SetText(identifier);
}

} // namespace rq::certificate
