// The options that fill and run the certificate offscreen, shared by the
// subcommands that prepare it (prepare, render, preview): --set NAME=VALUE, --date
// YYYY-MM-DD and --signature DIGITS, and the run of the main window's print
// command up to the report run.
#pragma once

#include "command.h"
#include "offscreen_program.h"

#include "base/date_time.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace rq::tool {

struct CertificateArgs {
    std::vector<std::pair<std::string, std::string>> fields; // UTF-8
    std::optional<base::DateTime> date;
    std::optional<std::string> signature;
};

// Takes the option at args[i] and its value when it is one of the three
// (i then points at the value); false when it is another option. A
// malformed value gives its message in error.
bool takeCertificateOption(const Args& args, std::size_t& i, CertificateArgs& out,
                           std::optional<std::string>& error);

// A number made of decimal digits alone, or -1.
int decimalNumber(std::string_view text);

// Fills the named fields, fixes day and signature and silences the report's
// error box; the result is the exit code (0: filled, else a usage error was
// printed).
int fillCertificate(OffscreenProgram& program, const CertificateArgs& args,
                    std::string_view command);

// The error lines of the last report run, on standard error.
void printReportErrors(OffscreenProgram& program);

// Fills the window as fillCertificate does and runs the print command's
// report run. A failed run prints its
// error lines on standard error; the result is the exit code (0: prepared).
int runCertificate(OffscreenProgram& program, const CertificateArgs& args,
                   std::string_view command);

} // namespace rq::tool
