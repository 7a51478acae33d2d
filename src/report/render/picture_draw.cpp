// Picture views. The graphic is decoded into 32-bit pixels (kept by the
// draw's DecodedPictures) and stretched into its rectangle with smoothing;
// a picture that cannot be decoded leaves the fill and the frame alone.
#include "report/render/picture_draw.h"
#include "base/rounding.h"

#include "report/model/picture_view.h"
#include "report/render/decoded_pictures.h"
#include "report/render/rounding.h"

namespace rq::report::render {
namespace {

Rect offsetRect(Rect r, int dx, int dy) {
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

std::shared_ptr<const Bitmap32> graphicOf(const model::TfrxPictureView& view,
                                          const DrawContext& context) {
    if (context.pictures)
        return context.pictures->Find(view);
    DecodedPictures once;
    return once.Find(view);
}

} // namespace

Rect pictureRect(const model::TfrxPictureView& view, const ViewDraw& d, int gw, int gh) {
    Rect r{d.DeviceX, d.DeviceY, d.DeviceX1, d.DeviceY1};
    if (view.Stretched()) {
        if (!view.KeepAspectRatio())
            return r;
        const long double kx = static_cast<long double>(d.DeviceWidth) / gw;
        const long double ky = static_cast<long double>(d.DeviceHeight) / gh;
        if (ky > kx)
            r.bottom = r.top + base::roundToInt(gh * kx);
        else
            r.right = r.left + base::roundToInt(gw * ky);
        if (view.Center())
            r = offsetRect(r, (d.DeviceWidth - r.width()) / 2, (d.DeviceHeight - r.height()) / 2);
        return r;
    }
    const int width = base::roundToInt(gw * d.ScaleX), height = base::roundToInt(gh * d.ScaleY);
    if (view.Center())
        r = offsetRect(r, (d.DeviceWidth - width) / 2, (d.DeviceHeight - height) / 2);
    r.right = r.left + width;
    r.bottom = r.top + height;
    return r;
}

void DrawPicture(model::TfrxView& view, const DrawContext& context) {
    const auto& picture = static_cast<const model::TfrxPictureView&>(view);
    const ViewDraw d = BeginDraw(picture, &context.canvas, context.ScaleX, context.ScaleY,
                                 context.OffsetX, context.OffsetY);
    DrawBackground(picture, d);
    const std::shared_ptr<const Bitmap32> graphic = graphicOf(picture, context);
    if (graphic && graphic->width > 0 && graphic->height > 0)
        context.canvas.stretchBitmap(pictureRect(picture, d, graphic->width, graphic->height),
                                     *graphic);
    DrawFrame(picture, d);
}

} // namespace rq::report::render
