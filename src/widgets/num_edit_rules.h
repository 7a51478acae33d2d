// The editing rules of the numeric entry field, apart from any widget: the
// character filter, the deletion keys, the regrouping on key release and the
// number <-> text conversions. Text is Windows-1250; positions are 0-based
// character offsets (a caret at n stands before character n).
#pragma once

#include "base/format_settings.h"

#include <string>
#include <string_view>

namespace rq::widgets {

enum class TNumberFormat { Standard, Thousands, Scientific, Engineering };

struct NumEditFormat {
    int decimals = -1; // -1: as many as the number has (up to 15 digits in all)
    TNumberFormat numberFormat = TNumberFormat::Thousands;
    char decimalSeparator = ',';
    char thousandSeparator = '\xA0';
};

// The field's settings with the separators of the given format settings.
NumEditFormat numEditFormat(int decimals, TNumberFormat numberFormat,
                            const base::FormatSettings& settings = base::formatSettings());

struct NumEditState {
    std::string text;
    int selStart = 0;  // the caret when selLength is 0
    int selLength = 0; // selection [selStart, selStart + selLength)
};

// Text -> number in the extended range (exponents up to 4932): thousands
// separators removed, "" counts as "0" and "-" as "-0"; raises "'%s' is not
// a valid floating point value" otherwise.
long double parseNumber(std::string_view text, const NumEditFormat& format);
// Whether parseNumber converts the text.
bool holdsNumber(std::string_view text, const NumEditFormat& format);
// Number -> text in the field's format, with at most 15 digits in all.
std::string formatNumber(long double value, const NumEditFormat& format);
// The text with every thousands separator removed (what copy puts on the
// clipboard).
std::string withoutGrouping(std::string_view text, const NumEditFormat& format);

enum class CharResult {
    Handled,     // the state has changed (or the caret moved); nothing to insert
    Refused,     // the character is refused: beep
    PassThrough, // copy, paste or cut control character: the edit control acts
};

// The character filter for one typed character. A character that would take
// a convertible text out of the extended range (a too large exponent or
// mantissa, the sign of a large negative exponent) is refused, so that
// typing never meets a failing conversion.
CharResult typeChar(NumEditState& state, char c, const NumEditFormat& format);
// Backspace (backward) or Delete at the caret, or over the selection. False
// when refused: a deletion that would leave a text that no longer reads as a
// number is undone.
bool deleteKey(NumEditState& state, bool backward, const NumEditFormat& format);
// Deletes the selection by the deletion rule (nothing without a selection);
// false, and nothing deleted, when it would leave no number.
bool deleteSelection(NumEditState& state, const NumEditFormat& format);
// Regrouping after a key release; forced for Enter and the space bar.
void regroup(NumEditState& state, bool forced, const NumEditFormat& format);

} // namespace rq::widgets
