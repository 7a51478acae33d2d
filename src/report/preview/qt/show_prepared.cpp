// ShowPrepared and the creation of a set-up preview window.
#include "report/preview/qt/show_prepared.h"

#include "report/model/report.h"

namespace rq::report::preview::qt {

std::unique_ptr<TfrxPreviewForm> CreatePreviewForm(model::TfrxReport& report,
                                                   TfrxPreviewPages& store,
                                                   const TfrxPreviewLink& link, QWidget* owner) {
    auto form = std::make_unique<TfrxPreviewForm>(owner);
    if (link.hasPrinters)
        form->HasPrinters = link.hasPrinters;
    form->Preview->PrintHandler = link.print;
    form->Attach(report, store);
    return form;
}

void ShowPrepared(model::TfrxReport& report, TfrxPreviewPages& store, const TfrxPreviewLink& link,
                  QWidget* owner) {
    std::unique_ptr<TfrxPreviewForm> form = CreatePreviewForm(report, store, link, owner);
    if (link.opened)
        link.opened(*form);
    if (report.PreviewOptions().Modal) {
        form->setWindowModality(Qt::ApplicationModal);
        form->exec();
        return;
    }
    form->setAttribute(Qt::WA_DeleteOnClose);
    form.release()->show();
}

} // namespace rq::report::preview::qt
