// rq0612-tool text: wrapped lines with their paragraph flags, the layout's
// height, width and pitch, tag removal, errors, and the PNG drawing.
#include "run_tool.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace rq::tool::test {
namespace {

TEST(ToolText, PrintsFlaggedLinesAndTheLayoutsSizes) {
    // 11-point font (15 px): line pitch 92 / 6.25 + 2 = 16.72.
    const auto result = runTool({"text", "--height", "15"}, "a\n\nb c\n");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out.substr(0, result.out.find("width=")),
              "3\ta\n3\t \n3\tb c\nheight=50.16\n");
    EXPECT_NE(result.out.find("\npitch=16.72\n"), std::string::npos);
}

TEST(ToolText, NarrowBoxGivesEveryCharacterItsOwnLine) {
    const auto result = runTool({"text", "--width", "1", "--tags"}, "<b>\xC3\xA1</b>bc");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out.substr(0, result.out.find("height=")), "1\t\xC3\xA1\n0\tb\n2\tc\n");
}

TEST(ToolText, ReportsMalformedColoursAndOptions) {
    const auto colour = runTool({"text", "--tags"}, "<font color=\"#12345G\">x");
    EXPECT_EQ(colour.exitCode, 1);
    EXPECT_NE(colour.err.find("'$12345G' is not a valid integer value"), std::string::npos);
    EXPECT_EQ(runTool({"text", "--halign", "middle"}, "x").exitCode, 64);
    EXPECT_EQ(runTool({"text", "--scale", "0"}, "x").exitCode, 64);
}

TEST(ToolText, DrawsThePngAtTheGivenScale) {
    const auto path = std::filesystem::temp_directory_path() / "rq0612_text_test.png";
    std::filesystem::remove(path);
    const auto result = runTool({"text", "--width", "100", "--height-box", "40", "--scale", "2",
                                 "--halign", "center", "--png", path.string()},
                                "RQ0612");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    std::ifstream png(path, std::ios::binary);
    char signature[8] = {};
    png.read(signature, 8);
    EXPECT_EQ(std::string(signature + 1, 3), "PNG");
    std::filesystem::remove(path);
}

} // namespace
} // namespace rq::tool::test
