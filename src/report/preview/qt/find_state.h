// The preview's text search: the last search text and options, where the
// last match was, and the recorded drawing of the last searched page so
// that continuing on the same page (F3) does not draw it again.
#pragma once

#include "report/preview/page_list.h"
#include "report/render/recording_canvas.h"

#include <memory>
#include <string>

namespace rq::report::preview::qt {

struct TfrxFindState {
    std::string Text; // Windows-1250; offered again by the next find dialog
    bool CaseSensitive = false;
    bool Found = false;
    int StartPage = 0;      // 0-based page where FindText begins
    int LastMatch = -1;     // index of the last matched text run on that page
    int FoundPage = -1;     // 0-based
    TfrxPageRect FoundRect; // report pixels from the paper's corner
    int CachedPage = -1;    // page whose drawing is kept, -1 when none
    std::unique_ptr<render::RecordingCanvas> CachedDrawing;

    // Forgets the match and the kept drawing; the text and options stay.
    void Reset() {
        Found = false;
        LastMatch = -1;
        FoundPage = -1;
        FoundRect = {};
        ForgetDrawing();
    }
    void ForgetDrawing() {
        CachedPage = -1;
        CachedDrawing.reset();
    }
};

} // namespace rq::report::preview::qt
