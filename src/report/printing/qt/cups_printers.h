// The printer list of the CUPS server (the one CUPS_SERVER names, else the
// machine's), made once per owner on first use.
#pragma once

#include "report/printing/printers.h"

#include <memory>

namespace rq::report::printing::qt {

// The queues Qt Print Support lists, each as an uninitialized TfrxPrinter
// (port: the queue's location), and the server's default queue; with no
// queue, whether the print service answered.
InstalledPrinters CupsPrinters();

// Holds one printer list; the desktop program and the tool own one each.
// The list is read once, on first use, unless it came out empty: then it is
// read again at the next use, so that a print service started (or a printer
// installed) after the program needs no restart. An empty list holds only
// the substitute printer, which nobody keeps between two prints.
class PrinterContext {
public:
    TfrxPrinters& PrinterList() {
        if (!list_ || !list_->HasPhysicalPrinters())
            list_ = std::make_unique<TfrxPrinters>(CupsPrinters());
        return *list_;
    }

private:
    std::unique_ptr<TfrxPrinters> list_;
};

} // namespace rq::report::printing::qt
