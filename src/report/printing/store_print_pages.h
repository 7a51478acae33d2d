// The prepared-pages store as the print job reads it.
#pragma once

#include "report/preview/preview_pages.h"
#include "report/printing/print_pages.h"

namespace rq::report::printing {

class TfrxStorePrintPages : public TfrxPrintPages {
public:
    explicit TfrxStorePrintPages(preview::TfrxPreviewPages& store) : store_(store) {}

    int Count() override { return store_.Count(); }
    const model::TfrxReportPage& GetPage(int index) override { return *store_.GetPage(index); }
    void DrawPage(int index, render::Canvas& canvas, Extended scaleX, Extended scaleY,
                  Extended offsetX, Extended offsetY) override {
        store_.DrawPage(index, canvas, scaleX, scaleY, offsetX, offsetY);
    }
    void ClearPageCache() override { store_.ClearPageCache(); }
    bool Terminated() const override { return store_.Terminated; }
    void SetTerminated(bool terminated) override { store_.Terminated = terminated; }
    void PrintingPage(int pageNumber) override {
        if (store_.OnPrintingPage)
            store_.OnPrintingPage(pageNumber);
    }
    int CurPreviewPage() const override { return store_.CurPreviewPage; }

private:
    preview::TfrxPreviewPages& store_;
};

} // namespace rq::report::printing
