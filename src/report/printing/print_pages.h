// TfrxPrintPages: what the print job needs of the prepared pages: their
// count, each page's paper settings, drawing a page on a device, emptying the
// restored-page cache, the cancel flag and the progress notification.
#pragma once

#include "report/model/page.h"
#include "report/render/canvas.h"

namespace rq::report::printing {

using model::Extended;

class TfrxPrintPages {
public:
    virtual ~TfrxPrintPages() = default;

    virtual int Count() = 0;
    // The page rebuilt from the store (index 0..Count - 1); it stays valid
    // until the page cache is emptied.
    virtual const model::TfrxReportPage& GetPage(int index) = 0;
    // Draws the page with its objects; scales are device pixels per report
    // pixel, offsets the device position of the paper's top-left corner.
    virtual void DrawPage(int index, render::Canvas& canvas, Extended scaleX, Extended scaleY,
                          Extended offsetX, Extended offsetY) = 0;
    // Frees every restored page, so that a long job holds at most one.
    virtual void ClearPageCache() = 0;
    // Set by the preview's Cancel while the job runs.
    virtual bool Terminated() const = 0;
    virtual void SetTerminated(bool terminated) = 0;
    // Fires the store's OnPrintingPage (1-based page number).
    virtual void PrintingPage(int pageNumber) = 0;
    // 1-based number of the page the preview shows ("Current page").
    virtual int CurPreviewPage() const = 0;
};

} // namespace rq::report::printing
