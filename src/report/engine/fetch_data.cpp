// FetchData of output objects as the engine performs it: the model's views
// only carry the texts, the engine expands them through Calc. A view's
// TagStr and URL come first, then what the object's class adds.
#include "report/engine/engine.h"
#include "report/engine/text_expansion.h"

#include "report/model/barcode_view.h"
#include "report/model/memo_view.h"

namespace rq::report::engine {
namespace {

constexpr std::string_view kOpen = "[", kClose = "]";

} // namespace

void TfrxEngine::FetchData(model::TfrxReportComponent& object) {
    auto plain = [this](const std::string& expression) { return Calc(expression).toString(); };
    if (auto* view = dynamic_cast<model::TfrxView*>(&object)) {
        view->SetTagStr(ExpandBracketed(view->TagStr(), kOpen, kClose, plain));
        view->SetURL(ExpandBracketed(view->URL(), kOpen, kClose, plain));
    }
    if (auto* memo = dynamic_cast<model::TfrxCustomMemoView*>(&object))
        fetchMemo(*memo);
    else if (auto* barcode = dynamic_cast<model::TfrxBarCodeView*>(&object);
             barcode != nullptr && !barcode->Expression().empty())
        barcode->SetText(Calc(barcode->Expression()).toString());
    object.FetchData();
}

// Data-bound memos need a data source object, which this program never has,
// so every memo takes the expression path.
void TfrxEngine::fetchMemo(model::TfrxCustomMemoView& memo) {
    std::string open, close;
    if (memo.AllowExpressions() && SplitDelimiters(memo.ExpressionDelimiters(), open, close)) {
        const std::string text = memo.Text();
        // A text without an opening delimiter keeps its lines as they are.
        if (text.find(open) != std::string::npos) {
            auto calc = [this](const std::string& expression) { return Calc(expression); };
            memo.SetText(ExpandBracketed(text, open, close, [&](const std::string& bracket) {
                return EvaluateAndFormat(memo, bracket, calc);
            }));
        }
    }
    SetScriptValue(memo.LastValue);
    memo.Highlight().SetActive(false);
    if (!memo.Highlight().Condition().empty())
        memo.Highlight().SetActive(Calc(memo.Highlight().Condition()).toBoolean());
    if (memo.SuppressRepeated()) {
        const std::string text = memo.Text();
        if (memo.PreviousText.isString() && memo.PreviousText.stringView() == text)
            memo.SetText("");
        else
            memo.PreviousText = base::Variant(text);
    }
}

} // namespace rq::report::engine
