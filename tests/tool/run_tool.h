// Runs rq0612-tool as a child process with given arguments and standard
// input, collecting its exit code, standard output and standard error.
#pragma once

#include <string>
#include <vector>

namespace rq::tool::test {

struct ToolResult {
    int exitCode = -1;
    std::string out; // raw bytes written to standard output
    std::string err; // raw bytes written to standard error
};

ToolResult runTool(const std::vector<std::string>& args, const std::string& input = {});
// The same with the given "NAME=value" assignments added to the environment
// and the locale variables LC_ALL, LC_NUMERIC and LC_TIME removed from it.
ToolResult runToolInLocale(const std::vector<std::string>& environment,
                           const std::vector<std::string>& args);

// Writes source to a file of that name in the temporary folder and runs it
// with `rq0612-tool run`.
ToolResult runScript(const std::string& name, const std::string& source);

} // namespace rq::tool::test
