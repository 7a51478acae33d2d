// rq0612-tool prepare and report prepare: the main window's print command
// run offscreen into a ".ppg" document, any report prepared with given
// variables, and the failures (error list on standard error, exit 1, no file).
#include "run_tool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>

namespace rq::tool::test {
namespace {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int occurrences(const std::string& text, const std::string& needle) {
    int count = 0;
    for (auto at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1))
        ++count;
    return count;
}

std::string joined(const std::vector<std::string>& args) {
    std::string text;
    for (const auto& arg : args)
        text += arg + ' ';
    return text;
}

// The prepared pages of a ".ppg" document: the text between the
// "previewpages" tags.
std::string previewPages(const std::string& ppg) {
    const auto begin = ppg.find("<previewpages>");
    const auto end = ppg.find("</previewpages>");
    if (begin == std::string::npos || end == std::string::npos)
        return "<none>";
    return ppg.substr(begin + 14, end - begin - 14);
}

class ToolPrepare : public ::testing::Test {
protected:
    ToolPrepare() {
        dir_ = std::filesystem::temp_directory_path() /
               ("rq0612_prepare_test_" +
                std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    ~ToolPrepare() override { std::filesystem::remove_all(dir_); }
    std::string path(const char* name) const { return (dir_ / name).string(); }

    std::filesystem::path dir_;
};

TEST_F(ToolPrepare, PrintCommandWritesTheFilledCertificate) {
    const auto result = runTool(
        {"--short-date", "yyyy.MM.dd.", "prepare", "--set", "Edit1=Ez\xC3\xBCstliget", "--set",
         "Edit3=Kov\xC3\xA1"
         "cs \xC3\x89va",
         "--set", "Edit6=Szab\xC3\xB3 \xC3\x89va", "--set", "Edit7=Kossuth t\xC3\xA9r 2.", "--set",
         "PBNumEdit1=1 234 567", "--date", "2026-12-10", "--signature", "31415926535", "--ppg",
         path("out.ppg")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "");
    const std::string pages = previewPages(readFile(dir_ / "out.ppg"));
    // One page of the 23 visible objects, each an empty element.
    ASSERT_TRUE(pages.starts_with("<page0>") && pages.ends_with("</page0>")) << pages;
    EXPECT_EQ(std::count(pages.begin(), pages.end(), '<'), 23 + 2) << pages;
    EXPECT_NE(pages.find("x=\"(9265354A7)\""), std::string::npos) << pages;
    EXPECT_EQ(occurrences(pages, "x=\"2026.12.10.\""), 2) << pages; // Memo65 and Memo8
    EXPECT_NE(pages.find("&#60;u&#62;&#60;b&#62;Ez\xFCstliget&#60;/b&#62;&#60;/u&#62;&#13;&#10;"
                         "&#60;u&#62;&#60;b&#62;-&#60;/b&#62;&#60;/u&#62;"),
              std::string::npos)
        << pages;
    EXPECT_NE(pages.find("hogy &#60;b&#62;Kov\xE1"
                         "cs \xC9va&#60;/b&#62; , le\xE1nykori neve: "
                         "&#60;b&#62;Szab\xF3 \xC9va&#60;/b&#62;, &#60;b&#62;Kossuth t\xE9r "
                         "2.&#60;/b&#62; sz\xE1m"),
              std::string::npos)
        << pages;
    EXPECT_NE(pages.find("&#60;b&#62;1 234 567&#60;/b&#62; Ft."), std::string::npos) << pages;
    EXPECT_EQ(pages.find('['), std::string::npos) << pages;
}

TEST_F(ToolPrepare, IdentifierComesFromTheMachineWithoutSignature) {
    const auto named = runTool({"prepare", "--set", "Edit3=A", "--ppg", path("a.ppg")});
    ASSERT_EQ(named.exitCode, 0) << named.err;
    const std::string pages = previewPages(readFile(dir_ / "a.ppg"));
    EXPECT_TRUE(std::regex_search(pages, std::regex("x=\"\\([0-9]{1,6}41\\)\""))) << pages;

    // Without a name there is no identifier yet: the footer shows "()".
    const auto unnamed = runTool({"prepare", "--ppg", path("b.ppg")});
    ASSERT_EQ(unnamed.exitCode, 0) << unnamed.err;
    EXPECT_NE(previewPages(readFile(dir_ / "b.ppg")).find("x=\"()\""), std::string::npos);
}

TEST_F(ToolPrepare, MalformedArgumentsAreUsageErrors) {
    const std::string ppg = path("x.ppg");
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"prepare"},
             {"prepare", "--set", "Edit1=x"},
             {"prepare", "--ppg"},
             {"prepare", "--date", "2026-02-30", "--ppg", ppg},
             {"prepare", "--date", "10.12.2026", "--ppg", ppg},
             {"prepare", "--signature", "12a", "--ppg", ppg},
             {"prepare", "--set", "Nope=1", "--ppg", ppg},
             {"prepare", "--set", "Edit1", "--ppg", ppg},
             {"prepare", "--bogus", "1", "--ppg", ppg},
         }) {
        SCOPED_TRACE(joined(args));
        EXPECT_EQ(runTool(args).exitCode, 64);
    }
    EXPECT_FALSE(std::filesystem::exists(ppg));
}

TEST_F(ToolPrepare, UnwritableFileExitsWithOne) {
    const auto result = runTool({"prepare", "--ppg", path("none/x.ppg")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("Cannot create file"), std::string::npos) << result.err;
}

// A band-less page with a greeting that names two variables differing in
// case, and an invisible memo whose unknown name is never asked.
constexpr const char* kGreetingReport =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
    "<TfrxReport Name=\"\" ScriptText.Text=\"begin&#13;&#10;&#13;&#10;end.\">\n"
    "  <TfrxReportPage Name=\"Page1\" PaperWidth=\"210\" PaperHeight=\"297\" PaperSize=\"9\">\n"
    "    <TfrxMemoView Name=\"Greeting\" Left=\"10\" Top=\"10\" Width=\"200\" Height=\"20\" "
    "Memo.Text=\"Hello, [who] and [Who]!\"/>\n"
    "    <TfrxMemoView Name=\"Hidden\" Left=\"10\" Top=\"40\" Width=\"200\" Height=\"20\" "
    "Visible=\"False\" Memo.Text=\"[nobody]\"/>\n"
    "  </TfrxReportPage>\n"
    "</TfrxReport>\n";

class ToolReportPrepare : public ToolPrepare {
protected:
    ToolReportPrepare() {
        std::ofstream(dir_ / "greeting.xml", std::ios::binary) << kGreetingReport;
    }
};

TEST_F(ToolReportPrepare, AnswersExactlyTheGivenNames) {
    const auto result = runTool({"report", "prepare", path("greeting.xml"), "--var",
                                 "who=Vil\xC3\xA1g", "--var", "Who=X", "--ppg", path("g.ppg")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(previewPages(readFile(dir_ / "g.ppg")),
              "<page0><m1 x=\"Hello, Vil\xE1g and X!\"/></page0>");
}

TEST_F(ToolReportPrepare, FailedRunPrintsTheErrorListAndWritesNothing) {
    const auto result = runTool(
        {"report", "prepare", path("greeting.xml"), "--var", "who=W", "--ppg", path("g.ppg")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "Greeting: Error in expression 'Who': Undeclared identifier: 'Who'\n");
    EXPECT_FALSE(std::filesystem::exists(dir_ / "g.ppg"));
}

TEST_F(ToolReportPrepare, TheCertificateTemplatePreparesWithItsNames) {
    const auto written = runTool({"template"});
    ASSERT_EQ(written.exitCode, 0) << written.err;
    std::ofstream(dir_ / "certificate.xml", std::ios::binary) << written.out;
    std::vector<std::string> args = {"report", "prepare", path("certificate.xml")};
    for (const char* name : {"m1", "m2", "m3", "m4", "m5", "m7", "m8", "m9", "m13", "datum"})
        args.insert(args.end(), {"--var", std::string(name) + "=" + name});
    args.insert(args.end(), {"--var", "azon=ID", "--ppg", path("c.ppg")});
    const auto result = runTool(args);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string pages = previewPages(readFile(dir_ / "c.ppg"));
    EXPECT_NE(pages.find("x=\"(ID)\""), std::string::npos) << pages;
    EXPECT_NE(pages.find("&#60;b&#62;m3&#60;/b&#62; m13, &#60;b&#62;m9&#60;/b&#62;"),
              std::string::npos)
        << pages;
}

TEST_F(ToolReportPrepare, MalformedArgumentsAreUsageErrors) {
    const std::string report = path("greeting.xml");
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"report", "prepare"},
             {"report", "prepare", report},
             {"report", "prepare", "--ppg", path("g.ppg")},
             {"report", "prepare", report, "--ppg"},
             {"report", "prepare", report, "--var", "who", "--ppg", path("g.ppg")},
             {"report", "prepare", report, "--var", "=x", "--ppg", path("g.ppg")},
             {"report", "prepare", report, "--bogus", "1", "--ppg", path("g.ppg")},
             {"report", "tree", report, "extra"},
         }) {
        SCOPED_TRACE(joined(args));
        EXPECT_EQ(runTool(args).exitCode, 64);
    }
    const auto missing = runTool({"report", "prepare", path("none.xml"), "--ppg", path("g.ppg")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("cannot open"), std::string::npos);
}

} // namespace
} // namespace rq::tool::test
