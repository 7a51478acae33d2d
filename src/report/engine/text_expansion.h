// The expansion of bracketed expressions in report texts: the delimiter
// matcher, the replacement loop, the " #" format suffix and the display
// formatting of values. Positions are 1-based character positions, as the
// matcher's callers count them.
#pragma once

#include "base/variant.h"
#include "report/model/format.h"
#include "report/model/memo_view.h"

#include <functional>
#include <string>
#include <string_view>

namespace rq::report::engine {

// Finds the expression whose opening delimiter starts at i (or, when none
// starts there, reports no match). Delimiters nest; delimiters inside a
// quoted string of the expression do not count. On a match, i is the first
// character of the opening delimiter, j the last character of the matching
// closing delimiter and the result the text between them; with no match
// (including an opening delimiter that is never closed) j equals i.
std::string ExtractBracketed(std::string_view s, std::string_view open, std::string_view close,
                             int& i, int& j);

// Splits ExpressionDelimiters at its first comma into the opening and the
// closing delimiter (at most 255 characters); false when either is empty,
// which leaves a text unexpanded.
bool SplitDelimiters(std::string_view delimiters, std::string& open, std::string& close);

// Replaces every delimited expression of s by evaluate(expression), left to
// right in one pass; scanning resumes after each inserted value, so values
// are never expanded again.
using ExpressionText = std::function<std::string(const std::string& expression)>;
std::string ExpandBracketed(const std::string& s, std::string_view open, std::string_view close,
                            const ExpressionText& evaluate);

// The display text of a value: Null gives ""; text, numeric (picture or
// printf style, with the format's one-character decimal separator in force
// for the call), date-time and Boolean ("true text,false text") kinds; a
// value the format cannot take gives its plain text.
std::string FormatValue(const base::Variant& value, const model::TfrxFormat& format);

// One bracket's content of a memo: "expression #format" or "expression".
// Sets the memo's LastValue (the placeholder "[TotalPages#]" for the name
// TotalPages#, else calc(expression)); HideZeros hides a non-string 0.
using ExpressionValue = std::function<base::Variant(const std::string& expression)>;
std::string EvaluateAndFormat(model::TfrxCustomMemoView& memo, const std::string& bracket,
                              const ExpressionValue& calc);

// A prepared memo text with the first "[TOTALPAGES#]" (any letter case)
// replaced by the page count in decimal; the preview's text search uses the
// placeholder "[TOTALPAGES]".
std::string ReplaceTotalPages(std::string text, int totalPages,
                              std::string_view placeholder = "[TOTALPAGES#]");

} // namespace rq::report::engine
