// ShowPrepared: the report operation that opens the preview window on the
// prepared pages: modal and destroyed when closed (the certificate's way),
// or shown and left to destroy itself when the options say not modal.
#pragma once

#include "report/preview/qt/preview_form.h"

#include <functional>
#include <memory>

namespace rq::report::preview::qt {

// What the opener lends the preview window beyond the report: the print
// dialog and job behind Print and Ctrl+P, and the printer check of the
// Print button (empty: the platform's printer list).
struct TfrxPreviewLink {
    std::function<void()> print;
    std::function<bool()> hasPrinters;
    // Called with the window once it is set up, before it is shown (tests
    // and the command-line tool act on it here).
    std::function<void(TfrxPreviewForm&)> opened;
};

// Creates the preview window for the report and its store, sets it up from
// the preview options and attaches the pages.
std::unique_ptr<TfrxPreviewForm> CreatePreviewForm(model::TfrxReport& report,
                                                   TfrxPreviewPages& store,
                                                   const TfrxPreviewLink& link,
                                                   QWidget* owner = nullptr);

// Shows the prepared pages: with PreviewOptions.Modal the call returns once
// the window has closed.
void ShowPrepared(model::TfrxReport& report, TfrxPreviewPages& store,
                  const TfrxPreviewLink& link = {}, QWidget* owner = nullptr);

} // namespace rq::report::preview::qt
