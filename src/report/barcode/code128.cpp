// Code 128 in its three code sets, and EAN 128 (the same with FNC1 after the
// start). Symbols are written as module counts; the check symbol is the
// start value plus every value times its position, modulo 103.
#include "report/barcode/encoders.h"

#include <vector>

namespace rq::report::barcode {
namespace {

// Module widths of the symbol values 0..105 (bar, space, bar, space, bar,
// space); 103..105 are the starts of code sets A, B and C.
constexpr std::string_view kCode128[106] = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212",
    "221213", "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221",
    "223211", "221132", "221231", "213212", "223112", "312131", "311222", "321122", "321221",
    "312212", "322112", "322211", "212123", "212321", "232121", "111323", "131123", "131321",
    "112313", "132113", "132311", "211313", "231113", "231311", "112133", "112331", "132131",
    "113123", "113321", "133121", "313121", "211331", "231131", "213113", "213311", "213131",
    "311123", "311321", "331121", "312113", "312311", "332111", "314111", "221411", "431111",
    "111224", "111422", "121124", "121421", "141122", "141221", "112214", "112412", "122114",
    "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111", "111242",
    "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311",
    "113141", "114131", "311141", "411131", "211412", "211214", "211232"};
constexpr std::string_view kStop = "2331112";
constexpr int kFNC1 = 102;

enum class CodeSet { A, B, C };

struct Variant {
    TfrxBarcodeType type;
    CodeSet set;
    bool ean;
};

constexpr Variant kVariants[] = {
    {model::bcCode128A, CodeSet::A, false},   {model::bcCode128B, CodeSet::B, false},
    {model::bcCode128C, CodeSet::C, false},   {model::bcCodeEAN128A, CodeSet::A, true},
    {model::bcCodeEAN128B, CodeSet::B, true}, {model::bcCodeEAN128C, CodeSet::C, true},
};

// The value of a character in column A (space to underscore, then the
// control codes) or B (space to DEL); a character the column lacks is the
// space, value 0.
int CharValue(char c, CodeSet set) {
    const auto code = static_cast<unsigned char>(c);
    if (code >= 32 && code < (set == CodeSet::A ? 96 : 128))
        return code - 32;
    if (set == CodeSet::A && code < 32)
        return code + 64;
    return 0;
}

std::vector<int> Values(const std::string& text, CodeSet set) {
    std::vector<int> values;
    if (set != CodeSet::C) {
        for (char c : text)
            values.push_back(CharValue(c, set));
        return values;
    }
    const std::string digits = text.size() % 2 ? "0" + text : text;
    for (std::size_t i = 0; i < digits.size(); i += 2)
        values.push_back((digits[i] - '0') * 10 + (digits[i + 1] - '0'));
    return values;
}

} // namespace

std::string EncodeCode128(Encoding& e) {
    const Variant* variant = nullptr;
    for (const auto& v : kVariants)
        if (v.type == e.type)
            variant = &v;
    if (!variant)
        RaiseWrongType128();
    // The check digit goes into the symbol only: kept in the text it would
    // be appended again at the next encoding, and the symbol measured would
    // not be the symbol painted.
    const std::string text = variant->ean && e.checksum ? AppendMod10(e.text, e.method) : e.text;

    const int start = 103 + static_cast<int>(variant->set);
    std::vector<int> values{start};
    if (variant->ean)
        values.push_back(kFNC1);
    const std::vector<int> data = Values(text, variant->set);
    values.insert(values.end(), data.begin(), data.end());
    long long sum = start;
    for (std::size_t position = 1; position < values.size(); ++position)
        sum += static_cast<long long>(values[position]) * static_cast<long long>(position);
    values.push_back(static_cast<int>(sum % 103));

    std::string modules;
    modules.reserve(values.size() * 6 + kStop.size());
    for (int value : values)
        modules += kCode128[value];
    modules += kStop;
    return ModulesToBars(modules);
}

} // namespace rq::report::barcode
