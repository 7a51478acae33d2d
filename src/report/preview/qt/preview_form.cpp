// The preview window: creation of the toolbar, zoom box and status bar, the
// set-up from the report's preview options, the buttons' actions, the page
// panel and closing.
#include "report/preview/qt/preview_form.h"

#include "report/model/report.h"
#include "report/preview/preview_pages.h"
#include "report/preview/qt/preview_workspace.h"
#include "report/preview/qt/toolbar_images.h"
#include "report/preview/zoom_rules.h"
#include "widgets/window_system.h"

#include "base/number_text.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace rq::report::preview::qt {

namespace {

using model::bit;

constexpr int kClientWidth = 741;
constexpr int kClientHeight = 584;
constexpr int kToolBarHeight = 33;
constexpr int kButtonHeight = 23;

const char* const kZoomEntries[] = {"25%",  "50%",  "75%",        "100%",
                                    "150%", "200%", "Page width", "Whole page"};
constexpr int kZoomListWidth = 100;
constexpr int kPageWidthEntry = 6;
constexpr int kWholePageEntry = 7;

QWidget* spacer(QWidget* parent, int width) {
    auto* panel = new QWidget(parent);
    panel->setFixedSize(width, kButtonHeight);
    return panel;
}

// 49 pixels as designed, wider where the style's drop-down button leaves too
// little room for a three-digit zoom: "100%" would show as "00%".
int zoomBoxWidth(const QComboBox& box) {
    QStyleOptionComboBox option;
    option.initFrom(&box);
    option.editable = true;
    option.frame = false;
    const QSize text(box.fontMetrics().horizontalAdvance(QStringLiteral("200%")) + 4,
                     kButtonHeight);
    return std::max(
        49, box.style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, &box).width());
}

// The drop-down list is 100 pixels wide, wider only where a font wider than
// the designed one needs more for "Page width" and "Whole page".
// The width is the list view's; the popup around it adds its frame.
int zoomListWidth(QComboBox& box) {
    const QAbstractItemView& list = *box.view();
    const auto* popup = qobject_cast<const QFrame*>(list.parentWidget());
    const int popupFrame = popup ? 2 * popup->frameWidth() : 0;
    return std::max(kZoomListWidth - popupFrame, list.sizeHintForColumn(0) + 2 * list.frameWidth());
}

} // namespace

// One toolbar item: shown while the report's buttons meet its mask (0:
// always); a separator whose mask is not met is taken off the toolbar.
struct TfrxPreviewForm::Item {
    QAction* action = nullptr;
    std::int32_t mask = 0;
    std::string caption; // empty for separators
    bool separator = false;
};

TfrxPreviewForm::TfrxPreviewForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfrxPreviewForm"));
    setWindowTitle(QStringLiteral("Preview"));
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    QFont face(QStringLiteral("Tahoma"));
    face.setPointSize(8);
    setFont(face);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    createToolBar();
    Preview = new TfrxPreview(this);
    StatusBar = new QStatusBar(this);
    StatusBar->setSizeGripEnabled(false);
    PagePanel = new QLabel(QStringLiteral("Page 1 of 1000"), StatusBar);
    PagePanel->setObjectName(QStringLiteral("PagePanel"));
    PagePanel->setFixedWidth(150);
    StatusPanel = new QLabel(StatusBar);
    StatusPanel->setObjectName(QStringLiteral("StatusPanel"));
    StatusPanel->setMinimumWidth(50);
    StatusBar->addWidget(PagePanel);
    StatusBar->addWidget(StatusPanel, 1);
    layout->addWidget(ToolBar);
    layout->addWidget(Preview, 1);
    layout->addWidget(StatusBar);
    resize(kClientWidth, kClientHeight);

    Preview->OnPageChanged = [this](int pageNo) { pageChanged(pageNo); };
    Preview->OnZoomChanged = [this] { UpdateZoomText(); };
    Preview->OnStatusText = [this](const std::string& text) {
        StatusPanel->setText(widgets::fromAnsi(text));
    };
    HasPrinters = [] { return !QPrinterInfo::availablePrinterNames().isEmpty(); };
    setFocusProxy(Preview);
    // The keyboard belongs to the pages from the start: the window's first
    // focusable control would otherwise be the zoom box, where Page Down
    // changes the zoom.
    Preview->setFocus();
}

TfrxPreviewForm::~TfrxPreviewForm() = default;

