// The print command from the report's options to the finished job.
#include "report/printing/print.h"

#include "base/exceptions.h"
#include "report/printing/page_numbers.h"

namespace rq::report::printing {
namespace {

// Unlocks the preview however the job ends.
class PreviewLock {
public:
    explicit PreviewLock(const std::function<void(bool)>& lock) : lock_(lock) {
        if (lock_)
            lock_(true);
    }
    ~PreviewLock() {
        if (lock_)
            lock_(false);
    }
    PreviewLock(const PreviewLock&) = delete;
    PreviewLock& operator=(const PreviewLock&) = delete;

private:
    const std::function<void(bool)>& lock_;
};

} // namespace

bool Print(const model::TfrxReport& report, const std::string& reportFileName,
           TfrxPrintPages& pages, TfrxPrinters& printers, const TfrxPrintHooks& hooks) {
    // The substitute printer has no device; printing on it could only fail
    // half-way, so the command refuses up front as the preview's button does
    // (saying that the print service is down, when that is why).
    if (!printers.HasPhysicalPrinters())
        throw base::Exception(printers.NoPrintersMessage());
    TfrxPrintChoices choices = ChoicesFromOptions(report.PrintOptions());
    const std::int32_t named = printers.IndexOfPrinter(report.PrintOptions().Printer);
    if (named != -1)
        printers.SelectPrinter(named);
    if (report.PrintOptions().ShowDialog && hooks.RunDialog && !hooks.RunDialog(choices))
        return false;
    TfrxCustomPrinter* printer = printers.CurrentPrinter();
    if (!printer)
        return false;

    PreviewLock lock(hooks.LockPreview);
    const std::vector<std::string> pageList = ParsePageNumbers(choices.PageNumbers, pages.Count());
    TfrxPrintJob job(pages, *printer);
    job.ProcessMessages = hooks.ProcessMessages;
    return job.Run(choices, pageList, PrintTitle(report, reportFileName));
}

} // namespace rq::report::printing
