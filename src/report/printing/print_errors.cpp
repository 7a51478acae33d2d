// The texts of the print failures. Each says what happened and what to do;
// a service's own words, where it gave some, stand in brackets beside the
// state they explain.
#include "report/printing/print_errors.h"

#include "base/exceptions.h"

namespace rq::report::printing {
namespace {

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// A service's sentence without its closing full stop, to go inside ours.
std::string bare(std::string reason) {
    while (!reason.empty() && (reason.back() == '.' || reason.back() == ' '))
        reason.pop_back();
    return reason;
}

// " (reason)" after a state, nothing without a reason.
std::string because(const std::string& reason) {
    return bare(reason).empty() ? std::string() : " (" + bare(reason) + ")";
}

} // namespace

std::string PrintFailureMessage(const TfrxPrintFailure& f) {
    const std::string printer = "The printer " + quoted(f.printer);
    const std::string job =
        "The print job " + std::to_string(f.job) + " on the printer " + quoted(f.printer);
    switch (f.problem) {
    case TfrxPrintProblem::ServiceDown:
        return "The print service is not running, so nothing was printed. Start the print "
               "service (CUPS), or ask your administrator to start it, then print again.";
    case TfrxPrintProblem::Gone:
        return printer + " is no longer installed, so nothing was printed. Choose another "
                         "printer, then print again.";
    case TfrxPrintProblem::Stopped:
        return printer + " is stopped" + because(f.reason) +
               ", so nothing was printed. Ask your administrator to resume it, or choose "
               "another printer, then print again.";
    case TfrxPrintProblem::Rejecting:
        return printer + " is not accepting jobs" + because(f.reason) +
               ", so nothing was printed. Ask your administrator to let it accept jobs again, "
               "or choose another printer, then print again.";
    case TfrxPrintProblem::JobCancelled:
        return job + " was cancelled on the print server, so it was not printed. Print again "
                     "if the document is still needed.";
    case TfrxPrintProblem::JobAborted:
        return job + " was stopped by the print server because of an error" + because(f.reason) +
               ", so it was not printed. Ask your administrator to check the printer, then "
               "print again.";
    case TfrxPrintProblem::JobWaiting:
        return job + " has not been printed: the printer stopped" + because(f.reason) +
               " and the job waits in its queue. It prints once your administrator resumes the "
               "printer.";
    case TfrxPrintProblem::Refused:
        break;
    }
    return printer + " refused the job" + (bare(f.reason).empty() ? "" : ": " + bare(f.reason)) +
           ". Nothing was printed; print again, or choose another printer.";
}

void RaisePrintFailure(const TfrxPrintFailure& failure) {
    throw base::Exception(PrintFailureMessage(failure));
}

} // namespace rq::report::printing
