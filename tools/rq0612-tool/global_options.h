// Global options of rq0612-tool: they set up the process-wide format settings
// before a subcommand runs. Without them the tool uses the user's locale.
#pragma once

#include "command.h"

#include <cstddef>
#include <ostream>

namespace rq::tool {

// Consumes the leading global options of args; next receives the index of the
// subcommand. Prints a message and returns false on a malformed option.
bool applyGlobalOptions(const Args& args, std::size_t& next);
void printGlobalOptionsHelp(std::ostream& out);

} // namespace rq::tool
