// The preview workspace: scroll positions and ranges, painting the visible
// pages with their borders, shadows and the found text's highlight, and the
// keyboard, wheel and pointer handling of the drawing area.
#include "report/preview/qt/preview_workspace.h"

#include "report/preview/preview_pages.h"
#include "report/preview/qt/page_drawing.h"
#include "report/preview/qt/preview.h"
#include "report/render/qt/qt_canvas.h"
#include "widgets/window_system.h"

#include "base/rounding.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace rq::report::preview::qt {

namespace {

using render::Point;
using render::Rect;

int round(double value) {
    return base::roundToInt(value);
}

Qt::CursorShape toolCursor(TfrxPreviewTool tool) {
    return tool == TfrxPreviewTool::Hand ? Qt::OpenHandCursor : Qt::CrossCursor;
}

Qt::CursorShape cursorShape(int cursor, TfrxPreviewTool tool) {
    return cursor == crHandPoint ? Qt::PointingHandCursor : toolCursor(tool);
}

// The shift-state bits the preview's handlers take: 1 shift, 2 alt, 4 ctrl.
TShiftState shiftState(Qt::KeyboardModifiers modifiers) {
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) |
           (modifiers.testFlag(Qt::AltModifier) ? 2 : 0) |
           (modifiers.testFlag(Qt::ControlModifier) ? 4 : 0);
}

TMouseButton buttonOf(Qt::MouseButton button) {
    return button == Qt::RightButton    ? TMouseButton::mbRight
           : button == Qt::MiddleButton ? TMouseButton::mbMiddle
                                        : TMouseButton::mbLeft;
}

} // namespace

TfrxPreviewWorkspace::TfrxPreviewWorkspace(TfrxPreview& preview)
    : QAbstractScrollArea(&preview), preview_(preview) {
    setObjectName(QStringLiteral("Workspace"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    // A bar shows only while its range exceeds the client area.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(true);
    viewport()->setCursor(toolCursor(preview_.Tool()));
    horizontalScrollBar()->setSingleStep(SmallChange);
    verticalScrollBar()->setSingleStep(SmallChange);
    // The page step of a Qt scroll bar also sizes its thumb; the 300-pixel
    // jump is applied when the bar's page action fires.
    connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this,
            [this](int action) { onScrollAction(Qt::Horizontal, action); });
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this](int action) { onScrollAction(Qt::Vertical, action); });
}

int TfrxPreviewWorkspace::HorzPosition() const {
    return horizontalScrollBar()->value();
}
int TfrxPreviewWorkspace::VertPosition() const {
    return verticalScrollBar()->value();
}
int TfrxPreviewWorkspace::HorzPage() const {
    return viewport()->width();
}
int TfrxPreviewWorkspace::VertPage() const {
    return viewport()->height();
}

void TfrxPreviewWorkspace::SetHorzPosition(int position) {
    horizontalScrollBar()->setValue(std::clamp(position, 0, std::max(0, horzRange_ - HorzPage())));
}

void TfrxPreviewWorkspace::SetVertPosition(int position) {
    verticalScrollBar()->setValue(std::clamp(position, 0, std::max(0, vertRange_ - VertPage())));
}

void TfrxPreviewWorkspace::SetHorzRange(int range) {
    horzRange_ = std::max(0, range);
    updateScrollBars();
}

void TfrxPreviewWorkspace::SetVertRange(int range) {
    vertRange_ = std::max(0, range);
    updateScrollBars();
}

// The bars' maxima follow range and client size; Qt clamps the value to the
// new maximum, which is where the next scroll would clamp it as well. The
// bars' signals stay on, so that a bar appears or goes with its range; the
// clamping itself neither scrolls the drawn pixels nor moves the page.
void TfrxPreviewWorkspace::updateScrollBars() {
    const QScopedValueRollback<bool> quiet(settingRanges_, true);
    horizontalScrollBar()->setPageStep(std::max(1, HorzPage()));
    horizontalScrollBar()->setRange(0, std::max(0, horzRange_ - HorzPage()));
    verticalScrollBar()->setPageStep(std::max(1, VertPage()));
    verticalScrollBar()->setRange(0, std::max(0, vertRange_ - VertPage()));
}

void TfrxPreviewWorkspace::onScrollAction(Qt::Orientation orientation, int action) {
    QScrollBar* bar = orientation == Qt::Horizontal ? horizontalScrollBar() : verticalScrollBar();
    if (action == QAbstractSlider::SliderPageStepAdd)
        bar->setSliderPosition(bar->value() + LargeChange);
    else if (action == QAbstractSlider::SliderPageStepSub)
        bar->setSliderPosition(bar->value() - LargeChange);
}

