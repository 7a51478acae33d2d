// What the print command reaches besides the window: the day that the report
// variable "datum" shows and the processor signature of the document
// identifier. Both are empty in the program (the system date, the machine's
// signature); tests and the command-line tool fix them.
#pragma once

#include "base/date_time.h"

#include <functional>
#include <string>

namespace rq::certificate {

struct PrintLink {
    std::function<base::DateTime()> today;           // empty: the system date
    std::function<std::string()> processorSignature; // empty: processorSignature()
};

} // namespace rq::certificate
