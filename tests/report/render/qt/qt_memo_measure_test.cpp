// The certificate's body memo measured through the report model once the Qt
// rendering is initialised: its text box agrees with the drawing's at every
// scale, and CalcHeight is the height its own layout needs plus the gaps.
#include "../certificate_body.h"
#include "base/rounding.h"
#include "report/model/memo_view.h"
#include "report/render/memo_measure.h"

#include <gtest/gtest.h>

namespace rq::report::render::qt {
namespace {

using testing::certificateBody;
using testing::certificateTextBox;

void makeBody(model::TfrxMemoView& memo) {
    memo.SetBounds(7.55906, 219.21274, 619.84292, 211.65368);
    memo.Font().SetName("Tahoma");
    memo.Font().SetHeight(-15);
    memo.SetAllowHTMLTags(true);
    memo.SetHAlign(model::haBlock);
    memo.SetLineSpacing(6);
    for (const auto& line : certificateBody())
        memo.Memo().Add(line);
}

TEST(QtMemoMeasure, CertificateBodyNeedsTheHeightOfItsWrappedLines) {
    model::TfrxMemoView memo;
    makeBody(memo);
    for (const long double scale : {1.0L, 1.5L, 600 / 96.0L, 1200 / 96.0L})
        EXPECT_EQ(memoTextBox(memo, scale, scale, 0, 0), certificateTextBox(scale));

    auto text = newDrawText();
    loadMemoLayout(*text, memo);
    text->SetBounds(1, 1, certificateTextBox(1), certificateTextBox(1));
    text->SetLines(certificateBody());
    ASSERT_GT(text->wrappedLines().size(), 8u);
    EXPECT_EQ(memo.CalcHeight(), base::roundToInt(text->LinesHeight()) + 2);
    EXPECT_GT(memo.CalcHeight(), 8 * (15 + 6));

    // Without wrapping the body's widest paragraph sets the width.
    const double width = memo.CalcWidth();
    EXPECT_GT(width, memo.Width());
    memo.SetAutoWidth(true);
    EXPECT_EQ(memo.CalcHeight(), base::roundToInt(7 * text->LinePitch()) + 2);
}

} // namespace
} // namespace rq::report::render::qt
