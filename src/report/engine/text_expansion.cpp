// Bracketed expressions in texts: the matcher and the one-pass replacement
// (1-based positions, kept in the few helpers below), the " #" format suffix
// and the display formatting of values.
#include "report/engine/text_expansion.h"

#include "base/date_text.h"
#include "base/format.h"
#include "base/format_float.h"
#include "base/format_settings.h"
#include "base/letter_case.h"

#include <algorithm>

namespace rq::report::engine {
namespace {

constexpr std::size_t kMaxFormatText = 255;

// Whether the text at 1-based position pos starts with what.
bool startsAt(std::string_view s, int pos, std::string_view what) {
    return s.substr(static_cast<std::size_t>(pos - 1)).starts_with(what);
}

// The 1-based character at pos.
char at(std::string_view s, int pos) {
    return s[static_cast<std::size_t>(pos - 1)];
}

int length(std::string_view s) {
    return static_cast<int>(s.size());
}

} // namespace

std::string ExtractBracketed(std::string_view s, std::string_view open, std::string_view close,
                             int& i, int& j) {
    j = i;
    if (s.empty() || j > length(s) || i < 1)
        return {};
    bool outsideDouble = true, outsideSingle = true;
    int depth = 0;
    j = i - 1;
    do {
        ++j;
        if (outsideDouble && outsideSingle) {
            if (startsAt(s, j, open)) {
                if (depth == 0)
                    i = j;
                ++depth;
            } else if (startsAt(s, j, close)) {
                --depth;
            }
        }
        if (outsideSingle && at(s, j) == '"')
            outsideDouble = !outsideDouble;
        if (outsideDouble && at(s, j) == '\'')
            outsideSingle = !outsideSingle;
    } while (depth != 0 && j < length(s));
    // An opening delimiter never closed is no expression: the rest of the
    // text stays as written instead of being replaced by a truncated one.
    if (depth != 0) {
        j = i;
        return {};
    }
    const int count = j - i - length(open);
    std::string result = count > 0
                             ? std::string(s.substr(static_cast<std::size_t>(i - 1) + open.size(),
                                                    static_cast<std::size_t>(count)))
                             : std::string();
    if (i != j)
        j += length(close) - 1;
    return result;
}

bool SplitDelimiters(std::string_view delimiters, std::string& open, std::string& close) {
    const std::size_t comma = delimiters.find(',');
    open =
        comma == std::string_view::npos ? std::string() : std::string(delimiters.substr(0, comma));
    close = std::string(delimiters.substr(comma == std::string_view::npos ? 0 : comma + 1)
                            .substr(0, kMaxFormatText));
    return !open.empty() && !close.empty();
}

std::string ExpandBracketed(const std::string& s, std::string_view open, std::string_view close,
                            const ExpressionText& evaluate) {
    if (open.empty() || close.empty() || s.find(open) == std::string::npos)
        return s;
    // The result is written afresh, the text between brackets copied and
    // each bracket replaced by its value: a value is never scanned again, and
    // a text with many brackets expands in linear time.
    std::string out;
    std::size_t copied = 0; // source characters written out so far
    int i = 1, j = 0;
    do {
        while (i < length(s) && !startsAt(s, i, open))
            ++i;
        const std::string expression = ExtractBracketed(s, open, close, i, j);
        if (i != j) {
            out.append(s, copied, static_cast<std::size_t>(i - 1) - copied);
            out += evaluate(expression);
            copied = static_cast<std::size_t>(j);
            i = j + 1;
            j = 0;
        }
    } while (i != j);
    out.append(s, copied);
    return out;
}

namespace {

std::string plainText(const base::Variant& value) {
    try {
        return value.toString();
    } catch (const std::exception&) {
        return {}; // objects and arrays have no text
    }
}

bool isTrue(const base::Variant& value) {
    try {
        return base::equals(value, base::Variant(true));
    } catch (const std::exception&) {
        return false;
    }
}

std::string formatNumber(const base::Variant& value, const model::TfrxFormat& format) {
    base::FormatSettingsScope restore; // the separator below is for this value only
    if (format.DecimalSeparator().size() == 1)
        base::formatSettings().DecimalSeparator = format.DecimalSeparator()[0];
    const std::string& picture = format.FormatStr();
    if (picture.starts_with('#'))
        return base::formatFloat(picture, value.toDouble());
    return base::format(picture, {base::Variant(value.toDouble())});
}

std::string formatBoolean(const base::Variant& value, const std::string& texts) {
    const std::size_t comma = texts.find(',');
    if (isTrue(value))
        return comma == std::string::npos ? std::string() : texts.substr(0, comma);
    return comma == std::string::npos ? texts : texts.substr(comma + 1);
}

// The format of a " #" suffix, from its first character.
model::TfrxFormat formatFromSuffix(std::string spec) {
    model::TfrxFormat format;
    const char kind = spec.empty() ? '\0' : spec[0];
    switch (kind) {
    case 'N':
    case 'n': {
        format.SetKind(model::fkNumeric);
        for (char& c : spec) {
            if (c == ',' || c == '-' || c == '.') {
                format.SetDecimalSeparator(std::string(1, c));
                c = '.';
            }
        }
        break;
    }
    case 'D':
    case 'd':
    case 'T':
    case 't':
        format.SetKind(model::fkDateTime);
        break;
    case 'B':
    case 'b':
        format.SetKind(model::fkBoolean);
        break;
    default:
        format.SetKind(model::fkText);
        break;
    }
    format.SetFormatStr(spec.size() > 1 ? spec.substr(1, kMaxFormatText) : std::string());
    return format;
}

} // namespace

std::string FormatValue(const base::Variant& value, const model::TfrxFormat& format) {
    if (value.isNull())
        return {};
    try {
        switch (format.Kind()) {
        case model::fkNumeric:
            return formatNumber(value, format);
        case model::fkDateTime:
            return base::formatDateTime(format.FormatStr(), value.toDate());
        case model::fkBoolean:
            return formatBoolean(value, format.FormatStr());
        case model::fkText:
            break;
        }
    } catch (const std::exception&) {
        // a value the format cannot take is shown as it is
    }
    return plainText(value);
}

std::string EvaluateAndFormat(model::TfrxCustomMemoView& memo, const std::string& bracket,
                              const ExpressionValue& calc) {
    const std::size_t suffix = bracket.find(" #");
    const std::string expression =
        suffix == std::string::npos ? bracket : bracket.substr(0, suffix);
    model::TfrxFormat built;
    if (suffix != std::string::npos)
        built = formatFromSuffix(bracket.substr(suffix + 2));
    if (base::AnsiUpperCase(expression) == "TOTALPAGES#")
        memo.LastValue = base::Variant("[TotalPages#]");
    else
        memo.LastValue = calc(expression);
    if (memo.HideZeros() && !memo.LastValue.isString() && !memo.LastValue.isNull()) {
        try {
            if (base::equals(memo.LastValue, base::Variant(0)))
                return {};
        } catch (const std::exception&) {
            // not comparable with 0: shown
        }
    }
    return FormatValue(memo.LastValue, suffix != std::string::npos ? built : memo.DisplayFormat());
}

std::string ReplaceTotalPages(std::string text, int totalPages, std::string_view placeholder) {
    const std::string upper = base::AnsiUpperCase(text);
    const std::size_t found = upper.find(base::AnsiUpperCase(placeholder));
    if (found != std::string::npos)
        text.replace(found, placeholder.size(), std::to_string(totalPages));
    return text;
}

} // namespace rq::report::engine
