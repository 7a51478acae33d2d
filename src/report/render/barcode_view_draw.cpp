// The barcode object's Draw: the generator takes the object's settings, the
// object takes the symbol's size (HAlign deciding which edge stays put), and
// the symbol is painted into the object's device rectangle over its fill.
#include "report/render/draw_barcode.h"

#include "report/render/view_draw.h"

namespace rq::report::render {
namespace {

using model::TfrxBarCodeView;

// Moves Left so that the edge HAlign names stays where it was.
void Align(TfrxBarCodeView& view, model::Extended oldWidth) {
    const model::Extended grown = oldWidth - view.Width();
    if (view.HAlign() == model::haRight)
        view.SetLeft(view.Left() + grown);
    else if (view.HAlign() == model::haCenter)
        view.SetLeft(view.Left() + grown / 2);
}

} // namespace

void DrawBarCode(model::TfrxView& plainView, const DrawContext& context) {
    auto& view = static_cast<TfrxBarCodeView&>(plainView);
    barcode::TfrxBarcode generator;
    generator.SetAngle(view.Rotation());
    generator.SetChecksum(view.CalcCheckSum());
    generator.SetTyp(view.BarType());
    generator.SetColor(view.Color() == model::clNone ? clWhite : view.Color());
    generator.SetText(view.Text());
    const model::Extended oldWidth = view.Width();
    if (view.Zoom() < 0.0001)
        view.SetZoom(1);

    // Encoded once: measuring and painting must see the same symbol.
    const std::string bars = generator.EncodeBars();
    const model::Extended size =
        static_cast<model::Extended>(generator.BarsWidth(bars) - 1) * view.Zoom();
    if (view.Rotation() == 0 || view.Rotation() == 180)
        view.SetWidth(size);
    else
        view.SetHeight(size);
    Align(view, oldWidth);

    const ViewDraw d = BeginDraw(view, &context.canvas, context.ScaleX, context.ScaleY,
                                 context.OffsetX, context.OffsetY);
    DrawBackground(view, d);
    PaintBars(generator, bars, context.canvas, {d.DeviceX, d.DeviceY, d.DeviceX1, d.DeviceY1},
              view.ShowText());
    DrawFrame(view, d);
}

} // namespace rq::report::render
