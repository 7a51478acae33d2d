// The page-range scanner: segments end at commas, a dash turns the segment
// before it into the start of a range. Ranges are cut at the last page,
// because numbers beyond it can never be printed and a range such as
// "1-2000000000" must not fill memory.
#include "report/printing/page_numbers.h"

#include "base/number_text.h"

#include <algorithm>

namespace rq::report::printing {

std::vector<std::string> ParsePageNumbers(std::string_view text, int pageCount) {
    std::string s;
    std::ranges::copy_if(text, std::back_inserter(s), [](char c) { return c != ' '; });
    std::vector<std::string> pages;
    if (s.empty())
        return pages;
    if (s.back() == '-')
        s += base::intToStr(pageCount);
    s += ',';

    std::size_t segment = 0; // 0-based start of the current segment
    bool range = false;
    std::int32_t rangeStart = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == ',') {
            const std::int32_t value =
                base::strToInt(std::string_view(s).substr(segment, i - segment));
            if (range) {
                const std::int64_t last =
                    std::min<std::int64_t>(value, std::max(pageCount, rangeStart));
                for (std::int64_t n = rangeStart; n <= last; ++n)
                    pages.push_back(base::intToStr(n));
            } else {
                pages.push_back(base::intToStr(value));
            }
            range = false;
            segment = i + 1;
        } else if (s[i] == '-') {
            range = true;
            rangeStart = base::strToInt(std::string_view(s).substr(segment, i - segment));
            segment = i + 1;
        }
    }
    return pages;
}

} // namespace rq::report::printing
