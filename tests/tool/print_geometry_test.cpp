// Where the certificate lands on the sheet: rq0612-tool print on queues with
// a real printer's margins (an office laser printer whose default paper is
// Letter, and a description with uneven margins), each job rasterised with
// Ghostscript at 100 dpi beside the same job on a borderless queue. The sheet
// must be A4 and the page's ink box the same within a pixel: the paper's
// corner of the page lands on the sheet's corner whatever the margins.
#ifdef RQ_TOOL_TESTS_HAVE_QT
#include "../support/private_cups.h"
#include "run_tool.h"

#include <QImage>

#include <gtest/gtest.h>

#include <ostream>

namespace rq::tool::test {
namespace {

using rq::testing::PrivateCups;

// The rectangle of the pixels darker than mid-grey, in pixels.
struct InkBox {
    int left = 0, top = 0, right = -1, bottom = -1;
};

std::ostream& operator<<(std::ostream& out, const InkBox& box) {
    return out << "(" << box.left << ", " << box.top << ") - (" << box.right << ", " << box.bottom
               << ")";
}

InkBox inkBox(const QImage& picture) {
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    InkBox box{grey.width(), grey.height(), -1, -1};
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* row = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x)
            if (row[x] < 128) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y);
            }
    }
    return box;
}

struct MarginsCase {
    const char* name;
    const char* queue; // made by SetUpTestSuite with a description with margins
};

void PrintTo(const MarginsCase& c, std::ostream* out) {
    *out << c.name << " (queue " << c.queue << ")";
}

class PrintGeometryTest : public ::testing::TestWithParam<MarginsCase> {
protected:
    static void SetUpTestSuite() {
        if (const auto why = PrivateCups::unavailable()) {
            skipReason = *why;
            return;
        }
        cups = new PrivateCups;
        // Installed but not working is a fault to see, not a reason to skip.
        if (const auto error = cups->startWithQueues({"rq-borderless"})) {
            failure = *error;
            return;
        }
        const auto laser = cups->laserJetPpd();
        const auto uneven = cups->unevenMarginsPpd();
        if (!laser || !uneven) {
            failure = "the printer descriptions with margins are missing "
                      "(package printer-driver-postscript-hp)";
            return;
        }
        if (!cups->addFileQueue("rq-laser", false, *laser) ||
            !cups->addFileQueue("rq-uneven", false, *uneven))
            failure = "the queues with margins could not be added: " + cups->read("log/lpadmin");
        else
            borderless = printed("rq-borderless");
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

    // The certificate printed on the queue, as the sheet Ghostscript makes of
    // what the queue's filters produced; a null picture when that failed.
    static QImage printed(const std::string& queue) {
        std::filesystem::remove(cups->outputPath(queue));
        const ToolResult result =
            runTool({"print", "--printer", queue, "--date", "2024-05-01", "--signature", "123"});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_TRUE(cups->waitIdle(queue));
        const auto sheet = cups->folder() / (queue + ".png");
        EXPECT_EQ(PrivateCups::run("gs -q -dNOPAUSE -dBATCH -sDEVICE=pnggray -r100 -sOutputFile=" +
                                   sheet.string() + " " + cups->outputPath(queue).string()),
                  0);
        return QImage(QString::fromStdString(sheet.string()));
    }

    static inline PrivateCups* cups = nullptr;
    static inline std::string skipReason;
    static inline std::string failure;
    static inline QImage borderless;
};

TEST_P(PrintGeometryTest, ThePageSitsOnAnA4SheetWhereTheBorderlessQueuePutsIt) {
    ASSERT_FALSE(borderless.isNull());
    const QImage sheet = printed(GetParam().queue);
    ASSERT_FALSE(sheet.isNull());
    // A4 at 100 dpi is 826.8 x 1169.3 pixels; Letter would be 850 x 1100.
    EXPECT_NEAR(sheet.width(), 827, 1);
    EXPECT_NEAR(sheet.height(), 1169, 1);
    const InkBox expected = inkBox(borderless);
    const InkBox actual = inkBox(sheet);
    EXPECT_NEAR(actual.left, expected.left, 1) << actual << " instead of " << expected;
    EXPECT_NEAR(actual.top, expected.top, 1) << actual << " instead of " << expected;
    EXPECT_NEAR(actual.right, expected.right, 1) << actual << " instead of " << expected;
    EXPECT_NEAR(actual.bottom, expected.bottom, 1) << actual << " instead of " << expected;
}

INSTANTIATE_TEST_SUITE_P(Queues, PrintGeometryTest,
                         ::testing::Values(MarginsCase{"LaserJet4250", "rq-laser"},
                                           MarginsCase{"UnevenMargins", "rq-uneven"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace rq::tool::test

#endif // RQ_TOOL_TESTS_HAVE_QT
