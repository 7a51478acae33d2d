// TfrxPreviewForm: the preview window. A toolbar showing only the buttons
// the report's preview options allow, the zoom box, the preview control and
// a status bar with the page panel and the status-text panel; Esc or
// "Close" closes it (or cancels a running preparation).
#pragma once

#include "report/preview/qt/preview.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QStatusBar;
class QToolBar;
class QToolButton;

namespace rq::report::preview::qt {

class TfrxPreviewForm : public QDialog {
    Q_OBJECT
public:
    explicit TfrxPreviewForm(QWidget* parent = nullptr);
    ~TfrxPreviewForm() override;

    // Attaches report and store to the preview control and sets the window
    // up from the report's preview options (state, outline, zoom, toolbar,
    // caption), then goes to page 1.
    void Attach(model::TfrxReport& report, TfrxPreviewPages& store);

    // Whether a printer is installed; the Print button asks it first. By
    // default the printers the platform knows.
    std::function<bool()> HasPrinters;

    // The visible toolbar items in order by caption: buttons by their hints,
    // the zoom box as "Zoom", the gap as "-", the close button by its text.
    std::vector<std::string> ToolbarItems() const;
    // Resizes the window so that the workspace's client area has that size.
    void SetWorkspaceClientSize(QSize size);

    // Reads the zoom box as typed (Enter or a choice in its list).
    void ApplyZoomBox();
    // Rewrites the zoom box from the actual zoom.
    void UpdateZoomText();

    TfrxPreview* Preview = nullptr;
    QToolBar* ToolBar = nullptr;
    QToolButton* PrintB = nullptr;
    QToolButton* OpenB = nullptr;
    QToolButton* SaveB = nullptr;
    QToolButton* ExportB = nullptr;
    QToolButton* FindB = nullptr;
    QToolButton* ZoomWholePageB = nullptr;
    QToolButton* ZoomPageWidthB = nullptr;
    QToolButton* Zoom100B = nullptr;
    QToolButton* Zoom50B = nullptr;
    QComboBox* ZoomCB = nullptr;
    QToolButton* PageSettingsB = nullptr;
    QToolButton* OutlineB = nullptr;
    QToolButton* HandToolB = nullptr;
    QToolButton* ZoomToolB = nullptr;
    QToolButton* NewPageB = nullptr;
    QToolButton* DelPageB = nullptr;
    QToolButton* DesignerB = nullptr;
    QToolButton* FirstB = nullptr;
    QToolButton* PriorB = nullptr;
    QLineEdit* PageE = nullptr;
    QToolButton* NextB = nullptr;
    QToolButton* LastB = nullptr;
    QToolButton* CancelB = nullptr;
    QStatusBar* StatusBar = nullptr;
    QLabel* PagePanel = nullptr;
    QLabel* StatusPanel = nullptr;

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Item;
    void createToolBar();
    QToolButton* addButton(const char* name, const char* hint, const char* caption);
    // button: the TfrxPreviewButton that shows the item, -1 for always.
    void addItem(QWidget* widget, int button, const char* caption);
    void addSeparator(std::int32_t mask);
    void applyButtons(std::int32_t buttons);
    void printClick();
    void pageChanged(int pageNo);

    std::vector<Item> items_;
    std::vector<QToolButton*> buttons_; // every button of the toolbar, in order
};

} // namespace rq::report::preview::qt
