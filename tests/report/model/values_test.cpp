// Value records: picture encoding and header sizes, the collections' byte
// transformation, string-list text forms, fonts and AutoSize.
#include "report/model/collections.h"
#include "report/model/picture_view.h"
#include "report/model/serializer.h"
#include "report/model/strings.h"

#include "base/exceptions.h"

#include <gtest/gtest.h>

namespace rq::report::model {
namespace {

struct SizeCase {
    const char* name;
    std::string bytes;
    bool known;
    int width, height;
};

class GraphicSizeTest : public testing::TestWithParam<SizeCase> {};

TEST_P(GraphicSizeTest, ReadsTheHeader) {
    int w = -1, h = -1;
    EXPECT_EQ(graphicSize(GetParam().bytes, w, h), GetParam().known);
    if (GetParam().known) {
        EXPECT_EQ(w, GetParam().width);
        EXPECT_EQ(h, GetParam().height);
    }
}

std::string bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values)
        s += static_cast<char>(v);
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Formats, GraphicSizeTest,
    testing::Values(
        // SOI, an APP0 segment of 4 bytes, then SOF0 with height 62 and width 60.
        SizeCase{"Jpeg",
                 bytes({0xFF, 0xD8, 0xFF, 0xE0, 0, 4, 0, 0, 0xFF, 0xC0, 0, 17, 8, 0, 62, 0, 60}),
                 true, 60, 62},
        SizeCase{"JpegCutShort", bytes({0xFF, 0xD8, 0xFF, 0xC0, 0, 17, 8, 0}), false, 0, 0},
        SizeCase{"Png",
                 std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16) +
                     bytes({0, 0, 0, 90, 0, 0, 0, 62}),
                 true, 90, 62},
        SizeCase{"BmpTopDown",
                 "BM" + std::string(16, '\0') + bytes({7, 0, 0, 0, 0xFD, 0xFF, 0xFF, 0xFF}), true,
                 7, 3},
        SizeCase{"Unknown", "GIF89a", false, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Picture, DefinedDataRoundTripsAndRejectsMalformedBytes) {
    TPicture picture;
    EXPECT_EQ(picture.DefinedData(), "");
    picture.SetGraphic("TJPEGImage", bytes({0xFF, 0xD8, 1, 2}));
    const std::string data = picture.DefinedData();
    EXPECT_EQ(toHex(data), "0A544A504547496D61676504000000FFD80102");
    TPicture back;
    back.ReadDefinedData(data);
    EXPECT_EQ(back, picture);
    for (std::string bad : {std::string("\x0A", 1), data.substr(0, data.size() - 1), data + "x",
                            std::string("\0\0\0\0\0", 5)}) {
        try {
            back.ReadDefinedData(bad);
            FAIL() << "accepted " << toHex(bad);
        } catch (const base::Exception& e) {
            EXPECT_STREQ(e.what(), "Stream read error");
        }
    }
}

TEST(PictureView, AutoSizeTakesThePictureSizeButNotWhileLoading) {
    const std::string jpeg =
        bytes({0xFF, 0xD8, 0xFF, 0xC0, 0, 17, 8, 0, 62, 0, 60, 3, 0, 0, 0, 0, 0});
    TfrxPictureView view;
    EXPECT_EQ(view.Color(), clWhite);
    view.SetBounds(1, 2, 100, 100);
    view.Picture().SetGraphic("TJPEGImage", jpeg);
    EXPECT_EQ(view.Width(), 100);
    EXPECT_TRUE(view.PictureChanged);
    view.SetAutoSize(true);
    EXPECT_EQ(view.Width(), 60);
    EXPECT_EQ(view.Height(), 62);

    TfrxPictureView loaded;
    TfrxXMLSerializer s;
    loaded.SetLoading(true);
    s.ReadPersistentStr(loaded, "Width=\"50\" Height=\"40\" AutoSize=\"True\"");
    EXPECT_EQ(loaded.Width(), 50);
    EXPECT_EQ(TfrxXMLSerializer().ObjAttributes(loaded).find("Color"), std::string::npos);
}

struct HighByteCase {
    const char* name;
    std::string plain, encoded;
};

class HighBytesTest : public testing::TestWithParam<HighByteCase> {};

TEST_P(HighBytesTest, EncodesAndDecodes) {
    EXPECT_EQ(encodeHighBytes(GetParam().plain), GetParam().encoded);
    EXPECT_EQ(decodeHighBytes(GetParam().encoded), GetParam().plain);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, HighBytesTest,
    testing::Values(HighByteCase{"Ascii", "abc", "abc"},
                    HighByteCase{"Accents", "\xE1rv\xED", "\x01\x61rv\x01\x6D"},
                    HighByteCase{"Edges", "\x80\xFF", std::string("\x01\x00\x01\x7F", 4)},
                    HighByteCase{"Empty", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct LinesCase {
    const char* name;
    const char* text;
    std::vector<std::string> setText;  // lines after SetText
    std::vector<std::string> streamed; // lines after SetStreamText
};

class StringsTest : public testing::TestWithParam<LinesCase> {};

TEST_P(StringsTest, SplitsLines) {
    TStrings lines;
    lines.SetText(GetParam().text);
    EXPECT_EQ(lines.Lines(), GetParam().setText);
    lines.SetStreamText(GetParam().text);
    EXPECT_EQ(lines.Lines(), GetParam().streamed);
    EXPECT_EQ(lines.StreamText(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StringsTest,
    testing::Values(LinesCase{"Empty", "", {}, {}}, LinesCase{"One", "a", {"a"}, {"a"}},
                    LinesCase{"TrailingEmptyLineSurvivesStreaming", "a\r\n", {"a"}, {"a", ""}},
                    LinesCase{"Three", "a\r\n\r\nb", {"a", "", "b"}, {"a", "", "b"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Font, SizeAndHeightConvertAtNinetySixPixelsPerInch) {
    TFont font;
    EXPECT_EQ(font.Height(), -13);
    EXPECT_EQ(font.Size(), 10);
    font.SetHeight(-15);
    EXPECT_EQ(font.Size(), 11);
    font.SetSize(12);
    EXPECT_EQ(font.Height(), -16);
    font.SetSize(0x7FFFFFFF); // clamped, no overflow
    EXPECT_LT(font.Height(), 0);
}

TEST(Serializer, DefaultValuesAreWrittenOnRequest) {
    TfrxPictureView view;
    TfrxXMLSerializer s;
    EXPECT_EQ(s.ObjAttributes(view).find("KeepAspectRatio"), std::string::npos);
    s.SerializeDefaultValues = true;
    EXPECT_NE(s.ObjAttributes(view).find(" KeepAspectRatio=\"True\""), std::string::npos);
    EXPECT_NE(s.ObjAttributes(view).find(" Align=\"baNone\""), std::string::npos);
}

} // namespace
} // namespace rq::report::model
