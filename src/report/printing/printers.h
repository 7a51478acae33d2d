// TfrxPrinters: the list of printers a program sees, made once from what the
// printing system reports: one printer object per installed printer, their
// names, the current printer, and the substitute "Virtual" when none is
// installed. It is a context object: whoever prints owns one.
#pragma once

#include "report/printing/printer.h"

#include <memory>
#include <string>
#include <vector>

namespace rq::report::printing {

// What the printing system reports when the list is made.
struct InstalledPrinters {
    std::vector<std::unique_ptr<TfrxCustomPrinter>> printers; // uninitialized
    std::string defaultName; // the system's default printer; empty when none
    // Why no printer could be listed when the printing system did not answer
    // (the message for the person printing); empty when it answered.
    std::string failure;
};

class TfrxPrinters {
public:
    // Selects the default printer; when the system names none (or one that
    // is not in the list) the first printer is selected, so that a print
    // command always has a printer to go to. Without installed printers the
    // list holds only "Virtual".
    explicit TfrxPrinters(InstalledPrinters installed);

    const std::vector<std::string>& PrinterNames() const { return names_; }
    std::int32_t PrinterIndex() const { return index_; }
    bool HasPhysicalPrinters() const { return hasPhysical_; }
    // The printing system's failure when it did not answer as the list was
    // made; empty when it answered.
    const std::string& ListFailure() const { return failure_; }
    // Why the list holds only "Virtual": ListFailure, or "No printers
    // installed in your system" when the printing system answered.
    std::string NoPrintersMessage() const;
    int Count() const { return static_cast<int>(printers_.size()); }
    TfrxCustomPrinter& Printers(int index) const {
        return *printers_.at(static_cast<std::size_t>(index));
    }

    // Index of the printer of that name, letter case ignored; -1 when none.
    std::int32_t IndexOfPrinter(const std::string& name) const;
    // PrinterIndex := index; the printer's Init runs unless index is -1.
    void SelectPrinter(std::int32_t index);
    // The printer at PrinterIndex; nullptr when none is selected.
    TfrxCustomPrinter* CurrentPrinter() const;

private:
    std::vector<std::unique_ptr<TfrxCustomPrinter>> printers_;
    std::vector<std::string> names_;
    std::int32_t index_ = -1;
    bool hasPhysical_ = false;
    std::string failure_;
};

} // namespace rq::report::printing
