// The store's page drawing and pointer tracking as the preview calls them.
#include "report/preview/qt/page_drawing.h"

#include "report/preview/preview_pages.h"

namespace rq::report::preview::qt {

void DrawPreviewPage(TfrxPreviewPages& store, int index, render::Canvas& canvas, double scale,
                     double offsetX, double offsetY) {
    store.DrawPage(index, canvas, scale, scale, offsetX, offsetY);
}

int TrackPreviewPointer(TfrxPreviewPages& store, int index, int x, int y, bool click,
                        TMouseButton button, TShiftState shift, double scale, double offsetX,
                        double offsetY, int cursor) {
    std::int32_t answer = cursor;
    store.TrackPointer(index, x, y, click, button, shift, scale, offsetX, offsetY, answer);
    return answer;
}

} // namespace rq::report::preview::qt
