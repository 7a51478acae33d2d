// Fuzz target of the script engine's XML reader (grammars and the
// intermediate program): any bytes give a document or "Invalid file format";
// a document is written out again, looked up by attribute and released,
// however deep its nesting.
// Run: fuzz_script_xml fuzz/corpus/script_xml
#include "base/exceptions.h"
#include "script/xml_document.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rq::script;
    TfsXMLDocument document;
    try {
        document.LoadFromString(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const rq::base::Exception&) {
        return 0;
    }
    document.Root().Prop("text");
    document.Root().Find("parser");
    document.SaveToString();
    return 0;
}