void TfrxPreviewWorkspace::scrollContentsBy(int dx, int dy) {
    if (settingRanges_) {
        viewport()->update();
        return;
    }
    viewport()->scroll(dx, dy);
    if (dy != 0 && preview_.PageCount() > 0) {
        const int found = preview_.PageList().FindPageAt(VertPosition(), false, preview_.Zoom());
        preview_.SetPageNo(found + 1, true);
    }
}

void TfrxPreviewWorkspace::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
    // The zoom modes follow the client size.
    preview_.UpdatePages();
}

TfrxPageRect TfrxPreviewWorkspace::PageRectOnClient(int index) const {
    TfrxPageRect r = preview_.PageList().GetPageRect(index, HorzPage(), preview_.Zoom());
    r.Left -= HorzPosition();
    r.Right -= HorzPosition();
    r.Top -= VertPosition();
    r.Bottom -= VertPosition();
    return r;
}

std::vector<int> TfrxPreviewWorkspace::VisiblePages(const QRegion& clip) const {
    std::vector<int> pages;
    if (preview_.Locked() || preview_.PageCount() == 0)
        return pages;
    const TfrxPageList& list = preview_.PageList();
    const int current = list.FindPageAt(VertPosition(), false, preview_.Zoom());
    const TfrxPageRange range = PaintCandidates(current, list.Count());
    for (int i = range.First; i <= range.Last; ++i) {
        const TfrxPageRect r = PageRectOnClient(i);
        const int bottom = r.Bottom + 1;
        if (r.Top <= VertPage() && bottom >= 0 &&
            clip.intersects(QRect(QPoint(r.Left, r.Top), QPoint(r.Right - 1, bottom - 1))))
            pages.push_back(i);
    }
    return pages;
}

void TfrxPreviewWorkspace::PaintOn(render::Canvas& canvas, const QRegion& clip) {
    const Rect client{0, 0, HorzPage(), VertPage()};
    const std::vector<int> pages = VisiblePages(clip);
    const render::ClipRegion saved = canvas.clipRegion();
    // The page interiors are left out of the background fill: no flicker.
    for (const int index : pages) {
        const TfrxPageRect r = PageRectOnClient(index);
        canvas.excludeClipRect({r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom});
    }
    canvas.brush() = {kBackground, render::BrushStyle::bsSolid};
    canvas.fillRect(client);
    canvas.selectClipRegion(saved);
    for (const int index : pages)
        paintPage(canvas, index, PageRectOnClient(index));
}

void TfrxPreviewWorkspace::paintPage(render::Canvas& canvas, int index, const TfrxPageRect& r) {
    canvas.pen() = render::Pen{};
    canvas.brush() = render::Brush{};
    canvas.rectangle({r.Left, r.Top, r.Right, r.Bottom});
    // The shadow, one pixel below and right of the border, from the row
    // below the border's top to the bottom row (lines leave out their end).
    canvas.line({r.Left + 1, r.Bottom}, {r.Right, r.Bottom});
    canvas.line({r.Right, r.Top + 2}, {r.Right, r.Bottom + 1});
    DrawPreviewPage(*preview_.PreviewPages(), index, canvas, preview_.Zoom(), r.Left, r.Top);
    const TfrxFindState& find = preview_.FindState();
    if (find.Found && find.FoundPage == index)
        paintFound(canvas, r);
}

// Inverts the found text's box, one horizontal line per pixel row.
void TfrxPreviewWorkspace::paintFound(render::Canvas& canvas, const TfrxPageRect& r) {
    const TfrxPageRect& f = preview_.FindState().FoundRect;
    const double zoom = preview_.Zoom();
    canvas.pen() =
        render::Pen{render::clWhite, 1, render::PenStyle::psSolid, render::PenMode::pmXor};
    const int left = r.Left + round(f.Left * zoom) - 1;
    const int right = r.Left + round(f.Right * zoom) + 1;
    for (int y = round(f.Top * zoom); y <= round(f.Bottom * zoom); ++y)
        canvas.line({left, r.Top + y}, {right, r.Top + y});
    canvas.pen() = render::Pen{};
}

void TfrxPreviewWorkspace::paintEvent(QPaintEvent* event) {
    widgets::guarded([&] {
        auto canvas = render::qt::QtCanvas::screen(viewport());
        canvas->painter().setClipRegion(event->region());
        PaintOn(*canvas, event->region());
    });
}

