// Bad input on the command line: every case ends with a clear message on
// standard error and a non-zero exit status, never with a signal (a signal
// shows as exit code -1) or with partial output passed off as a result.
#include "run_tool.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace rq::tool::test {
namespace {

struct BadInputCase {
    const char* name;
    std::vector<std::string> args;
    std::string (*input)(); // standard input, made when the case runs
    const char* message;    // expected on standard error
};

class ToolBadInput : public testing::TestWithParam<BadInputCase> {};

TEST_P(ToolBadInput, EndsWithItsMessageAndAFailureStatus) {
    const BadInputCase& c = GetParam();
    const ToolResult result = runTool(c.args, c.input ? c.input() : std::string());
    EXPECT_GT(result.exitCode, 0) << "stderr: " << result.err;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << "stderr: " << result.err;
}

// The certificate template (header, report, page, 25 objects, two closing
// tags) cut after its first n tags.
template <int n> std::string templateCutAfterTag() {
    std::string text = runTool({"template"}).out;
    std::size_t end = 0;
    for (int i = 0; i < n; ++i)
        end = text.find('>', end) + 1;
    return text.substr(0, end);
}

std::string oneLine() {
    return "hello\n";
}

std::string headerOnly() {
    return "<?xml version=\"1.0\"?>";
}

std::string endlessScript() {
    return "begin while True do ; end.";
}

// A report document whose script is the given text ("&#13;&#10;" are line ends).
std::string reportWithScript(const std::string& script) {
    return "<?xml version=\"1.0\"?><TfrxReport ScriptLanguage=\"PascalScript\" "
           "ScriptText.Text=\"" +
           script + "\"><TfrxReportPage Name=\"Page1\"/></TfrxReport>";
}

std::string endlessReport() {
    return reportWithScript("var i: Integer;&#13;&#10;begin while True do i := i + 1 end.");
}

std::string fileReadingReport() {
    return reportWithScript("var l: TStringList;&#13;&#10;begin l := TStringList.Create; "
                            "l.LoadFromFile('/etc/passwd') end.");
}

const BadInputCase kBadInputs[] = {
    {"ReportCutInsideThePage", {"report", "tree"}, templateCutAfterTag<12>, "Invalid file format"},
    {"ReportCutAfterThePage", {"report", "tree"}, templateCutAfterTag<29>, "Invalid file format"},
    {"ReportHeaderOnly", {"report", "roundtrip"}, headerOnly, "Invalid file format"},
    {"TextHugeFontHeight",
     {"text", "--height", "2147483647", "--png", "/dev/null"},
     oneLine,
     "Font size 1610612735 is out of range"},
    {"TextHeightBeyondAnyPixel", {"text", "--height", "1e30"}, oneLine, "bad option or value"},
    {"RunBeyondItsTimeLimit",
     {"run", "--timeout", "0.2", "/dev/stdin"},
     endlessScript,
     "rq0612-tool run: stopped: the time limit of 0.2 seconds ran out"},
    {"RunWithBadTimeLimit", {"run", "--timeout", "-1", "/dev/stdin"}, endlessScript, "--timeout"},
    {"PrepareBeyondItsTimeLimit",
     {"report", "prepare", "/dev/stdin", "--timeout", "0.2", "--ppg", "/dev/null"},
     endlessReport,
     "rq0612-tool report prepare: stopped: the time limit of 0.2 seconds ran out"},
    {"PrepareScriptReadsAFile",
     {"report", "prepare", "/dev/stdin", "--ppg", "/dev/null"},
     fileReadingReport,
     "File access is not allowed: LoadFromFile"},
};
INSTANTIATE_TEST_SUITE_P(Tool, ToolBadInput, testing::ValuesIn(kBadInputs),
                         [](const auto& info) { return std::string(info.param.name); });

// The same document may read files when the command line allows it.
TEST(ToolFileAccess, AllowFilesLetsTheReportScriptRead) {
    const std::filesystem::path ppg =
        std::filesystem::absolute(std::filesystem::temp_directory_path() /
                                  ("rq_allow_files_" + std::to_string(getpid()) + ".ppg"));
    const ToolResult result =
        runTool({"report", "prepare", "/dev/stdin", "--allow-files", "--ppg", ppg.string()},
                fileReadingReport());
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(std::filesystem::exists(ppg));
    std::filesystem::remove(ppg);
}

} // namespace
} // namespace rq::tool::test
