// TfrxPreviewWorkspace: the preview's scrollable drawing area. Scroll
// positions and ranges in screen pixels (line 8, page 300), the paint of the
// visible pages on the grey background, the scrolling keys, wheel, hand
// dragging, the magnifier and the pointer's path to the store's hit test.
#pragma once

#include "report/preview/page_list.h"

#include <QAbstractScrollArea>
#include <QPoint>

namespace rq::report::render {
class Canvas;
}

namespace rq::report::preview::qt {

class TfrxPreview;

class TfrxPreviewWorkspace : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr int SmallChange = 8;
    static constexpr int LargeChange = 300;
    // 0x808080, the background around the pages.
    static constexpr unsigned kBackground = 0x808080;

    explicit TfrxPreviewWorkspace(TfrxPreview& preview);

    int HorzPosition() const;
    int VertPosition() const;
    // Clamped to 0 .. range - client size; a vertical change tracks the page.
    void SetHorzPosition(int position);
    void SetVertPosition(int position);
    int HorzRange() const { return horzRange_; }
    int VertRange() const { return vertRange_; }
    // Does not move the position; the next scroll clamps it.
    void SetHorzRange(int range);
    void SetVertRange(int range);
    int HorzPage() const;
    int VertPage() const;

    // The page's rectangle on the client area (after scrolling).
    TfrxPageRect PageRectOnClient(int index) const;
    // The pages the next paint draws, in order (tests and the benchmark).
    std::vector<int> VisiblePages(const QRegion& clip) const;
    // Paints the client area onto canvas (the paint event and offscreen
    // pictures); clip is what needs painting.
    void PaintOn(render::Canvas& canvas, const QRegion& clip);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool focusNextPrevChild(bool next) override;

private:
    // The preview's keys; false for a key it leaves to the window.
    bool handleKey(int key, Qt::KeyboardModifiers modifiers);
    void updateScrollBars();
    void onScrollAction(Qt::Orientation orientation, int action);
    void trackPointer(QPoint at, bool click, Qt::MouseButton button,
                      Qt::KeyboardModifiers modifiers);
    void paintPage(render::Canvas& canvas, int index, const TfrxPageRect& r);
    void paintFound(render::Canvas& canvas, const TfrxPageRect& r);

    TfrxPreview& preview_;
    int horzRange_ = 0;
    int vertRange_ = 0;
    bool settingRanges_ = false; // the bars' ranges are being set
    bool dragging_ = false;
    QPoint last_;
};

} // namespace rq::report::preview::qt
