// rq0612-tool version: the program's version.
#include "command.h"

#include <iostream>

namespace rq::tool {
namespace {

int runVersion(const Args& args) {
    if (!args.empty())
        return usageError("version", "takes no arguments");
    std::cout << "rq0612-tool " << RQ_VERSION << '\n';
    return 0;
}

const ToolCommand kVersion({"version", "", "print the program's version", runVersion});

} // namespace
} // namespace rq::tool
