// The print job's failures as the person printing reads them: what happened,
// that nothing (or not this job) was printed, and what to do. One helper per
// failure raises it with the report library's English text; texts of the
// print service or the system are given as Windows-1250, already decoded.
#pragma once

#include <string>

namespace rq::report::printing {

// Why a printer could not take or finish a job.
enum class TfrxPrintProblem {
    ServiceDown,  // the print service does not answer
    Gone,         // the printer was removed after the list was read
    Stopped,      // the printer's queue is stopped (jobs wait in it)
    Rejecting,    // the printer does not accept jobs
    JobCancelled, // the job was cancelled on the print server
    JobAborted,   // the print server gave the job up because of an error
    JobWaiting,   // the printer stopped while the job waited in its queue
    Refused,      // the print server refused for another reason
};

// What a failure concerns: the printer, the job (0 before there is one) and
// the service's or the system's own words, empty when it gave none.
struct TfrxPrintFailure {
    TfrxPrintProblem problem = TfrxPrintProblem::Refused;
    std::string printer;
    int job = 0;
    std::string reason;
};

// The message the person printing reads for the failure.
std::string PrintFailureMessage(const TfrxPrintFailure& failure);

// Raises base::Exception with PrintFailureMessage(failure).
[[noreturn]] void RaisePrintFailure(const TfrxPrintFailure& failure);

} // namespace rq::report::printing
