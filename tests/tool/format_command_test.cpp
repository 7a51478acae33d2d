// rq0612-tool format settings: the tool reads the user's locale through Qt's
// locale data, as the desktop program does, so both show the same separators
// and short date.
#include "run_tool.h"

#include "base/qt/qt_locale.h"
#include "base/text1250.h"

#include <gtest/gtest.h>

#include <string>

namespace rq::tool::test {
namespace {

TEST(FormatCommand, HungarianSettingsAreTheProgramsOwn) {
    const ToolResult result = runToolInLocale({"LANG=hu_HU.UTF-8"}, {"format", "settings"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    for (const char* line : {"DecimalSeparator=,\n",
                             "ThousandSeparator=\xC2\xA0\n", // no-break space
                             "DateSeparator=.\n", "ShortDateFormat=yyyy. MM. dd.\n"})
        EXPECT_NE(result.out.find(line), std::string::npos) << line << result.out;
    const ToolResult date =
        runToolInLocale({"LANG=hu_HU.UTF-8"}, {"format", "date", "ddddd", "2026. 12. 10."});
    EXPECT_EQ(date.out, "2026. 12. 10.\n") << date.err;
    const ToolResult number =
        runToolInLocale({"LANG=hu_HU.UTF-8"}, {"format", "float", ",0.00", "1234567,5"});
    EXPECT_EQ(number.out, "1\xC2\xA0"
                          "234\xC2\xA0"
                          "567,50\n")
        << number.err;
}

// The program takes userFormatSettings() at start-up; the tool, run in this
// process's own locale, must print the same. CTest runs this once more under
// hu_HU.UTF-8.
TEST(FormatCommand, ToolPrintsTheProgramsSettingsInTheUsersLocale) {
    const base::FormatSettings program = base::qt::userFormatSettings();
    const auto utf8 = [](const std::string& ansi) { return base::cp1250ToUtf8(ansi); };
    const std::string expected =
        "DecimalSeparator=" + utf8(std::string(1, program.DecimalSeparator)) + "\n" +
        "ThousandSeparator=" + utf8(std::string(1, program.ThousandSeparator)) + "\n" +
        "DateSeparator=" + utf8(std::string(1, program.DateSeparator)) + "\n" +
        "TimeSeparator=" + utf8(std::string(1, program.TimeSeparator)) + "\n" +
        "ShortDateFormat=" + utf8(program.ShortDateFormat) + "\n";
    const ToolResult result = runTool({"format", "settings"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out.substr(0, expected.size()), expected);
}

} // namespace
} // namespace rq::tool::test
