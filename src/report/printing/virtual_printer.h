// TfrxVirtualPrinter: the substitute printer "Virtual" that the printer list
// holds when no printer is installed: 600 dpi, every paper of the paper
// table, 5 mm margins, and no device, so nothing can be printed on it.
#pragma once

#include "report/printing/printer.h"

namespace rq::report::printing {

class TfrxVirtualPrinter : public TfrxCustomPrinter {
public:
    TfrxVirtualPrinter(std::string name, std::string port)
        : TfrxCustomPrinter(std::move(name), std::move(port)) {}

    void Init() override;
    void SetViewParams(std::int32_t paper, Extended width, Extended height,
                       model::TPrinterOrientation orientation) override;
    void SetPrintParams(std::int32_t paper, Extended width, Extended height,
                        model::TPrinterOrientation orientation, std::int32_t bin,
                        std::int32_t duplex, std::int32_t copies) override;

    // There is no device: the bracketing calls do nothing and there is no
    // surface to draw on.
    void BeginDoc() override {}
    void BeginPage() override {}
    void EndPage() override {}
    void EndDoc() override {}
    void Abort() override {}
    void PropertiesDialog() override {}
    render::Canvas* Canvas() override { return nullptr; }
};

} // namespace rq::report::printing
