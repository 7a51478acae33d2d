// Code 93 and its full-ASCII extension. Each symbol is nine modules in
// three bars and three spaces; two check symbols C and K always follow the
// data. The four shift symbols ($), (%), (/), (+) stand in the table as
// "[", "]", "{" and "}".
#include "report/barcode/encoders.h"

#include <vector>

namespace rq::report::barcode {
namespace {

struct Symbol93 {
    char c;
    std::string_view modules;
};

// Indexed by symbol value 0..46.
constexpr Symbol93 kCode93[] = {
    {'0', "131112"}, {'1', "111213"}, {'2', "111312"}, {'3', "111411"}, {'4', "121113"},
    {'5', "121212"}, {'6', "121311"}, {'7', "111114"}, {'8', "131211"}, {'9', "141111"},
    {'A', "211113"}, {'B', "211212"}, {'C', "211311"}, {'D', "221112"}, {'E', "221211"},
    {'F', "231111"}, {'G', "112113"}, {'H', "112212"}, {'I', "112311"}, {'J', "122112"},
    {'K', "132111"}, {'L', "111123"}, {'M', "111222"}, {'N', "111321"}, {'O', "121122"},
    {'P', "131121"}, {'Q', "212112"}, {'R', "212211"}, {'S', "211122"}, {'T', "211221"},
    {'U', "221121"}, {'V', "222111"}, {'W', "112122"}, {'X', "112221"}, {'Y', "122121"},
    {'Z', "123111"}, {'-', "121131"}, {'.', "311112"}, {' ', "311211"}, {'$', "321111"},
    {'/', "112131"}, {'+', "113121"}, {'%', "211131"}, {'[', "121221"}, {']', "312111"},
    {'{', "311121"}, {'}', "122211"},
};
static_assert(std::size(kCode93) == 47);

constexpr std::string_view kStart = "111141";
constexpr std::string_view kStop = "1111411"; // with the termination bar

// The full-ASCII pairs of the codes 0..127, shifts written as in kCode93;
// characters Code 93 has of its own stand for themselves.
constexpr std::string_view kFullAscii[128] = {
    "]U", "[A", "[B", "[C", "[D", "[E", "[F", "[G", "[H", "[I", "[J", "[K", "[L", "[M", "[N", "[O",
    "[P", "[Q", "[R", "[S", "[T", "[U", "[V", "[W", "[X", "[Y", "[Z", "]A", "]B", "]C", "]D", "]E",
    " ",  "{A", "{B", "{C", "$",  "%",  "{F", "{G", "{H", "{I", "{J", "+",  "{L", "-",  ".",  "/",
    "0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "{Z", "]F", "]G", "]H", "]I", "]J",
    "]V", "A",  "B",  "C",  "D",  "E",  "F",  "G",  "H",  "I",  "J",  "K",  "L",  "M",  "N",  "O",
    "P",  "Q",  "R",  "S",  "T",  "U",  "V",  "W",  "X",  "Y",  "Z",  "]K", "]L", "]M", "]N", "]O",
    "]W", "}A", "}B", "}C", "}D", "}E", "}F", "}G", "}H", "}I", "}J", "}K", "}L", "}M", "}N", "}O",
    "}P", "}Q", "}R", "}S", "}T", "}U", "}V", "}W", "}X", "}Y", "}Z", "]P", "]Q", "]R", "]S", "]T"};

int Value(char c) {
    for (int v = 0; v < static_cast<int>(std::size(kCode93)); ++v)
        if (kCode93[v].c == c)
            return v;
    return -1;
}

// Weighted from the right with weights 1..cycle, modulo 47.
int CheckValue(const std::vector<int>& values, int cycle) {
    int sum = 0, weight = 1;
    for (auto it = values.rbegin(); it != values.rend(); ++it) {
        sum = (sum + *it * weight) % 47;
        weight = weight == cycle ? 1 : weight + 1;
    }
    return sum;
}

// errorText: the text the failure names, as the user wrote it.
std::string Encode93(std::string_view text, std::string_view errorText) {
    std::vector<int> values;
    values.reserve(text.size() + 2);
    for (char c : text) {
        const int v = Value(c);
        if (v < 0)
            RaiseCode93BadData(errorText);
        values.push_back(v);
    }
    values.push_back(CheckValue(values, 20));
    values.push_back(CheckValue(values, 15));

    std::string modules(kStart);
    modules.reserve(values.size() * 6 + 13);
    for (int v : values)
        modules += kCode93[v].modules;
    modules += kStop;
    return ModulesToBars(modules);
}

} // namespace

std::string EncodeCode93(Encoding& e) {
    return Encode93(e.text, e.text);
}

// Codes 128 and above have no pair; they stay and fail as bad data.
std::string EncodeCode93Extended(Encoding& e) {
    std::string expanded;
    expanded.reserve(e.text.size() * 2);
    for (char c : e.text) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 128)
            expanded += kFullAscii[code];
        else
            expanded += c;
    }
    return Encode93(expanded, e.text);
}

} // namespace rq::report::barcode
