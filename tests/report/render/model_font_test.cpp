// The model's font reaches the layout with the same face, style, colour and
// point size.
#include "report/model/font.h"
#include "report/render/model_font.h"

#include <gtest/gtest.h>

namespace rq::report::render {
namespace {

TEST(ModelFont, CarriesEveryFieldAndAgreesOnThePointSize) {
    model::TFont font;
    font.SetName("Tahoma");
    font.SetStyle((1 << model::fsBold) | (1 << model::fsUnderline));
    font.SetColor(0x0000FF);
    font.SetCharset(model::EASTEUROPE_CHARSET);
    for (int height = -40; height <= 40; ++height) {
        font.SetHeight(height);
        const CanvasFont converted = canvasFont(font);
        EXPECT_EQ(converted.height, height);
        EXPECT_EQ(converted.size(), font.Size()) << height;
    }
    const CanvasFont converted = canvasFont(font);
    EXPECT_EQ(converted.name, "Tahoma");
    EXPECT_EQ(converted.style, fsBold | fsUnderline);
    EXPECT_EQ(converted.color, 0x0000FFu);
    EXPECT_EQ(converted.charset, EASTEUROPE_CHARSET);
}

} // namespace
} // namespace rq::report::render
