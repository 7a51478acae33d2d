// TfrxPageList: where the preview puts its pages, in unzoomed screen pixels.
// Pages are laid out in rows of ColumnCount pages, 10 pixels apart and 10
// from the top; rows narrower than the client are centred. Rectangles and
// hit tests scale this layout by the zoom, so nothing here restores a page.
#pragma once

#include <cstdint>
#include <vector>

namespace rq::report::preview {

// Screen pixels; right and bottom are exclusive.
struct TfrxPageRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool operator==(const TfrxPageRect&) const = default;
};

struct TfrxPageBounds {
    int X = 0;
    int Y = 0;
    bool operator==(const TfrxPageBounds&) const = default;
};

class TfrxPageList {
public:
    // One page box at zoom 1.
    struct TfrxPageItem {
        std::uint16_t Width = 0;
        std::uint16_t Height = 0;
        std::uint16_t Column = 0; // 0-based position in its row
        std::int32_t Top = 0;
    };

    // Pages per row: 2 for the "many pages" zoom mode, else 1.
    int ColumnCount() const { return columnCount_; }
    void SetColumnCount(int count) { columnCount_ = count < 1 ? 1 : count; }
    void Clear();
    int Count() const { return static_cast<int>(items_.size()); }
    const TfrxPageItem& Items(int index) const { return items_[static_cast<std::size_t>(index)]; }
    // Largest sum of (page width + 10) over the pages of one row.
    int WidestRow() const { return widestRow_; }

    // Appends a page after the last one: beside it while its row has room,
    // else at the start of a new row below the row's tallest page.
    void AddPageBox(int width, int height);
    // The page's rectangle before scrolling; an index outside the list gives
    // an A4-sized default (794 x 1123 at zoom 1).
    TfrxPageRect GetPageRect(int index, int clientWidth, double zoom) const;
    // Binary search by page top: the last page starting at or above offset
    // (-1 above the first). Unless exact, a page counts from a fifth of its
    // height above its top, so page tracking switches a little early.
    int FindPageAt(int offset, bool exact, double zoom) const;
    // The extent of the whole layout at that zoom; (0, 0) when empty. X is
    // the right edge of the widest row placed 10 pixels from the left, as a
    // row is when it is wider than the client: the gaps between its pages
    // scale with the zoom, the margin does not (scaling the widest row's
    // trailing gap instead made a page that just fits the width at zooms
    // above 1 scrollable by a few pixels).
    TfrxPageBounds GetMaxBounds(int clientWidth, double zoom) const;

private:
    int rowWidth(int index) const;    // pages' widths plus 10 between neighbours
    int widthBefore(int index) const; // (width + 10) of the row's earlier pages

    std::vector<TfrxPageItem> items_;
    int columnCount_ = 1;
    int widestRow_ = 0;
};

// Pages around the one at the top of the view that painting examines: at
// most 20 before and 20 after it, limited to existing pages. First > Last
// when there are none.
struct TfrxPageRange {
    int First = 0;
    int Last = -1;
};
TfrxPageRange PaintCandidates(int current, int count);

} // namespace rq::report::preview
