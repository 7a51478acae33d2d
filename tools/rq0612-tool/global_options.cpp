// Global options. The format-setting options are filled in by the base
// library's format settings (see --help).
#include "global_options.h"

#include <iostream>

namespace rq::tool {

bool applyGlobalOptions(const Args& args, std::size_t& next) {
    next = 0;
    while (next < args.size() && args[next].starts_with("--") && args[next] != "--help") {
        std::cerr << "rq0612-tool: unknown global option " << args[next] << '\n';
        return false;
    }
    return true;
}

void printGlobalOptionsHelp(std::ostream& out) {
    out << "  (none yet)\n";
}

} // namespace rq::tool
