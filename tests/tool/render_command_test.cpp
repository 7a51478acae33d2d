// rq0612-tool render: the filled certificate as a PNG of the A4 page's pixel
// size at 96 and 600 dpi, as a one-page PDF whose text poppler's pdftotext
// reads back with its accents and without formatting tags, and the failures
// (message on standard error, non-zero exit, no file left behind).
#include "run_tool.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace rq::tool::test {
namespace {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Width and height from a PNG's IHDR chunk (big-endian, bytes 16 to 23).
std::pair<int, int> pngSize(const std::string& png) {
    if (png.size() < 24 || png.compare(1, 3, "PNG") != 0)
        return {0, 0};
    const auto word = [&](std::size_t at) {
        int value = 0;
        for (std::size_t i = 0; i < 4; ++i)
            value = value * 256 + static_cast<unsigned char>(png[at + i]);
        return value;
    };
    return {word(16), word(20)};
}

std::string commandOutput(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return out;
    std::array<char, 4096> buffer{};
    for (std::size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
        out.append(buffer.data(), n);
    pclose(pipe);
    return out;
}

class ToolRender : public ::testing::Test {
protected:
    ToolRender() {
        dir_ = std::filesystem::temp_directory_path() /
               ("rq0612_render_test_" +
                std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    ~ToolRender() override { std::filesystem::remove_all(dir_); }
    std::string path(const char* name) const { return (dir_ / name).string(); }

    ToolResult render(std::vector<std::string> options) const {
        std::vector<std::string> args = {"render",
                                         "--date",
                                         "2026-12-10",
                                         "--signature",
                                         "31415926535",
                                         "--set",
                                         "Edit1=Kovács és Társa Kft.",
                                         "--set",
                                         "Edit3=Nagy Anna",
                                         "--set",
                                         "Edit6=Kiss Anna",
                                         "--set",
                                         "PBNumEdit1=250 000"};
        args.insert(args.end(), options.begin(), options.end());
        return runTool(args);
    }

    std::filesystem::path dir_;
};

TEST_F(ToolRender, PngHasTheA4PagesPixelSizeAt96And600Dpi) {
    struct Case {
        std::vector<std::string> options;
        std::pair<int, int> size;
    };
    for (const Case& c : {Case{{}, {794, 1123}}, Case{{"--dpi", "600"}, {4961, 7016}},
                          Case{{"--zoom", "2"}, {1587, 2245}}}) {
        std::vector<std::string> options = c.options;
        options.insert(options.end(), {"--out", path("page.png")});
        const ToolResult result = render(options);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(pngSize(readFile(path("page.png"))), c.size) << options.front();
    }
}

TEST_F(ToolRender, PdfIsOneA4PageWhoseTextReadsBackWithItsAccents) {
    const ToolResult result = render({"--out", path("page.pdf")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string info = commandOutput("pdfinfo '" + path("page.pdf") + "'");
    EXPECT_NE(info.find("Pages:           1\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Page size:       595 x 842 pts (A4)"), std::string::npos) << info;
    const std::string text = commandOutput("pdftotext '" + path("page.pdf") + "' -");
    for (const char* expected :
         {"Kovács és Társa Kft.", "Nagy Anna", "Kiss Anna", "250 000", "MUNKÁLTATÓI IGAZOLÁS",
          "Ezüstliget Város Önkormányzata nyomtatványa", "aláírás"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
    for (const char* tag : {"<b>", "</b>", "<u>", "[m", "[datum]"})
        EXPECT_EQ(text.find(tag), std::string::npos) << tag;
}

TEST_F(ToolRender, BadRequestsFailWithAMessageAndLeaveNoFile) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        int exitCode;
        std::string message;
    };
    const std::string png = path("out.png");
    const std::string missingDir = path("no/such/dir/out.png");
    const std::vector<Case> cases = {
        {"unknown_extension",
         {"render", "--out", path("out.gif")},
         64,
         "--out must name a .png or a .pdf file"},
        {"no_output", {"render", "--dpi", "96"}, 64, "usage: render"},
        {"bad_dpi", {"render", "--dpi", "0", "--out", png}, 64, "--dpi expects"},
        {"huge_dpi", {"render", "--dpi", "5000", "--out", png}, 64, "--dpi expects"},
        {"dpi_and_zoom",
         {"render", "--dpi", "96", "--zoom", "1", "--out", png},
         64,
         "--dpi and --zoom exclude each other"},
        {"zoom_for_pdf",
         {"render", "--zoom", "2", "--out", path("out.pdf")},
         64,
         "--zoom applies to PNG output only"},
        {"unknown_option",
         {"render", "--colour", "red", "--out", png},
         64,
         "unknown option --colour"},
        {"missing_value", {"render", "--out"}, 64, "--out needs a value"},
        {"bad_page", {"render", "--page", "0", "--out", png}, 64, "--page expects"},
        {"page_past_the_end",
         {"render", "--page", "2", "--out", png},
         1,
         "page 2 does not exist (the report has 1 page)"},
        {"unwritable_path", {"render", "--out", missingDir}, 1, "Cannot write \"" + missingDir},
        {"bad_field", {"render", "--set", "Nope=1", "--out", png}, 64, "no input field named Nope"},
    };
    for (const Case& c : cases) {
        const ToolResult result = runTool(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.name << ": " << result.err;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << c.name << ": " << result.err;
        EXPECT_TRUE(std::filesystem::is_empty(dir_)) << c.name;
    }
}

} // namespace
} // namespace rq::tool::test
