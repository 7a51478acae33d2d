// PrintPrepared: the Print button of a preview on the prepared pages: the
// print dialog, then the job on the chosen printer with the preview locked
// and the user interface kept alive between pages (its Cancel sets the
// store's Terminated).
#pragma once

#include "report/model/report.h"
#include "report/preview/preview_pages.h"
#include "report/printing/printers.h"

#include <QWidget>

#include <functional>

namespace rq::report::printing::qt {

// Returns whether a document was printed; errors (a copies or page text that
// is no number, a refused job) go to the caller's error display.
bool PrintPrepared(const model::TfrxReport& report, preview::TfrxPreviewPages& store,
                   TfrxPrinters& printers, QWidget* parent,
                   std::function<void(bool locked)> lockPreview = {});

} // namespace rq::report::printing::qt
