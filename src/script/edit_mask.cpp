// FormatMaskText: places a value's characters into an edit mask.
#include "script/edit_mask.h"

#include "base/format_settings.h"

#include <cctype>
#include <string_view>

namespace rq::script {

namespace {

// The three fields of "mask;save-literals;blank".
struct MaskFields {
    std::string_view mask;
    bool saveLiterals = true;
    char blank = '_';
};

MaskFields SplitMask(std::string_view text) {
    MaskFields fields;
    const std::size_t end = text.size();
    // The fields are the last two ";"-separated single characters, if any.
    if (end >= 4 && text[end - 2] == ';' && text[end - 4] == ';') {
        fields.saveLiterals = text[end - 3] != '0';
        fields.blank = text[end - 1];
        fields.mask = text.substr(0, end - 4);
    } else if (end >= 2 && text[end - 2] == ';') {
        fields.saveLiterals = text[end - 1] != '0';
        fields.mask = text.substr(0, end - 2);
    } else {
        fields.mask = text;
    }
    return fields;
}

bool IsPlaceholder(char c) {
    return std::string_view("09#LlAaCc").find(c) != std::string_view::npos;
}

enum class CaseMode { Keep, Upper, Lower };

char ApplyCase(char c, CaseMode mode) {
    const auto u = static_cast<unsigned char>(c);
    if (mode == CaseMode::Upper)
        return static_cast<char>(std::toupper(u));
    if (mode == CaseMode::Lower)
        return static_cast<char>(std::tolower(u));
    return c;
}

} // namespace

std::string FormatMaskText(std::string_view editMask, std::string_view value) {
    const MaskFields fields = SplitMask(editMask);
    const rq::base::FormatSettings& settings = rq::base::formatSettings();
    std::string out;
    std::size_t next = 0; // index into value
    CaseMode mode = CaseMode::Keep;
    std::string_view mask = fields.mask;
    if (!mask.empty() && mask[0] == '!')
        mask.remove_prefix(1);
    for (std::size_t i = 0; i < mask.size(); ++i) {
        const char m = mask[i];
        if (m == '<' && i + 1 < mask.size() && mask[i + 1] == '>') {
            mode = CaseMode::Keep;
            ++i;
            continue;
        }
        if (m == '>' || m == '<') {
            mode = m == '>' ? CaseMode::Upper : CaseMode::Lower;
            continue;
        }
        if (IsPlaceholder(m)) {
            out += next < value.size() ? ApplyCase(value[next++], mode) : fields.blank;
            continue;
        }
        char literal = m;
        if (m == '\\' && i + 1 < mask.size())
            literal = mask[++i];
        else if (m == ':')
            literal = settings.TimeSeparator;
        else if (m == '/')
            literal = settings.DateSeparator;
        out += literal;
        if (fields.saveLiterals && next < value.size())
            ++next; // the value carries the literal in this place
    }
    return out;
}

} // namespace rq::script
