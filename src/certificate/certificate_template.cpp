// Loading the embedded certificate template into a report.
#include "certificate/certificate_template.h"

#include "base/exceptions.h"
#include "report/model/barcode_view.h"
#include "report/model/report.h"

#include <sstream>
#include <string>

namespace rq::certificate {

void LoadCertificateTemplate(report::model::TfrxReport& report) {
    report::model::RegisterBarCodeView();
    std::istringstream stream{std::string(certificateTemplateXml())};
    report.Errors().Clear();
    // The component's own reading applies every attribute; the report's
    // override would keep the current preview options and IniFile.
    report.report::model::TfrxComponent::LoadFromStream(stream);
    if (report.Errors().Count() > 0) {
        std::string message = "Certificate template:";
        for (int i = 0; i < report.Errors().Count(); ++i)
            message += "\r\n" + report.Errors()[i];
        throw base::Exception(message);
    }
}

} // namespace rq::certificate
