// TForm1: the main window on which the certificate's particulars are typed:
// title and form code, the employer's and the employee's sections with nine
// input fields, and the menu bar with print, save, load and exit. Every
// control sits at its designed position (pixels at 96 per inch) and is listed
// in ownership order with its name, so commands can walk and find fields.
#pragma once

#include "app/saved_form_link.h"
#include "base/variant.h"
#include "certificate/print_link.h"
#include "crypto/lb_rijndael.h"
#include "report/model/barcode_view.h"
#include "report/model/report.h"
#include "report/preview/qt/show_prepared.h"
#include "report/printing/qt/cups_printers.h"
#include "widgets/adv_main_menu.h"
#include "widgets/component_list.h"
#include "widgets/lmd_fill.h"
#include "widgets/panel.h"
#include "widgets/pb_num_edit.h"

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>

#include <string>

class QScrollArea;

namespace rq::app {

class FormScrollArea;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Components in ownership order; lookup by name ignores case.
    const widgets::ComponentList& Components() const { return components_; }
    const widgets::ComponentEntry* FindComponent(const QString& name) const;
    // The input field (TEdit or TPBNumEdit) of that name, or nullptr.
    QLineEdit* FindField(const QString& name) const;

    // The document identifier: empty at start-up, written by the print
    // command, read by the report variable "azon" (Windows-1250).
    const std::string& DocumentId() const { return documentId_; }
    void SetDocumentId(std::string id) { documentId_ = std::move(id); }

    // The scrolled client area, whose vertical position the wheel moves.
    QScrollArea* ClientArea() const;

    // Controls, named as the saved-form file and the commands know them.
    widgets::TPanel* Panel1 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    widgets::TPanel* Panel2 = nullptr;
    QLabel* Label1 = nullptr;
    widgets::TLMDFill* LMDFill1 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    widgets::TPanel* Panel3 = nullptr;
    widgets::TLMDFill* LMDFill2 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label13 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLineEdit* Edit5 = nullptr;
    widgets::TPBNumEdit* PBNumEdit1 = nullptr;
    QLineEdit* Edit6 = nullptr;
    widgets::TPBNumEdit* PBNumEdit2 = nullptr;
    QLineEdit* Edit7 = nullptr;
    widgets::TAdvMainMenu* AdvMainMenu1 = nullptr;
    QAction* Nyomtats1 = nullptr;
    QAction* Kitltsmentse1 = nullptr;
    QAction* Kitltttrlapbetltse1 = nullptr;
    QAction* Kilps1 = nullptr;
    // The certificate report; it holds the certificate template from start-up.
    report::model::TfrxReport frxReport1;
    // Makes the barcode view known to the report's reader.
    report::model::TfrxBarCodeObject frxBarCodeObject1;
    // Cipher component of the saved-form file (ECB, 128-bit key).
    crypto::TLbRijndael LbRijndael1;
    // What the save and load commands reach besides the window.
    SavedFormLink SavedForm;
    // What the print command reaches besides the window.
    certificate::PrintLink Printing;
    // What the preview window is lent: the print job and the printer check.
    // Parts left empty are filled by the print command with the print
    // dialog and job on the printers below.
    report::preview::qt::TfrxPreviewLink PreviewLink;
    // The printer list, made on the first print and kept while the window lives.
    report::printing::qt::PrinterContext Printers;

    // Menu commands (each runs under the top-level failure handler).
    void Nyomtats1Click();
    void Kitltsmentse1Click();
    void Kitltttrlapbetltse1Click();
    void Kilps1Click();

    // The print command up to the report run: the document identifier and
    // the barcode's text when the employee's name is not empty, then
    // Prepare(True). Returns Prepare's result.
    bool PrepareCertificate();
    // The report's value callback: answers the certificate's variables by
    // their exact, case-sensitive names (Windows-1250 strings) and leaves
    // Value untouched for every other name.
    void frxReport1GetValue(const std::string& VarName, base::Variant& Value) const;

    // Section enter events: highlight the entered section's header and dim
    // the other one.
    void Panel2Enter();
    void Panel3Enter();

    // Wheel handlers: 20 pixels per wheel message, whatever its delta.
    void FormMouseWheelDown();
    void FormMouseWheelUp();

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createMenu();
    void onFocusChanged(QWidget* old, QWidget* now);
    void highlightSection(widgets::TLMDFill* entered, widgets::TLMDFill* other);
    void fitToWorkArea();
    QMargins frameMargins() const;

    widgets::ComponentList components_;
    FormScrollArea* scrollArea_ = nullptr;
    QMetaObject::Connection focusConnection_;
    std::string documentId_;
    bool fitted_ = false;
    QMargins fittedFrame_; // the frame the window was last fitted with
};

} // namespace rq::app
