// Finding text in the preview: the find dialog, and the search through the
// drawn text runs of each page (one match is one drawn run), scrolling the
// match into view; the workspace's paint highlights it.
#include "report/preview/preview_pages.h"
#include "report/preview/qt/page_drawing.h"
#include "report/preview/qt/preview.h"
#include "report/preview/qt/preview_workspace.h"
#include "report/preview/qt/search_dialog.h"
#include "report/render/qt/qt_canvas.h"
#include "widgets/window_system.h"

#include "base/letter_case.h"
#include "base/rounding.h"

#include <QCheckBox>
#include <QLineEdit>

namespace rq::report::preview::qt {

namespace {

bool contains(const std::string& run, const std::string& text, bool caseSensitive) {
    if (caseSensitive)
        return run.find(text) != std::string::npos;
    return base::AnsiUpperCase(run).find(base::AnsiUpperCase(text)) != std::string::npos;
}

} // namespace

void TfrxPreview::Find() {
    TfrxSearchDialog dialog(this);
    dialog.TextE->setText(widgets::fromAnsi(find_.Text));
    if (dialog.exec() == QDialog::Accepted) {
        find_.Text = widgets::toAnsi(dialog.TextE->text());
        find_.CaseSensitive = dialog.CaseCB->isChecked();
        find_.StartPage = dialog.TopCB->isChecked() ? 0 : std::max(0, pageNo_ - 1);
        find_.LastMatch = -1;
        FindText();
    }
    findNextAllowed_ = true;
}

void TfrxPreview::FindText() {
    find_.Found = false;
    if (!store_)
        return;
    int p = find_.StartPage;
    for (; p < PageCount(); ++p) {
        if (find_.CachedPage != p) {
            const engine::TfrxPageSize size = store_->GetPageSize(p);
            auto drawing =
                std::make_unique<render::qt::QtRecordingCanvas>(render::Size{size.X, size.Y});
            DrawPreviewPage(*store_, p, *drawing, 1, 0, 0);
            find_.CachedDrawing = std::move(drawing);
            find_.CachedPage = p;
        }
        const auto runs = find_.CachedDrawing->textRuns();
        for (int i = find_.LastMatch + 1; i < static_cast<int>(runs.size()); ++i) {
            if (!contains(runs[static_cast<std::size_t>(i)]->text, find_.Text, find_.CaseSensitive))
                continue;
            const render::Rect b = runs[static_cast<std::size_t>(i)]->bounds();
            find_.Found = true;
            find_.FoundRect = {b.left, b.top, b.right, b.bottom};
            find_.LastMatch = i;
            break;
        }
        if (find_.Found)
            break;
        find_.LastMatch = -1;
    }
    find_.StartPage = p;
    if (!find_.Found)
        return;
    find_.FoundPage = p;
    const TfrxPageRect r = pageList_.GetPageRect(p, workspace_->HorzPage(), zoom_);
    const TfrxPageRect& f = find_.FoundRect;
    const int top = r.Top + base::roundToInt(f.Top * zoom_);
    const int bottom = r.Top + base::roundToInt(f.Bottom * zoom_);
    const int left = r.Left + base::roundToInt(f.Left * zoom_);
    const int right = r.Left + base::roundToInt(f.Right * zoom_);
    TfrxPreviewWorkspace& w = *workspace_;
    if (top < w.VertPosition() || w.VertPage() + w.VertPosition() < bottom)
        w.SetVertPosition(bottom - w.VertPage() + 20);
    if (left < w.HorzPosition() || w.HorzPage() + w.HorzPosition() < right)
        w.SetHorzPosition(right - w.HorzPage() + 20);
    w.viewport()->update();
}

} // namespace rq::report::preview::qt
