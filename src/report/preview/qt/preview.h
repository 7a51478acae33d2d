// TfrxPreview: the preview control. Prepared pages of a report shown as white
// sheets on a grey, scrollable workspace at an adjustable zoom, with the
// outline tree on the left, the progress panel, page tracking, finding text
// and the keyboard shortcuts for printing, saving and opening. Pages are
// laid out from their sizes alone and drawn through the store on demand.
#pragma once

#include "report/model/types.h"
#include "report/preview/page_list.h"
#include "report/preview/qt/find_state.h"

#include <QWidget>

#include <functional>
#include <string>

class QFrame;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace rq::report::model {
class TfrxReport;
}

namespace rq::report::preview {
class TfrxPreviewPages;
}

namespace rq::report::preview::qt {

class TfrxPreviewWorkspace;

enum class TfrxPreviewTool { Hand = 0, Magnifier = 1 };

class TfrxPreview : public QWidget {
    Q_OBJECT
public:
    explicit TfrxPreview(QWidget* parent = nullptr);
    ~TfrxPreview() override;

    // Hooks the store's notifications, lays out its pages and goes to page 1.
    // Neither is owned; the store must outlive the attachment (Detach or the
    // preview's destruction ends it).
    void Attach(model::TfrxReport* report, TfrxPreviewPages* store);
    void Detach();
    model::TfrxReport* Report() const { return report_; }
    TfrxPreviewPages* PreviewPages() const { return store_; }

    double Zoom() const { return zoom_; }
    // The zoom, at least 0.25; leaves the many-pages layout first.
    void SetZoom(double zoom);
    model::TfrxZoomMode ZoomMode() const { return zoomMode_; }
    void SetZoomMode(model::TfrxZoomMode mode);
    // 1-based; 0 when there are no pages.
    int PageNo() const { return pageNo_; }
    // Clamps to 1 .. PageCount and, unless the workspace's own scrolling
    // asks, scrolls the page's top into view; fires OnPageChanged.
    void SetPageNo(int pageNo, bool fromScrolling = false);
    void First() { SetPageNo(1); }
    void Prior() { SetPageNo(pageNo_ - 1); }
    void Next() { SetPageNo(pageNo_ + 1); }
    void Last() { SetPageNo(PageCount()); }
    // Scrolls to a point (pixels from the printable area's top) on a page.
    void SetPosition(int pageNo, int top);
    int PageCount() const;
    TfrxPreviewTool Tool() const { return tool_; }
    void SetTool(TfrxPreviewTool tool);
    bool Running() const { return running_; }
    bool Locked() const { return locked_; }
    bool FindNextAllowed() const { return findNextAllowed_; }

    // The store's print (dialog and job) behind the preview's Print; set by
    // whoever opens the preview. Print does nothing without it.
    std::function<void()> PrintHandler;
    // Nothing while a preparation runs; else the store learns the current
    // page, the print handler runs and the preview is unlocked afterwards.
    void Print();
    // Lock: paint only the background. Unlock: hide the progress panel,
    // back to page 1 without scrolling, relayout and repaint.
    void Lock();
    void Unlock();
    void ShowProgress(const QString& text);
    void HideProgress();
    // The store stops its print loop at the next page.
    void Cancel();
    void MouseWheelScroll(int delta);

    // Save: asks for a file name and writes the prepared pages to it as
    // ".ppg" (nothing while a preparation runs). SaveToFile does the writing
    // with the progress text, unlocking also after a failure.
    void Save();
    void SaveToFile(const std::string& fileName);
    // Open: asks for a ".ppg" file and shows its pages instead.
    void Open();
    void LoadFromFile(const std::string& fileName);
    // Find: the "Find Text" dialog, then the search. FindText continues the
    // last search from the state it left (F3).
    void Find();
    void FindText();
    const TfrxFindState& FindState() const { return find_; }
    TfrxFindState& FindState() { return find_; }

    // Recomputes the zoom of the zoom mode, the scroll ranges and repaints.
    void UpdatePages();
    // Lays out every page anew from the store's page sizes.
    void UpdatePageList();

    TfrxPreviewWorkspace& Workspace() const { return *workspace_; }
    const TfrxPageList& PageList() const { return pageList_; }
    QTreeWidget& OutlineTree() const { return *outline_; }
    QFrame& ProgressPanel() const { return *progress_; }
    QLabel& ProgressLabel() const { return *progressLabel_; }
    QPushButton& ProgressCancel() const { return *progressCancel_; }
    void SetOutlineVisible(bool visible);
    void SetOutlineWidth(int width);

    // The current page changed (page number); set by the preview window.
    std::function<void(int pageNo)> OnPageChanged;
    // The zoom changed (the window rewrites its zoom box).
    std::function<void()> OnZoomChanged;
    // The store's status text changed (the window's status panel).
    std::function<void(const std::string& text)> OnStatusText;

private:
    void hookStore();
    void unhookStore();
    void updateScrollRanges();
    void updateOutline();
    void fireOnPageChanged();
    void onPrintingPage(int pageNo);
    double topMargin(int index); // pixels at zoom 1

    model::TfrxReport* report_ = nullptr;
    TfrxPreviewPages* store_ = nullptr;
    double zoom_ = 1.0;
    model::TfrxZoomMode zoomMode_ = model::zmDefault;
    int pageNo_ = 1;
    TfrxPreviewTool tool_ = TfrxPreviewTool::Hand;
    bool running_ = false;
    bool locked_ = false;
    bool findNextAllowed_ = false;
    TfrxPageList pageList_;
    TfrxFindState find_;

    QTreeWidget* outline_ = nullptr;
    QFrame* splitter_ = nullptr;
    TfrxPreviewWorkspace* workspace_ = nullptr;
    QFrame* progress_ = nullptr;
    QLabel* progressLabel_ = nullptr;
    QPushButton* progressCancel_ = nullptr;
};

} // namespace rq::report::preview::qt
