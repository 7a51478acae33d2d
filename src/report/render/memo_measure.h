// The text view's side of the text layout outside drawing: loading its font,
// options and spacing into the layout object, its text rectangle, the room its
// gaps, frame and shadow take around the text, and CalcHeight / CalcWidth,
// which the report model reaches through the report's text measure
// (text_measure.h).
#pragma once

#include "report/model/memo_view.h"
#include "report/render/canvas.h"
#include "report/render/draw_text.h"

namespace rq::report::render {

// Font (the highlight's while the highlight is active), layout options and
// spacing of the memo.
void loadMemoLayout(TfrxDrawText& text, const model::TfrxCustomMemoView& memo);

// The device rectangle inside which the memo's text is laid out, at the given
// scale (device pixels per report pixel) and offset (device pixels): the
// view's rounded bounds less the shadow, the inner half of each framed edge
// and the gaps.
Rect memoTextBox(const model::TfrxCustomMemoView& memo, long double scaleX, long double scaleY,
                 long double offsetX, long double offsetY);

// Room around the text in report pixels: both gaps, the inner halves of the
// framed edges and the shadow.
long double memoVerticalExtra(const model::TfrxCustomMemoView& memo);
long double memoHorizontalExtra(const model::TfrxCustomMemoView& memo);

// The height the wrapped text needs within the memo's width (any width with
// AutoWidth), and the width of its widest unwrapped line, each with the room
// around the text; pixels at 96 per inch, laid out on text.
model::Extended memoCalcHeight(const model::TfrxCustomMemoView& memo, TfrxDrawText& text);
model::Extended memoCalcWidth(const model::TfrxCustomMemoView& memo, TfrxDrawText& text);

} // namespace rq::report::render
