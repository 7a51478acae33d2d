// Draw of text views: the total-page placeholder, the highlight, automatic
// width, the text laid out in the view's text box on the canvas, the fill,
// the frame and the ruled underlines.
#pragma once

#include "report/model/memo_view.h"
#include "report/render/draw_text.h"
#include "report/render/draw_view.h"
#include "report/render/view_draw.h"

namespace rq::report::render {

void DrawMemo(model::TfrxView& view, const DrawContext& context);

// Loads the memo into the layout object for a draw at the given scale and
// offset: font and options, automatic width (which moves the view), the
// text box at scale 1 and on the device, the lines.
void PrepareLayout(TfrxDrawText& text, model::TfrxCustomMemoView& memo, const DrawContext& context);

// Ruled lines in the frame colour every LinePitch x ScaleY device pixels
// from the top edge, stopping before the bottom edge.
void PaintUnderlines(const model::TfrxCustomMemoView& memo, const ViewDraw& d,
                     long double linePitch);

} // namespace rq::report::render
