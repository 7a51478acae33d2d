// FormatFloat: section choice, picture analysis and digit placement.
#include "base/format_float.h"

#include "base/number_text.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace rq::base {
namespace {

// What a section asks for, gathered in one pass over it.
struct Picture {
    std::string_view text;
    int intPlaceholders = 0; // "0" and "#" before the decimal point
    int minInt = 0;          // integer digits always written (from the first "0")
    int decPlaceholders = 0; // "0" and "#" after the decimal point
    int minDec = 0;          // decimals always written (up to the last "0")
    bool grouping = false;   // a "," somewhere
    bool scientific = false;
};

// Length of a quoted literal starting at i (the whole rest when unclosed).
std::size_t quotedLength(std::string_view s, std::size_t i) {
    const std::size_t close = s.find(s[i], i + 1);
    return close == std::string_view::npos ? s.size() - i : close - i + 1;
}

// "E+0", "e-00", ...: an exponent mark needs at least one "0" after the sign,
// otherwise its characters are literal text.
bool isExponentAt(std::string_view s, std::size_t i) {
    return (s[i] == 'E' || s[i] == 'e') && i + 2 < s.size() &&
           (s[i + 1] == '+' || s[i + 1] == '-') && s[i + 2] == '0';
}

std::vector<std::string_view> splitSections(std::string_view picture) {
    std::vector<std::string_view> sections;
    std::size_t start = 0;
    for (std::size_t i = 0; i < picture.size() && sections.size() < 2;) {
        if (picture[i] == '\'' || picture[i] == '"') {
            i += quotedLength(picture, i);
        } else if (picture[i] == ';') {
            sections.push_back(picture.substr(start, i - start));
            start = ++i;
        } else {
            ++i;
        }
    }
    std::string_view last = picture.substr(start);
    // A third ";" ends the zero section; the rest is ignored.
    if (sections.size() == 2) {
        for (std::size_t i = 0; i < last.size();) {
            if (last[i] == '\'' || last[i] == '"')
                i += quotedLength(last, i);
            else if (last[i] == ';')
                last = last.substr(0, i);
            else
                ++i;
        }
    }
    sections.push_back(last);
    return sections;
}

Picture analyse(std::string_view section) {
    Picture p;
    p.text = section;
    bool afterPoint = false;
    int firstZero = -1;
    for (std::size_t i = 0; i < section.size();) {
        const char c = section[i];
        if (c == '\'' || c == '"') {
            i += quotedLength(section, i);
            continue;
        }
        if (isExponentAt(section, i)) {
            p.scientific = true;
            break; // the exponent ends the number part
        }
        if (c == '0' || c == '#') {
            if (afterPoint) {
                ++p.decPlaceholders;
                if (c == '0')
                    p.minDec = p.decPlaceholders;
            } else {
                if (c == '0' && firstZero < 0)
                    firstZero = p.intPlaceholders;
                ++p.intPlaceholders;
            }
        } else if (c == '.') {
            afterPoint = true;
        } else if (c == ',') {
            p.grouping = true;
        }
        ++i;
    }
    p.minInt = firstZero < 0 ? 0 : p.intPlaceholders - firstZero;
    return p;
}

// Writes one section for a magnitude whose digits are already rounded.
class Writer {
public:
    Writer(const Picture& p, const FormatSettings& s) : p_(p), s_(s) {}

    std::string write(const std::string& intDigits, const std::string& decDigits, int exponent) {
        int intSeen = 0;
        int decSeen = 0;
        bool afterPoint = false;
        const std::string_view t = p_.text;
        for (std::size_t i = 0; i < t.size();) {
            const char c = t[i];
            if (c == '\'' || c == '"') {
                const std::size_t close = t.find(c, i + 1);
                const std::size_t end = close == std::string_view::npos ? t.size() : close;
                out_ += t.substr(i + 1, end - i - 1);
                i = close == std::string_view::npos ? t.size() : close + 1;
            } else if (p_.scientific && isExponentAt(t, i)) {
                i = writeExponent(t, i, exponent);
            } else if (c == '0' || c == '#') {
                if (afterPoint) {
                    if (decSeen < static_cast<int>(decDigits.size()))
                        out_ += decDigits[static_cast<std::size_t>(decSeen)];
                    ++decSeen;
                } else {
                    writeIntDigits(intDigits, intSeen++);
                }
                ++i;
            } else if (c == '.') {
                if (!afterPoint && !decDigits.empty())
                    out_ += s_.DecimalSeparator;
                afterPoint = true;
                ++i;
            } else if (c == ',') {
                ++i;
            } else {
                out_ += c;
                ++i;
            }
        }
        return out_;
    }

private:
    // The k-th integer placeholder from the left stands for the digit at
    // position intPlaceholders - 1 - k from the right; the first one also
    // writes the digits that have no placeholder.
    // A placeholder beyond the analysed ones (after the exponent, which ends
    // the number part) writes nothing.
    void writeIntDigits(const std::string& digits, int k) {
        const int len = static_cast<int>(digits.size());
        const int pos = p_.intPlaceholders - 1 - k;
        if (pos < 0)
            return;
        const int from = k == 0 ? len - 1 : pos;
        for (int q = from; q >= pos; --q) {
            if (q >= len)
                continue;
            out_ += digits[static_cast<std::size_t>(len - 1 - q)];
            if (p_.grouping && q > 0 && q % 3 == 0)
                out_ += s_.ThousandSeparator;
        }
    }

