// The fields every printer starts with: its name and port, and the first
// entries of its paper and bin lists, which stand for "no particular one".
#include "report/printing/printer.h"

namespace rq::report::printing {

TfrxCustomPrinter::TfrxCustomPrinter(std::string name, std::string port)
    : bins_{{"Default", kDefaultBin}}, papers_{{"Custom", kCustomPaperCode}},
      name_(std::move(name)), port_(std::move(port)) {}

} // namespace rq::report::printing
