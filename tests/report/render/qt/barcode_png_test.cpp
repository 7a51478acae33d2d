// Barcodes drawn by the Qt canvas into PNG files and read back: zbarimg
// must decode every symbology it knows; for all 23 a scan line of the
// picture must hold the symbol's modules at the drawing's scale (the only
// check for 2 of 5 industrial and matrix, MSI, PostNet and UPC-E with
// number system 1, which zbar does not read, beside their zint comparison).
#include "report/barcode/barcode.h"
#include "report/model/barcode_view.h"
#include "report/render/draw_view.h"
#include "report/render/qt/qt_canvas.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace rq::report::render::qt {
namespace {

using namespace model;

struct PngCase {
    const char* name;
    TfrxBarcodeType type;
    std::string text;
    bool checksum;
    int rotation;
    // What zbarimg reads (UPC as its EAN-13 form); empty: zbar does not know it.
    std::string decoded;
};

const PngCase kCases[] = {
    {"Interleaved", bcCode_2_5_interleaved, "123456", false, 0, "123456"},
    {"Industrial", bcCode_2_5_industrial, "123456", false, 0, ""},
    {"Matrix", bcCode_2_5_matrix, "123456", false, 0, ""},
    {"Code39", bcCode39, "CODE39 TEST", false, 0, "CODE39 TEST"},
    {"Code39Check", bcCode39, "12345678", true, 0, "12345678-"},
    {"Code39Turned90", bcCode39, "12345678", false, 90, "12345678"},
    {"Code39Extended", bcCode39Extended, "Abc!", false, 0, "A+B+C/A"},
    {"Code128A", bcCode128A, "ABC12", false, 0, "ABC12"},
    {"Code128B", bcCode128B, "Hello World", false, 0, "Hello World"},
    {"Code128BTurned180", bcCode128B, "Hello World", false, 180, "Hello World"},
    {"Code128BTurned270", bcCode128B, "Hello World", false, 270, "Hello World"},
    {"Code128C", bcCode128C, "123456", false, 0, "123456"},
    {"Code93", bcCode93, "CODE93", false, 0, "CODE93"},
    {"Code93Extended", bcCode93Extended, "Abc!", false, 0, "Abc!"},
    {"MSI", bcCodeMSI, "1234567", false, 0, ""},
    {"PostNet", bcCodePostNet, "12345", false, 0, ""},
    {"Codabar", bcCodeCodabar, "40156", false, 0, "A40156B"},
    {"EAN8", bcCodeEAN8, "5512345", true, 0, "55123457"},
    {"EAN13", bcCodeEAN13, "400638133393", true, 0, "4006381333931"},
    {"EAN13Turned90", bcCodeEAN13, "400638133393", true, 90, "4006381333931"},
    {"UPCA", bcCodeUPC_A, "03600029145", true, 0, "0036000291452"},
    {"UPCE0", bcCodeUPC_E0, "1234560", true, 0, "0012345000065"},
    {"UPCE1", bcCodeUPC_E1, "1234560", true, 0, ""},
    {"Supp2", bcCodeUPC_Supp2, "12", false, 0, "12"},
    {"Supp5", bcCodeUPC_Supp5, "52495", false, 0, "52495"},
    {"EAN128A", bcCodeEAN128A, "ABC", false, 0, "ABC"},
    {"EAN128B", bcCodeEAN128B, "21A1B2C", false, 0, "21A1B2C"},
    {"EAN128C", bcCodeEAN128C, "0112345678901231", false, 0, "0112345678901231"},
};

constexpr int kScale = 3;
constexpr int kQuiet = 10; // modules of white around the symbol

std::string Modules(const PngCase& c) {
    barcode::TfrxBarcode g;
    g.SetTyp(c.type);
    g.SetChecksum(c.checksum);
    g.SetText(c.text);
    std::string modules;
    for (char ch : g.EncodeBars())
        modules.append(static_cast<std::size_t>(g.ElementWidth(ch)),
                       barcode::DecodeBarChar(ch).bar ? '1' : '0');
    return modules;
}

// The barcode object, 60 pixels across its bars, drawn black on white.
QImage Draw(const PngCase& c) {
    TfrxBarCodeView view;
    view.SetBarType(c.type);
    view.SetCalcCheckSum(c.checksum);
    view.SetRotation(c.rotation);
    view.SetText(c.text);
    view.SetColor(clWhite);
    view.SetLeft(kQuiet);
    view.SetTop(kQuiet);
    view.SetWidth(60);
    view.SetHeight(60);
    QtImageCanvas sizing({1, 1});
    DrawView(view, DrawContext{sizing});
    QtImageCanvas canvas({static_cast<int>(view.Width() + 2 * kQuiet + 1) * kScale,
                          static_cast<int>(view.Height() + 2 * kQuiet + 1) * kScale});
    DrawView(view, DrawContext{canvas, kScale, kScale});
    return canvas.image().copy();
}

std::string Zbar(const std::string& path) {
    const std::string command =
        "zbarimg -q --raw -Sean2.enable -Sean5.enable '" + path + "' 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return "(zbarimg did not start)";
    std::string out;
    for (int ch; (ch = std::fgetc(pipe)) != EOF;)
        out += static_cast<char>(ch);
    pclose(pipe);
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r'))
        out.pop_back();
    return out;
}

class BarcodePng : public ::testing::TestWithParam<PngCase> {};

TEST_P(BarcodePng, ScanLineHoldsTheModulesAndZbarReadsIt) {
    const PngCase& c = GetParam();
    const QImage image = Draw(c);
    const bool turned = c.rotation == 90 || c.rotation == 270;
    // 40 units from the bars' top edge: inside full and short bars alike.
    const int across = (kQuiet + (c.rotation == 180 || c.rotation == 270 ? 21 : 40)) * kScale;
    const int start = kQuiet * kScale;
    std::string expected;
    for (char m : Modules(c))
        expected.append(kScale, m);
    std::string line;
    for (int i = 0; i < static_cast<int>(expected.size()); ++i) {
        const QRgb pixel = turned ? image.pixel(across, start + i) : image.pixel(start + i, across);
        line += qGray(pixel) < 128 ? '1' : '0';
    }
    if (c.rotation == 90 || c.rotation == 180)
        std::reverse(line.begin(), line.end());
    EXPECT_EQ(line, expected);

    if (c.decoded.empty())
        return;
    const auto path =
        std::filesystem::temp_directory_path() / ("rq0612_barcode_" + std::string(c.name) + ".png");
    ASSERT_TRUE(image.save(QString::fromStdString(path.string()), "PNG"));
    EXPECT_EQ(Zbar(path.string()), c.decoded);
    std::filesystem::remove(path);
}

INSTANTIATE_TEST_SUITE_P(Symbologies, BarcodePng, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BarcodePng, CasesCoverEverySymbology) {
    bool seen[barcode::kBarcodeTypeCount] = {};
    for (const auto& c : kCases)
        seen[c.type] = true;
    for (bool s : seen)
        EXPECT_TRUE(s);
}

} // namespace
} // namespace rq::report::render::qt
