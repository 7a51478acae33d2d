// The print job: the choices of the print dialog, and the page passes that
// send the selected pages to a printer (in order or reversed, odd or even
// pages, collated copies as repeated passes, uncollated ones as copies made
// by the driver), stopping with Abort when the user cancels.
#pragma once

#include "report/model/report.h"
#include "report/model/types.h"
#include "report/printing/print_pages.h"
#include "report/printing/printer.h"

#include <functional>
#include <string>
#include <vector>

namespace rq::report::printing {

// The values the job runs with: taken from the report's PrintOptions and
// changed by the print dialog.
struct TfrxPrintChoices {
    std::int32_t Copies = 1;
    bool Collate = true;
    std::string PageNumbers; // range text, empty for all pages
    model::TfrxPrintPages PrintPages = model::ppAll;
    bool Reverse = false;
};

TfrxPrintChoices ChoicesFromOptions(const model::TfrxPrintOptions& options);

// The document name the spooler shows: the report's ReportOptions.Name, or
// the file the report was loaded from when the name is empty.
std::string PrintTitle(const model::TfrxReport& report, const std::string& reportFileName);

class TfrxPrintJob {
public:
    TfrxPrintJob(TfrxPrintPages& pages, TfrxCustomPrinter& printer)
        : pages_(pages), printer_(printer) {}

    // Lets the user interface handle its pending events after every page
    // (the Cancel button, the progress text); optional.
    std::function<void()> ProcessMessages;

    // Prints the pages of pageList (decimal numbers, parsed from
    // choices.PageNumbers); a blank PageNumbers text prints all pages.
    // Returns whether a document was started and ended normally; a job that
    // selects no page starts no document, a cancelled one aborts it.
    bool Run(const TfrxPrintChoices& choices, const std::vector<std::string>& pageList,
             const std::string& title);

private:
    enum class Answer { Continue, Stop };
    bool pass(const TfrxPrintChoices& choices);
    Answer printPage(int index, const TfrxPrintChoices& choices);
    bool selected(int pageNumber, const TfrxPrintChoices& choices) const;

    TfrxPrintPages& pages_;
    TfrxCustomPrinter& printer_;
    std::vector<std::string> pageList_;
    bool allPages_ = true;
    std::int32_t driverCopies_ = 1;
    bool started_ = false;
    bool aborted_ = false;
};

} // namespace rq::report::printing
