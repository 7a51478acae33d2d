// rq0612-tool printers: the printer list as the program sees it, one line
// per printer: name, "(default)" for the system's default printer, the
// resolution, the paper names and the bin names (tab-separated). Without an
// installed printer the substitute "Virtual" is listed, marked as such.
#ifdef RQ_TOOL_HAS_GUI

#include "command.h"

#include "base/text1250.h"
#include "report/printing/qt/cups_printers.h"

#include <QGuiApplication>
#include <QPrinterInfo>

#include <iostream>

namespace rq::tool {
namespace {

template <typename Items, typename Name> std::string joined(const Items& items, Name name) {
    std::string text;
    for (const auto& item : items)
        text += (text.empty() ? "" : ", ") + base::cp1250ToUtf8(name(item));
    return text;
}

int runPrinters(const Args& args) {
    if (!args.empty())
        return usageError("printers", "takes no arguments");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "rq0612-tool";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);

    report::printing::qt::PrinterContext context;
    report::printing::TfrxPrinters& printers = context.PrinterList();
    const std::string byDefault = QPrinterInfo::defaultPrinterName().toStdString();
    for (int i = 0; i < printers.Count(); ++i) {
        report::printing::TfrxCustomPrinter& printer = printers.Printers(i);
        printer.Init();
        const std::string printerName = base::cp1250ToUtf8(printer.Name());
        std::cout << printerName;
        if (!printers.HasPhysicalPrinters())
            std::cout << " (substitute)";
        else if (printerName == byDefault)
            std::cout << " (default)";
        if (!printer.Initialized()) {
            std::cout << "\tnot available\n";
            continue;
        }
        std::cout << '\t' << printer.DPI().X << 'x' << printer.DPI().Y << " dpi\tpapers: "
                  << joined(printer.Papers(), [](const auto& paper) { return paper.name; })
                  << "\tbins: " << joined(printer.Bins(), [](const auto& bin) { return bin.name; })
                  << '\n';
    }
    return 0;
}

const ToolCommand kPrinters({"printers", "",
                             "list the printers with their resolution, papers and bins",
                             runPrinters});

} // namespace
} // namespace rq::tool

#endif
