// rq0612-tool preview: the preview window the print command opens, laid out
// in a given workspace (the layout example of a 1000-pixel-wide workspace at
// zoom 1), its zoom box and zoom modes, find with and without case, a saved
// ".ppg" of several pages opened instead, the window's picture, and the
// failures. Also render --ppg, which draws a page of such a file.
#ifdef RQ_TOOL_TESTS_HAVE_QT
#include "run_tool.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <unistd.h>

namespace rq::tool::test {
namespace {

namespace fs = std::filesystem;
using Lines = std::map<std::string, std::string>;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// key=value lines by key.
Lines linesOf(const std::string& out) {
    Lines lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) {
        const auto eq = line.find('=');
        if (eq != std::string::npos)
            lines[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return lines;
}

const std::vector<std::string> kFilled = {"--date",      "2026-12-10",  "--signature",
                                          "31415926535", "--set",       "Edit3=Nagy Anna",
                                          "--set",       "Edit6=Kiss J"};

class ToolPreview : public ::testing::Test {
protected:
    ToolPreview() {
        // The window system decides window sizes; offscreen they are exact.
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        dir_ = fs::absolute(fs::temp_directory_path()) /
               ("rq0612_preview_test_" + std::to_string(getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    ~ToolPreview() override { fs::remove_all(dir_); }
    std::string path(const char* name) const { return (dir_ / name).string(); }

    static ToolResult preview(std::vector<std::string> options, bool filled = true) {
        std::vector<std::string> args = {"preview"};
        if (filled)
            args.insert(args.end(), kFilled.begin(), kFilled.end());
        args.insert(args.end(), options.begin(), options.end());
        return runTool(args);
    }

    // The certificate saved by prepare, then three pages of it in one file:
    // the third names "Kiss Anna" instead of "Nagy Anna".
    std::string threePages() const {
        std::vector<std::string> args = {"prepare"};
        args.insert(args.end(), kFilled.begin(), kFilled.end());
        args.insert(args.end(), {"--ppg", path("one.ppg")});
        const ToolResult prepared = runTool(args);
        EXPECT_EQ(prepared.exitCode, 0) << prepared.err;
        std::string ppg = readFile(path("one.ppg"));
        const auto begin = ppg.find("<page0>");
        const auto end = ppg.find("</page0>") + 8;
        std::string page = ppg.substr(begin, end - begin);
        std::string third = page;
        third.replace(third.find("Nagy Anna"), 9, "Kiss Anna");
        ppg.replace(begin, end - begin, page + page + third);
        writeFile(path("three.ppg"), ppg);
        return path("three.ppg");
    }

    fs::path dir_;
};

TEST_F(ToolPreview, LayoutExampleOfAThousandPixelWideWorkspace) {
    const ToolResult result = preview({});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "caption=Preview\n"
                          "status=Page 1 of 1\n"
                          "zoom=100%\n"
                          "page-rect=103,10,897,1133\n"
                          "vert-range=1143\n"
                          "toolbar=Print,Whole Page,Page Width,100%,Two Pages,Zoom,-,Close\n");
}

TEST_F(ToolPreview, ZoomBoxAndZoomModesRelayThePage) {
    struct Case {
        const char* name;
        std::vector<std::string> options;
        std::string zoom, pageRect, vertRange;
    };
    const std::vector<Case> cases = {
        {"typed_with_blank", {"--zoom", "75 %"}, "75%", "202,8,798,850", "860"},
        {"below_the_limit", {"--zoom", "10"}, "25%", "401,2,599,283", "293"},
        {"whole_page_fits_the_height", {"--zoom-mode", "whole"}, "69%", "224,7,775,787", "797"},
        {"page_width_fills_a_narrow_workspace",
         {"--client", "500x800", "--zoom-mode", "width"},
         "60%",
         "10,6,490,685",
         "695"},
        {"zoom_after_mode_wins",
         {"--zoom-mode", "whole", "--zoom", "200"},
         "200%",
         "10,20,1598,2266",
         "2276"},
    };
    for (const Case& c : cases) {
        const ToolResult result = preview(c.options);
        ASSERT_EQ(result.exitCode, 0) << c.name << ": " << result.err;
        const Lines lines = linesOf(result.out);
        EXPECT_EQ(lines.at("zoom"), c.zoom) << c.name;
        EXPECT_EQ(lines.at("page-rect"), c.pageRect) << c.name;
        EXPECT_EQ(lines.at("vert-range"), c.vertRange) << c.name;
    }
}

TEST_F(ToolPreview, FindHonoursTheCase) {
    const Lines insensitive = linesOf(preview({"--find", "nagy anna"}).out);
    ASSERT_TRUE(insensitive.at("found").starts_with("1 ")) << insensitive.at("found");
    EXPECT_EQ(linesOf(preview({"--find", "Nagy Anna", "--case"}).out).at("found"),
              insensitive.at("found"));
    EXPECT_EQ(linesOf(preview({"--find", "nagy anna", "--case"}).out).at("found"), "none");
    EXPECT_EQ(linesOf(preview({"--find", "Szab\xC3\xB3 P\xC3\xA9ter"}).out).at("found"), "none");
}

TEST_F(ToolPreview, SavedPagesOpenAsTheyWereShown) {
    const std::string file = threePages();
    const ToolResult result =
        runTool({"preview", "--ppg", file, "--page", "2", "--find", "kiss a"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const Lines lines = linesOf(result.out);
    EXPECT_EQ(lines.at("caption"), "Preview");
    EXPECT_EQ(lines.at("status"), "Page 2 of 3");
    EXPECT_EQ(lines.at("page-rect"), "103,10,897,1133");
    EXPECT_EQ(lines.at("vert-range"), "3409"); // three 1123-pixel pages, 10 apart
    EXPECT_TRUE(lines.at("found").starts_with("3 ")) << lines.at("found");
}

TEST_F(ToolPreview, ScreenshotIsTheWholeWindowWithThePageOnGrey) {
    const ToolResult result = preview({"--zoom-mode", "whole", "--screenshot", path("w.png")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const QImage picture(QString::fromStdString(path("w.png")));
    ASSERT_FALSE(picture.isNull());
    // Toolbar and status bar around the 1000 x 800 workspace.
    EXPECT_GE(picture.width(), 1000);
    EXPECT_GT(picture.height(), 800);
    const int middle = picture.height() / 2;
    EXPECT_EQ(picture.pixel(100, middle) & 0xFFFFFFu, 0x808080u); // left of the page
    EXPECT_EQ(picture.pixel(picture.width() / 2, middle) & 0xFFFFFFu, 0xFFFFFFu);
}

TEST_F(ToolPreview, BadRequestsFailWithAMessage) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        int exitCode;
        std::string message;
    };
    const std::string ppg = path("x.ppg");
    writeFile(ppg, "<?xml version=\"1.0\"?><preparedreport><previewpages><page7/>"
                   "</previewpages></preparedreport>");
    const std::vector<Case> cases = {
        {"bad_client", {"preview", "--client", "0x10"}, 64, "--client expects"},
        {"client_without_x", {"preview", "--client", "1000"}, 64, "--client expects"},
        {"bad_mode", {"preview", "--zoom-mode", "tall"}, 64, "--zoom-mode expects"},
        {"zoom_not_a_number",
         {"preview", "--zoom", "abc"},
         64,
         "--zoom: 'abc' is not a valid floating point value"},
        {"case_without_find", {"preview", "--case"}, 64, "--case applies to --find only"},
        {"ppg_and_fields",
         {"preview", "--ppg", ppg, "--set", "Edit3=A"},
         64,
         "--ppg excludes --set"},
        {"page_zero", {"preview", "--page", "0"}, 64, "--page expects"},
        {"missing_value", {"preview", "--find"}, 64, "--find needs a value"},
        {"unknown_option", {"preview", "--colour", "red"}, 64, "unknown option --colour"},
        {"page_past_the_end",
         {"preview", "--page", "2"},
         1,
         "page 2 does not exist (the report has 1 page)"},
        {"damaged_file", {"preview", "--ppg", ppg}, 1, "Invalid file format"},
        {"missing_file", {"preview", "--ppg", path("none.ppg")}, 1, "Cannot open file"},
        {"bad_field", {"preview", "--set", "Nope=1"}, 64, "no input field named Nope"},
    };
    for (const Case& c : cases) {
        const ToolResult result = runTool(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.name << ": " << result.err;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << c.name << ": " << result.err;
        EXPECT_EQ(result.out, "") << c.name;
    }
}

TEST_F(ToolPreview, RenderDrawsAPageOfASavedFile) {
    const std::string file = threePages();
    const ToolResult third =
        runTool({"render", "--ppg", file, "--page", "3", "--out", path("p3.png")});
    ASSERT_EQ(third.exitCode, 0) << third.err;
    const ToolResult first =
        runTool({"render", "--ppg", file, "--page", "1", "--out", path("p1.png")});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    const QImage page3(QString::fromStdString(path("p3.png")));
    const QImage page1(QString::fromStdString(path("p1.png")));
    EXPECT_EQ(page3.size(), QSize(794, 1123));
    // The same page as the certificate's own render, except for the name.
    std::vector<std::string> args = {"render"};
    args.insert(args.end(), kFilled.begin(), kFilled.end());
    args.insert(args.end(), {"--out", path("direct.png")});
    ASSERT_EQ(runTool(args).exitCode, 0);
    EXPECT_EQ(page1, QImage(QString::fromStdString(path("direct.png"))));
    EXPECT_NE(page3, page1);

    const ToolResult past =
        runTool({"render", "--ppg", file, "--page", "4", "--out", path("p4.png")});
    EXPECT_EQ(past.exitCode, 1);
    EXPECT_NE(past.err.find("page 4 does not exist (the report has 3 pages)"), std::string::npos)
        << past.err;
    const ToolResult mixed =
        runTool({"render", "--ppg", file, "--date", "2026-01-01", "--out", path("m.png")});
    EXPECT_EQ(mixed.exitCode, 64);
    EXPECT_NE(mixed.err.find("--ppg excludes --set"), std::string::npos) << mixed.err;
    EXPECT_FALSE(fs::exists(path("p4.png")));
    EXPECT_FALSE(fs::exists(path("m.png")));
}

} // namespace
} // namespace rq::tool::test

#endif // RQ_TOOL_TESTS_HAVE_QT
