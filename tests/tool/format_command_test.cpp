// rq0612-tool format settings: the tool reads the user's locale through Qt's
// locale data, as the desktop program does, so both show the same separators
// and short date.
#include "run_tool.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace rq::tool::test
