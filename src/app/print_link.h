// What the print command reaches besides the window: the day that the report
// variable "datum" shows, the processor signature of the document identifier
// and what the preview window is lent (the print job, the printer check).
// The first two are empty in the program (the system date, the machine's
// signature); tests and the command-line tool fix them.
#pragma once

#include "base/date_time.h"
#include "report/preview/qt/show_prepared.h"

#include <functional>
#include <string>

namespace rq::app {

struct PrintLink {
    std::function<base::DateTime()> today;           // empty: the system date
    std::function<std::string()> processorSignature; // empty: processorSignature()
    report::preview::qt::TfrxPreviewLink preview;    // the preview window's print and hooks
};

} // namespace rq::app
