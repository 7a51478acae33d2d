// The page passes of a print job. A document is started at the first page
// actually printed, so a selection that matches no page sends nothing to the
// spooler; a cancelled job aborts the open document and ends no further.
#include "report/printing/print_job.h"

#include "base/exceptions.h"
#include "base/number_text.h"

#include <algorithm>

namespace rq::report::printing {
namespace {

constexpr Extended kReportDpi = 96;
constexpr Extended kMillimetresPerInch = 25.4;

} // namespace

TfrxPrintChoices ChoicesFromOptions(const model::TfrxPrintOptions& options) {
    return {options.Copies, options.Collate, options.PageNumbers, options.PrintPages, false};
}

std::string PrintTitle(const model::TfrxReport& report, const std::string& reportFileName) {
    const std::string& name = report.ReportOptions().Name;
    return name.empty() ? reportFileName : name;
}

bool TfrxPrintJob::Run(const TfrxPrintChoices& choices, const std::vector<std::string>& pageList,
                       const std::string& title) {
    pages_.SetTerminated(false);
    printer_.Title = title;
    pageList_ = pageList;
    // Only a blank page-number text means all pages: a text whose ranges
    // select nothing ("7-3") must print nothing rather than everything.
    allPages_ = std::ranges::all_of(choices.PageNumbers, [](char c) { return c == ' '; });
    const std::int32_t copies = std::max(choices.Copies, 1);
    driverCopies_ = choices.Collate ? 1 : copies;
    started_ = aborted_ = false;

    const int passes = choices.Collate ? copies : 1;
    try {
        for (int copy = 0; copy < passes && !pages_.Terminated(); ++copy)
            if (!pass(choices))
                break;
    } catch (...) {
        // A page that fails must not leave half a document in the queue.
        if (started_ && !aborted_)
            printer_.Abort();
        throw;
    }
    if (started_ && !aborted_)
        printer_.EndDoc();
    return started_ && !aborted_;
}

// One pass over the pages; false when the job was stopped.
bool TfrxPrintJob::pass(const TfrxPrintChoices& choices) {
    const int count = pages_.Count();
    for (int step = 0; step < count; ++step) {
        const int index = choices.Reverse ? count - 1 - step : step;
        if (printPage(index, choices) == Answer::Stop)
            return false;
    }
    return true;
}

bool TfrxPrintJob::selected(int pageNumber, const TfrxPrintChoices& choices) const {
    if (!allPages_ && std::ranges::find(pageList_, base::intToStr(pageNumber)) == pageList_.end())
        return false;
    if (choices.PrintPages == model::ppOdd && pageNumber % 2 == 0)
        return false;
    return !(choices.PrintPages == model::ppEven && pageNumber % 2 == 1);
}

TfrxPrintJob::Answer TfrxPrintJob::printPage(int index, const TfrxPrintChoices& choices) {
    const int number = index + 1;
    if (!selected(number, choices))
        return Answer::Continue;
    if (pages_.Terminated()) {
        if (started_) {
            printer_.Abort();
            aborted_ = true;
        }
        return Answer::Stop;
    }
    pages_.PrintingPage(number);
    const model::TfrxReportPage& page = pages_.GetPage(index);
    if (!started_)
        printer_.BeginDoc();
    started_ = true;
    printer_.SetPrintParams(page.PaperSize(), page.PaperWidth(), page.PaperHeight(),
                            page.Orientation(), index == 0 ? page.Bin() : page.BinOtherPages(),
                            static_cast<std::int32_t>(page.Duplex()) + 1, driverCopies_);
    printer_.BeginPage();
    render::Canvas* canvas = printer_.Canvas();
    if (!canvas)
        throw base::Exception("The printer \"" + printer_.Name() + "\" cannot print");
    // The paper's corner of the page goes to the sheet's corner: on a
    // surface that starts at the printable area that corner lies outside it,
    // by the unprintable margins; on a surface of the whole sheet it is the
    // origin itself.
    const TfrxDPI dpi = printer_.DPI();
    const bool inset = printer_.CanvasOrigin() == TfrxCanvasOrigin::PrintableArea;
    pages_.DrawPage(index, *canvas, dpi.X / kReportDpi, dpi.Y / kReportDpi,
                    inset ? -printer_.LeftMargin() * dpi.X / kMillimetresPerInch : 0,
                    inset ? -printer_.TopMargin() * dpi.Y / kMillimetresPerInch : 0);
    printer_.EndPage();
    if (ProcessMessages)
        ProcessMessages();
    pages_.ClearPageCache();
    return Answer::Continue;
}

} // namespace rq::report::printing