QToolButton* TfrxPreviewForm::addButton(const char* name, const char* hint, const char* caption) {
    auto* button = new QToolButton(ToolBar);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(QString::fromLatin1(caption));
    button->setToolTip(QString::fromLatin1(hint));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedHeight(kButtonHeight);
    button->setIconSize(QSize(kToolbarImageSize, kToolbarImageSize));
    buttons_.push_back(button);
    // A click gives the keyboard back to the pages, also from the zoom box.
    connect(button, &QToolButton::clicked, this, [this] { Preview->setFocus(); });
    return button;
}

void TfrxPreviewForm::addItem(QWidget* widget, int button, const char* caption) {
    items_.push_back({ToolBar->addWidget(widget), button < 0 ? 0 : bit(button), caption, false});
}

void TfrxPreviewForm::addSeparator(int mask) {
    items_.push_back({ToolBar->addSeparator(), mask, {}, true});
}

void TfrxPreviewForm::createToolBar() {
    ToolBar = new QToolBar(this);
    ToolBar->setObjectName(QStringLiteral("ToolBar"));
    ToolBar->setFixedHeight(kToolBarHeight);
    ToolBar->setIconSize(QSize(kToolbarImageSize, kToolbarImageSize));
    const auto button = [this](QToolButton*& field, const char* name, const char* hint,
                               const char* caption, int bitIndex) {
        field = addButton(name, hint, caption);
        addItem(field, bitIndex, hint);
    };
    button(PrintB, "PrintB", "Print", "Print", model::pbPrint);
    button(OpenB, "OpenB", "Open", "Open", model::pbLoad);
    button(SaveB, "SaveB", "Save", "Save", model::pbSave);
    button(ExportB, "ExportB", "Export", "Export", model::pbExport);
    button(FindB, "FindB", "Find", "Find", model::pbFind);
    addSeparator(bit(model::pbZoom));
    button(ZoomWholePageB, "ZoomWholePageB", "Whole Page", "Whole Page", model::pbZoom);
    button(ZoomPageWidthB, "ZoomPageWidthB", "Page Width", "Page Width", model::pbZoom);
    button(Zoom100B, "Zoom100B", "100%", "100%", model::pbZoom);
    button(Zoom50B, "Zoom50B", "Two Pages", "Two Pages", model::pbZoom);
    ZoomCB = new QComboBox(ToolBar);
    ZoomCB->setObjectName(QStringLiteral("ZoomCB"));
    ZoomCB->setEditable(true);
    ZoomCB->setFrame(false);
    ZoomCB->setInsertPolicy(QComboBox::NoInsert);
    // Typed zooms stay as typed: "10" must not complete to "100%".
    ZoomCB->setCompleter(nullptr);
    const int zoomWidth = zoomBoxWidth(*ZoomCB);
    ZoomCB->setFixedWidth(zoomWidth);
    ZoomCB->setToolTip(QStringLiteral("Zoom"));
    for (const char* entry : kZoomEntries)
        ZoomCB->addItem(QString::fromLatin1(entry));
    ZoomCB->view()->setMinimumWidth(zoomListWidth(*ZoomCB));
    ZoomCB->installEventFilter(this);
    ZoomCB->lineEdit()->installEventFilter(this);
    auto* zoomPanel = new QWidget(ToolBar);
    zoomPanel->setFixedSize(zoomWidth + 7, kButtonHeight);
    ZoomCB->setParent(zoomPanel);
    ZoomCB->move(3, 0);
    addItem(zoomPanel, model::pbZoom, "Zoom");
    addSeparator(bit(model::pbPageSetup) | bit(model::pbOutline));
    button(PageSettingsB, "PageSettingsB", "Margins", "Margins", model::pbPageSetup);
    button(OutlineB, "OutlineB", "Outline", "Outline", model::pbOutline);
    OutlineB->setCheckable(true);
    addSeparator(bit(model::pbTools));
    button(HandToolB, "HandToolB", "Drag Tool", "Drag", model::pbTools);
    button(ZoomToolB, "ZoomToolB", "Zoom Tool", "Zoom", model::pbTools);
    HandToolB->setCheckable(true);
    ZoomToolB->setCheckable(true);
    HandToolB->setChecked(true);
    HandToolB->setAutoExclusive(true);
    ZoomToolB->setAutoExclusive(true);
    addSeparator(bit(model::pbEdit));
    button(NewPageB, "NewPageB", "Add Page", "Add Page", model::pbEdit);
    button(DelPageB, "DelPageB", "Delete Page", "Delete", model::pbEdit);
    button(DesignerB, "DesignerB", "Edit Page", "Edit", model::pbEdit);
    addSeparator(bit(model::pbNavigator));
    button(FirstB, "FirstB", "First Page", "First", model::pbNavigator);
    button(PriorB, "PriorB", "Prior Page", "Prior", model::pbNavigator);
    PageE = new QLineEdit(QStringLiteral("1"), ToolBar);
    PageE->setObjectName(QStringLiteral("PageE"));
    PageE->setToolTip(QStringLiteral("Page Number"));
    PageE->setFixedWidth(47);
    addItem(PageE, model::pbNavigator, "Page Number");
    button(NextB, "NextB", "Next Page", "Next", model::pbNavigator);
    button(LastB, "LastB", "Last Page", "Last", model::pbNavigator);
    addItem(spacer(ToolBar, 50), -1, "-");
    CancelB = addButton("CancelB", "Close", "Close");
    CancelB->setFixedWidth(68);
    CancelB->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    const std::pair<QToolButton*, ToolbarImage> images[] = {
        {PrintB, ToolbarImage::Print},
        {ZoomWholePageB, ToolbarImage::WholePage},
        {ZoomPageWidthB, ToolbarImage::PageWidth},
        {Zoom100B, ToolbarImage::Zoom100},
        {Zoom50B, ToolbarImage::TwoPages},
        {CancelB, ToolbarImage::Close}};
    for (const auto& [shown, image] : images)
        shown->setIcon(toolbarIcon(image));
    addItem(CancelB, -1, "Close");

    connect(PrintB, &QToolButton::clicked, this,
            [this] { widgets::guarded([this] { printClick(); }); });
    connect(OpenB, &QToolButton::clicked, this,
            [this] { widgets::guarded([this] { Preview->Open(); }); });
    connect(SaveB, &QToolButton::clicked, this,
            [this] { widgets::guarded([this] { Preview->Save(); }); });
    connect(FindB, &QToolButton::clicked, this,
            [this] { widgets::guarded([this] { Preview->Find(); }); });
    const auto zoomMode = [this](model::TfrxZoomMode mode) {
        Preview->SetZoomMode(mode);
        UpdateZoomText();
    };
    connect(ZoomWholePageB, &QToolButton::clicked, this, [=] { zoomMode(model::zmWholePage); });
    connect(ZoomPageWidthB, &QToolButton::clicked, this, [=] { zoomMode(model::zmPageWidth); });
    connect(Zoom50B, &QToolButton::clicked, this, [=] { zoomMode(model::zmManyPages); });
    connect(Zoom100B, &QToolButton::clicked, this, [this] {
        Preview->SetZoom(1.0);
        UpdateZoomText();
    });
    connect(ZoomCB, &QComboBox::activated, this,
            [this] { widgets::guarded([this] { ApplyZoomBox(); }); });
    connect(OutlineB, &QToolButton::toggled, this, [this](bool down) {
        Preview->SetOutlineVisible(down);
        Preview->UpdatePages();
    });
    connect(HandToolB, &QToolButton::clicked, this,
            [this] { Preview->SetTool(TfrxPreviewTool::Hand); });
    connect(ZoomToolB, &QToolButton::clicked, this,
            [this] { Preview->SetTool(TfrxPreviewTool::Magnifier); });
    connect(FirstB, &QToolButton::clicked, this, [this] { Preview->First(); });
    connect(PriorB, &QToolButton::clicked, this, [this] { Preview->Prior(); });
    connect(NextB, &QToolButton::clicked, this, [this] { Preview->Next(); });
    connect(LastB, &QToolButton::clicked, this, [this] { Preview->Last(); });
    connect(PageE, &QLineEdit::returnPressed, this, [this] {
        widgets::guarded([this] {
            Preview->SetPageNo(base::strToInt(widgets::toAnsi(PageE->text())));
            Preview->setFocus();
        });
    });
    connect(CancelB, &QToolButton::clicked, this, [this] { reject(); });
}

