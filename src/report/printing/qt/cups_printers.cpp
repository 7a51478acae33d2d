// Enumerating the CUPS queues through Qt Print Support.
#include "report/printing/qt/cups_printers.h"

#include "base/text1250.h"
#include "report/printing/print_errors.h"
#include "report/printing/qt/cups_printer.h"
#include "report/printing/qt/cups_queue.h"

#include <QPrinterInfo>

namespace rq::report::printing::qt {

InstalledPrinters CupsPrinters() {
    InstalledPrinters installed;
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters())
        installed.printers.push_back(
            std::make_unique<TfrxPrinter>(base::utf8ToCp1250(info.printerName().toStdString()),
                                          base::utf8ToCp1250(info.location().toStdString())));
    installed.defaultName = base::utf8ToCp1250(QPrinterInfo::defaultPrinterName().toStdString());
    if (installed.printers.empty() && !CupsServiceAnswers())
        installed.failure = PrintFailureMessage({TfrxPrintProblem::ServiceDown, {}, 0, {}});
    return installed;
}

} // namespace rq::report::printing::qt
