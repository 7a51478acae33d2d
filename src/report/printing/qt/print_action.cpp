// Print on the prepared pages with the Qt dialog and event processing.
#include "report/printing/qt/print_action.h"

#include "report/printing/print.h"
#include "report/printing/qt/print_dialog.h"
#include "report/printing/store_print_pages.h"

#include <QCoreApplication>

namespace rq::report::printing::qt {

bool PrintPrepared(const model::TfrxReport& report, preview::TfrxPreviewPages& store,
                   TfrxPrinters& printers, QWidget* parent,
                   std::function<void(bool locked)> lockPreview) {
    TfrxStorePrintPages pages(store);
    TfrxPrintHooks hooks;
    hooks.RunDialog = [&](TfrxPrintChoices& choices) {
        return RunPrintDialog(printers, store.CurPreviewPage, choices, parent);
    };
    hooks.LockPreview = std::move(lockPreview);
    hooks.ProcessMessages = [] { QCoreApplication::processEvents(); };
    return Print(report, "", pages, printers, hooks);
}

} // namespace rq::report::printing::qt
