// The numeric field's keyboard rules: the character filter, the deletion
// keys and the regrouping after a key release.
#include "widgets/num_edit_rules.h"

#include <algorithm>

namespace rq::widgets {
namespace {

constexpr int kMaxExponent = 4932; // largest exponent of an extended float

// Control characters of copy (Ctrl+C), paste (Ctrl+V) and cut (Ctrl+X).
constexpr char kCopyChar = 3, kPasteChar = 22, kCutChar = 24;

int indexOf(const std::string& text, char c) {
    const auto at = text.find(c);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

char charAt(const std::string& text, int at) {
    return text[static_cast<std::size_t>(at)];
}

int length(const std::string& text) {
    return static_cast<int>(text.size());
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

void select(NumEditState& state, int start, int count) {
    state.selStart = start;
    state.selLength = count;
}

void setCaret(NumEditState& state, int caret) {
    select(state, std::clamp(caret, 0, length(state.text)), 0);
}

void erase(std::string& text, int at) {
    text.erase(static_cast<std::size_t>(at), 1);
}

void insert(std::string& text, int at, char c) {
    text.insert(static_cast<std::size_t>(at), 1, c);
}

// Replaces the selection with c and puts the caret behind it.
void insertChar(NumEditState& state, char c) {
    state.text.replace(static_cast<std::size_t>(state.selStart),
                       static_cast<std::size_t>(state.selLength), 1, c);
    setCaret(state, state.selStart + 1);
}

int countOf(std::string_view text, char c) {
    return static_cast<int>(std::count(text.begin(), text.end(), c));
}

// Separators are never deleted by Backspace and Delete: the character
// beyond one is taken instead.
bool isSkipped(char c, const NumEditFormat& format) {
    return c == format.thousandSeparator || c == format.decimalSeparator || c == 'E';
}

bool inDecimalPart(const std::string& text, int at, const NumEditFormat& format) {
    const int separator = indexOf(text, format.decimalSeparator);
    const int exponent = indexOf(text, 'E');
    return separator >= 0 && at > separator && (exponent < 0 || at < exponent);
}

void removeDecimal(NumEditState& state, int at, const NumEditFormat& format) {
    erase(state.text, at);
    if (format.decimals > 0) {
        const int exponent = indexOf(state.text, 'E');
        insert(state.text, exponent < 0 ? length(state.text) : exponent, '0');
    }
    setCaret(state, at);
}

// The first character is the only integer digit: it becomes "0".
bool isOnlyIntegerDigit(const std::string& text, int at, const NumEditFormat& format) {
    return at == 0 && (text.size() == 1 || text[1] == format.decimalSeparator || text[1] == 'E');
}

void zeroOnlyDigit(NumEditState& state) {
    state.text[0] = '0';
    int caret = 1;
    if (indexOf(state.text, '-') >= 0) {
        insert(state.text, 0, '-');
        ++caret;
    }
    setCaret(state, caret);
}

void deleteAt(NumEditState& state, int at, const NumEditFormat& format) {
    std::string& text = state.text;
    if (inDecimalPart(text, at, format)) {
        removeDecimal(state, at, format);
    } else if (at == 0 && indexOf(text, '-') >= 0) {
        erase(text, 0);
        if (text.empty())
            text.push_back('0'); // not text = "0": GCC 12 warns falsely (-Wrestrict) at -O2
        setCaret(state, 0);
    } else if (isOnlyIntegerDigit(text, at, format)) {
        zeroOnlyDigit(state);
    } else {
        erase(text, at);
        setCaret(state, at);
    }
}

// Moves the caret past a leading "-" and past the exponent's "-".
void adjustCaretForSigns(NumEditState& state) {
    const std::string& text = state.text;
    int caret = state.selStart;
    if (!text.empty() && text[0] == '-' && caret == 0)
        caret = 1;
    const int exponent = indexOf(text, 'E');
    if (exponent >= 0 && exponent + 1 < length(text) && charAt(text, exponent + 1) == '-' &&
        caret == exponent + 2)
        caret = std::min(caret + 1, length(text));
    setCaret(state, caret);
}

void toggleSign(NumEditState& state) {
    std::string& text = state.text;
    int caret = state.selStart;
    const int exponent = indexOf(text, 'E');
    if (exponent >= 0 && caret > exponent) {
        const int at = exponent + 1;
        if (at < length(text) && charAt(text, at) == '-') {
            erase(text, at);
            caret -= caret > at ? 1 : 0;
        } else {
            insert(text, at, '-');
            caret += caret >= at ? 1 : 0;
        }
    } else if (!text.empty() && text[0] == '-') {
        erase(text, 0);
        caret -= caret > 0 ? 1 : 0;
    } else {
        insert(text, 0, '-');
        ++caret;
    }
    setCaret(state, caret);
}

void typeDecimalSeparator(NumEditState& state, const NumEditFormat& format) {
    const int existing = indexOf(state.text, format.decimalSeparator);
    if (existing >= 0) {
        setCaret(state, existing + 1);
        return;
    }
    const int exponent = indexOf(state.text, 'E');
    const int at = exponent >= 0 ? exponent : length(state.text);
    insert(state.text, at, format.decimalSeparator);
    setCaret(state, at + 1);
}

void typeExponentMark(NumEditState& state) {
    const int existing = indexOf(state.text, 'E');
    if (existing >= 0) {
        setCaret(state, existing + 1);
        return;
    }
    state.text += 'E';
    setCaret(state, length(state.text));
}

// The exponent's absolute value after the digit would be typed.
bool exponentTooLarge(NumEditState candidate, char digit, int exponent) {
    insertChar(candidate, digit);
    int value = 0;
    for (int i = exponent + 1; i < length(candidate.text); ++i) {
        const char c = charAt(candidate.text, i);
        if (!isDigit(c))
            continue;
        value = value * 10 + (c - '0');
        if (value > kMaxExponent)
            return true;
    }
    return false;
}

CharResult typeExponentDigit(NumEditState& state, char digit, int exponent) {
    const std::string& text = state.text;
    int first = exponent + 1;
    if (first < length(text) && (charAt(text, first) == '-' || charAt(text, first) == '+'))
        ++first;
    if (state.selStart == exponent + 1 && first < length(text) && charAt(text, first) == '0')
        select(state, first, 1);
    if (exponentTooLarge(state, digit, exponent))
        return CharResult::Refused;
    insertChar(state, digit);
    return CharResult::Handled;
}

// With a fixed number of decimals a digit in the decimal part overwrites the
// next one, and none is accepted behind the last allowed decimal.
CharResult typeFixedDecimal(NumEditState& state, char digit, const NumEditFormat& format) {
    const int separator = indexOf(state.text, format.decimalSeparator);
    if (state.selStart > separator + format.decimals)
        return CharResult::Refused;
    const int exponent = indexOf(state.text, 'E');
    const int end = exponent >= 0 ? exponent : length(state.text);
    if (state.selLength == 0 && state.selStart < end)
        select(state, state.selStart, 1);
    insertChar(state, digit);
    return CharResult::Handled;
}

CharResult typeDigit(NumEditState& state, char digit, const NumEditFormat& format) {
    const std::string& text = state.text;
    const int caret = state.selStart;
    const int exponent = indexOf(text, 'E');
    if (exponent >= 0 && caret > exponent)
        return typeExponentDigit(state, digit, exponent);
    if (!text.empty() && text[0] == '0' && caret <= 1)
        select(state, 0, 1);
    else if (text.size() >= 2 && text[0] == '-' && text[1] == '0' && caret <= 2)
        select(state, 1, 1);
    else if (format.decimals > 0 && inDecimalPart(text, caret, format))
        return typeFixedDecimal(state, digit, format);
    insertChar(state, digit);
    return CharResult::Handled;
}

bool isAccepted(char c, const NumEditFormat& format) {
    return isDigit(c) || c == '-' || c == 'E' || c == 'e' ||
           (c == format.decimalSeparator && format.decimals != 0);
}

CharResult applyChar(NumEditState& state, char c, const NumEditFormat& format) {
    if (c == 'e')
        c = 'E';
    if (c == 'E' || c == format.decimalSeparator)
        state.selLength = 0; // these never replace selected text
    else
        deleteSelection(state, format);
    adjustCaretForSigns(state);
    if (c == '-')
        toggleSign(state);
    else if (c == format.decimalSeparator)
        typeDecimalSeparator(state, format);
    else if (c == 'E')
        typeExponentMark(state);
    else
        return typeDigit(state, c, format);
    return CharResult::Handled;
}

} // namespace

CharResult typeChar(NumEditState& state, char c, const NumEditFormat& format) {
    if (c == kCopyChar || c == kPasteChar || c == kCutChar)
        return CharResult::PassThrough;
    if (!isAccepted(c, format))
        return CharResult::Refused;
    const NumEditState before = state;
    const CharResult result = applyChar(state, c, format);
    // Only a key that breaks a convertible text is refused: a text written
    // from outside keeps its own fate until it is reformatted.
    if (result == CharResult::Handled && !holdsNumber(state.text, format) &&
        holdsNumber(before.text, format)) {
        state = before;
        return CharResult::Refused;
    }
    return result;
}

namespace {

void deleteOne(NumEditState& state, bool backward, const NumEditFormat& format) {
    const int step = backward ? -1 : 1;
    int at = backward ? state.selStart - 1 : state.selStart;
    const auto outside = [&](int i) { return i < 0 || i >= length(state.text); };
    if (outside(at))
        return;
    if (isSkipped(charAt(state.text, at), format))
        at += step;
    if (!outside(at))
        deleteAt(state, at, format);
}

void deleteSelected(NumEditState& state, const NumEditFormat& format) {
    if (state.selLength <= 0)
        return;
    if (state.selStart == 0 && state.selLength >= length(state.text)) {
        state.text = formatNumber(0, format);
        setCaret(state, length(state.text));
        return;
    }
    const std::string_view selected = std::string_view(state.text)
                                          .substr(static_cast<std::size_t>(state.selStart),
                                                  static_cast<std::size_t>(state.selLength));
    int count = length(std::string(selected)) - countOf(selected, format.thousandSeparator);
    if (countOf(selected, format.decimalSeparator) > 0)
        --count;
    setCaret(state, state.selStart + state.selLength);
    for (int i = 0; i < count; ++i)
        deleteOne(state, true, format);
}

// The deletion rules can take a number apart ("-5E" less its "5" is "-E",
// then "E"): a deletion that leaves no number where there was one is undone
// and refused, as a typed character would be.
bool keepIfStillANumber(NumEditState& state, const NumEditState& before,
                        const NumEditFormat& format) {
    if (holdsNumber(state.text, format) || !holdsNumber(before.text, format))
        return true;
    state = before;
    return false;
}

} // namespace

bool deleteKey(NumEditState& state, bool backward, const NumEditFormat& format) {
    const NumEditState before = state;
    if (state.selLength > 0)
        deleteSelected(state, format);
    else
        deleteOne(state, backward, format);
    return keepIfStillANumber(state, before, format);
}

bool deleteSelection(NumEditState& state, const NumEditFormat& format) {
    const NumEditState before = state;
    deleteSelected(state, format);
    return keepIfStillANumber(state, before, format);
}

void regroup(NumEditState& state, bool forced, const NumEditFormat& format) {
    if (state.selLength != 0 || format.numberFormat != TNumberFormat::Thousands)
        return;
    const std::string formatted = formatNumber(parseNumber(state.text, format), format);
    const char group = format.thousandSeparator;
    const int oldCount = countOf(state.text, group);
    const int newCount = countOf(formatted, group);
    if (!forced && oldCount == newCount && indexOf(state.text, group) == indexOf(formatted, group))
        return;
    const bool hadSeparator = indexOf(state.text, format.decimalSeparator) >= 0;
    const bool hasSeparator = indexOf(formatted, format.decimalSeparator) >= 0;
    int caret = state.selStart + newCount - oldCount;
    caret += (hasSeparator && !hadSeparator) ? 1 : (!hasSeparator && hadSeparator) ? -1 : 0;
    state.text = formatted;
    setCaret(state, caret);
    if (state.selStart < length(formatted) &&
        formatted[static_cast<std::size_t>(state.selStart)] == group)
        setCaret(state, state.selStart + 1);
}

} // namespace rq::widgets
