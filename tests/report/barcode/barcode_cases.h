// The named encoding cases every barcode test walks: several texts for each
// of the 23 symbologies, with the Width the symbol must have and the text
// the generator keeps. Their bar strings are golden (tests/data/barcode).
#pragma once

#include "report/barcode/barcode.h"

#include <string>
#include <vector>

namespace rq::report::barcode::testing {

struct EncodeCase {
    const char* name; // unique, a valid test name
    TfrxBarcodeType type;
    std::string text;
    bool checksum = false;
    int width = 0;        // Width in units at the default element widths
    std::string keptText; // Text after EncodeBars
};

const std::vector<EncodeCase>& EncodeCases();

// The bar string as modules at the generator's element widths: "1" for a
// bar unit, "0" for a space unit.
std::string Modules(const TfrxBarcode& generator, const std::string& bars);

// name -> bar string, from tests/data/barcode/bars.txt; with
// RQ_REGENERATE_GOLDEN=1 the file is rewritten from actual results.
class GoldenBars {
public:
    GoldenBars();
    ~GoldenBars();
    // Expected bar string of the case (empty when missing); records actual.
    std::string Check(const std::string& name, const std::string& actual);

private:
    std::vector<std::pair<std::string, std::string>> entries_;
    bool regenerate_;
};

} // namespace rq::report::barcode::testing
