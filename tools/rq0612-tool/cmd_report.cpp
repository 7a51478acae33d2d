// rq0612-tool report: report documents on the command line. The
// sub-subcommands form a table so that more can be added as entries.
#include "command.h"
#include "stop_request.h"

#include "base/exceptions.h"
#include "base/text1250.h"
#include "report/engine/engine.h"
#include "report/model/barcode_view.h"
#include "report/model/float_text.h"
#include "report/model/report.h"
#include "report/preview/preview_pages.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>

namespace rq::tool {
namespace {

using report::model::TfrxComponent;
using report::model::TfrxReport;

// Loads the report from FILE or, without one, from standard input. Reading
// errors go to standard error one per line; false when the load failed.
bool loadReport(const Args& args, TfrxReport& report) {
    std::stringstream input;
    if (args.empty()) {
        input << std::cin.rdbuf();
    } else {
        std::ifstream file(args[0], std::ios::binary);
        if (!file) {
            std::cerr << "rq0612-tool report: cannot open " << args[0] << '\n';
            return false;
        }
        input << file.rdbuf();
    }
    try {
        report.LoadFromStream(input);
    } catch (const base::Exception& e) {
        std::cerr << e.what() << '\n';
        return false;
    }
    for (const std::string& line : report.Errors().Items())
        std::cerr << line << '\n';
    return true;
}

int runRoundtrip(const Args& args) {
    TfrxReport report;
    if (!loadReport(args, report))
        return 1;
    report.SaveToStream(std::cout);
    return 0;
}

int depthBelowReport(const TfrxComponent& c) {
    int depth = 0;
    for (const TfrxComponent* p = c.Parent(); p && p->Parent(); p = p->Parent())
        ++depth;
    return depth;
}

int runTree(const Args& args) {
    TfrxReport report;
    if (!loadReport(args, report))
        return 1;
    using report::model::shortestText;
    for (const TfrxComponent* c : report.AllObjects()) {
        std::cout << std::string(static_cast<std::size_t>(depthBelowReport(*c)) * 2, ' ')
                  << c->ClassName() << ' ' << c->Name() << " l=" << shortestText(c->Left())
                  << " t=" << shortestText(c->Top()) << " w=" << shortestText(c->Width())
                  << " h=" << shortestText(c->Height()) << " visible=" << (c->Visible() ? 1 : 0)
                  << '\n';
    }
    return 0;
}

// report prepare REPORT.xml [--var NAME=VALUE]... [--timeout SECONDS]
// [--allow-files] --ppg FILE: the host callback answers exactly the given
// names (compared as written) with their values as strings; every other
// name is declined. The error box stays silent: a failed run prints the
// error lines and writes no file. A report document comes from outside, so
// its scripts get no file access unless --allow-files is given; the time
// limit and Ctrl+C stop its scripts, and the run then writes no file.
struct PrepareArgs {
    std::string report;
    std::map<std::string, std::string> variables; // Windows-1250
    std::string ppg;
    double timeout = 0; // seconds, 0 for none
    bool allowFiles = false;
};

bool parsePrepareArgs(const Args& given, PrepareArgs& out) {
    Args args = given;
    if (!takeTimeout(args, out.timeout))
        return false;
    if (const auto flag = std::find(args.begin(), args.end(), "--allow-files");
        flag != args.end()) {
        out.allowFiles = true;
        args.erase(flag);
    }
    if (args.empty() || args[0].starts_with("--"))
        return false;
    out.report = args[0];
    for (std::size_t i = 1; i + 1 < args.size(); i += 2) {
        const std::string& value = args[i + 1];
        const auto eq = value.find('=');
        if (args[i] == "--var" && eq != std::string::npos && eq > 0)
            out.variables[base::utf8ToCp1250(value.substr(0, eq))] =
                base::utf8ToCp1250(value.substr(eq + 1));
        else if (args[i] == "--ppg")
            out.ppg = value;
        else
            return false;
    }
    return args.size() % 2 == 1 && !out.ppg.empty();
}

int runPrepare(const Args& args) {
    PrepareArgs parsed;
    if (!parsePrepareArgs(args, parsed))
        return usageError("report", "usage: report prepare REPORT.xml [--var NAME=VALUE]... "
                                    "[--timeout SECONDS] [--allow-files] --ppg FILE");
    TfrxReport report;
    if (!loadReport({parsed.report}, report))
        return 1;
    auto& engine =
        report::engine::AttachEngine(report, std::make_unique<report::preview::TfrxPreviewPages>());
    report.OnGetValue = [&parsed](const std::string& name, base::Variant& value) {
        if (const auto found = parsed.variables.find(name); found != parsed.variables.end())
            value = found->second;
    };
    engine.BaseScript().SetFileAccess(parsed.allowFiles);
    const StopRequest stop(parsed.timeout);
    engine.BaseScript().SetStopRequest(&stop.Flag());
    const bool prepared = report.Prepare(true);
    if (const std::string reason = stop.Reason(); !reason.empty()) {
        std::cerr << "rq0612-tool report prepare: " << reason << '\n';
        return 1;
    }
    if (!prepared) {
        for (const std::string& line : report.Errors().Items())
            std::cerr << base::cp1250ToUtf8(line) << '\n';
        return 1;
    }
    engine.PreviewPages().SaveToFile(parsed.ppg);
    return 0;
}

// Reads an optional FILE (standard input without one).
template <CommandFn run> int withOptionalFile(const Args& args) {
    if (args.size() > 1)
        return usageError("report", "expects at most one FILE");
    return run(args);
}

struct ReportCommand {
    std::string_view name;
    CommandFn run;
};

constexpr std::array kReportCommands{
    ReportCommand{"roundtrip", withOptionalFile<runRoundtrip>},
    ReportCommand{"tree", withOptionalFile<runTree>},
    ReportCommand{"prepare", runPrepare},
};

int runReport(const Args& args) {
    if (args.empty())
        return usageError("report", "expects a report command");
    // The classes the program's own window registers, so that its template loads.
    const report::model::TfrxBarCodeObject barcodes;
    for (const ReportCommand& command : kReportCommands) {
        if (command.name == args[0])
            return command.run(Args(args.begin() + 1, args.end()));
    }
    return usageError("report", "unknown report command " + args[0]);
}

const ToolCommand kReport({"report",
                           "roundtrip|tree [FILE] | prepare REPORT.xml [--var NAME=VALUE]... "
                           "[--timeout SECONDS] [--allow-files] --ppg FILE",
                           "read a report document; write it back (roundtrip), list its "
                           "objects with bounds and visibility (tree), or prepare it with the "
                           "given variables and save the prepared pages (prepare)",
                           runReport});

} // namespace
} // namespace rq::tool
