// The preview's page layout arithmetic: page boxes in rows, their zoomed
// rectangles, the page at a vertical offset and the layout's extent.
#include "report/preview/page_list.h"

#include "base/rounding.h"

#include <algorithm>

namespace rq::report::preview {

namespace {

constexpr int kGap = 10;           // pixels between pages and around the layout
constexpr int kDefaultWidth = 794; // A4 at 96 per inch
constexpr int kDefaultHeight = 1123;
constexpr int kPaintReach = 20; // pages examined on either side of the current one

int round(double value) {
    return base::roundToInt(value);
}

// Left edge of a row of width w: centred when the client holds it, else 10.
int rowLeft(int clientWidth, double zoom, int w) {
    return clientWidth >= zoom * w ? round((clientWidth - zoom * w) / 2) : kGap;
}

} // namespace

void TfrxPageList::Clear() {
    items_.clear();
    widestRow_ = 0;
}

void TfrxPageList::AddPageBox(int width, int height) {
    TfrxPageItem item;
    item.Width = static_cast<std::uint16_t>(width);
    item.Height = static_cast<std::uint16_t>(height);
    item.Top = kGap;
    if (!items_.empty()) {
        const TfrxPageItem& last = items_.back();
        if (last.Column < columnCount_ - 1) {
            item.Column = static_cast<std::uint16_t>(last.Column + 1);
            item.Top = last.Top;
        } else {
            int tallest = 0;
            for (auto it = items_.rbegin(); it != items_.rend() && it->Top == last.Top; ++it) {
                tallest = std::max<int>(tallest, it->Height);
                if (it->Column == 0)
                    break;
            }
            item.Top = last.Top + tallest + kGap;
        }
    }
    items_.push_back(item);
    const int index = Count() - 1;
    const int width10 = widthBefore(index) + item.Width + kGap;
    widestRow_ = std::max(widestRow_, width10);
}

int TfrxPageList::widthBefore(int index) const {
    int sum = 0;
    for (int i = index - Items(index).Column; i < index; ++i)
        sum += Items(i).Width + kGap;
    return sum;
}

int TfrxPageList::rowWidth(int index) const {
    const int first = index - Items(index).Column;
    int sum = 0;
    for (int i = first; i < Count() && (i == first || Items(i).Column != 0); ++i)
        sum += (i == first ? 0 : kGap) + Items(i).Width;
    return sum;
}

TfrxPageRect TfrxPageList::GetPageRect(int index, int clientWidth, double zoom) const {
    TfrxPageRect r;
    if (index < 0 || index >= Count()) {
        r.Left = clientWidth >= zoom * kDefaultWidth
                     ? round((clientWidth - zoom * kDefaultWidth) / 2)
                     : kGap;
        r.Top = round(zoom * kGap);
        r.Right = r.Left + round(zoom * kDefaultWidth);
        r.Bottom = r.Top + round(zoom * kDefaultHeight);
        return r;
    }
    const TfrxPageItem& item = Items(index);
    const int w = columnCount_ < 2 ? item.Width : rowWidth(index);
    r.Left = rowLeft(clientWidth, zoom, w) + round(zoom * widthBefore(index));
    r.Top = round(zoom * item.Top);
    r.Right = r.Left + round(zoom * item.Width);
    r.Bottom = r.Top + round(zoom * item.Height);
    return r;
}

int TfrxPageList::FindPageAt(int offset, bool exact, double zoom) const {
    int lo = 0;
    int hi = Count() - 1;
    while (hi >= lo) {
        const int mid = (lo + hi) / 2;
        const int bias = exact ? 0 : round(zoom * Items(mid).Height / 5);
        if (offset + bias >= zoom * Items(mid).Top)
            lo = mid + 1;
        else
            hi = mid - 1;
    }
    return hi;
}

TfrxPageBounds TfrxPageList::GetMaxBounds(int clientWidth, double zoom) const {
    if (items_.empty())
        return {};
    return {kGap + round(zoom * (widestRow_ - kGap)),
            GetPageRect(Count() - 1, clientWidth, zoom).Bottom};
}

TfrxPageRange PaintCandidates(int current, int count) {
    return {std::max(0, current - kPaintReach), std::min(count - 1, current + kPaintReach)};
}

} // namespace rq::report::preview
