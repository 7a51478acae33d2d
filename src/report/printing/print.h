// Print: one print command on prepared pages: the printer the report names
// (when it exists), the print dialog, the page list, and the job, with the
// preview locked while the job runs.
#pragma once

#include "report/model/report.h"
#include "report/printing/print_job.h"
#include "report/printing/printers.h"

#include <functional>
#include <string>

namespace rq::report::printing {

// The parts of Print that belong to the user interface; each is optional.
struct TfrxPrintHooks {
    // Shows the print dialog on the choices; false when it was cancelled.
    std::function<bool(TfrxPrintChoices& choices)> RunDialog;
    // Locks (true) and unlocks (false) the preview's drawing around the job.
    std::function<void(bool locked)> LockPreview;
    // Handles pending user-interface events between pages.
    std::function<void()> ProcessMessages;
};

// Returns whether a document was printed. Raises the list's
// NoPrintersMessage ("No printers installed in your system", or that the
// print service is not running) when only the substitute printer exists (it
// has no device), and EConvertError for a page list that is not made of
// whole numbers.
bool Print(const model::TfrxReport& report, const std::string& reportFileName,
           TfrxPrintPages& pages, TfrxPrinters& printers, const TfrxPrintHooks& hooks);

} // namespace rq::report::printing
