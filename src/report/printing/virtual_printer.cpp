// The substitute printer: its defaults, its paper list built from the paper
// table, and the paper set-up that only computes sizes.
#include "report/printing/virtual_printer.h"

#include "report/model/paper.h"

#include <cstdio>

namespace rq::report::printing {
namespace {

constexpr std::int32_t kVirtualDpi = 600;
constexpr std::int32_t kA4 = 9;
constexpr Extended kVirtualMargin = 5; // mm on every side

// The table rows carry no names; the size in millimetres is what a user
// recognises a paper by.
std::string paperName(const model::PaperRow& row) {
    char text[64];
    std::snprintf(text, sizeof text, "%g x %g mm", row.width / 10.0, row.height / 10.0);
    return text;
}

} // namespace

void TfrxVirtualPrinter::Init() {
    if (initialized_)
        return;
    dpi_ = {kVirtualDpi, kVirtualDpi};
    defPaper_ = kA4;
    defOrientation_ = model::poPortrait;
    defPaperWidth_ = 210;
    defPaperHeight_ = 297;
    for (const model::PaperRow& row : model::paperRows())
        papers_.push_back({row.name.empty() ? paperName(row) : std::string(row.name), row.code});
    bin_ = kDefaultBin;
    initialized_ = true;
}

void TfrxVirtualPrinter::SetViewParams(std::int32_t paper, Extended width, Extended height,
                                       model::TPrinterOrientation orientation) {
    double tableWidth = 0, tableHeight = 0;
    if (paper != kCustomPaperCode && model::PaperDimensions(paper, tableWidth, tableHeight)) {
        if (orientation == model::poLandscape)
            std::swap(tableWidth, tableHeight);
        paperWidth_ = tableWidth;
        paperHeight_ = tableHeight;
        paper_ = paper;
    } else {
        paperWidth_ = width;
        paperHeight_ = height;
        paper_ = kCustomPaperCode;
    }
    orientation_ = orientation;
    leftMargin_ = topMargin_ = rightMargin_ = bottomMargin_ = kVirtualMargin;
}

void TfrxVirtualPrinter::SetPrintParams(std::int32_t paper, Extended width, Extended height,
                                        model::TPrinterOrientation orientation, std::int32_t bin,
                                        std::int32_t, std::int32_t) {
    SetViewParams(paper, width, height, orientation);
    bin_ = bin;
}

} // namespace rq::report::printing