void TfrxPreviewForm::Attach(model::TfrxReport& report, TfrxPreviewPages& store) {
    const model::TfrxPreviewOptions& options = report.PreviewOptions();
    if (options.Maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
    Preview->SetOutlineWidth(options.OutlineWidth);
    OutlineB->setChecked(options.OutlineVisible);
    Preview->SetZoom(options.Zoom);
    Preview->SetZoomMode(options.ZoomMode);
    NewPageB->setEnabled(options.AllowEdit);
    DelPageB->setEnabled(options.AllowEdit);
    DesignerB->setEnabled(options.AllowEdit);
    applyButtons(options.Buttons);
    // Without captions a button shows its image and names itself in its
    // hint; one without an image shows its caption instead. "Close" keeps
    // its caption beside its image.
    for (QToolButton* shown : buttons_)
        if (shown != CancelB)
            shown->setToolButtonStyle(options.ShowCaptions     ? Qt::ToolButtonTextUnderIcon
                                      : shown->icon().isNull() ? Qt::ToolButtonTextOnly
                                                               : Qt::ToolButtonIconOnly);
    if (!report.ReportOptions().Name.empty())
        setWindowTitle(widgets::fromAnsi(report.ReportOptions().Name));
    Preview->Attach(&report, &store);
    UpdateZoomText();
}

void TfrxPreviewForm::applyButtons(std::int32_t buttons) {
    for (const Item& item : items_) {
        const bool shown = item.mask == 0 || (buttons & item.mask) != 0;
        if (item.separator && !shown)
            ToolBar->removeAction(item.action);
        else
            item.action->setVisible(shown);
    }
}

std::vector<std::string> TfrxPreviewForm::ToolbarItems() const {
    std::vector<std::string> captions;
    const QList<QAction*> present = ToolBar->actions();
    for (const Item& item : items_) {
        if (!item.separator && present.contains(item.action) && item.action->isVisible())
            captions.push_back(item.caption);
    }
    return captions;
}

void TfrxPreviewForm::SetWorkspaceClientSize(QSize size) {
    const QWidget* client = Preview->Workspace().viewport();
    resize(width() + size.width() - client->width(), height() + size.height() - client->height());
}

void TfrxPreviewForm::ApplyZoomBox() {
    // Read before the focus moves: leaving the box may change its text.
    const QString text = ZoomCB->currentText();
    Preview->setFocus();
    if (text == ZoomCB->itemText(kPageWidthEntry)) {
        Preview->SetZoomMode(model::zmPageWidth);
    } else if (text == ZoomCB->itemText(kWholePageEntry)) {
        Preview->SetZoomMode(model::zmWholePage);
    } else if (const auto zoom = ParseZoomText(widgets::toAnsi(text))) {
        Preview->SetZoom(*zoom);
    }
    // The box shows the zoom actually reached once the event is handled.
    QTimer::singleShot(0, this, [this] { UpdateZoomText(); });
}

// The list's current entry follows the text: the box would otherwise take
// the stale entry for a choice when it loses the focus.
void TfrxPreviewForm::UpdateZoomText() {
    const QString text = QString::fromStdString(ZoomText(Preview->Zoom()));
    const QSignalBlocker quiet(ZoomCB);
    ZoomCB->setCurrentIndex(ZoomCB->findText(text));
    ZoomCB->setEditText(text);
}

void TfrxPreviewForm::printClick() {
    if (!HasPrinters || !HasPrinters()) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"),
                        QStringLiteral("No printers installed in your system"), QMessageBox::Ok,
                        this);
        box.setObjectName(QStringLiteral("NoPrinters"));
        box.exec();
        return;
    }
    Preview->Print();
}

void TfrxPreviewForm::pageChanged(int pageNo) {
    PagePanel->setText(QStringLiteral("Page %1 of %2").arg(pageNo).arg(Preview->PageCount()));
    PageE->setText(QString::number(pageNo));
}

void TfrxPreviewForm::reject() {
    if (Preview->Running()) {
        Preview->Cancel();
        return;
    }
    QDialog::reject();
}

void TfrxPreviewForm::closeEvent(QCloseEvent* event) {
    if (Preview->Running()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TfrxPreviewForm::wheelEvent(QWheelEvent* event) {
    Preview->MouseWheelScroll(event->angleDelta().y());
    event->accept();
}

// Enter in the zoom box reads it; the wheel over it scrolls the pages.
bool TfrxPreviewForm::eventFilter(QObject* watched, QEvent* event) {
    const bool zoomBox = watched == ZoomCB || watched == ZoomCB->lineEdit();
    if (zoomBox && event->type() == QEvent::Wheel) {
        Preview->MouseWheelScroll(static_cast<QWheelEvent*>(event)->angleDelta().y());
        return true;
    }
    if (zoomBox && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            widgets::guarded([this] { ApplyZoomBox(); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace rq::report::preview::qt
