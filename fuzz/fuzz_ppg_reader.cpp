// Fuzz target of the prepared-report reader (".ppg"): any bytes must load
// into the store or fail with the system's message, and a loaded store must
// give the sizes and rebuilt objects of its pages and save again, never crash.
// Run: fuzz_ppg_reader fuzz/corpus/ppg_reader
#include "base/exceptions.h"
#include "report/model/report.h"
#include "report/preview/preview_pages.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rq::report;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    model::TfrxReport report;
    preview::TfrxPreviewPages store(&report);
    try {
        std::istringstream in(bytes);
        store.LoadFromStream(in);
        for (int i = 0; i < store.Count() && i < 8; ++i) {
            store.GetPageSize(i);
            store.GetPage(i);
        }
        std::ostringstream out;
        store.SaveToStream(out);
    } catch (const rq::base::Exception&) {
        return 0;
    }
    return 0;
}
