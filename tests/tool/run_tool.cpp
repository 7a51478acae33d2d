// Child process plumbing for the tool tests: temporary files carry standard
// input and the two outputs, so large outputs never dead-lock a pipe.
#include "run_tool.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace rq::tool::test {
namespace {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string quoted(const std::string& arg) {
    std::string out = "'";
    for (const char c : arg) {
        if (c == '\'')
            out += "'\\''";
        else
            out += c;
    }
    return out + "'";
}

ToolResult run(const std::string& prefix, const std::vector<std::string>& args,
               const std::string& input) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("rq-tool-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    {
        std::ofstream in(dir / "in", std::ios::binary);
        in << input;
    }
    std::string command = prefix + quoted(RQ_TOOL_PATH);
    // Without a session (CI, a root shell) Qt warns on standard error that
    // XDG_RUNTIME_DIR is unset, which tests comparing the error text would
    // take for the tool's output: the child gets a private one.
    if (std::getenv("XDG_RUNTIME_DIR") == nullptr) {
        const auto runtime = dir / "runtime";
        std::filesystem::create_directories(runtime);
        std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
        command = "XDG_RUNTIME_DIR=" + quoted(runtime.string()) + ' ' + command;
    }
    for (const auto& arg : args)
        command += ' ' + quoted(arg);
    command += " <" + quoted((dir / "in").string()) + " >" + quoted((dir / "out").string()) +
               " 2>" + quoted((dir / "err").string());
    ToolResult result;
    const int status = std::system(command.c_str());
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = readFile(dir / "out");
    result.err = readFile(dir / "err");
    std::filesystem::remove_all(dir);
    return result;
}

} // namespace

ToolResult runTool(const std::vector<std::string>& args, const std::string& input) {
    return run({}, args, input);
}

ToolResult runToolInLocale(const std::vector<std::string>& environment,
                           const std::vector<std::string>& args) {
    std::string prefix = "env -u LC_ALL -u LC_NUMERIC -u LC_TIME";
    for (const auto& assignment : environment)
        prefix += ' ' + quoted(assignment);
    return run(prefix + ' ', args, {});
}

ToolResult runScript(const std::string& name, const std::string& source) {
    const auto path = std::filesystem::temp_directory_path() / name;
    std::ofstream(path, std::ios::binary) << source;
    return runTool({"run", path.string()});
}

} // namespace rq::tool::test
