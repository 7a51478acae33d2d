// The barcode object's Draw: the generator takes the object's settings, the
// object takes the symbol's size (HAlign deciding which edge stays put), and
// the symbol is painted into the object's device rectangle over its fill.
#include "report/render/draw_barcode.h"

#include "report/render/rounding.h"

namespace rq::report::render {
namespace {

using model::TfrxBarCodeView;

// The object's device rectangle: its absolute position scaled and moved,
// each edge rounded, a drop shadow's width taken off the right and bottom.
Rect DeviceRect(const TfrxBarCodeView& view, long double scaleX, long double scaleY,
                long double offsetX, long double offsetY) {
    const long double left = view.AbsLeft(), top = view.AbsTop();
    Rect r{roundEven(left * scaleX + offsetX), roundEven(top * scaleY + offsetY),
           roundEven((left + view.Width()) * scaleX + offsetX),
           roundEven((top + view.Height()) * scaleY + offsetY)};
    if (view.Frame().DropShadow()) {
        r.right -= roundEven(view.Frame().ShadowWidth() * scaleX);
        r.bottom -= roundEven(view.Frame().ShadowWidth() * scaleY);
    }
    return r;
}

void DrawBackground(const TfrxBarCodeView& view, Canvas& canvas, const Rect& r) {
    if (static_cast<Color>(view.Color()) == clNone)
        return;
    canvas.brush() = Brush{static_cast<Color>(view.Color()), BrushStyle::bsSolid};
    canvas.fillRect(r);
}

// Moves Left so that the edge HAlign names stays where it was.
void Align(TfrxBarCodeView& view, model::Extended oldWidth) {
    const model::Extended grown = oldWidth - view.Width();
    if (view.HAlign() == model::haRight)
        view.SetLeft(view.Left() + grown);
    else if (view.HAlign() == model::haCenter)
        view.SetLeft(view.Left() + grown / 2);
}

} // namespace

void DrawBarCodeView(TfrxBarCodeView& view, Canvas& canvas, long double scaleX, long double scaleY,
                     long double offsetX, long double offsetY) {
    barcode::TfrxBarcode generator;
    generator.SetAngle(view.Rotation());
    generator.SetChecksum(view.CalcCheckSum());
    generator.SetTyp(view.BarType());
    generator.SetColor(view.Color() == model::clNone ? clWhite : static_cast<Color>(view.Color()));
    generator.SetText(view.Text());
    const model::Extended oldWidth = view.Width();
    if (view.Zoom() < 0.0001)
        view.SetZoom(1);

    // Encoded once: measuring and painting must see the same symbol even
    // where encoding extends the generator's text by a check digit.
    const std::string bars = generator.EncodeBars();
    const model::Extended size = (generator.BarsWidth(bars) - 1) * view.Zoom();
    if (view.Rotation() == 0 || view.Rotation() == 180)
        view.SetWidth(size);
    else
        view.SetHeight(size);
    Align(view, oldWidth);

    const Rect r = DeviceRect(view, scaleX, scaleY, offsetX, offsetY);
    DrawBackground(view, canvas, r);
    PaintBars(generator, bars, canvas, r, view.ShowText());
}

} // namespace rq::report::render
