// TfrxPreviewPages: the prepared-pages store. One XML document (root
// "preparedreport") holds every prepared page as an element whose children
// name an alias of a source object and carry only the attributes in which
// the output object differs from it; the source objects live in private
// copies of the template pages. Pages become objects again only on request
// (GetPage), and the last 50 rebuilt pages are cached.
#pragma once

#include "report/engine/custom_preview_pages.h"
#include "report/model/xml_document.h"
#include "report/preview/dictionary.h"
#include "report/preview/outline.h"
#include "report/preview/page_draw.h"
#include "report/render/canvas.h"
#include "report/render/decoded_pictures.h"

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace rq::report::preview {

using engine::Extended;

class TfrxPreviewPages : public engine::TfrxCustomPreviewPages {
public:
    // Most rebuilt pages kept at once.
    static constexpr int kPageCacheSize = 50;
    // Bytes added to the memory estimate for every stored element besides
    // its name and attribute text.
    static constexpr std::int64_t kElementOverhead = 52;

    explicit TfrxPreviewPages(model::TfrxReport* report = nullptr);
    ~TfrxPreviewPages() override;

    void Clear() override;
    void Initialize() override;
    void AddSourcePage(model::TfrxReportPage& page) override;
    void BeginPass() override;
    void AddPage(const model::TfrxReportPage& page) override;
    void AddObject(const model::TfrxComponent& object) override;
    int CurrentObjectCount() const override;
    void CutObjects(int position) override;
    void PasteObjects(Extended x, Extended y) override;
    bool HasBandOnPage(const model::TfrxBand& band) const override;
    Extended BottomOfBands() const override;
    void RewindPass() override;
    void Finish() override;

    void AddAnchor(const std::string& text, Extended top) override;
    int GetAnchorPage(const std::string& text) const override;
    Extended GetAnchorTop(const std::string& text) const override;
    engine::TfrxCustomOutline& Outline() override { return outline_; }

    int Count() const override;
    model::TfrxReportPage* GetPage(int index) override;
    engine::TfrxPageSize GetPageSize(int index) const override;
    void SaveToStream(std::ostream& stream) override;
    void SaveToFile(const std::string& fileName) override;
    // Reads what SaveToStream wrote: the store is cleared and takes the
    // document's pages, outline and anchors, its source pages and its alias
    // table. Text that is not such a document raises "Invalid file format"
    // and leaves the store empty.
    void LoadFromStream(std::istream& stream);
    // "Cannot open file ..." when the file cannot be read.
    void LoadFromFile(const std::string& fileName);

    // Frees every rebuilt page; the print job calls it after each page so
    // that a long job keeps at most one rebuilt page.
    void ClearPageCache() { clearCache(); }

    // --- drawing (the preview, the print job, the tool) ---------------------
    // Draws the page's background and every view on the canvas. The scales
    // are device pixels per report pixel, the offsets the device position
    // of the paper's top-left corner; the page's margins are added here.
    void DrawPage(int index, render::Canvas& canvas, double scaleX, double scaleY, double offsetX,
                  double offsetY);
    // Finds the topmost view under (x, y) (device pixels; scale and paper
    // corner as for DrawPage), shows its link in StatusText, answers its
    // cursor and, for a click, follows its link through PointerActions.
    void TrackPointer(int index, int x, int y, bool click, TMouseButton button, TShiftState shift,
                      double scale, double offsetX, double offsetY, std::int32_t& cursor);
    TfrxPointerActions PointerActions;
    // Decoded pictures of the source objects, and the pictures that could
    // not be drawn (set its problem callback to hear of them as they come).
    render::DecodedPictures& Pictures() { return pictures_; }

    // --- inspection (the preview, the tool and tests) -----------------------
    const TfrxDictionary& Dictionary() const { return dictionary_; }
    int SourcePageCount() const { return static_cast<int>(sourcePages_.size()); }
    model::TfrxReportPage& SourcePages(int index) const;
    const model::TfrxXMLDocument& Document() const { return document_; }
    // Keys of the page cache, first entry first.
    std::vector<std::string> PageCacheKeys() const;
    std::int64_t SizeEstimate() const { return sizeEstimate_; }

private:
    model::TfrxXMLItem& root() const { return document_.Root(); }
    // The root's child of that name, created at the end when missing.
    model::TfrxXMLItem& child(std::string_view name) const { return root().FindItem(name); }
    model::TfrxXMLItem& pagesItem() const { return child("previewpages"); }
    // The page element of that index, brought back from the swap file.
    model::TfrxXMLItem& pageItem(int index) const;
    // The page element CurPage; EListError when there is none.
    model::TfrxXMLItem& currentPageItem() const;
    const TfrxDictionary::Source* sourceOf(const model::TfrxXMLItem& item) const;

    bool engineRunning() const;
    bool engineFinalPass() const;
    bool useFileCache() const;
    void swapCheck();
    void addObject(const model::TfrxComponent& object, model::TfrxXMLItem& parent);
    // Index in SourcePages of the page element's source page ("page" + n).
    int sourceIndex(const model::TfrxXMLItem& pageElement) const;
    std::unique_ptr<model::TfrxReportPage> restorePage(model::TfrxXMLItem& pageElement) const;
    void restoreObjects(const model::TfrxXMLItem& pageElement, model::TfrxReportPage& page) const;
    void cachePage(int index, std::unique_ptr<model::TfrxReportPage> page);
    void clearCache() { pageCache_.clear(); }
    const model::TfrxXMLItem* findAnchor(const std::string& text) const;
    // Loading: source pages and aliases from the loaded document.
    void loadSourcePages();
    void loadDictionary();
    void checkPageElements() const;
    model::TfrxView* viewAt(model::TfrxReportPage& page, int x, int y, double scale, double offsetX,
                            double offsetY) const;
    void followClick(model::TfrxView& view, TMouseButton button, TShiftState shift);

    // The document, the page elements' swapping and the root's children made
    // on first use are storage details: readers may trigger them, so they
    // are mutable; the prepared content never changes through a reader.
    mutable model::TfrxXMLDocument document_;
    std::vector<std::unique_ptr<model::TfrxReportPage>> sourcePages_;
    TfrxDictionary dictionary_;
    // Rebuilt pages under the decimal page index, most recent first.
    std::vector<std::pair<std::string, std::unique_ptr<model::TfrxReportPage>>> pageCache_;
    TfrxOutline outline_;
    render::DecodedPictures pictures_;
    std::int32_t markPage_ = -1;    // Count - 1 at BeginPass
    std::int32_t markCount_ = 0;    // object elements of the mark page at BeginPass
    std::int64_t sizeEstimate_ = 0; // bytes of element text since the last swap check
};

} // namespace rq::report::preview
