// rq0612-tool prepare: the real main window, created offscreen, runs its print
// command up to and including the report run: the named fields are set
// first, --date fixes the day that "datum" gives and --signature the
// processor signature of the document identifier (both default to the
// machine's). The prepared pages are saved as a ".ppg" document. The report's
// error box stays silent: a failed run prints its error lines on standard
// error and exits 1 without writing the file.
#ifdef RQ_TOOL_HAS_GUI

#include "command.h"
#include "offscreen_program.h"

#include "app/application.h"
#include "base/date_time.h"
#include "base/text1250.h"
#include "report/engine/engine.h"

#include <QLineEdit>

#include <charconv>
#include <iostream>
#include <memory>
#include <optional>

namespace rq::tool {
namespace {

constexpr std::string_view kUsage =
    "[--set NAME=VALUE]... [--date YYYY-MM-DD] [--signature DIGITS] --ppg FILE";

struct PrepareArgs {
    std::vector<std::pair<std::string, std::string>> fields; // UTF-8
    std::optional<base::DateTime> date;
    std::optional<std::string> signature;
    std::string ppg;
};

int number(std::string_view text) {
    int value = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : -1;
}

// YYYY-MM-DD of a valid calendar day.
std::optional<base::DateTime> parseDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    base::DateTime value = 0;
    if (!base::tryEncodeDate(number(text.substr(0, 4)), number(text.substr(5, 2)),
                             number(text.substr(8, 2)), value))
        return std::nullopt;
    return value;
}

bool isDecimalDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// A malformed argument gives its message; nothing when all are well-formed.
std::optional<std::string> parseArgs(const Args& args, PrepareArgs& out) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (i + 1 >= args.size())
            return option + " needs a value";
        const std::string& value = args[++i];
        if (option == "--set") {
            const auto eq = value.find('=');
            if (eq == std::string::npos || eq == 0)
                return "--set expects NAME=VALUE";
            out.fields.emplace_back(value.substr(0, eq), value.substr(eq + 1));
        } else if (option == "--date") {
            out.date = parseDate(value);
            if (!out.date)
                return "--date expects a day as YYYY-MM-DD";
        } else if (option == "--signature") {
            if (!isDecimalDigits(value))
                return "--signature expects decimal digits";
            out.signature = value;
        } else if (option == "--ppg") {
            out.ppg = value;
        } else {
            return "unknown option " + option;
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
    auto& form = program.Form1();
    for (const auto& [name, value] : parsed.fields) {
        QLineEdit* field = form.FindField(QString::fromStdString(name));
        if (!field)
            return usageError("prepare", "no input field named " + name);
        field->setText(QString::fromStdString(value));
    }
    if (parsed.date)
        form.Printing.today = [day = *parsed.date] { return day; };
    if (parsed.signature)
        form.Printing.processorSignature = [signature = *parsed.signature] { return signature; };
    form.frxReport1.OnShowErrors = nullptr; // the error lines go to standard error below

    if (!form.PrepareCertificate()) {
        for (const std::string& line : form.frxReport1.Errors().Items())
            std::cerr << base::cp1250ToUtf8(line) << '\n';
        return 1;
    }
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
