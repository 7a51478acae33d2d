// Fuzz target of the report XML reader: any bytes must give a document or
// "Invalid file format", and a document must load into a report (reading
// errors go to its error list) and save again, never crash or hang.
// Run: fuzz_xml_reader fuzz/corpus/xml_reader
#include "base/exceptions.h"
#include "report/model/report.h"
#include "report/model/xml_document.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rq::report::model;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    try {
        TfrxXMLDocument document;
        std::istringstream in(bytes);
        document.LoadFromStream(in);
        std::ostringstream out;
        document.SaveToStream(out);
    } catch (const rq::base::Exception&) {
        return 0;
    }
    TfrxReport report;
    std::istringstream in(bytes);
    report.LoadFromStream(in);
    std::ostringstream out;
    report.SaveToStream(out);
    return 0;
}
