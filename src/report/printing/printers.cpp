// The printer list: made from the installed printers (or the substitute),
// the default selection, and the look-up by name.
#include "report/printing/printers.h"

#include "base/text1250.h"
#include "report/printing/virtual_printer.h"

namespace rq::report::printing {

TfrxPrinters::TfrxPrinters(InstalledPrinters installed)
    : printers_(std::move(installed.printers)), failure_(std::move(installed.failure)) {
    hasPhysical_ = !printers_.empty();
    if (!hasPhysical_)
        printers_.push_back(std::make_unique<TfrxVirtualPrinter>("Virtual", ""));
    for (const auto& printer : printers_)
        names_.push_back(printer->Name());
    const std::int32_t byDefault = hasPhysical_ ? IndexOfPrinter(installed.defaultName) : 0;
    SelectPrinter(byDefault >= 0 ? byDefault : 0);
}

std::string TfrxPrinters::NoPrintersMessage() const {
    return failure_.empty() ? "No printers installed in your system" : failure_;
}

std::int32_t TfrxPrinters::IndexOfPrinter(const std::string& name) const {
    for (std::size_t i = 0; i < printers_.size(); ++i)
        if (base::sameText(printers_[i]->Name(), name))
            return static_cast<std::int32_t>(i);
    return -1;
}

void TfrxPrinters::SelectPrinter(std::int32_t index) {
    index_ = index;
    if (CurrentPrinter())
        CurrentPrinter()->Init();
}

TfrxCustomPrinter* TfrxPrinters::CurrentPrinter() const {
    if (index_ < 0 || index_ >= Count())
        return nullptr;
    return printers_[static_cast<std::size_t>(index_)].get();
}

} // namespace rq::report::printing
