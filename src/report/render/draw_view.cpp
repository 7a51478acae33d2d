// The drawing table. Rows are looked up by walking from the view's class to
// its ancestors, so a class draws as its closest ancestor with a row. New
// kinds of view join by adding their row here.
#include "report/render/draw_view.h"

#include "report/model/barcode_view.h"
#include "report/model/line_view.h"
#include "report/model/memo_view.h"
#include "report/model/picture_view.h"
#include "report/render/draw_barcode.h"
#include "report/render/line_draw.h"
#include "report/render/memo_draw.h"
#include "report/render/picture_draw.h"
#include "report/render/view_draw.h"

#include <array>

namespace rq::report::render {
namespace {

const std::array kViewDrawers = {
    ViewDrawer{&model::TfrxView::StaticClass, DrawPlainView},
    ViewDrawer{&model::TfrxCustomMemoView::StaticClass, DrawMemo},
    ViewDrawer{&model::TfrxCustomLineView::StaticClass, DrawLine},
    ViewDrawer{&model::TfrxPictureView::StaticClass, DrawPicture},
    ViewDrawer{&model::TfrxBarCodeView::StaticClass, DrawBarCode},
};

ViewDrawFn drawerOf(const model::ClassInfo& viewClass) {
    for (const model::ClassInfo* c = &viewClass; c; c = c->parent())
        for (const ViewDrawer& row : kViewDrawers)
            if (&row.viewClass() == c)
                return row.draw;
    return DrawPlainView;
}

} // namespace

void DrawPlainView(model::TfrxView& view, const DrawContext& context) {
    const ViewDraw d = BeginDraw(view, &context.canvas, context.ScaleX, context.ScaleY,
                                 context.OffsetX, context.OffsetY);
    DrawBackground(view, d);
    DrawFrame(view, d);
}

void DrawView(model::TfrxView& view, const DrawContext& context) {
    drawerOf(view.ClassType())(view, context);
}

} // namespace rq::report::render
