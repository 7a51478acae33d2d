// Parsing of the certificate's filling options, the filling of the main
// window and the offscreen run of the print command that prepare, render and
// preview share.
#ifdef RQ_TOOL_HAS_GUI

#include "certificate_args.h"

#include "app/application.h"
#include "base/text1250.h"

#include <QLineEdit>

#include <charconv>
#include <iostream>

namespace rq::tool {
namespace {

// YYYY-MM-DD of a valid calendar day.
std::optional<base::DateTime> parseDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    base::DateTime value = 0;
    if (!base::tryEncodeDate(decimalNumber(text.substr(0, 4)), decimalNumber(text.substr(5, 2)),
                             decimalNumber(text.substr(8, 2)), value))
        return std::nullopt;
    return value;
}

bool isDecimalDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

} // namespace

int decimalNumber(std::string_view text) {
    int value = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : -1;
}

bool takeCertificateOption(const Args& args, std::size_t& i, CertificateArgs& out,
                           std::optional<std::string>& error) {
    const std::string& option = args[i];
    if (option != "--set" && option != "--date" && option != "--signature")
        return false;
    if (i + 1 >= args.size()) {
        error = option + " needs a value";
        return true;
    }
    const std::string& value = args[++i];
    if (option == "--set") {
        const auto eq = value.find('=');
        if (eq == std::string::npos || eq == 0)
            error = "--set expects NAME=VALUE";
        else
            out.fields.emplace_back(value.substr(0, eq), value.substr(eq + 1));
    } else if (option == "--date") {
        out.date = parseDate(value);
        if (!out.date)
            error = "--date expects a day as YYYY-MM-DD";
    } else if (!isDecimalDigits(value)) {
        error = "--signature expects decimal digits";
    } else {
        out.signature = value;
    }
    return true;
}

int fillCertificate(OffscreenProgram& program, const CertificateArgs& args,
                    std::string_view command) {
    auto& form = program.Form1();
    for (const auto& [name, value] : args.fields) {
        QLineEdit* field = form.FindField(QString::fromStdString(name));
        if (!field)
            return usageError(command, "no input field named " + name);
        field->setText(QString::fromStdString(value));
    }
    if (args.date)
        form.Printing.today = [day = *args.date] { return day; };
    if (args.signature)
        form.Printing.processorSignature = [signature = *args.signature] { return signature; };
    form.frxReport1.OnShowErrors = nullptr; // the error lines go to standard error
    return 0;
}

void printReportErrors(OffscreenProgram& program) {
    for (const std::string& line : program.Form1().frxReport1.Errors().Items())
        std::cerr << base::cp1250ToUtf8(line) << '\n';
}

int runCertificate(OffscreenProgram& program, const CertificateArgs& args,
                   std::string_view command) {
    if (const int status = fillCertificate(program, args, command))
        return status;
    if (!program.Form1().PrepareCertificate()) {
        printReportErrors(program);
        return 1;
    }
    return 0;
}

} // namespace rq::tool

#endif
