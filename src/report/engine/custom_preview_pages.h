// TfrxCustomPreviewPages: the prepared-pages store as the engine and the
// readers (preview, print job, save) see it. The engine writes a run into
// it through these operations only; the concrete store keeps the pages as
// differences from private copies of the template pages. Header only, so
// that the engine and the store can both name it without a link cycle.
#pragma once

#include "report/model/band.h"
#include "report/model/component.h"
#include "report/model/page.h"
#include "report/model/report.h"

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>

namespace rq::report::engine {

using model::Extended;

// How the next AddPage behaves: WriteOver reuses an existing page when the
// engine goes back to one; Append always adds a page. AddPage resets it.
enum class TfrxAddMode : std::int32_t { WriteOver = 0, Append = 1 };

// What the store needs to know about the engine writing into it. The engine
// implements it (or a small adapter does) and hands it to the store.
class TfrxEngineState {
public:
    virtual ~TfrxEngineState() = default;
    // True from the store's Initialize until just after Finish; while set,
    // GetPage bypasses the page cache.
    virtual bool EngineRunning() const = 0;
    // False during the first pass of a two-pass run: objects are then stored
    // with the short difference only.
    virtual bool EngineFinalPass() const = 0;
};

// The outline ("table of contents") of the prepared report. This program's
// report makes no entries, but the script sees the object as "Outline".
class TfrxCustomOutline {
public:
    virtual ~TfrxCustomOutline() = default;
    // Adds an entry under the current level pointing at the current page
    // and top (pixels) and makes it the current level.
    virtual void AddItem(const std::string& text, Extended top) = 0;
    virtual void LevelRoot() = 0;
    virtual void LevelUp() = 0;
    // Number of entries at the top level.
    virtual int Count() const = 0;
};

// A page's size in whole pixels (96 per inch).
struct TfrxPageSize {
    int X = 0; // width
    int Y = 0; // height
    bool operator==(const TfrxPageSize&) const = default;
};

class TfrxCustomPreviewPages {
public:
    virtual ~TfrxCustomPreviewPages() = default;
    TfrxCustomPreviewPages() = default;
    TfrxCustomPreviewPages(const TfrxCustomPreviewPages&) = delete;
    TfrxCustomPreviewPages& operator=(const TfrxCustomPreviewPages&) = delete;

    // --- fields shared with the engine and the readers ----------------------
    // Set by the preview's cancel action and the script's StopReport; the
    // engine and the print loop stop at the next page. Initialize clears it.
    bool Terminated = false;
    TfrxAddMode AddMode = TfrxAddMode::WriteOver;
    // 0-based index of the page being written; -1 after Clear. The engine
    // may set it back to an earlier page before an AddPage.
    std::int32_t CurPage = -1;
    // Index of the first page of the current run (set by the engine, read by
    // the page-number variables).
    std::int32_t FirstPageIndex = 0;
    // 1-based number of the page shown in the preview (read when printing
    // "Current page").
    std::int32_t CurPreviewPage = 1;
    // Link text of the object under the pointer.
    std::string StatusText;

    // Not owned. The engine sets Engine before Initialize; the report sets
    // Report when it creates the store.
    TfrxEngineState* Engine = nullptr;
    model::TfrxReport* Report = nullptr;
    // The preview control showing this store (none when no preview is open).
    void* Preview = nullptr;

    // Notifications to the attached preview; each fired only when set.
    std::function<void()> OnStarted;
    std::function<void()> OnFinished;
    std::function<void()> OnStatusText;
    std::function<void(int pageIndex)> OnPageAdded;
    std::function<void(int pageNumber)> OnPrintingPage;

    // --- the run, in the order the engine uses it ---------------------------
    // Empties pages, source copies, aliases and the page cache; CurPage := -1.
    virtual void Clear() = 0;
    // Terminated := False; the swap folder from the report; fires OnStarted.
    virtual void Initialize() = 0;
    // Registers a private copy of a template page and aliases for its objects.
    virtual void AddSourcePage(model::TfrxReportPage& page) = 0;
    // Remembers the current end of the prepared pages for RewindPass.
    virtual void BeginPass() = 0;
    // Starts the next prepared page (or reuses page CurPage + 1 in WriteOver).
    virtual void AddPage(const model::TfrxReportPage& page) = 0;
    // Stores an output object (a band with its objects, or a lone object) on
    // the current page; invisible objects and their children are skipped.
    virtual void AddObject(const model::TfrxComponent& object) = 0;
    // Number of object elements at the top level of the current page.
    virtual int CurrentObjectCount() const = 0;
    // Moves the current page's object elements from position (0-based) to
    // the end into a buffer, in order.
    virtual void CutObjects(int position) = 0;
    // Appends the buffered elements to the current page, shifted so that the
    // first lands at (x, y) pixels; empties the buffer.
    virtual void PasteObjects(Extended x, Extended y) = 0;
    // Whether the current page already holds that band (or, for page and
    // column footers, any band of the same kind).
    virtual bool HasBandOnPage(const model::TfrxBand& band) const = 0;
    // Lowest bottom edge (pixels) of the bands on the current page, page
    // footers excluded; 0 when there are none.
    virtual Extended BottomOfBands() const = 0;
    // Drops what was written since BeginPass (anchors survive).
    virtual void RewindPass() = 0;
    // Empties the page cache and fires OnFinished.
    virtual void Finish() = 0;

    // Named positions: the current page and top (pixels) under a text.
    virtual void AddAnchor(const std::string& text, Extended top) = 0;
    // Page index of the last anchor with that text (case-insensitive), -1 if none.
    virtual int GetAnchorPage(const std::string& text) const = 0;
    // Top (pixels) of that anchor; 0 when there is none.
    virtual Extended GetAnchorTop(const std::string& text) const = 0;
    virtual TfrxCustomOutline& Outline() = 0;

    // --- readers -------------------------------------------------------------
    virtual int Count() const = 0;
    // The page rebuilt as objects, owned by the store's page cache and valid
    // until evicted or cleared; nullptr when there are no pages. Raises
    // EListError for an index outside 0..Count - 1.
    virtual model::TfrxReportPage* GetPage(int index) = 0;
    // Page size in whole pixels without rebuilding the page; (0, 0) when
    // there are no pages.
    virtual TfrxPageSize GetPageSize(int index) const = 0;
    // The whole store as one XML document with the root "preparedreport".
    virtual void SaveToStream(std::ostream& stream) = 0;
    // Creates (or replaces) the file; "Cannot create file ..." on failure.
    virtual void SaveToFile(const std::string& fileName) = 0;
};

} // namespace rq::report::engine
