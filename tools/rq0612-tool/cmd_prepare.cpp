// rq0612-tool prepare: the real main window, created offscreen, runs its print
// command up to and including the report run: the named fields are set
// first, --date fixes the day that "datum" gives and --signature the
// processor signature of the document identifier (both default to the
// machine's). The prepared pages are saved as a ".ppg" document. The report's
// error box stays silent: a failed run prints its error lines on standard
// error and exits 1 without writing the file.
#ifdef RQ_TOOL_HAS_GUI

#include "certificate_args.h"
#include "command.h"
#include "offscreen_program.h"

#include "report/engine/engine.h"

namespace rq::tool {
namespace {

constexpr std::string_view kUsage =
    "[--set NAME=VALUE]... [--date YYYY-MM-DD] [--signature DIGITS] --ppg FILE";

struct PrepareArgs {
    CertificateArgs certificate;
    std::string ppg;
};

// A malformed argument gives its message; nothing when all are well-formed.
std::optional<std::string> parseArgs(const Args& args, PrepareArgs& out) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::optional<std::string> error;
        if (takeCertificateOption(args, i, out.certificate, error)) {
            if (error)
                return error;
        } else if (args[i] == "--ppg" && i + 1 < args.size()) {
            out.ppg = args[++i];
        } else if (args[i] == "--ppg") {
            return args[i] + " needs a value";
        } else {
            return "unknown option " + args[i];
        }
    }
    if (out.ppg.empty())
        return std::string("usage: prepare ") + std::string(kUsage);
    return std::nullopt;
}

int runPrepare(const Args& args) {
    PrepareArgs parsed;
    if (const auto message = parseArgs(args, parsed))
        return usageError("prepare", *message);

    OffscreenProgram program;
    if (const int status = runCertificate(program, parsed.certificate, "prepare"))
        return status;
    auto& form = program.Form1();
    report::engine::EngineOf(form.frxReport1)->PreviewPages().SaveToFile(parsed.ppg);
    return 0;
}

const ToolCommand kPrepare({"prepare", kUsage,
                            "run the main window's print command (offscreen) up to the report "
                            "run and save the prepared pages",
                            runPrepare});

} // namespace
} // namespace rq::tool

#endif
