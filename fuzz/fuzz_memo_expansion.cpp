// Fuzz target of a memo's bracket expansion: the delimiter matcher with any
// delimiters, the one-pass replacement, the " #" format suffix and the
// display formats. Expression values stand in for the engine: a number when
// the text reads as one, else the text itself.
// Input: a byte choosing the format kind, then delimiters, format text and
// memo text separated by NUL bytes.
// Run: fuzz_memo_expansion fuzz/corpus/memo_expansion
#include "base/exceptions.h"
#include "base/number_text.h"
#include "report/engine/text_expansion.h"
#include "report/model/memo_view.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace rq;

std::string_view field(std::string_view& input) {
    const auto nul = input.find('\0');
    const std::string_view result = input.substr(0, nul);
    input.remove_prefix(nul == std::string_view::npos ? input.size() : nul + 1);
    return result;
}

base::Variant value(const std::string& expression) {
    double number = 0;
    if (base::tryStrToFloat(expression, number))
        return base::Variant(number);
    return base::Variant(expression);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string_view delimiters = field(input);
    const std::string_view formatText = field(input);
    report::model::TfrxMemoView memo;
    memo.DisplayFormat().SetKind(static_cast<report::model::TfrxFormatKind>(data[0] % 4));
    memo.DisplayFormat().SetFormatStr(std::string(formatText));
    memo.SetHideZeros(data[0] & 4);
    std::string open = "[", close = "]";
    if (!delimiters.empty() && !report::engine::SplitDelimiters(delimiters, open, close))
        return 0;
    try {
        report::engine::ExpandBracketed(
            std::string(input), open, close, [&](const std::string& bracket) {
                return report::engine::EvaluateAndFormat(memo, bracket, value);
            });
    } catch (const base::Exception&) {
        // A format that does not suit the value: the formatting routines' errors.
    }
    return 0;
}
