// rq0612-tool print: the real main window, created offscreen, runs its print
// command (fields from --set, --date and --signature as for prepare), then
// the print job runs on the prepared certificate with the choices given
// here instead of the print dialog. The job is handed to CUPS, and once the
// server has finished it its id and final state are printed ("job N
// completed"); --to-file writes the document to the file's name with the
// extension ".prn" instead. Exit code 1 with a message for an unknown
// printer, an invalid page list, a failed report run, and for a job that
// was not printed: the print service down, the queue stopped, rejecting or
// gone, the job cancelled or aborted on the server (the messages the
// desktop program shows).
#ifdef RQ_TOOL_HAS_GUI

#include "command.h"
#include "offscreen_program.h"

#include "app/application.h"
#include "base/date_time.h"
#include "base/exceptions.h"
#include "base/text1250.h"
#include "report/engine/engine.h"
#include "report/printing/page_numbers.h"
#include "report/printing/print.h"
#include "report/printing/qt/cups_printer.h"
#include "report/printing/qt/cups_printers.h"
#include "report/printing/qt/print_dialog.h"
#include "report/printing/store_print_pages.h"

#include <QCoreApplication>
#include <QLineEdit>

#include <charconv>
#include <iostream>
#include <optional>

namespace rq::tool {
namespace {

namespace model = report::model;

constexpr std::string_view kUsage =
    "[--set NAME=VALUE]... [--date YYYY-MM-DD] [--signature DIGITS] [--printer NAME] "
    "[--copies N] [--no-collate] [--pages LIST] [--odd | --even] [--reverse] [--to-file FILE]";

struct PrintArgs {
    std::vector<std::pair<std::string, std::string>> fields; // UTF-8
    std::optional<base::DateTime> date;
    std::optional<std::string> signature;
    std::optional<std::string> printer;
    std::optional<int> copies;
    bool noCollate = false;
    std::optional<std::string> pages;
    model::TfrxPrintPages printPages = model::ppAll;
    bool reverse = false;
    std::optional<std::string> toFile;
};

std::optional<int> number(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<base::DateTime> parseDate(std::string_view text) {
    base::DateTime value = 0;
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' ||
        !base::tryEncodeDate(number(text.substr(0, 4)).value_or(-1),
                             number(text.substr(5, 2)).value_or(-1),
                             number(text.substr(8, 2)).value_or(-1), value))
        return std::nullopt;
    return value;
}

// Options without a value; true when the option was one of them.
bool parseFlag(const std::string& option, PrintArgs& out) {
    if (option == "--no-collate")
        out.noCollate = true;
    else if (option == "--odd" || option == "--even")
        out.printPages = option == "--odd" ? model::ppOdd : model::ppEven;
    else if (option == "--reverse")
        out.reverse = true;
    else
        return false;
    return true;
}

std::optional<std::string> parseValue(const std::string& option, const std::string& value,
                                      PrintArgs& out) {
    if (option == "--set") {
        const auto eq = value.find('=');
        if (eq == std::string::npos || eq == 0)
            return "--set expects NAME=VALUE";
        out.fields.emplace_back(value.substr(0, eq), value.substr(eq + 1));
    } else if (option == "--date") {
        if (!(out.date = parseDate(value)))
            return "--date expects a day as YYYY-MM-DD";
    } else if (option == "--signature") {
        if (value.empty() || value.find_first_not_of("0123456789") != std::string::npos)
            return "--signature expects decimal digits";
        out.signature = value;
    } else if (option == "--printer") {
        out.printer = value;
    } else if (option == "--copies") {
        if (!(out.copies = number(value)))
            return "--copies expects a whole number";
    } else if (option == "--pages") {
        out.pages = value;
    } else if (option == "--to-file") {
        out.toFile = value;
    } else {
        return "unknown option " + option;
    }
    return std::nullopt;
}

std::optional<std::string> parseArgs(const Args& args, PrintArgs& out) {
    bool odd = false, even = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        odd = odd || args[i] == "--odd";
        even = even || args[i] == "--even";
        if (parseFlag(args[i], out))
            continue;
        if (i + 1 >= args.size())
            return args[i] + " needs a value";
        if (auto message = parseValue(args[i], args[i + 1], out))
            return message;
        ++i;
    }
    if (odd && even)
        return std::string("--odd and --even exclude each other");
    return std::nullopt;
}

// The choices the print dialog would hand back had the user made them.
void applyChoices(const PrintArgs& args, report::printing::TfrxPrintChoices& choices,
                  report::printing::TfrxCustomPrinter& printer) {
    if (args.copies)
        choices.Copies = *args.copies;
    if (args.noCollate)
        choices.Collate = false;
    choices.PageNumbers = base::utf8ToCp1250(args.pages.value_or(""));
    choices.PrintPages = args.printPages;
    choices.Reverse = args.reverse;
    printer.FileName = args.toFile ? report::printing::qt::PrnFileName(*args.toFile) : "";
}

int fail(const std::string& message) {
    std::cerr << "print: " << message << '\n';
    return 1;
}

int runPrint(const Args& args) {
    PrintArgs parsed;
    if (const auto message = parseArgs(args, parsed))
        return usageError("print", *message);
    try {
        report::printing::ParsePageNumbers(base::utf8ToCp1250(parsed.pages.value_or("")), 1);
    } catch (const base::EConvertError& e) {
        return fail("invalid page list: " + base::cp1250ToUtf8(e.message()));
    }

    OffscreenProgram program;
    report::printing::qt::PrinterContext context;
    report::printing::TfrxPrinters& printers = context.PrinterList();
    if (!printers.HasPhysicalPrinters())
        return fail(base::cp1250ToUtf8(printers.NoPrintersMessage()));
    if (parsed.printer) {
        const std::int32_t index = printers.IndexOfPrinter(base::utf8ToCp1250(*parsed.printer));
        if (index < 0 || !printers.HasPhysicalPrinters())
            return fail("unknown printer " + *parsed.printer);
        printers.SelectPrinter(index);
    }

    auto& form = program.Form1();
    for (const auto& [name, value] : parsed.fields) {
        QLineEdit* field = form.FindField(QString::fromStdString(name));
        if (!field)
            return usageError("print", "no input field named " + name);
        field->setText(QString::fromStdString(value));
    }
    if (parsed.date)
        form.Printing.today = [day = *parsed.date] { return day; };
    if (parsed.signature)
        form.Printing.processorSignature = [signature = *parsed.signature] { return signature; };
    form.frxReport1.OnShowErrors = nullptr;
    if (!form.PrepareCertificate()) {
        for (const std::string& line : form.frxReport1.Errors().Items())
            std::cerr << base::cp1250ToUtf8(line) << '\n';
        return 1;
    }

    auto& store = dynamic_cast<report::preview::TfrxPreviewPages&>(
        report::engine::EngineOf(form.frxReport1)->PreviewPages());
    report::printing::TfrxStorePrintPages pages(store);
    report::printing::TfrxPrintHooks hooks;
    hooks.RunDialog = [&](report::printing::TfrxPrintChoices& choices) {
        applyChoices(parsed, choices, *printers.CurrentPrinter());
        return true;
    };
    hooks.ProcessMessages = [] { QCoreApplication::processEvents(); };
    try {
        if (!report::printing::Print(form.frxReport1, "", pages, printers, hooks)) {
            std::cout << "nothing to print: no page selected\n";
            return 0;
        }
        report::printing::TfrxCustomPrinter& printer = *printers.CurrentPrinter();
        if (!printer.FileName.empty())
            std::cout << "file " << printer.FileName << '\n';
        else if (auto* cups = dynamic_cast<report::printing::qt::TfrxPrinter*>(&printer)) {
            cups->WaitForLastJob();
            std::cout << "job " << cups->LastJobId() << " completed\n";
        }
    } catch (const base::Exception& e) {
        return fail(base::cp1250ToUtf8(e.message()));
    }
    return 0;
}

const ToolCommand kPrint({"print", kUsage,
                          "run the main window's print command (offscreen) and print the "
                          "certificate on a CUPS printer with the given dialog choices",
                          runPrint});

} // namespace
} // namespace rq::tool

#endif
