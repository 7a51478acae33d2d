// Text views: TfrxCustomMemoView implements the text object (lines of text
// with bracketed expressions, alignment, gaps, rotation, formatting) and
// TfrxMemoView publishes it.
#pragma once

#include "report/model/format.h"
#include "report/model/strings.h"
#include "report/model/view.h"

namespace rq::report::model {

class TfrxCustomMemoView;

// How a report's text views are measured. The text layout lives in the
// rendering library, above the model, which attaches one to each report
// (TfrxReport::SetTextMeasure); both answer pixels at 96 per inch.
class TfrxTextMeasure {
public:
    virtual ~TfrxTextMeasure() = default;
    virtual Extended CalcHeight(const TfrxCustomMemoView& memo) = 0;
    virtual Extended CalcWidth(const TfrxCustomMemoView& memo) = 0;
};

// "Text measurement is not available": a text view measured or drawn outside
// a report with a text measure. Measuring and drawing fail alike.
[[noreturn]] void raiseNoTextMeasure();

class TfrxCustomMemoView : public TfrxStretcheable {
public:
    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    TfrxCustomMemoView();

    TStrings& Memo() { return memo_; }
    const TStrings& Memo() const { return memo_; }
    void SetMemo(const TStrings& v) { memo_ = v; }
    // The lines joined, each followed by CR LF.
    std::string Text() const { return memo_.Text(); }
    void SetText(std::string_view v) { memo_.SetText(v); }

    bool AllowExpressions() const { return allowExpressions_; }
    void SetAllowExpressions(bool v) { allowExpressions_ = v; }
    // Opening delimiter, comma, closing delimiter.
    const std::string& ExpressionDelimiters() const { return expressionDelimiters_; }
    void SetExpressionDelimiters(const std::string& v) { expressionDelimiters_ = v; }
    bool AllowHTMLTags() const { return allowHTMLTags_; }
    void SetAllowHTMLTags(bool v) { allowHTMLTags_ = v; }
    bool AutoWidth() const { return autoWidth_; }
    void SetAutoWidth(bool v) { autoWidth_ = v; }
    Extended CharSpacing() const { return charSpacing_; }
    void SetCharSpacing(Extended v) { charSpacing_ = v; }
    TfrxFormat& DisplayFormat() { return displayFormat_; }
    const TfrxFormat& DisplayFormat() const { return displayFormat_; }
    TfrxCustomMemoView* FlowTo() const;
    void SetFlowTo(TfrxComponent* v); // only text views; anything else clears it
    Extended GapX() const { return gapX_; }
    void SetGapX(Extended v) { gapX_ = v; }
    Extended GapY() const { return gapY_; }
    void SetGapY(Extended v) { gapY_ = v; }
    TfrxHAlign HAlign() const { return hAlign_; }
    void SetHAlign(TfrxHAlign v) { hAlign_ = v; }
    TfrxVAlign VAlign() const { return vAlign_; }
    void SetVAlign(TfrxVAlign v) { vAlign_ = v; }
    bool HideZeros() const { return hideZeros_; }
    void SetHideZeros(bool v) { hideZeros_ = v; }
    TfrxHighlight& Highlight() { return highlight_; }
    const TfrxHighlight& Highlight() const { return highlight_; }
    Extended LineSpacing() const { return lineSpacing_; }
    void SetLineSpacing(Extended v) { lineSpacing_ = v; }
    Extended ParagraphGap() const { return paragraphGap_; }
    void SetParagraphGap(Extended v) { paragraphGap_ = v; }
    std::int32_t Rotation() const { return rotation_; } // degrees, kept modulo 360
    void SetRotation(std::int32_t v) { rotation_ = v % 360; }
    bool RTLReading() const { return rtlReading_; }
    void SetRTLReading(bool v) { rtlReading_ = v; }
    bool Underlines() const { return underlines_; }
    void SetUnderlines(bool v) { underlines_ = v; }
    bool WordBreak() const { return wordBreak_; }
    void SetWordBreak(bool v) { wordBreak_ = v; }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v) { wordWrap_ = v; }
    const std::string& Style() const { return style_; }
    void SetStyle(const std::string& v);
    bool SuppressRepeated() const { return suppressRepeated_; }
    void SetSuppressRepeated(bool v) { suppressRepeated_ = v; }

    // Run state of the text expansion: the last expression value (Empty
    // until one is calculated), the previous text for SuppressRepeated (Null
    // at first) and the number of "[TOTALPAGES#]" holders the drawing replaces.
    base::Variant LastValue;
    base::Variant PreviousText = base::Variant::null();
    int TotalPagesHolder = 0;

    // The height and width the text needs, used by stretching and automatic
    // width, through the text measure of the memo's report (raising
    // "Text measurement is not available" when there is none).
    Extended CalcHeight() override;
    virtual Extended CalcWidth();

    // BeforeOutput keeps the text of a memo that is not data-bound;
    // AfterOutput puts it back before the view's own restore.
    void BeforeOutput() override;
    void AfterOutput() override;
    std::string ComponentText() const override { return Text(); }

private:
    TStrings memo_;
    bool allowExpressions_ = true;
    std::string expressionDelimiters_ = "[,]";
    bool allowHTMLTags_ = false;
    bool autoWidth_ = false;
    Extended charSpacing_ = 0;
    TfrxFormat displayFormat_;
    ComponentRef flowTo_;
    Extended gapX_ = 2;
    Extended gapY_ = 1;
    TfrxHAlign hAlign_ = haLeft;
    TfrxVAlign vAlign_ = vaTop;
    bool hideZeros_ = false;
    TfrxHighlight highlight_;
    Extended lineSpacing_ = 2;
    Extended paragraphGap_ = 0;
    std::int32_t rotation_ = 0;
    bool rtlReading_ = false;
    bool underlines_ = false;
    bool wordBreak_ = false;
    bool wordWrap_ = true;
    std::string style_;
    bool suppressRepeated_ = false;
    std::string savedText_;
};

class TfrxMemoView : public TfrxCustomMemoView {
public:
    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }
    std::string Description() const override { return "obText"; }
};

} // namespace rq::report::model
