// The certificate's print step without the window: the report variables the
// template names, read through an interface that the main window implements,
// and the document identifier handed to the template's barcode.
#pragma once

#include "base/date_time.h"
#include "base/variant.h"

#include <string>
#include <string_view>

namespace rq::report::model {
class TfrxReport;
}

namespace rq::certificate {

// What the variables read. Texts are Windows-1250.
class CertificateInputs {
public:
    virtual ~CertificateInputs() = default;
    // The shown text of the input field of that component name ("Edit1",
    // "PBNumEdit1"); amounts keep their grouping.
    virtual std::string FieldText(std::string_view componentName) const = 0;
    // The day of issue; asked only when the template shows it.
    virtual base::DateTime Today() const = 0;
    virtual std::string DocumentId() const = 0;
};

// Answers the template's variables by their exact, case-sensitive names and
// leaves value untouched for every other name.
void certificateVariable(const std::string& name, const CertificateInputs& inputs,
                         base::Variant& value);

// The template's barcode ("BarCode1") takes the document identifier as its
// text; a report without it is left as it is.
void setBarcodeIdentifier(report::model::TfrxReport& report, const std::string& identifier);

} // namespace rq::certificate
