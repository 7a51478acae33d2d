// rq0612-tool format: numbers and dates through the base library's
// formatting with the current format settings (see the global options).
#include "command.h"

#include "base/date_text.h"
#include "base/format_float.h"
#include "base/format_settings.h"
#include "base/number_text.h"
#include "base/text1250.h"

#include <iostream>

namespace rq::tool {
namespace {

using namespace rq::base;

std::string utf8(const std::string& ansi) {
    return cp1250ToUtf8(ansi);
}

void printSettings() {
    const FormatSettings& s = formatSettings();
    std::cout << "DecimalSeparator=" << utf8(std::string(1, s.DecimalSeparator)) << '\n'
              << "ThousandSeparator=" << utf8(std::string(1, s.ThousandSeparator)) << '\n'
              << "DateSeparator=" << utf8(std::string(1, s.DateSeparator)) << '\n'
              << "TimeSeparator=" << utf8(std::string(1, s.TimeSeparator)) << '\n'
              << "ShortDateFormat=" << utf8(s.ShortDateFormat) << '\n'
              << "LongDateFormat=" << utf8(s.LongDateFormat) << '\n'
              << "ShortTimeFormat=" << utf8(s.ShortTimeFormat) << '\n'
              << "LongTimeFormat=" << utf8(s.LongTimeFormat) << '\n';
}

int runFormat(const Args& args) {
    if (args.size() == 1 && args[0] == "settings") {
        printSettings();
        return 0;
    }
    if (args.size() != 3 || (args[0] != "float" && args[0] != "date"))
        return usageError("format", "expects: settings | float PICTURE NUMBER | date PICTURE "
                                    "DATE-TIME");
    const std::string picture = utf8ToCp1250(args[1]);
    const std::string value = utf8ToCp1250(args[2]);
    if (args[0] == "float")
        std::cout << utf8(formatFloat(picture, strToFloat(value))) << '\n';
    else
        std::cout << utf8(formatDateTime(picture, strToDateTime(value))) << '\n';
    return 0;
}

const ToolCommand kFormat({"format", "settings | float PICTURE NUMBER | date PICTURE DATE-TIME",
                           "format a number or a date with the current format settings",
                           runFormat});

} // namespace
} // namespace rq::tool
