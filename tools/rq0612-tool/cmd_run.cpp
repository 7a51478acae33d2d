// rq0612-tool run FILE: compiles and executes a PascalScript program (a text
// file of Windows-1250 bytes) in a script whose parent is the global library
// of a report runtime.
#include "command.h"
#include "script_run.h"
#include "stop_request.h"

#include "report/scripting/report_runtime.h"
#include "script/script.h"

#include <fstream>
#include <iostream>
#include <sstream>

namespace rq::tool {
namespace {

// The file's lines without their CR LF or LF ends.
std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    while (from < text.size()) {
        std::size_t lf = text.find('\n', from);
        if (lf == std::string::npos)
            lf = text.size();
        std::string line = text.substr(from, lf - from);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        from = lf + 1;
    }
    return lines;
}

int runRun(const Args& given) {
    Args args = given;
    double seconds = 0;
    if (!takeTimeout(args, seconds) || args.size() != 1)
        return usageError("run", "expects [--timeout SECONDS] and one script file");
    std::ifstream file(args[0], std::ios::binary);
    if (!file) {
        std::cerr << "rq0612-tool run: cannot open " << args[0] << '\n';
        return kCompileErrorExit;
    }
    std::ostringstream text;
    text << file.rdbuf();
    rq::report::scripting::ReportRuntime runtime;
    rq::script::TfsScript script(&runtime.Global());
    script.Lines = splitLines(text.str());
    if (!script.Compile())
        return reportCompileError(script);
    const StopRequest stop(seconds);
    script.SetStopRequest(&stop.Flag());
    const int status = runGuarded([&] { script.Execute(); });
    if (const std::string reason = stop.Reason(); !reason.empty()) {
        std::cerr << "rq0612-tool run: " << reason << '\n';
        return 1;
    }
    return status;
}

const ToolCommand kRun({"run", "[--timeout SECONDS] FILE",
                        "compile and execute a PascalScript program (Ctrl+C or the time "
                        "limit stops it with status 1)",
                        runRun});

} // namespace
} // namespace rq::tool
