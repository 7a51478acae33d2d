// JPEG decoding and the keeping of decoded pictures: a picture is decoded
// once for any number of draws of copies of its template object; a damaged,
// cut or foreign stream is reported once and leaves an empty frame.
#include "draw_fixture.h"
#include "report/model/picture_view.h"
#include "report/render/decoded_pictures.h"
#include "report/render/draw_view.h"
#include "report/render/jpeg_image.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace rq::report::render {
namespace {

std::string gradientJpeg() {
    std::ifstream in(RQ_TEST_DATA_DIR "/render/gradient_90x62.jpg", std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

TEST(JpegImage, DecodesTheWholeImageToOpaquePixels) {
    const Bitmap32 bitmap = decodeJpeg(gradientJpeg());
    ASSERT_EQ(bitmap.width, 90);
    ASSERT_EQ(bitmap.height, 62);
    ASSERT_EQ(bitmap.pixels.size(), 90u * 62u);
    // The fixture runs from red 0 to 255 left to right and green top to
    // bottom over a blue of 128; lossy coding keeps them within a few steps.
    const auto channel = [](std::uint32_t p, int shift) { return int((p >> shift) & 0xFF); };
    const std::uint32_t corner = bitmap.pixels[89 * 1 + 61 * 90];
    EXPECT_EQ(corner >> 24, 0xFFu);
    EXPECT_NEAR(channel(corner, 16), 255, 8);
    EXPECT_NEAR(channel(corner, 8), 255, 8);
    EXPECT_NEAR(channel(corner, 0), 128, 8);
    EXPECT_NEAR(channel(bitmap.pixels[0], 16), 0, 8);
}

struct DamageCase {
    const char* name;
    std::string (*make)(const std::string& good);
    std::string message;
};

class JpegDamage : public ::testing::TestWithParam<DamageCase> {};

TEST_P(JpegDamage, RaisesTheLibrarysMessage) {
    try {
        decodeJpeg(GetParam().make(gradientJpeg()));
        FAIL() << "decoded";
    } catch (const EJpegError& error) {
        EXPECT_EQ(std::string(error.what()), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Streams, JpegDamage,
    ::testing::Values(
        DamageCase{"empty", [](const std::string&) { return std::string(); }, "Empty input file"},
        DamageCase{"not_a_jpeg", [](const std::string&) { return std::string("GIF89a....."); },
                   "Not a JPEG file: starts with 0x47 0x49"},
        DamageCase{"cut_short",
                   [](const std::string& good) { return good.substr(0, good.size() - 100); },
                   "Premature end of JPEG file"},
        DamageCase{"header_only", [](const std::string& good) { return good.substr(0, 20); },
                   "Premature end of JPEG file"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DecodedPictures, OneDecodePerTemplateObjectWhateverTheNumberOfCopies) {
    model::TfrxPictureView source;
    source.Picture().SetGraphic("TJPEGImage", gradientJpeg());
    DecodedPictures pictures;
    for (int page = 0; page < 3; ++page) {
        model::TfrxPictureView copy; // a rebuilt page's object
        copy.Picture().Assign(source.Picture());
        copy.SetSourceLink(&source);
        const auto bitmap = pictures.Find(copy);
        ASSERT_TRUE(bitmap);
        EXPECT_EQ(bitmap->width, 90);
    }
    EXPECT_EQ(pictures.DecodeCount(), 1);

    // A copy whose picture changed during the run is decoded afresh.
    model::TfrxPictureView changed;
    changed.SetSourceLink(&source);
    changed.Picture().SetGraphic("TJPEGImage", gradientJpeg().substr(0, 30));
    EXPECT_FALSE(pictures.Find(changed));
    EXPECT_EQ(pictures.DecodeCount(), 2);
}

TEST(DecodedPictures, DamagedPictureIsReportedOnceAndDrawnAsAnEmptyFrame) {
    model::TfrxPictureView source;
    source.SetName("Picture1");
    source.Picture().SetGraphic("TJPEGImage",
                                gradientJpeg().substr(0, gradientJpeg().size() - 100));
    source.SetBounds(0, 0, 60, 62);
    source.Frame().SetTyp(1 << model::ftTop);
    std::vector<std::string> heard;
    DecodedPictures pictures([&](const std::string& message) { heard.push_back(message); });
    for (int i = 0; i < 3; ++i) {
        testing::DrawRecording rec;
        DrawView(source, DrawContext{rec.canvas, 1, 1, 0, 0, nullptr, &pictures});
        EXPECT_TRUE(rec.bitmaps().empty());
        EXPECT_EQ(rec.strokes().size(), 1u); // the frame all the same
    }
    const std::vector<std::string> expected = {
        "Picture1: the picture cannot be drawn (Premature end of JPEG file)"};
    EXPECT_EQ(pictures.Problems(), expected);
    EXPECT_EQ(heard, expected);
}

TEST(DecodedPictures, ForeignGraphicClassIsReportedNotGuessed) {
    model::TfrxPictureView view;
    view.SetName("Logo");
    view.Picture().SetGraphic("TMetafile", "\x01\x00\x00\x00");
    DecodedPictures pictures;
    EXPECT_FALSE(pictures.Find(view));
    EXPECT_EQ(pictures.Problems(),
              std::vector<std::string>{
                  "Logo: the picture cannot be drawn (unsupported graphic class TMetafile)"});
}

} // namespace
} // namespace rq::report::render
