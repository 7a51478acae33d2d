// rq0612-tool printers and print end to end on a private CUPS scheduler with
// two PostScript queues whose device is a file: what the queue produced is
// rasterised and compared with the tool's own render of the certificate,
// pages are counted for copies and collation, and the failures are checked.
#ifdef RQ_TOOL_TESTS_HAVE_QT
#include "../support/private_cups.h"
#include "run_tool.h"

#include <QImage>

#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <regex>

namespace rq::tool::test {
namespace {

using rq::testing::PrivateCups;

const std::vector<std::string> kCertificate = {"--date", "2024-05-01", "--signature", "123"};

std::vector<std::string> with(std::vector<std::string> args) {
    args.insert(args.end(), kCertificate.begin(), kCertificate.end());
    return args;
}

int count(const std::string& text, const std::string& what) {
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

// How far the inked places of two pictures of the same page differ: both
// are reduced to cells of 8 x 8 pixels (which evens out the rasterisers'
// different anti-aliasing and stroke weights) and the cells that carry ink in
// one picture and nowhere around that cell in the other are counted against
// the cells inked in either; 1 when the sizes differ by more than a pixel.
double difference(const QImage& a, const QImage& b) {
    const QSize common = a.size().boundedTo(b.size());
    if (std::abs(a.width() - b.width()) > 1 || std::abs(a.height() - b.height()) > 1)
        return 1;
    const auto cells = [&](const QImage& image) {
        return image.copy(QRect(QPoint(), common))
            .convertToFormat(QImage::Format_Grayscale8)
            .scaled(common / 8, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    const QImage ca = cells(a), cb = cells(b);
    const auto ink = [](const QImage& image, int x, int y) {
        return image.rect().contains(x, y) && qGray(image.pixel(x, y)) < 235;
    };
    const auto inkAround = [&](const QImage& image, int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (ink(image, x + dx, y + dy))
                    return true;
        return false;
    };
    int either = 0, one = 0;
    for (int y = 0; y < ca.height(); ++y)
        for (int x = 0; x < ca.width(); ++x) {
            const bool inkA = ink(ca, x, y), inkB = ink(cb, x, y);
            either += inkA || inkB;
            one += (inkA && !inkAround(cb, x, y)) || (inkB && !inkAround(ca, x, y));
        }
    return either ? static_cast<double>(one) / either : 0;
}

class PrintCommandTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (const auto why = PrivateCups::unavailable()) {
            skipReason = *why;
            return;
        }
        cups = new PrivateCups;
        // Installed but not working is a fault to see, not a reason to skip.
        if (const auto error = cups->startWithQueues({"rq-back", "rq-front"})) {
            failure = *error;
            return;
        }
    }
    static void TearDownTestSuite() {
        delete cups;
        cups = nullptr;
    }
    void SetUp() override {
        if (!skipReason.empty())
            GTEST_SKIP() << "no private CUPS scheduler: " << skipReason;
        if (!failure.empty())
            FAIL() << failure;
    }

    // Prints and waits for the queue; the queue's output, empty when none.
    static std::string print(const std::vector<std::string>& args,
                             const std::string& queue = "rq-front") {
        std::filesystem::remove(cups->outputPath(queue));
        std::vector<std::string> command = {"print"};
        command.insert(command.end(), args.begin(), args.end());
        const ToolResult result = runTool(with(command));
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_TRUE(std::regex_match(result.out, std::regex("job [1-9][0-9]* completed\n")))
            << result.out;
        EXPECT_TRUE(cups->waitIdle(queue));
        return cups->read("out/" + queue + ".out");
    }

public:
    static inline PrivateCups* cups = nullptr;

protected:
    static inline std::string skipReason;
    static inline std::string failure;
};

TEST_F(PrintCommandTest, PrintersListsTheQueuesWithTheDefaultMarked) {
    const ToolResult result = runTool({"printers"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(std::regex_search(
        result.out, std::regex("^rq-back\t300x300 dpi\tpapers: Custom, .*A4.*\tbins: Default\n")))
        << result.out;
    EXPECT_TRUE(
        std::regex_search(result.out, std::regex("\nrq-front \\(default\\)\t300x300 dpi\t")))
        << result.out;
}

TEST_F(PrintCommandTest, TheCertificatePrintsAsTheToolRendersIt) {
    const std::string output = print({});
    EXPECT_EQ(count(output, "%%Page: "), 1);
    const auto folder = cups->folder();
    std::ofstream(folder / "out.ps", std::ios::binary) << output;
    ASSERT_EQ(PrivateCups::run("gs -q -dNOPAUSE -dBATCH -sDEVICE=pnggray -dTextAlphaBits=4 "
                               "-dGraphicsAlphaBits=4 -r100 -sOutputFile=" +
                               (folder / "printed.png").string() + " " +
                               (folder / "out.ps").string()),
              0);
    const ToolResult render =
        runTool(with({"render", "--dpi", "100", "--out", (folder / "rendered.png").string()}));
    ASSERT_EQ(render.exitCode, 0) << render.err;
    const QImage printed((folder / "printed.png").c_str());
    const QImage rendered((folder / "rendered.png").c_str());
    // A4 at 100 dpi is 826.8 x 1169.3 pixels.
    EXPECT_NEAR(printed.width(), 827, 1);
    EXPECT_NEAR(printed.height(), 1169, 1);
    const double share = difference(printed, rendered);
    EXPECT_LT(share, 0.1);
    std::cout << "differing share of inked cells: " << share << '\n';
}

struct CopiesCase {
    const char* name;
    std::vector<std::string> args;
    int pages;
    const char* copiesMark; // the driver copies in the PostScript, or ""
};

class PrintCopiesTest : public PrintCommandTest,
                        public ::testing::WithParamInterface<CopiesCase> {};

TEST_P(PrintCopiesTest, ThePageCountFollowsCopiesAndCollation) {
    const std::string output = print(GetParam().args, "rq-back");
    EXPECT_EQ(count(output, "%%Page: "), GetParam().pages);
    if (*GetParam().copiesMark) {
        EXPECT_NE(output.find(GetParam().copiesMark), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrintCopiesTest,
    ::testing::Values(
        CopiesCase{"TwoCollated", {"--printer", "RQ-BACK", "--copies", "2"}, 2, ""},
        CopiesCase{"ThreeUncollated",
                   {"--printer", "rq-back", "--copies", "3", "--no-collate"},
                   1,
                   "numcopies(3)"},
        CopiesCase{"ReversedOddPage", {"--printer", "rq-back", "--odd", "--reverse"}, 1, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PrintCommandTest, PrintToFileWritesThePrnFileAndStartsNoJob) {
    const auto file = cups->folder() / "out" / "certificate.txt";
    const ToolResult result = runTool(with({"print", "--to-file", file.string()}));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto prn = cups->folder() / "out" / "certificate.prn";
    EXPECT_EQ(result.out, "file " + prn.string() + "\n");
    EXPECT_EQ(cups->read("out/certificate.prn").substr(0, 5), "%PDF-");
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(PrintCommandTest, APageListThatSelectsNothingPrintsNothing) {
    const ToolResult result = runTool(with({"print", "--pages", "7-3"}));
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "nothing to print: no page selected\n");
}

struct FailureCase {
    const char* name;
    std::vector<std::string> args;
    const char* message;
};

class PrintFailureTest : public PrintCommandTest,
                         public ::testing::WithParamInterface<FailureCase> {};

TEST_P(PrintFailureTest, ExitsWithAMessage) {
    const ToolResult result = runTool(with(GetParam().args));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err.substr(result.err.find("print: ")), GetParam().message);
    EXPECT_EQ(result.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrintFailureTest,
    ::testing::Values(FailureCase{"UnknownPrinter",
                                  {"print", "--printer", "Default"},
                                  "print: unknown printer Default\n"},
                      FailureCase{"EmptySegment",
                                  {"print", "--pages", "1,,3"},
                                  "print: invalid page list: '' is not a valid integer value\n"},
                      FailureCase{"OpenStart",
                                  {"print", "--pages", "-3"},
                                  "print: invalid page list: '' is not a valid integer value\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// A queue, or the service behind it, that cannot print: the tool says why
// in the words the desktop program uses, exits with 1, and the server
// holds no new job.
struct UnableCase {
    const char* name;
    std::function<void()> breakIt; // on the queue rq-back
    std::function<void()> mendIt;
    const char* message;
};

void PrintTo(const UnableCase& c, std::ostream* out) {
    *out << c.name;
}

class PrintUnableTest : public PrintCommandTest,
                        public ::testing::WithParamInterface<UnableCase> {};

TEST_P(PrintUnableTest, SaysWhyAndPrintsNothing) {
    const int jobs = PrivateCups::jobCount("rq-back");
    std::filesystem::remove(cups->outputPath("rq-back"));
    GetParam().breakIt();
    const ToolResult result = runTool(with({"print", "--printer", "rq-back"}));
    GetParam().mendIt();
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err.substr(std::min(result.err.find("print: "), result.err.size())),
              GetParam().message);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(PrivateCups::jobCount("rq-back"), jobs);
    EXPECT_FALSE(std::filesystem::exists(cups->outputPath("rq-back")));
}

void shell(const std::string& command) {
    EXPECT_EQ(PrivateCups::run(command), 0) << command;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrintUnableTest,
    ::testing::Values(
        UnableCase{"PrintServiceDown", [] { PrintCommandTest::cups->pause(); },
                   [] { EXPECT_EQ(PrintCommandTest::cups->resume(), std::nullopt); },
                   "print: The print service is not running, so nothing was printed. Start the "
                   "print service (CUPS), or ask your administrator to start it, then print "
                   "again.\n"},
        UnableCase{"QueueStopped", [] { shell("cupsdisable -r 'Paper jam' rq-back"); },
                   [] { shell("cupsenable rq-back"); },
                   "print: The printer \"rq-back\" is stopped (Paper jam), so nothing was "
                   "printed. Ask your administrator to resume it, or choose another printer, "
                   "then print again.\n"},
        UnableCase{"QueueRejectingJobs", [] { shell("cupsreject -r 'Toner low' rq-back"); },
                   [] { shell("cupsaccept rq-back"); },
                   "print: The printer \"rq-back\" is not accepting jobs (Toner low), so nothing "
                   "was printed. Ask your administrator to let it accept jobs again, or choose "
                   "another printer, then print again.\n"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace rq::tool::test

#endif // RQ_TOOL_TESTS_HAVE_QT
