// rq0612-tool run FILE: compiles and executes a PascalScript program (a text
// file of Windows-1250 bytes) in a script whose parent is the global library.
#include "command.h"
#include "script_run.h"

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

int runRun(const Args& args) {
    if (args.size() != 1)
        return usageError("run", "expects one script file");
    std::ifstream file(args[0], std::ios::binary);
    if (!file) {
        std::cerr << "rq0612-tool run: cannot open " << args[0] << '\n';
        return kCompileErrorExit;
    }
    std::ostringstream text;
    text << file.rdbuf();
    rq::script::TfsScript script(&scriptLibrary());
    script.Lines = splitLines(text.str());
    if (!script.Compile())
        return reportCompileError(script);
    return runGuarded([&] { script.Execute(); });
}

const ToolCommand kRun({"run", "FILE", "compile and execute a PascalScript program", runRun});

} // namespace
} // namespace rq::tool
