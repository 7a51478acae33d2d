// Global options: they set up the process-wide format settings before a
// subcommand runs. The settings start from the user's locale read through
// Qt's locale data, exactly as in the desktop program; each option then replaces one setting.
// Values arrive as UTF-8 and are kept as Windows-1250.
#include "global_options.h"

#include "base/format_settings.h"
#include "base/qt/qt_locale.h"
#include "base/text1250.h"

#include <iostream>
#include <string_view>

namespace rq::tool {
namespace {

using rq::base::FormatSettings;

struct CharOption {
    std::string_view name;
    char FormatSettings::*member;
    std::string_view help;
};

struct TextOption {
    std::string_view name;
    std::string FormatSettings::*member;
    std::string_view help;
};

constexpr CharOption kCharOptions[] = {
    {"--decimal-separator", &FormatSettings::DecimalSeparator, "decimal separator"},
    {"--thousand-separator", &FormatSettings::ThousandSeparator, "thousands separator"},
    {"--date-separator", &FormatSettings::DateSeparator, "date separator (for \"/\")"},
    {"--time-separator", &FormatSettings::TimeSeparator, "time separator (for \":\")"},
};

constexpr TextOption kTextOptions[] = {
    {"--short-date", &FormatSettings::ShortDateFormat, "short date format, e.g. yyyy.MM.dd."},
    {"--long-time", &FormatSettings::LongTimeFormat, "long time format, e.g. hh:nn:ss"},
};

// Splits "--name=value" or takes the value from the next argument.
bool optionValue(const Args& args, std::size_t& i, std::string_view name, std::string& value) {
    const std::string& arg = args[i];
    if (arg.size() > name.size() && arg.compare(0, name.size(), name) == 0 &&
        arg[name.size()] == '=') {
        value = arg.substr(name.size() + 1);
        return true;
    }
    if (arg != name)
        return false;
    if (i + 1 >= args.size()) {
        std::cerr << "rq0612-tool: " << name << " needs a value\n";
        value.clear();
        i = args.size();
        return true;
    }
    value = args[++i];
    return true;
}

enum class Outcome { NotMine, Applied, Failed };

Outcome applyOne(const Args& args, std::size_t& i, FormatSettings& settings) {
    std::string value;
    for (const auto& option : kCharOptions) {
        if (!optionValue(args, i, option.name, value))
            continue;
        const std::string ansi = rq::base::utf8ToCp1250(value);
        if (i >= args.size() || ansi.size() != 1) {
            std::cerr << "rq0612-tool: " << option.name << " needs exactly one character\n";
            return Outcome::Failed;
        }
        settings.*option.member = ansi[0];
        return Outcome::Applied;
    }
    for (const auto& option : kTextOptions) {
        if (!optionValue(args, i, option.name, value))
            continue;
        if (i >= args.size())
            return Outcome::Failed;
        settings.*option.member = rq::base::utf8ToCp1250(value);
        return Outcome::Applied;
    }
    return Outcome::NotMine;
}

} // namespace

bool applyGlobalOptions(const Args& args, std::size_t& next) {
    FormatSettings settings = rq::base::qt::userFormatSettings();
    std::size_t i = 0;
    for (; i < args.size() && args[i].starts_with("--") && args[i] != "--help"; ++i) {
        switch (applyOne(args, i, settings)) {
        case Outcome::Applied:
            break;
        case Outcome::Failed:
            return false;
        case Outcome::NotMine:
            std::cerr << "rq0612-tool: unknown global option " << args[i] << '\n';
            return false;
        }
    }
    rq::base::setFormatSettings(settings);
    next = i;
    return true;
}

void printGlobalOptionsHelp(std::ostream& out) {
    out << "  Decimal separator, thousands separator and short date format follow the\n"
           "  user's locale (LC_ALL, LC_NUMERIC, LC_TIME, LANG) as the desktop program\n"
           "  reads it; these options override single settings:\n";
    for (const auto& option : kCharOptions)
        out << "  " << option.name << " C\n      " << option.help << '\n';
    for (const auto& option : kTextOptions)
        out << "  " << option.name << " FORMAT\n      " << option.help << '\n';
}

} // namespace rq::tool
