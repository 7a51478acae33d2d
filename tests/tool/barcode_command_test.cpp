// rq0612-tool barcode: the bar string and width lines, the generator's
// errors on standard error with exit status 1, option errors, and the PNG
// that zbarimg reads back.
#include "run_tool.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace rq::tool::test {
namespace {

TEST(ToolBarcode, PrintsTheBarStringAndItsWidth) {
    const auto plain = runTool({"barcode", "--type", "bcCode39", "--", "12345678"});
    ASSERT_EQ(plain.exitCode, 0) << plain.err;
    const std::string star = "515060605";
    EXPECT_EQ(plain.out.substr(0, star.size() + 1), star + "0");
    EXPECT_EQ(plain.out.substr(plain.out.find('\n')), "\nwidth=128\n");

    const auto check = runTool({"barcode", "--type", "bcCode39", "--checksum", "--", "12345678"});
    ASSERT_EQ(check.exitCode, 0) << check.err;
    // The check character "-" precedes the stop "*".
    EXPECT_NE(check.out.find("5150506060" + star + "\nwidth=141\n"), std::string::npos);

    const auto empty = runTool({"barcode", "--type", "bcCode39", "--", ""});
    EXPECT_EQ(empty.out, star + "0" + star + "\nwidth=24\n");
}

TEST(ToolBarcode, GeneratorErrorsGoToStandardErrorWithStatusOne) {
    struct Row {
        std::vector<std::string> args;
        std::string err;
    };
    const Row rows[] = {
        {{"barcode", "--type", "bcCode93", "--", "ab"}, "TfrxBarcode:Code93 bad Data <ab>\n"},
        {{"barcode", "--type", "bcCodeEAN13", "--", "12a"}, "Barcode must be numeric\n"},
        // Windows-1250 letters come back as they were typed.
        {{"barcode", "--type", "bcCode93Extended", "--", "\xC3\x81rv\xC3\xADz"},
         "TfrxBarcode:Code93 bad Data <\xC3\x81rv\xC3\xADz>\n"},
        {{"barcode", "--type", "bcCodeEAN128B", "--checksum", "--", "10AB"},
         "'B' is not a valid integer value\n"},
    };
    for (const Row& row : rows) {
        const auto result = runTool(row.args);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, row.err);
    }
}

TEST(ToolBarcode, RejectsUnknownTypesAndMissingText) {
    EXPECT_EQ(runTool({"barcode", "--type", "bcCode49", "--", "1"}).exitCode, 64);
    EXPECT_EQ(runTool({"barcode", "--type", "bcCode39"}).exitCode, 64);
    EXPECT_EQ(runTool({"barcode", "--", "1"}).exitCode, 64);
    EXPECT_EQ(runTool({"barcode", "--type", "bcCode39", "--zoom", "x", "--", "1"}).exitCode, 64);
}

std::string Zbar(const std::filesystem::path& path) {
    FILE* pipe = popen(("zbarimg -q --raw '" + path.string() + "' 2>/dev/null").c_str(), "r");
    std::string out;
    for (int ch; pipe && (ch = std::fgetc(pipe)) != EOF;)
        out += static_cast<char>(ch);
    if (pipe)
        pclose(pipe);
    return out;
}

TEST(ToolBarcode, DrawsAPngThatZbarReads) {
    const auto path = std::filesystem::temp_directory_path() / "rq0612_barcode_tool.png";
    for (const char* rotation : {"0", "90"}) {
        std::filesystem::remove(path);
        const auto result =
            runTool({"barcode", "--type", "bcCodeEAN13", "--checksum", "--rotation", rotation,
                     "--zoom", "1", "--png", path.string(), "--scale", "2", "--", "400638133393"});
        ASSERT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(Zbar(path), "4006381333931\n") << "rotation " << rotation;
    }
    std::filesystem::remove(path);
}

} // namespace
} // namespace rq::tool::test
