// Painting a barcode generator's symbol into a device rectangle
// (draw_barcode.cpp), and the barcode object's Draw (barcode_view_draw.cpp):
// it sizes the object to its symbol, keeps the edge HAlign names in place,
// and paints background, symbol and frame.
#pragma once

#include "report/barcode/barcode.h"
#include "report/model/barcode_view.h"
#include "report/render/canvas.h"
#include "report/render/draw_view.h"

#include <string_view>

namespace rq::report::render {

// Encodes the generator's text and paints it stretched into r (device
// pixels): W units of the symbol span r's width (or height, when turned),
// the band for the human-readable text lies beside the bars. Generator
// errors propagate before anything is painted.
void PaintBarcode(barcode::TfrxBarcode& generator, Canvas& canvas, const Rect& r, bool showText);
// The same for a bar string the generator has already encoded.
void PaintBars(barcode::TfrxBarcode& generator, std::string_view bars, Canvas& canvas,
               const Rect& r, bool showText);

// The barcode view's row of the drawing table. Changes the view's Width
// (Height when turned) to the symbol's units times Zoom and, with HAlign
// haRight or haCenter, its Left; a Zoom below 0.0001 becomes 1 for good.
// Generator errors leave the view unchanged and reach the caller.
void DrawBarCode(model::TfrxView& view, const DrawContext& context);

} // namespace rq::report::render
