// rq0612-tool template: the written template is the committed resource and
// reads back through `report roundtrip` unchanged; --tree lists the page
// and its 25 objects; --pictures puts other JPEG files in.
#include "run_tool.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

namespace rq::tool::test {
namespace {

const std::string kResources = std::string(RQ_TEST_DATA_DIR) + "/../../src/certificate/resources/";

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

TEST(ToolTemplate, WritesTheCommittedResourceWhichReadsBackUnchanged) {
    const auto written = runTool({"template"});
    ASSERT_EQ(written.exitCode, 0) << written.err;
    EXPECT_EQ(written.out, readFile(kResources + "certificate.xml"));
    const auto back = runTool({"report", "roundtrip"}, written.out);
    ASSERT_EQ(back.exitCode, 0) << back.err;
    EXPECT_EQ(back.err, "");
    EXPECT_EQ(back.out, written.out);
}

TEST(ToolTemplate, TreeListsThePageAndItsObjectsInStreamOrder) {
    const auto tree = runTool({"template", "--tree"});
    ASSERT_EQ(tree.exitCode, 0) << tree.err;
    const auto listed = lines(tree.out);
    ASSERT_EQ(listed.size(), 26u);
    EXPECT_EQ(listed[0], "TfrxReportPage Page1 l=0 t=0 w=794 h=1123 visible=1");
    EXPECT_EQ(listed[1], "  TfrxMemoView Memo1 l=166.29932 t=94.48825 w=302.3624 h=34.01577 "
                         "visible=1");
    EXPECT_EQ(listed[3], "  TfrxMemoView Memo46 l=506.45702 t=-3.77953 w=90.70872 h=71.81107 "
                         "visible=0");
    EXPECT_EQ(listed[13], "  TfrxBarCodeView BarCode1 l=487.55937 t=109.60637 w=128 h=34.01577 "
                          "visible=0");
    EXPECT_EQ(listed[19], "  TfrxLineView Line5 l=476.220472440945 t=75.5906 w=0 h=56.69295 "
                          "visible=1");
    EXPECT_EQ(listed[25], "  TfrxMemoView Memo3 l=7.55906 t=219.21274 w=619.84292 h=211.65368 "
                          "visible=1");
}

TEST(ToolTemplate, PicturesOptionPutsOtherJpegsInAndAutoSizeFollows) {
    const auto same = runTool({"template", "--pictures", kResources + "coat_of_arms.jpg",
                               kResources + "quality_mark.jpg"});
    ASSERT_EQ(same.exitCode, 0) << same.err;
    EXPECT_EQ(same.out, readFile(kResources + "certificate.xml"));
    // Swapped: each view takes the other picture's size.
    const auto swapped = runTool({"template", "--pictures", kResources + "quality_mark.jpg",
                                  kResources + "coat_of_arms.jpg"});
    ASSERT_EQ(swapped.exitCode, 0) << swapped.err;
    const auto tree = runTool({"report", "tree"}, swapped.out);
    const auto listed = lines(tree.out);
    ASSERT_EQ(listed.size(), 26u);
    EXPECT_EQ(listed[10], "  TfrxPictureView Picture1 l=0 t=0 w=90 h=62 visible=1");
    EXPECT_EQ(listed[11], "  TfrxPictureView Picture2 l=71.81107 t=0 w=60 h=62 visible=1");
}

TEST(ToolTemplate, RejectsOtherArgumentsAndMissingFiles) {
    EXPECT_EQ(runTool({"template", "--bogus"}).exitCode, 64);
    EXPECT_EQ(runTool({"template", "--pictures", "a.jpg"}).exitCode, 64);
    const auto missing =
        runTool({"template", "--pictures", "/nonexistent/a.jpg", kResources + "quality_mark.jpg"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find("/nonexistent/a.jpg"), std::string::npos);
}

} // namespace
} // namespace rq::tool::test
