// The certificate template: the one report page the program prints, held
// as a resource in the report serializer's XML form (Windows-1250 text,
// the two pictures as JPEG inside). Qt-free, so that the command-line tool
// loads it without a display.
#pragma once

#include <string_view>

namespace rq::report::model {
class TfrxReport;
}

namespace rq::certificate {

// The template document exactly as the serializer writes it
// (resources/certificate.xml, embedded by certificate_template_data.cpp).
std::string_view certificateTemplateXml();

// Replaces the report's pages and settings by the template's. Every stored
// value applies, including the preview options and IniFile, which a report
// otherwise keeps when it reads itself back. Raises an Exception listing
// the serializer's errors when the template does not load cleanly.
void LoadCertificateTemplate(report::model::TfrxReport& report);

} // namespace rq::certificate