    std::size_t writeExponent(std::string_view t, std::size_t i, int exponent) {
        const bool alwaysSign = t[i + 1] == '+';
        out_ += t[i];
        if (exponent < 0)
            out_ += '-';
        else if (alwaysSign)
            out_ += '+';
        std::size_t j = i + 2;
        int zeros = 0;
        while (j < t.size() && t[j] == '0' && zeros < 4) {
            ++zeros;
            ++j;
        }
        std::string digits = std::to_string(std::abs(exponent));
        if (static_cast<int>(digits.size()) < zeros)
            digits.insert(0, static_cast<std::size_t>(zeros) - digits.size(), '0');
        out_ += digits;
        return j;
    }

    const Picture& p_;
    const FormatSettings& s_;
    std::string out_;
};

std::string trimmedDecimals(std::string dec, int minDec) {
    while (static_cast<int>(dec.size()) > minDec && dec.back() == '0')
        dec.pop_back();
    return dec;
}

struct Rendered {
    std::string text;
    bool zero = false;
};

Rendered renderFixed(const Picture& p, long double magnitude, const FormatSettings& s) {
    const DecimalDigits d = toDecimalDigitsFixed(magnitude, p.decPlaceholders);
    std::string intDigits;
    for (int k = 0; k < d.exponent; ++k)
        intDigits +=
            k < static_cast<int>(d.digits.size()) ? d.digits[static_cast<std::size_t>(k)] : '0';
    if (static_cast<int>(intDigits.size()) < p.minInt)
        intDigits.insert(0, static_cast<std::size_t>(p.minInt) - intDigits.size(), '0');
    std::string dec;
    for (int k = 0; k < p.decPlaceholders; ++k) {
        const int idx = d.exponent + k;
        dec += idx >= 0 && idx < static_cast<int>(d.digits.size())
                   ? d.digits[static_cast<std::size_t>(idx)]
                   : '0';
    }
    return {Writer(p, s).write(intDigits, trimmedDecimals(dec, p.minDec), 0), d.digits.empty()};
}

Rendered renderScientific(const Picture& p, long double magnitude, const FormatSettings& s) {
    const int precision = std::clamp(p.intPlaceholders + p.decPlaceholders, 1, 18);
    const DecimalDigits d = toDecimalDigits(magnitude, precision);
    const int intCount = std::max(p.intPlaceholders, 1);
    const int exponent = d.digits.empty() ? 0 : d.exponent - intCount;
    std::string all = d.digits;
    if (static_cast<int>(all.size()) < precision)
        all.resize(static_cast<std::size_t>(std::max(precision, intCount)), '0');
    std::string intDigits = all.substr(0, static_cast<std::size_t>(intCount));
    std::string dec = all.substr(static_cast<std::size_t>(intCount));
    // Leading zeros of the integer part are kept only as the picture's "0"s.
    std::size_t lead = 0;
    while (lead + 1 < intDigits.size() && intDigits[lead] == '0' &&
           static_cast<int>(intDigits.size() - lead) > p.minInt)
        ++lead;
    intDigits.erase(0, lead);
    if (p.minInt == 0 && intDigits == "0")
        intDigits.clear();
    return {Writer(p, s).write(intDigits, trimmedDecimals(dec, p.minDec), exponent),
            d.digits.empty()};
}

Rendered render(std::string_view section, long double magnitude, const FormatSettings& s) {
    const Picture p = analyse(section);
    return p.scientific ? renderScientific(p, magnitude, s) : renderFixed(p, magnitude, s);
}

} // namespace

std::string formatFloat(std::string_view picture, long double value,
                        const FormatSettings& settings) {
    if (picture.empty() || !std::isfinite(value))
        return floatToStr(value, settings);
    const std::vector<std::string_view> sections = splitSections(picture);
    auto present = [&](std::size_t k) { return k < sections.size() && !sections[k].empty(); };
    const bool negative = value < 0;
    std::size_t chosen = 0;
    if (value == 0 && present(2))
        chosen = 2;
    else if (negative && present(1))
        chosen = 1;
    if (sections[chosen].empty() ||
        (!analyse(sections[chosen]).scientific && std::fabs(value) >= 1e18))
        return floatToStr(value, settings);
    Rendered r = render(sections[chosen], std::fabs(value), settings);
    if (r.zero && value != 0 && present(2))
        return render(sections[2], 0.0L, settings).text;
    const bool minus = negative && chosen == 0 && !r.zero;
    return minus ? "-" + r.text : r.text;
}

} // namespace rq::base
