// The paper table: Windows paper codes with their portrait sizes, and the
// lookup that turns a code into millimetres for pages and printers.
#pragma once

#include <span>
#include <string_view>

namespace rq::report::model {

// One row of the table; sizes in tenths of a millimetre, portrait as stored.
struct PaperRow {
    int code;
    int width;
    int height;
    std::string_view name; // display name; empty for every row
};

// Code 256 is no row: it marks a custom paper sized in millimetres.
inline constexpr int kCustomPaper = 256;

std::span<const PaperRow> paperRows();

// Width and height in millimetres for a paper code. Returns false and leaves
// width and height unchanged when the code is not in the table.
bool PaperDimensions(int code, double& width, double& height);

} // namespace rq::report::model
