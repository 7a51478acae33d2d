// CalcHeight and CalcWidth of a text view: the memo's settings loaded into
// the layout object, its lines laid out at scale 1, and the room around the
// text added to the laid-out size.
#include "report/render/memo_measure.h"
#include "base/rounding.h"

#include "report/render/model_font.h"
#include "report/render/rounding.h"
#include "report/render/view_draw.h"

namespace rq::report::render {
namespace {

bool framed(const model::TfrxCustomMemoView& memo, model::TfrxFrameType edge) {
    return (memo.Frame().Typ() & (1 << edge)) != 0;
}

// Holds the layout object for one measurement and lets it go again, also
// when the layout fails (a malformed colour tag).
class Acquired {
public:
    explicit Acquired(TfrxDrawText& text) : text_(text) { text_.Acquire(); }
    ~Acquired() { text_.Release(); }
    Acquired(const Acquired&) = delete;
    Acquired& operator=(const Acquired&) = delete;

private:
    TfrxDrawText& text_;
};

// Text views are measured on the layout object that lives for the whole
// program; its measuring canvas is the same for every report, so the result
// does not depend on which layout object measures.
TfrxDrawText& measuringLayout() {
    return sharedDrawText();
}

// Room on one axis: both gaps, the inner half of a frame line at the near
// edge ((Width - 1) / 2) and at the far edge (Width / 2), and the shadow.
long double extra(const model::TfrxCustomMemoView& memo, model::Extended gap,
                  model::TfrxFrameType nearEdge, model::TfrxFrameType farEdge) {
    const model::TfrxFrame& frame = memo.Frame();
    long double room = 2.0L * gap;
    if (framed(memo, nearEdge))
        room += (frame.Width() - 1.0L) / 2;
    if (framed(memo, farEdge))
        room += frame.Width() / 2.0L;
    if (frame.DropShadow())
        room += frame.ShadowWidth();
    return room;
}

constexpr Rect kUnbounded{0, 0, 10000, 10000};

} // namespace

void loadMemoLayout(TfrxDrawText& text, const model::TfrxCustomMemoView& memo) {
    text.UseFont(canvasFont(memo.Highlight().Active() ? memo.Highlight().Font() : memo.Font()));
    text.SetLayoutOptions(memo.WordWrap(), memo.AllowHTMLTags(), memo.Rotation(), memo.WordBreak(),
                          memo.RTLReading());
    text.SetSpacing(memo.ParagraphGap(), memo.CharSpacing(), memo.LineSpacing());
}

Rect memoTextBox(const model::TfrxCustomMemoView& memo, long double scaleX, long double scaleY,
                 long double offsetX, long double offsetY) {
    const ViewDraw d = BeginDraw(memo, nullptr, scaleX, scaleY, offsetX, offsetY);
    const model::TfrxFrame& frame = memo.Frame();
    const long double frameX = frame.Width() * scaleX, frameY = frame.Width() * scaleY;
    const int gx = base::roundToInt(memo.GapX() * scaleX),
              gy = base::roundToInt(memo.GapY() * scaleY);
    const int l =
        framed(memo, model::ftLeft) ? d.DeviceX + base::roundToInt((frameX - 1) / 2) : d.DeviceX;
    const int r =
        framed(memo, model::ftRight) ? d.DeviceX1 - base::roundToInt(frameX / 2) : d.DeviceX1;
    const int t =
        framed(memo, model::ftTop) ? d.DeviceY + base::roundToInt((frameY - 1) / 2) : d.DeviceY;
    const int b =
        framed(memo, model::ftBottom) ? d.DeviceY1 - base::roundToInt(frameY / 2) : d.DeviceY1;
    return {l + gx, t + gy, r - gx + 1, b - gy + 1};
}

long double memoVerticalExtra(const model::TfrxCustomMemoView& memo) {
    return extra(memo, memo.GapY(), model::ftTop, model::ftBottom);
}

long double memoHorizontalExtra(const model::TfrxCustomMemoView& memo) {
    return extra(memo, memo.GapX(), model::ftLeft, model::ftRight);
}

model::Extended memoCalcHeight(const model::TfrxCustomMemoView& memo) {
    TfrxDrawText& text = measuringLayout();
    const Acquired held(text);
    loadMemoLayout(text, memo);
    const Rect bounds = memo.AutoWidth() ? kUnbounded : memoTextBox(memo, 1, 1, 0, 0);
    text.SetBounds(1, 1, bounds, bounds);
    text.SetLines(memo.Memo().Lines());
    return static_cast<model::Extended>(base::roundToInt(text.LinesHeight()) +
                                        memoVerticalExtra(memo));
}

model::Extended memoCalcWidth(const model::TfrxCustomMemoView& memo) {
    TfrxDrawText& text = measuringLayout();
    const Acquired held(text);
    loadMemoLayout(text, memo);
    text.SetBounds(1, 1, kUnbounded, kUnbounded);
    text.SetLines(memo.Memo().Lines());
    return static_cast<model::Extended>(base::roundToInt(text.LinesWidth()) +
                                        memoHorizontalExtra(memo));
}

void installMemoMeasure() {
    model::SetMemoMeasure({memoCalcHeight, memoCalcWidth});
}

} // namespace rq::report::render
