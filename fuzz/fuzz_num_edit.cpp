// Fuzz target of the numeric entry field's editing rules (the Qt-free part of
// the field): any sequence of typed characters, deletions, selections, cuts
// and pastes keeps the caret and selection inside the text, and the text
// always reads back as a number when a key is released.
// Input: a format byte, then operations (one byte each, some with operands).
// Run: fuzz_num_edit fuzz/corpus/num_edit
#include "base/exceptions.h"
#include "widgets/num_edit_rules.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

using namespace rq::widgets;

struct Separators {
    char decimal;
    char thousands;
};

// The separator pairs the user's regional settings give in practice.
constexpr Separators kSeparators[] = {{',', '\xA0'}, {'.', ','}, {',', '.'}, {',', ' '}};
constexpr TNumberFormat kFormats[] = {TNumberFormat::Standard, TNumberFormat::Thousands,
                                      TNumberFormat::Scientific, TNumberFormat::Engineering};

void check(bool condition) {
    if (!condition)
        __builtin_trap();
}

void checkState(const NumEditState& s) {
    const int length = static_cast<int>(s.text.size());
    check(s.selStart >= 0 && s.selLength >= 0 && s.selStart + s.selLength <= length);
}

// Reads operand bytes; zero past the end.
struct Input {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;
    bool more() const { return at < size; }
    std::uint8_t next() { return at < size ? data[at++] : 0; }
};

// What the widget does on a paste: delete the selection, then type every
// character of the clipboard text, refused ones beeping.
void paste(NumEditState& s, Input& in, const NumEditFormat& format) {
    deleteSelection(s, format);
    for (int n = in.next() % 32; n > 0; --n)
        typeChar(s, static_cast<char>(in.next()), format);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    Input in{data, size};
    const std::uint8_t options = in.next();
    const Separators separators = kSeparators[options % 4];
    NumEditFormat format;
    format.decimals = static_cast<int>(options >> 4) % 8 - 1;
    format.numberFormat = kFormats[(options >> 2) % 4];
    format.decimalSeparator = separators.decimal;
    format.thousandSeparator = separators.thousands;

    NumEditState s;
    s.text = formatNumber(0, format);
    s.selStart = static_cast<int>(s.text.size());
    try {
        while (in.more()) {
            const std::uint8_t op = in.next();
            switch (op % 8) {
            case 0:
            case 1:
            case 2:
                typeChar(s, static_cast<char>(op >> 3 < 10 ? '0' + (op >> 3) : in.next()), format);
                break;
            case 3:
                deleteKey(s, op & 8, format);
                break;
            case 4: {
                const int length = static_cast<int>(s.text.size()) + 1;
                s.selStart = in.next() % length;
                s.selLength = in.next() % (length - s.selStart);
                break;
            }
            case 5:
                paste(s, in, format);
                break;
            case 6:
                deleteSelection(s, format);
                break;
            default:
                regroup(s, op & 8, format);
                break;
            }
            checkState(s);
        }
        parseNumber(s.text, format);
    } catch (const rq::base::Exception&) {
        // The field's own text must always read back as a number.
        __builtin_trap();
    }
    return 0;
}
