// The printer list of the CUPS server (the one CUPS_SERVER names, else the
// machine's), made once per owner on first use.
#pragma once

#include "report/printing/printers.h"

#include <memory>

namespace rq::report::printing::qt {

// The queues Qt Print Support lists, each as an uninitialized TfrxPrinter
// (port: the queue's location), and the server's default queue.
InstalledPrinters CupsPrinters();

// Holds one printer list; the desktop program and the tool own one each.
class PrinterContext {
public:
    TfrxPrinters& PrinterList() {
        if (!list_)
            list_ = std::make_unique<TfrxPrinters>(CupsPrinters());
        return *list_;
    }

private:
    std::unique_ptr<TfrxPrinters> list_;
};

} // namespace rq::report::printing::qt
