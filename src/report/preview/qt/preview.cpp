// The preview control: attaching a store, zoom and zoom modes, the current
// page, scroll ranges, locking, the progress panel, printing, the outline
// tree and the store's notifications.
#include "report/preview/qt/preview.h"

#include "report/model/float_text.h"
#include "report/model/page.h"
#include "report/preview/preview_pages.h"
#include "report/preview/qt/preview_workspace.h"
#include "report/preview/zoom_rules.h"
#include "widgets/window_system.h"

#include "base/rounding.h"

#include <QDesktopServices>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QUrl>

namespace rq::report::preview::qt {

namespace {

constexpr double kPixelsPerMillimetre = 3.77953;
constexpr int kProgressWidth = 260;
constexpr int kProgressHeight = 75;
constexpr int kSplitterWidth = 2;

// Outline nodes carry their page (0-based) and top (pixels) as item data.
constexpr int kPageRole = Qt::UserRole;
constexpr int kTopRole = Qt::UserRole + 1;

} // namespace

TfrxPreview::TfrxPreview(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Preview"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    outline_ = new QTreeWidget(this);
    outline_->setObjectName(QStringLiteral("OutlineTree"));
    outline_->header()->hide();
    outline_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    outline_->setFixedWidth(120);
    outline_->hide();
    connect(outline_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        SetPosition(item->data(0, kPageRole).toInt() + 1, item->data(0, kTopRole).toInt());
    });
    splitter_ = new QFrame(this);
    splitter_->setFixedWidth(kSplitterWidth);
    splitter_->hide();
    workspace_ = new TfrxPreviewWorkspace(*this);
    layout->addWidget(outline_);
    layout->addWidget(splitter_);
    layout->addWidget(workspace_, 1);

    progress_ = new QFrame(this);
    progress_->setObjectName(QStringLiteral("ProgressPanel"));
    progress_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    progress_->setAutoFillBackground(true);
    progress_->resize(kProgressWidth, kProgressHeight);
    progressLabel_ = new QLabel(progress_);
    progressLabel_->setAlignment(Qt::AlignCenter);
    progressLabel_->setGeometry(4, 20, 255, 20);
    progressCancel_ = new QPushButton(QStringLiteral("Cancel"), progress_);
    progressCancel_->setGeometry(92, 44, 75, 25);
    progressCancel_->hide();
    connect(progressCancel_, &QPushButton::clicked, this, [this] { Cancel(); });
    progress_->hide();
    setFocusProxy(workspace_);
}

TfrxPreview::~TfrxPreview() {
    unhookStore();
}

int TfrxPreview::PageCount() const {
    return store_ ? store_->Count() : 0;
}

void TfrxPreview::Attach(model::TfrxReport* report, TfrxPreviewPages* store) {
    unhookStore();
    report_ = report;
    store_ = store;
    find_.Reset();
    findNextAllowed_ = false;
    hookStore();
    UpdatePageList();
    UpdatePages();
    updateOutline();
    SetPageNo(1);
}

void TfrxPreview::Detach() {
    unhookStore();
    report_ = nullptr;
    store_ = nullptr;
    pageList_.Clear();
    find_.Reset();
    workspace_->viewport()->update();
}

// A preparation into the preview is not this program's way (the report is
// prepared before the preview opens), so OnStarted, OnPageAdded and
// OnFinished stay with the engine; the preview follows the status text and
// the print loop.
void TfrxPreview::hookStore() {
    if (!store_)
        return;
    store_->Preview = this;
    store_->OnStatusText = [this] {
        if (OnStatusText)
            OnStatusText(store_->StatusText);
    };
    store_->OnPrintingPage = [this](int pageNo) { onPrintingPage(pageNo); };
    store_->PointerActions.ShowPage = [this](int pageNo) { SetPageNo(pageNo); };
    store_->PointerActions.ScrollTo = [this](int pageNo, double top) {
        SetPosition(pageNo, base::roundToInt(top));
    };
    store_->PointerActions.OpenURL = [](const std::string& url) {
        QDesktopServices::openUrl(QUrl(widgets::fromAnsi(url)));
    };
}

void TfrxPreview::unhookStore() {
    if (!store_ || store_->Preview != this)
        return;
    store_->Preview = nullptr;
    store_->OnStatusText = nullptr;
    store_->OnPrintingPage = nullptr;
    store_->PointerActions.ShowPage = nullptr;
    store_->PointerActions.ScrollTo = nullptr;
    store_->PointerActions.OpenURL = nullptr;
}

void TfrxPreview::SetZoom(double zoom) {
    zoom_ = LimitZoom(zoom);
    if (zoomMode_ == model::zmManyPages) {
        zoomMode_ = model::zmDefault;
        UpdatePageList();
    }
    zoomMode_ = model::zmDefault;
    UpdatePages();
}

void TfrxPreview::SetZoomMode(model::TfrxZoomMode mode) {
    zoomMode_ = mode;
    UpdatePageList();
    UpdatePages();
}

void TfrxPreview::SetTool(TfrxPreviewTool tool) {
    tool_ = tool;
    workspace_->viewport()->setCursor(tool == TfrxPreviewTool::Hand ? Qt::OpenHandCursor
                                                                    : Qt::CrossCursor);
}

