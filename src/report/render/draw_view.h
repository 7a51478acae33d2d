// Drawing any view of a page: the draw call's context (canvas, scale,
// offsets, the layout object of text views, the decoded pictures) and the
// one table that picks the drawing of a view by its class. A class without
// a row of its own draws as its nearest ancestor with one; the plain view's
// row paints the fill and the frame.
#pragma once

#include "report/model/view.h"
#include "report/render/canvas.h"

namespace rq::report::render {

class TfrxDrawText;
class DecodedPictures;

struct DrawContext {
    Canvas& canvas;
    long double ScaleX = 1, ScaleY = 1;   // device pixels per report pixel
    long double OffsetX = 0, OffsetY = 0; // device position of the page origin
    // Layout object of text views; the shared one when null.
    TfrxDrawText* layout = nullptr;
    // Keeps decoded pictures between draws and reports bad ones once; when
    // null, pictures are decoded for this draw alone.
    DecodedPictures* pictures = nullptr;
};

// Draw(canvas, ScaleX, ScaleY, OffsetX, OffsetY) of the view's class.
// Text views and lines update their own state as part of drawing (the
// total-page placeholder, automatic width, a line's direction), hence the
// non-const view.
void DrawView(model::TfrxView& view, const DrawContext& context);

using ViewDrawFn = void (*)(model::TfrxView& view, const DrawContext& context);

// One row of the drawing table.
struct ViewDrawer {
    const model::ClassInfo& (*viewClass)();
    ViewDrawFn draw;
};

// The plain view: BeginDraw, DrawBackground, DrawFrame.
void DrawPlainView(model::TfrxView& view, const DrawContext& context);

} // namespace rq::report::render
