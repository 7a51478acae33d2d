// Fuzz target of the picture path: any bytes as a picture view's JPEG must
// draw (an image, or an empty frame with the problem reported once), never
// crash, hang or allocate without bound. The decoded pixels are checked
// against the header's size.
// Run: fuzz_jpeg_decode fuzz/corpus/jpeg_decode
#include "report/model/picture_view.h"
#include "report/render/decoded_pictures.h"
#include "report/render/draw_view.h"
#include "report/render/recording_canvas.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

using namespace rq::report::render;

// Measures nothing and keeps nothing: the recording canvas keeps the draw.
class NullCanvas : public Canvas {
public:
    int dpiX() const override { return 96; }
    int dpiY() const override { return 96; }
    Size textExtent(std::string_view) override { return {}; }
    void textExtentEx(std::string_view, std::span<int>) override {}
    void textOut(Point, unsigned, const Rect&, std::string_view, std::span<const int>) override {}
    void setTransparentBackground(bool) override {}
    void fillRect(const Rect&) override {}
    void rectangle(const Rect&) override {}
    void line(Point, Point) override {}
    void polyline(std::span<const Point>) override {}
    void polygon(std::span<const Point>) override {}
    void stretchBitmap(const Rect&, const Bitmap32&) override {}
    ClipRegion clipRegion() const override { return {}; }
    void selectClipRegion(const ClipRegion&) override {}
    void excludeClipRect(const Rect&) override {}
    bool rectVisible(const Rect&) const override { return true; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    rq::report::model::TfrxPictureView view;
    view.SetBounds(0, 0, 60, 62);
    view.Picture().SetGraphic("TJPEGImage", std::string(reinterpret_cast<const char*>(data), size));
    int problems = 0;
    DecodedPictures pictures([&](const std::string&) { ++problems; });
    NullCanvas reference;
    RecordingCanvas canvas(reference, {200, 200});
    for (int draw = 0; draw < 2; ++draw)
        DrawView(view, DrawContext{canvas, 2, 2, 0, 0, nullptr, &pictures});
    if (problems > 1 || pictures.DecodeCount() != 1)
        std::abort(); // a problem is reported once, a picture decoded once
    for (const auto& command : canvas.commands())
        if (const auto* bitmap = std::get_if<RecordingCanvas::BitmapDraw>(&command))
            if (bitmap->bitmap.pixels.size() !=
                std::size_t(bitmap->bitmap.width) * std::size_t(bitmap->bitmap.height))
                std::abort();
    return 0;
}
