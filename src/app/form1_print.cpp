// The print command of the main window and the report's value callback: the
// window's input fields, the print seams and the document identifier seen
// through the certificate's variable interface.
#include "app/form1.h"
#include "certificate/certificate_variables.h"
#include "certificate/document_id.h"
#include "certificate/processor_signature.h"
#include "report/engine/engine.h"
#include "report/preview/preview_pages.h"
#include "report/preview/qt/show_prepared.h"
#include "report/printing/qt/print_action.h"

#include <QApplication>
#include <QPointer>

#include <memory>

namespace rq::app {
namespace {

using widgets::toAnsi;

class WindowInputs : public certificate::CertificateInputs {
public:
    explicit WindowInputs(const TForm1& form) : form_(form) {}
    std::string FieldText(std::string_view componentName) const override {
        const QLineEdit* field = form_.FindField(QString::fromLatin1(componentName));
        return field ? toAnsi(field->text()) : std::string();
    }
    base::DateTime Today() const override {
        return form_.Printing.today ? form_.Printing.today() : base::currentDate();
    }
    std::string DocumentId() const override { return form_.DocumentId(); }

private:
    const TForm1& form_;
};

} // namespace

void TForm1::frxReport1GetValue(const std::string& VarName, base::Variant& Value) const {
    certificate::certificateVariable(VarName, WindowInputs(*this), Value);
}

bool TForm1::PrepareCertificate() {
    const std::string name = toAnsi(Edit3->text());
    if (!name.empty()) {
        const std::string signature = Printing.processorSignature
                                          ? Printing.processorSignature()
                                          : certificate::processorSignature();
        SetDocumentId(certificate::documentIdentifier(name, signature));
        certificate::setBarcodeIdentifier(frxReport1, DocumentId());
    }
    return frxReport1.Prepare(true);
}

void TForm1::Nyomtats1Click() {
    if (!PrepareCertificate())
        return;
    auto& store = dynamic_cast<report::preview::TfrxPreviewPages&>(
        report::engine::EngineOf(frxReport1)->PreviewPages());
    report::preview::qt::TfrxPreviewLink link = PreviewLink;
    // The job locks the preview it was started from once the print dialog
    // is confirmed; the preview unlocks itself after the job, however it
    // ended. The window outlives this call when it is not modal.
    auto preview = std::make_shared<QPointer<report::preview::qt::TfrxPreview>>();
    link.opened = [preview,
                   opened = PreviewLink.opened](report::preview::qt::TfrxPreviewForm& form) {
        *preview = form.Preview;
        if (opened)
            opened(form);
    };
    if (!link.print)
        link.print = [this, &store, preview] {
            report::printing::qt::PrintPrepared(frxReport1, store, Printers.PrinterList(),
                                                QApplication::activeWindow(),
                                                [preview](bool locked) {
                                                    if (!*preview)
                                                        return;
                                                    if (locked)
                                                        (*preview)->Lock();
                                                    else
                                                        (*preview)->Unlock();
                                                });
        };
    // An empty list is read again at every print. With the print service
    // down the job is let run, so that it says so instead of "No printers
    // installed in your system".
    if (!link.hasPrinters)
        link.hasPrinters = [this] {
            const report::printing::TfrxPrinters& printers = Printers.PrinterList();
            return printers.HasPhysicalPrinters() || !printers.ListFailure().empty();
        };
    report::preview::qt::ShowPrepared(frxReport1, store, link, this);
}

} // namespace rq::app
