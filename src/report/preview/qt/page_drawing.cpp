// The store's page drawing and pointer tracking as the preview calls them.
#include "report/preview/qt/page_drawing.h"

#include "report/preview/preview_pages.h"

namespace rq::report::preview::qt {

void DrawPreviewPage(TfrxPreviewPages& store, int index, render::Canvas& canvas, double scale,
                     double offsetX, double offsetY) {
    (void)store;
    (void)index;
    (void)canvas;
    (void)scale;
    (void)offsetX;
    (void)offsetY;
}

int TrackPreviewPointer(TfrxPreviewPages& store, int index, int x, int y, bool click, int button,
                        int shift, double scale, double offsetX, double offsetY, int cursor) {
    (void)store;
    (void)index;
    (void)x;
    (void)y;
    (void)click;
    (void)button;
    (void)shift;
    (void)scale;
    (void)offsetX;
    (void)offsetY;
    return cursor;
}

} // namespace rq::report::preview::qt
