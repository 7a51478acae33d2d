// rq0612-tool report: report documents on the command line. The
// sub-subcommands form a table so that more can be added as entries.
#include "command.h"

#include "base/exceptions.h"
#include "report/model/barcode_view.h"
#include "report/model/float_text.h"
#include "report/model/report.h"

#include <array>
#include <fstream>
#include <iostream>
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

struct ReportCommand {
    std::string_view name;
    CommandFn run;
};

// Every entry takes an optional FILE (standard input without one).
constexpr std::array kReportCommands{
    ReportCommand{"roundtrip", runRoundtrip},
    ReportCommand{"tree", runTree},
};

int runReport(const Args& args) {
    if (args.empty() || args.size() > 2)
        return usageError("report", "expects a report command and at most one FILE");
    // The classes the program's own window registers, so that its template loads.
    const report::model::TfrxBarCodeObject barcodes;
    for (const ReportCommand& command : kReportCommands) {
        if (command.name == args[0])
            return command.run(Args(args.begin() + 1, args.end()));
    }
    return usageError("report", "unknown report command " + args[0]);
}

const ToolCommand kReport({"report", "roundtrip|tree [FILE]",
                           "read a report document; write it back (roundtrip) or list its "
                           "objects with bounds and visibility (tree)",
                           runReport});

} // namespace
} // namespace rq::tool
