// Code 39 and its full-ASCII extension. A symbol is five bars and four
// spaces, three of the nine wide; symbols are separated by a narrow space
// and framed by "*". Characters without a symbol are left out.
#include "report/barcode/encoders.h"

namespace rq::report::barcode {
namespace {

struct Symbol39 {
    char c;
    std::string_view bars; // narrow bar "5", wide bar "6", narrow space "0", wide space "1"
    int value;             // weight in the check character sum
};

// "*" frames the symbol; it sits after the space and weighs 0.
constexpr Symbol39 kCode39[] = {
    {'0', "505160605", 0},  {'1', "605150506", 1},  {'2', "506150506", 2},  {'3', "606150505", 3},
    {'4', "505160506", 4},  {'5', "605160505", 5},  {'6', "506160505", 6},  {'7', "505150606", 7},
    {'8', "605150605", 8},  {'9', "506150605", 9},  {'A', "605051506", 10}, {'B', "506051506", 11},
    {'C', "606051505", 12}, {'D', "505061506", 13}, {'E', "605061505", 14}, {'F', "506061505", 15},
    {'G', "505051606", 16}, {'H', "605051605", 17}, {'I', "506051605", 18}, {'J', "505061605", 19},
    {'K', "605050516", 20}, {'L', "506050516", 21}, {'M', "606050515", 22}, {'N', "505060516", 23},
    {'O', "605060515", 24}, {'P', "506060515", 25}, {'Q', "505050616", 26}, {'R', "605050615", 27},
    {'S', "506050615", 28}, {'T', "505060615", 29}, {'U', "615050506", 30}, {'V', "516050506", 31},
    {'W', "616050505", 32}, {'X', "515060506", 33}, {'Y', "615060505", 34}, {'Z', "516060505", 35},
    {'-', "515050606", 36}, {'.', "615050605", 37}, {' ', "516050605", 38}, {'*', "515060605", 0},
    {'$', "515151505", 39}, {'/', "515150515", 40}, {'+', "515051515", 41}, {'%', "505151515", 42},
};
static_assert(std::size(kCode39) == 44);

constexpr std::string_view kStartStop = "515060605";

const Symbol39* Find(char c) {
    for (const auto& symbol : kCode39)
        if (symbol.c == c)
            return &symbol;
    return nullptr;
}

// The full-ASCII pairs of the codes 0..127.
constexpr std::string_view kFullAscii[128] = {
    "%U", "$A", "$B", "$C", "$D", "$E", "$F", "$G", "$H", "$I", "$J", "$K", "$L", "$M", "$N", "$O",
    "$P", "$Q", "$R", "$S", "$T", "$U", "$V", "$W", "$X", "$Y", "$Z", "%A", "%B", "%C", "%D", "%E",
    " ",  "/A", "/B", "/C", "/D", "/E", "/F", "/G", "/H", "/I", "/J", "/K", "/L", "/M", "/N", "/O",
    "0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "/Z", "%F", "%G", "%H", "%I", "%J",
    "%V", "A",  "B",  "C",  "D",  "E",  "F",  "G",  "H",  "I",  "J",  "K",  "L",  "M",  "N",  "O",
    "P",  "Q",  "R",  "S",  "T",  "U",  "V",  "W",  "X",  "Y",  "Z",  "%K", "%L", "%M", "%N", "%O",
    "%W", "+A", "+B", "+C", "+D", "+E", "+F", "+G", "+H", "+I", "+J", "+K", "+L", "+M", "+N", "+O",
    "+P", "+Q", "+R", "+S", "+T", "+U", "+V", "+W", "+X", "+Y", "+Z", "%P", "%Q", "%R", "%S", "%T"};

std::string Encode39(std::string_view text, bool checksum) {
    std::string bars;
    bars.reserve((text.size() + 3) * 10);
    bars.append(kStartStop).push_back('0');
    int sum = 0;
    for (char c : text)
        if (const Symbol39* symbol = Find(c)) {
            bars.append(symbol->bars).push_back('0');
            sum += symbol->value;
        }
    if (checksum) {
        const int check = sum % 43;
        for (const auto& symbol : kCode39)
            if (symbol.value == check) {
                bars.append(symbol.bars).push_back('0');
                break;
            }
    }
    return bars.append(kStartStop);
}

} // namespace

std::string EncodeCode39(Encoding& e) {
    return Encode39(e.text, e.checksum);
}

// Codes 128 and above have no pair and are dropped; the generator keeps the
// text as written, so the human-readable text shows it.
std::string EncodeCode39Extended(Encoding& e) {
    std::string expanded;
    for (char c : e.text) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 128)
            expanded += kFullAscii[code];
    }
    return Encode39(expanded, e.checksum);
}

} // namespace rq::report::barcode