void TfrxPreview::UpdatePageList() {
    findNextAllowed_ = false;
    find_.ForgetDrawing();
    pageList_.Clear();
    pageList_.SetColumnCount(zoomMode_ == model::zmManyPages ? 2 : 1);
    for (int i = 0; i < PageCount(); ++i) {
        const engine::TfrxPageSize size = store_->GetPageSize(i);
        pageList_.AddPageBox(size.X, size.Y);
    }
}

void TfrxPreview::UpdatePages() {
    if (locked_ || PageCount() == 0)
        return;
    const int index = std::clamp(pageNo_, 1, PageCount()) - 1;
    const engine::TfrxPageSize size = store_->GetPageSize(index);
    zoom_ = ZoomForMode(zoomMode_, zoom_, size.X, size.Y, workspace_->HorzPage(),
                        workspace_->VertPage());
    updateScrollRanges();
    workspace_->viewport()->update();
    if (OnZoomChanged)
        OnZoomChanged();
}

void TfrxPreview::updateScrollRanges() {
    const TfrxPageBounds bounds = pageList_.GetMaxBounds(workspace_->HorzPage(), zoom_);
    workspace_->SetHorzRange(bounds.X + 10);
    workspace_->SetVertRange(bounds.Y + 10);
}

void TfrxPreview::SetPageNo(int pageNo, bool fromScrolling) {
    pageNo_ = std::min(std::max(pageNo, 1), PageCount());
    if (!fromScrolling && pageNo_ > 0)
        workspace_->SetVertPosition(
            pageList_.GetPageRect(pageNo_ - 1, workspace_->HorzPage(), zoom_).Top - 10);
    fireOnPageChanged();
}

void TfrxPreview::fireOnPageChanged() {
    if (OnPageChanged)
        OnPageChanged(pageNo_);
}

double TfrxPreview::topMargin(int index) {
    const model::TfrxReportPage* page = store_->GetPage(index);
    return page ? page->TopMargin() * kPixelsPerMillimetre : 0;
}

void TfrxPreview::SetPosition(int pageNo, int top) {
    if (PageCount() == 0)
        return;
    pageNo = std::min(pageNo, PageCount());
    const int index = pageNo <= 0 ? 0 : pageNo - 1;
    const int offset = top == 0 ? 0 : base::roundToInt((top + topMargin(index)) * zoom_);
    workspace_->SetVertPosition(pageList_.GetPageRect(index, workspace_->HorzPage(), zoom_).Top +
                                offset - 10);
}

void TfrxPreview::Print() {
    if (running_ || !store_ || !PrintHandler)
        return;
    store_->CurPreviewPage = pageNo_;
    try {
        PrintHandler();
    } catch (...) {
        Unlock();
        throw;
    }
    Unlock();
}

void TfrxPreview::Lock() {
    locked_ = true;
}

void TfrxPreview::Unlock() {
    HideProgress();
    locked_ = false;
    pageNo_ = PageCount() > 0 ? 1 : 0;
    UpdatePages();
    workspace_->viewport()->update();
}

void TfrxPreview::ShowProgress(const QString& text) {
    progress_->move((width() - kProgressWidth) / 2, (height() - kProgressHeight) / 3);
    progressLabel_->setText(text);
    progress_->show();
    progress_->raise();
    progress_->repaint();
}

void TfrxPreview::HideProgress() {
    progress_->hide();
    progressCancel_->hide();
}

void TfrxPreview::Cancel() {
    if (store_)
        store_->Terminated = true;
}

void TfrxPreview::onPrintingPage(int pageNo) {
    ShowProgress(QStringLiteral("Printing page ") + QString::number(pageNo));
    progressCancel_->show();
}

void TfrxPreview::MouseWheelScroll(int delta) {
    workspace_->SetVertPosition(workspace_->VertPosition() + WheelScrollStep(delta));
}

void TfrxPreview::SetOutlineVisible(bool visible) {
    // An empty outline has nothing to show: the tree stays hidden.
    const bool show = visible && outline_->topLevelItemCount() > 0;
    outline_->setVisible(show);
    splitter_->setVisible(show);
}

void TfrxPreview::SetOutlineWidth(int width) {
    outline_->setFixedWidth(width);
}

void TfrxPreview::updateOutline() {
    outline_->clear();
    if (!store_)
        return;
    const model::TfrxXMLItem& root = store_->Document().Root();
    const int at = root.Find("outline");
    if (at >= 0) {
        std::vector<std::pair<const model::TfrxXMLItem*, QTreeWidgetItem*>> work;
        const model::TfrxXMLItem& top = root.Items(at);
        for (int i = top.Count() - 1; i >= 0; --i)
            work.emplace_back(&top.Items(i), nullptr);
        while (!work.empty()) {
            auto [item, parent] = work.back();
            work.pop_back();
            auto* node = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(outline_);
            node->setText(0, widgets::fromAnsi(item->Prop("text")));
            node->setData(0, kPageRole, QString::fromStdString(item->Prop("page")).toInt());
            node->setData(0, kTopRole, base::roundToInt(model::floatFromText(item->Prop("top"))));
            for (int i = item->Count() - 1; i >= 0; --i)
                work.emplace_back(&item->Items(i), node);
        }
    }
    outline_->expandAll();
    if (outline_->topLevelItemCount() > 0)
        outline_->scrollToItem(outline_->topLevelItem(0));
    SetOutlineVisible(report_ && report_->PreviewOptions().OutlineVisible);
}

} // namespace rq::report::preview::qt
