// Glyph tables of the two bitmap fonts: one string per row, '#' lit.
#include "pixel_font.h"

#include <array>
#include <string>

namespace rq::pictures {
namespace {

struct Glyph {
    char c;
    std::array<std::string_view, 7> rows; // the small font uses the first five
};

constexpr Glyph kSmall[] = {
    {'A', {".#.", "#.#", "###", "#.#", "#.#"}}, {'C', {"###", "#..", "#..", "#..", "###"}},
    {'E', {"###", "#..", "##.", "#..", "###"}}, {'I', {"###", ".#.", ".#.", ".#.", "###"}},
    {'L', {"#..", "#..", "#..", "#..", "###"}}, {'Q', {"###", "#.#", "#.#", "##.", ".##"}},
    {'R', {"##.", "#.#", "##.", "#.#", "#.#"}}, {'T', {"###", ".#.", ".#.", ".#.", ".#."}},
    {'U', {"#.#", "#.#", "#.#", "#.#", "###"}}, {'Y', {"#.#", "#.#", ".#.", ".#.", ".#."}},
};

constexpr Glyph kLarge[] = {
    {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {'Q', {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
};

struct Metrics {
    int width, height;
};

Metrics metrics(FontSize size) {
    return size == FontSize::Small ? Metrics{3, 5} : Metrics{5, 7};
}

const Glyph* find(char c, FontSize size) {
    auto search = [c](const auto& table) -> const Glyph* {
        for (const Glyph& g : table) {
            if (g.c == c)
                return &g;
        }
        return nullptr;
    };
    return size == FontSize::Small ? search(kSmall) : search(kLarge);
}

} // namespace

int textWidth(std::string_view s, FontSize size) {
    const int n = static_cast<int>(s.size());
    return n == 0 ? 0 : n * (metrics(size).width + 1) - 1;
}

Shape text(std::string_view s, FontSize size, double left, double top) {
    const Metrics m = metrics(size);
    return [str = std::string(s), size, m, left, top](double x, double y) {
        const int col = static_cast<int>(x - left + 1) - 1; // floor for x >= left - 1
        const int row = static_cast<int>(y - top + 1) - 1;
        if (x < left || y < top || row >= m.height)
            return false;
        const int index = col / (m.width + 1);
        const int cell = col % (m.width + 1);
        if (index >= static_cast<int>(str.size()) || cell == m.width)
            return false;
        const Glyph* g = find(str[static_cast<std::size_t>(index)], size);
        return g && g->rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(cell)] == '#';
    };
}

} // namespace rq::pictures
