// Draw of line views: a straight line is the left or top frame edge of a
// view flattened to zero width or height, so every frame style, the width
// and the shadow apply to it; a diagonal joins the top-left device corner to
// the bottom-right one.
#pragma once

#include "report/render/draw_view.h"

namespace rq::report::render {

void DrawLine(model::TfrxView& view, const DrawContext& context);

} // namespace rq::report::render
