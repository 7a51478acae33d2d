// rq0612-tool: headless access to the core of RQ0612. Global options come
// first and set up the process (format settings); then one subcommand runs.
#include "command.h"
#include "global_options.h"

#include "base/exceptions.h"

#include <algorithm>
#include <cstdio>
#include <iostream>

namespace rq::tool {
namespace {

std::vector<CommandInfo>& registry() {
    static std::vector<CommandInfo> list;
    return list;
}

void printHelp() {
    std::cout << "Usage: rq0612-tool [GLOBAL OPTIONS] COMMAND [ARGS]\n\n"
                 "Headless access to the core of the RQ0612 certificate program.\n\n"
                 "Commands:\n";
    auto list = registry();
    std::sort(list.begin(), list.end(),
              [](const CommandInfo& a, const CommandInfo& b) { return a.name < b.name; });
    for (const auto& info : list) {
        std::cout << "  " << info.name << ' ' << info.usage << "\n      " << info.summary << '\n';
    }
    std::cout << "\nGlobal options:\n";
    printGlobalOptionsHelp(std::cout);
}

} // namespace

ToolCommand::ToolCommand(CommandInfo info) {
    registry().push_back(info);
}

const std::vector<CommandInfo>& commands() {
    return registry();
}

int usageError(std::string_view command, std::string_view message) {
    std::cerr << "rq0612-tool " << command << ": " << message << '\n'
              << "Try 'rq0612-tool --help'.\n";
    return 64;
}

} // namespace rq::tool

int main(int argc, char** argv) {
    using namespace rq::tool;
    Args args(argv + 1, argv + argc);
    try {
        std::size_t next = 0;
        if (!applyGlobalOptions(args, next))
            return 64;
        if (next >= args.size() || args[next] == "--help" || args[next] == "-h" ||
            args[next] == "help") {
            printHelp();
            return next >= args.size() ? 64 : 0;
        }
        const std::string& name = args[next];
        for (const auto& info : commands()) {
            if (info.name == name)
                return info.run(
                    Args(args.begin() + static_cast<std::ptrdiff_t>(next) + 1, args.end()));
        }
        return usageError(name, "unknown command");
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
}
