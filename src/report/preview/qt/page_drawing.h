// The preview's two calls into the store's page content: drawing a page at
// a zoom and position, and the pointer's hit test over a page (status text,
// cursor, link clicks). Kept in one place so the control does not depend on
// how the store spells them.
#pragma once

#include "report/preview/page_draw.h"
#include "report/render/canvas.h"

namespace rq::report::preview {
class TfrxPreviewPages;
}

namespace rq::report::preview::qt {

// The platform's default cursor number as report objects carry it.
inline constexpr int crDefault = 0;

// Draws page index (0-based) with its paper corner at (offsetX, offsetY)
// device pixels, scale device pixels per report pixel.
void DrawPreviewPage(TfrxPreviewPages& store, int index, render::Canvas& canvas, double scale,
                     double offsetX, double offsetY);

// The pointer at (x, y) over page index whose paper corner is at (offsetX,
// offsetY); click is a button release. Returns the cursor to show, starting
// from the given one.
int TrackPreviewPointer(TfrxPreviewPages& store, int index, int x, int y, bool click,
                        TMouseButton button, TShiftState shift, double scale, double offsetX,
                        double offsetY, int cursor);

} // namespace rq::report::preview::qt
