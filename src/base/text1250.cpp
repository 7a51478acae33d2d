// Windows-1250 <-> Unicode through one 128-entry table for the upper half;
// the lower half is ASCII.
#include "base/text1250.h"

#include <array>
#include <cstdio>
#include <unordered_map>

namespace rq::base {
namespace {

constexpr std::array<char16_t, 128> kUpperHalf = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x0160, 0x2039,
    0x015A, 0x0164, 0x017D, 0x0179, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141,
    0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB,
    0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

const std::unordered_map<char32_t, unsigned char>& reverseTable() {
    static const auto table = [] {
        std::unordered_map<char32_t, unsigned char> map;
        for (std::size_t i = 0; i < kUpperHalf.size(); ++i)
            map.emplace(kUpperHalf[i], static_cast<unsigned char>(0x80 + i));
        return map;
    }();
    return table;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at text[i]; advances i. Returns U+FFFD on error.
char32_t decodeUtf8(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80)
        return lead;
    int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (extra < 0 || lead > 0xF4)
        return 0xFFFD;
    char32_t cp = lead & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return 0xFFFD;
        cp = (cp << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
    }
    return cp;
}

char asciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}
char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

} // namespace

char32_t cp1250ToUnicode(unsigned char byte) {
    return byte < 0x80 ? byte : kUpperHalf[byte - 0x80];
}

bool hasCp1250(char32_t codePoint) {
    return codePoint < 0x80 || reverseTable().contains(codePoint);
}

unsigned char unicodeToCp1250(char32_t codePoint) {
    if (codePoint < 0x80)
        return static_cast<unsigned char>(codePoint);
    const auto& table = reverseTable();
    const auto it = table.find(codePoint);
    return it == table.end() ? '?' : it->second;
}

std::string cp1250ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (const char c : text)
        appendUtf8(out, cp1250ToUnicode(static_cast<unsigned char>(c)));
    return out;
}

AnsiString utf8ToCp1250(std::string_view utf8) {
    AnsiString out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();)
        out += static_cast<char>(unicodeToCp1250(decodeUtf8(utf8, i)));
    return out;
}

std::u32string charactersOutside1250(std::string_view utf8) {
    std::u32string found;
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t cp = decodeUtf8(utf8, i);
        if ((cp == 0xFFFD || !hasCp1250(cp)) && found.find(cp) == std::u32string::npos)
            found += cp;
    }
    return found;
}

AnsiString codePointNames(std::u32string_view codePoints) {
    AnsiString names;
    for (const char32_t cp : codePoints) {
        char name[16];
        std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(cp));
        names += (names.empty() ? "" : " ") + AnsiString(name);
    }
    return names;
}

AnsiString copy1(std::string_view text, std::ptrdiff_t index, std::ptrdiff_t count) {
    const auto size = static_cast<std::ptrdiff_t>(text.size());
    if (index < 1)
        index = 1;
    if (count <= 0 || index > size)
        return {};
    if (count > size - index + 1)
        count = size - index + 1;
    return AnsiString(
        text.substr(static_cast<std::size_t>(index - 1), static_cast<std::size_t>(count)));
}

std::size_t pos1(std::string_view sub, std::string_view text) {
    if (sub.empty())
        return 0;
    const auto at = text.find(sub);
    return at == std::string_view::npos ? 0 : at + 1;
}

AnsiString upperCase(std::string_view text) {
    AnsiString out(text);
    for (char& c : out)
        c = asciiUpper(c);
    return out;
}

AnsiString lowerCase(std::string_view text) {
    AnsiString out(text);
    for (char& c : out)
        c = asciiLower(c);
    return out;
}

int compareText(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(asciiUpper(a[i]));
        const auto cb = static_cast<unsigned char>(asciiUpper(b[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool sameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && compareText(a, b) == 0;
}

AnsiString trim(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= ' ')
        ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ')
        --last;
    return AnsiString(text.substr(first, last - first));
}

} // namespace rq::base
