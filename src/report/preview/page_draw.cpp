// DrawPage and TrackPointer. Both place the page's objects by adding the
// page's own margins (millimetres x PixelsPerMillimetre x scale) to the
// paper corner the caller gives; with mirrored margins an odd page index
// uses the right margin on the left.
#include "report/preview/page_draw.h"
#include "base/rounding.h"
#include "report/preview/preview_pages.h"

#include "base/number_text.h"
#include "report/model/memo_view.h"
#include "report/model/page.h"
#include "report/render/draw_view.h"
#include "report/render/recording_canvas.h"
#include "report/render/rounding.h"

namespace rq::report::preview {
namespace {

using model::PixelsPerMillimetre;

// Exchanges left and right margin for the life of the scope.
class MirroredMargins {
public:
    MirroredMargins(model::TfrxReportPage& page, bool mirror) : page_(page), mirror_(mirror) {
        swap();
    }
    ~MirroredMargins() { swap(); }
    MirroredMargins(const MirroredMargins&) = delete;
    MirroredMargins& operator=(const MirroredMargins&) = delete;

private:
    void swap() {
        if (!mirror_)
            return;
        const model::Extended left = page_.LeftMargin();
        page_.SetLeftMargin(page_.RightMargin());
        page_.SetRightMargin(left);
    }
    model::TfrxReportPage& page_;
    bool mirror_;
};

bool mirrored(const model::TfrxReportPage& page, int index) {
    return page.MirrorMargins() && index % 2 == 1;
}

// The page's colour, frame and background picture over the printable area.
void drawPageBackground(model::TfrxReportPage& page, const render::DrawContext& context) {
    model::TfrxPictureView& background = page.Background();
    background.SetBounds(page.LeftMargin() * PixelsPerMillimetre,
                         page.TopMargin() * PixelsPerMillimetre, page.PrintableWidth() - 1,
                         page.PrintableHeight() - 1);
    render::DrawView(background, context);
}

// The view's box on the device, grown by 20 pixels on every side.
render::Rect grownBox(const model::TfrxView& view, const render::DrawContext& c) {
    const long double left = view.AbsLeft(), top = view.AbsTop();
    return {base::roundToInt(left * c.ScaleX + c.OffsetX) - 20,
            base::roundToInt(top * c.ScaleY + c.OffsetY) - 20,
            base::roundToInt((left + view.Width()) * c.ScaleX + c.OffsetX) + 20,
            base::roundToInt((top + view.Height()) * c.ScaleY + c.OffsetY) + 20};
}

bool worthDrawing(const model::TfrxView& view, const render::DrawContext& c) {
    if (c.canvas.isPrinter() && !view.Printable())
        return false;
    // A recording keeps everything: it is replayed into other clip regions.
    if (dynamic_cast<const render::RecordingCanvas*>(&c.canvas))
        return true;
    return c.canvas.rectVisible(grownBox(view, c));
}

} // namespace

void TfrxPreviewPages::DrawPage(int index, render::Canvas& canvas, double scaleX, double scaleY,
                                double offsetX, double offsetY) {
    model::TfrxReportPage* page = GetPage(index);
    if (!page)
        return;
    const MirroredMargins margins(*page, mirrored(*page, index));
    render::DrawContext context{canvas, scaleX, scaleY, offsetX, offsetY, nullptr, &pictures_};
    drawPageBackground(*page, context);
    context.OffsetX += page->LeftMargin() * PixelsPerMillimetre * scaleX;
    context.OffsetY += page->TopMargin() * PixelsPerMillimetre * scaleY;
    for (model::TfrxComponent* object : page->AllObjects()) {
        auto* view = dynamic_cast<model::TfrxView*>(object);
        if (!view || !worthDrawing(*view, context))
            continue;
        if (auto* memo = dynamic_cast<model::TfrxCustomMemoView*>(view))
            memo->TotalPagesHolder = Count();
        render::DrawView(*view, context);
    }
}

void TfrxPreviewPages::TrackPointer(int index, int x, int y, bool click, TMouseButton button,
                                    TShiftState shift, double scale, double offsetX, double offsetY,
                                    std::int32_t& cursor) {
    if (index < 0 || index >= Count() || engineRunning())
        return;
    model::TfrxReportPage* page = GetPage(index);
    if (!page)
        return;
    const model::Extended margin =
        mirrored(*page, index) ? page->RightMargin() : page->LeftMargin();
    offsetX += margin * PixelsPerMillimetre * scale;
    offsetY += page->TopMargin() * PixelsPerMillimetre * scale;
    StatusText.clear();
    if (OnStatusText)
        OnStatusText();
    model::TfrxView* hit = viewAt(*page, x, y, scale, offsetX, offsetY);
    if (!hit)
        return;
    if (hit->Cursor() != 0)
        cursor = hit->Cursor();
    if (!hit->URL().empty()) {
        StatusText = hit->URL();
        if (OnStatusText)
            OnStatusText();
        if (hit->Cursor() == 0)
            cursor = crHandPoint;
    }
    if (click)
        followClick(*hit, button, shift);
    else if (PointerActions.OnMouseOverObject)
        PointerActions.OnMouseOverObject(*hit);
}

model::TfrxView* TfrxPreviewPages::viewAt(model::TfrxReportPage& page, int x, int y, double scale,
                                          double offsetX, double offsetY) const {
    const std::vector<model::TfrxComponent*> objects = page.AllObjects();
    for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
        auto* view = dynamic_cast<model::TfrxView*>(*it);
        if (!view)
            continue;
        const double left = view->AbsLeft() * scale + offsetX;
        const double top = view->AbsTop() * scale + offsetY;
        if (x >= left && x < left + view->Width() * scale && y >= top &&
            y < top + view->Height() * scale)
            return view;
    }
    return nullptr;
}

void TfrxPreviewPages::followClick(model::TfrxView& view, TMouseButton button, TShiftState shift) {
    const std::string& url = view.URL();
    if (!url.empty() && url.front() == '@') {
        const int pageNumber = base::strToInt(std::string_view(url).substr(1));
        if (PointerActions.ShowPage)
            PointerActions.ShowPage(pageNumber);
    } else if (!url.empty() && url.front() == '#') {
        const std::string name = url.substr(1);
        if (GetAnchorPage(name) >= 0 && PointerActions.ScrollTo)
            PointerActions.ScrollTo(GetAnchorPage(name) + 1, GetAnchorTop(name));
    } else if (!url.empty() && PointerActions.OpenURL) {
        PointerActions.OpenURL(url);
    }
    bool modified = false;
    if (PointerActions.OnClickObject)
        PointerActions.OnClickObject(view, button, shift, modified);
}

} // namespace rq::report::preview
