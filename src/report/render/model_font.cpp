// Copies a model font into a canvas font description.
#include "report/render/model_font.h"

namespace rq::report::render {

static_assert(fsBold == 1 << model::fsBold && fsItalic == 1 << model::fsItalic &&
              fsUnderline == 1 << model::fsUnderline && fsStrikeOut == 1 << model::fsStrikeOut);

CanvasFont canvasFont(const model::TFont& font) {
    CanvasFont result;
    result.name = font.Name();
    result.height = font.Height();
    result.pixelsPerInch = 96;
    result.style = static_cast<FontStyles>(font.Style() & 0x0F);
    result.charset = font.Charset();
    result.color = font.Color();
    return result;
}

} // namespace rq::report::render
