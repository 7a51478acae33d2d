// Fuzz target of the barcode generator: the first byte picks the symbology
// (0..22, and 23 for the wrong-type failure), the second the check options
// and the narrow width, the rest is the text. EncodeBars must give a bar
// string of the line-type alphabet, Width must agree with it, and encoding
// the text the generator keeps must give the same symbol; or the generator
// raises one of its failures.
// Run: fuzz_barcode fuzz/corpus/barcode
#include "base/exceptions.h"
#include "report/barcode/barcode.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rq::report::barcode;
    if (size < 2)
        return 0;
    TfrxBarcode g;
    g.SetTyp(static_cast<TfrxBarcodeType>(data[0] % (kBarcodeTypeCount + 1)));
    g.SetChecksum(data[1] & 1);
    g.SetCheckSumMethod(data[1] & 2 ? csmNone : csmModulo10);
    g.SetModul(1 + (data[1] >> 2 & 3));
    g.SetText(std::string(reinterpret_cast<const char*>(data + 2), size - 2));
    try {
        const std::string bars = g.EncodeBars();
        if (bars.find_first_not_of("01235678ABCD") != std::string::npos)
            std::abort();
        if (g.Width() != g.BarsWidth(bars) - 1)
            std::abort();
        if (g.EncodeBars() != bars)
            std::abort();
    } catch (const rq::base::Exception&) {
    }
    return 0;
}
