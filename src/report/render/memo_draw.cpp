// A text view drawn in the order its parts cover each other: the layout is
// prepared first (it may widen and move the view), then fill and frame,
// then the underlines, then the text. The layout object is held for the
// whole draw and let go also when the text fails to lay out.
#include "report/render/memo_draw.h"
#include "base/rounding.h"

#include "base/text1250.h"
#include "report/render/memo_measure.h"
#include "report/render/rounding.h"

#include <string>

namespace rq::report::render {
namespace {

constexpr std::string_view kTotalPages = "[TOTALPAGES#]";
constexpr Rect kUnbounded{0, 0, 10000, 10000};

// The model's alignments are handed to the layout by value.
static_assert(static_cast<int>(HAlign::haBlock) == model::haBlock);
static_assert(static_cast<int>(VAlign::vaCenter) == model::vaCenter);

// The first total-page placeholder of the text (any letter case) becomes
// the page count the store handed the memo; the memo keeps the result.
void replaceTotalPages(model::TfrxCustomMemoView& memo) {
    std::string text = memo.Text();
    const std::size_t found = base::upperCase(text).find(kTotalPages);
    if (found == std::string::npos)
        return;
    text.replace(found, kTotalPages.size(), std::to_string(memo.TotalPagesHolder));
    memo.SetText(text);
}

// Lets the layout object go and gives the memo its own fill back, also
// when the layout raises.
class DrawScope {
public:
    DrawScope(TfrxDrawText& text, model::TfrxCustomMemoView& memo)
        : text_(text), memo_(memo), color_(memo.Color()) {
        text_.Acquire();
    }
    ~DrawScope() {
        text_.Release();
        memo_.SetColor(color_);
    }
    DrawScope(const DrawScope&) = delete;
    DrawScope& operator=(const DrawScope&) = delete;

private:
    TfrxDrawText& text_;
    model::TfrxCustomMemoView& memo_;
    model::TColor color_;
};

void applyAutoWidth(TfrxDrawText& text, model::TfrxCustomMemoView& memo) {
    text.SetBounds(1, 1, kUnbounded, kUnbounded);
    text.SetLines(memo.Memo().Lines());
    const model::Extended oldWidth = memo.Width();
    const model::Extended newWidth =
        static_cast<model::Extended>(text.LinesWidth() + memoHorizontalExtra(memo));
    memo.SetWidth(newWidth);
    if (memo.HAlign() == model::haRight)
        memo.SetLeft(memo.Left() + oldWidth - newWidth);
    else if (memo.HAlign() == model::haCenter)
        memo.SetLeft(memo.Left() + (oldWidth - newWidth) / 2);
}

} // namespace

void PrepareLayout(TfrxDrawText& text, model::TfrxCustomMemoView& memo,
                   const DrawContext& context) {
    if (memo.Highlight().Active())
        memo.SetColor(memo.Highlight().Color());
    loadMemoLayout(text, memo);
    if (memo.AutoWidth())
        applyAutoWidth(text, memo);
    const Rect device =
        memoTextBox(memo, context.ScaleX, context.ScaleY, context.OffsetX, context.OffsetY);
    text.SetBounds(context.ScaleX, context.ScaleY, memoTextBox(memo, 1, 1, 0, 0), device);
    text.SetLines(memo.Memo().Lines());
}

void PaintUnderlines(const model::TfrxCustomMemoView& memo, const ViewDraw& d,
                     long double linePitch) {
    const long double step = linePitch * d.ScaleY;
    if (!(step > 0))
        return; // a zero pitch would never reach the bottom edge
    Canvas& canvas = *d.canvas;
    canvas.pen() =
        Pen{memo.Frame().Color(), d.DeviceFrameWidth, PenStyle::psSolid, PenMode::pmCopy};
    for (long double y = d.DeviceY + step; y < d.DeviceY1; y += step) {
        canvas.moveTo({d.DeviceX, base::roundToInt(y)});
        canvas.lineTo({d.DeviceX1, base::roundToInt(y)});
    }
}

void DrawMemo(model::TfrxView& view, const DrawContext& context) {
    auto& memo = static_cast<model::TfrxCustomMemoView&>(view);
    TfrxDrawText& text = context.layout ? *context.layout : sharedDrawText();
    if (memo.AllowExpressions())
        replaceTotalPages(memo);
    const DrawScope scope(text, memo);
    PrepareLayout(text, memo, context);
    const ViewDraw d = BeginDraw(memo, &context.canvas, context.ScaleX, context.ScaleY,
                                 context.OffsetX, context.OffsetY);
    DrawBackground(memo, d);
    DrawFrame(memo, d);
    if (memo.Underlines() && memo.Rotation() == 0)
        PaintUnderlines(memo, d, text.LinePitch());
    text.DrawLines(context.canvas, static_cast<HAlign>(memo.HAlign()),
                   static_cast<VAlign>(memo.VAlign()));
}

} // namespace rq::report::render