// Printing, saving, opening and finding may fail; the failure is shown by
// the top-level handler and the preview goes on.
void TfrxPreviewWorkspace::keyPressEvent(QKeyEvent* event) {
    bool handled = true;
    widgets::guarded([&] { handled = handleKey(event->key(), event->modifiers()); });
    if (handled)
        event->accept();
    else
        QAbstractScrollArea::keyPressEvent(event);
}

bool TfrxPreviewWorkspace::handleKey(int key, Qt::KeyboardModifiers modifiers) {
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    switch (key) {
    case Qt::Key_PageUp:
        SetVertPosition(VertPosition() - LargeChange);
        break;
    case Qt::Key_PageDown:
        SetVertPosition(VertPosition() + LargeChange);
        break;
    case Qt::Key_Up:
        SetVertPosition(VertPosition() - SmallChange);
        break;
    case Qt::Key_Down:
        SetVertPosition(VertPosition() + SmallChange);
        break;
    case Qt::Key_Left:
        SetHorzPosition(HorzPosition() - SmallChange);
        break;
    case Qt::Key_Right:
        SetHorzPosition(HorzPosition() + SmallChange);
        break;
    case Qt::Key_Home:
        preview_.SetPageNo(1);
        break;
    case Qt::Key_End:
        preview_.SetPageNo(preview_.PageCount());
        break;
    case Qt::Key_F3:
        if (preview_.FindNextAllowed())
            preview_.FindText();
        break;
    case Qt::Key_P:
        if (!ctrl)
            return false;
        preview_.Print();
        break;
    case Qt::Key_S:
        if (!ctrl)
            return false;
        preview_.Save();
        break;
    case Qt::Key_F:
        if (!ctrl)
            return false;
        preview_.Find();
        break;
    case Qt::Key_O:
        if (!ctrl)
            return false;
        preview_.Open();
        break;
    default:
        return false;
    }
    return true;
}

// The tab key belongs to the workspace as well: it asks for every key.
bool TfrxPreviewWorkspace::focusNextPrevChild(bool) {
    return false;
}

void TfrxPreviewWorkspace::wheelEvent(QWheelEvent* event) {
    preview_.MouseWheelScroll(event->angleDelta().y());
    event->accept();
}

void TfrxPreviewWorkspace::mousePressEvent(QMouseEvent* event) {
    if (preview_.PageCount() == 0)
        return;
    if (event->button() == Qt::LeftButton) {
        dragging_ = true;
        last_ = event->position().toPoint();
    }
}

void TfrxPreviewWorkspace::mouseMoveEvent(QMouseEvent* event) {
    if (preview_.PageCount() == 0)
        return;
    const QPoint at = event->position().toPoint();
    if (dragging_) {
        if (preview_.Tool() == TfrxPreviewTool::Hand) {
            SetHorzPosition(HorzPosition() + last_.x() - at.x());
            SetVertPosition(VertPosition() + last_.y() - at.y());
            last_ = at;
        }
        return;
    }
    trackPointer(at, false, Qt::NoButton, event->modifiers());
}

void TfrxPreviewWorkspace::mouseReleaseEvent(QMouseEvent* event) {
    if (preview_.PageCount() == 0)
        return;
    dragging_ = false;
    if (preview_.Tool() == TfrxPreviewTool::Magnifier) {
        if (event->button() == Qt::LeftButton)
            preview_.SetZoom(preview_.Zoom() + 0.25);
        else if (event->button() == Qt::RightButton)
            preview_.SetZoom(preview_.Zoom() - 0.25);
        return;
    }
    // A link click may fail (a page link that is not a number).
    widgets::guarded([&] {
        trackPointer(event->position().toPoint(), true, event->button(), event->modifiers());
    });
}

void TfrxPreviewWorkspace::trackPointer(QPoint at, bool click, Qt::MouseButton button,
                                        Qt::KeyboardModifiers modifiers) {
    const int index =
        preview_.PageList().FindPageAt(at.y() + VertPosition(), true, preview_.Zoom());
    const TfrxPageRect r = PageRectOnClient(index);
    const int cursor = TrackPreviewPointer(*preview_.PreviewPages(), index, at.x(), at.y(), click,
                                           buttonOf(button), shiftState(modifiers), preview_.Zoom(),
                                           r.Left, r.Top, crDefault);
    viewport()->setCursor(cursorShape(cursor, preview_.Tool()));
}

} // namespace rq::report::preview::qt
