// The subcommand registry of rq0612-tool: every subcommand lives in a file of
// its own and registers itself with a static ToolCommand object.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rq::tool {

using Args = std::vector<std::string>;
// Runs a subcommand with the arguments after its name; returns the exit code.
using CommandFn = int (*)(const Args& args);

struct CommandInfo {
    std::string_view name;    // first word on the command line
    std::string_view usage;   // one line: arguments
    std::string_view summary; // one line: what it does
    CommandFn run;
};

// Registers a subcommand at static-initialisation time.
struct ToolCommand {
    explicit ToolCommand(CommandInfo info);
};

const std::vector<CommandInfo>& commands();

// Failure helpers shared by the subcommands: print to standard error and
// return the exit code to hand back.
int usageError(std::string_view command, std::string_view message);

} // namespace rq::tool
