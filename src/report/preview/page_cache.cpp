// The store's reading side: rebuilding a page from its element (BaseText
// of each source object followed by the element's differences), the cache
// of the last 50 rebuilt pages, page sizes without rebuilding, and moving
// older page elements to the swap file when the memory estimate runs over.
#include "report/preview/preview_pages.h"
#include "report/preview/store_errors.h"

#include "report/model/serializer.h"

#include "base/number_text.h"
#include "base/rounding.h"

namespace rq::report::preview {

using model::TfrxComponent;
using model::TfrxXMLItem;

namespace {

constexpr std::int64_t kBytesPerMegabyte = 1048576;

} // namespace

void TfrxPreviewPages::swapCheck() {
    if (!useFileCache())
        return;
    const std::int64_t limit =
        static_cast<std::int64_t>(Report->EngineOptions().MaxMemSize) * kBytesPerMegabyte;
    if (sizeEstimate_ <= limit)
        return;
    TfrxXMLItem& pages = pagesItem();
    for (int i = pages.Count() - 2; i >= 0 && pages.Items(i).Loaded; --i)
        document_.UnloadItem(pages.Items(i));
    sizeEstimate_ = 0;
}

int TfrxPreviewPages::sourceIndex(const TfrxXMLItem& pageElement) const {
    std::int32_t n = -1;
    const std::string& name = pageElement.Name();
    if (name.size() <= 4 || !base::tryStrToInt(std::string_view(name).substr(4), n))
        n = -1;
    if (n < 0 || n >= SourcePageCount())
        raiseListIndex(n);
    return n;
}

std::unique_ptr<model::TfrxReportPage>
TfrxPreviewPages::restorePage(TfrxXMLItem& pageElement) const {
    document_.LoadItem(pageElement);
    const model::TfrxReportPage& source = SourcePages(sourceIndex(pageElement));
    std::unique_ptr<TfrxComponent> created = source.ClassType().create();
    std::unique_ptr<model::TfrxReportPage> page(
        dynamic_cast<model::TfrxReportPage*>(created.get()));
    created.release();
    // Page properties only (paper, margins, background); the objects come
    // from the page element.
    page->Assign(source);
    restoreObjects(pageElement, *page);
    page->AlignChildren();
    return page;
}

void TfrxPreviewPages::restoreObjects(const TfrxXMLItem& pageElement,
                                      model::TfrxReportPage& page) const {
    model::TfrxXMLSerializer serializer;
    // Parent first, children in order; an element of an unknown class is
    // left out together with its children.
    std::vector<std::pair<const TfrxXMLItem*, TfrxComponent*>> work;
    for (int i = pageElement.Count() - 1; i >= 0; --i)
        work.emplace_back(&pageElement.Items(i), &page);
    while (!work.empty()) {
        auto [item, parent] = work.back();
        work.pop_back();
        TfrxComponent* object = nullptr;
        if (const TfrxDictionary::Source* s = sourceOf(*item)) {
            // The difference follows BaseText, so its attributes win.
            object = serializer.ObjFromText(*parent, s->baseText + " " + item->Text());
            if (object) {
                object->SetName(s->object->Name());
                // Lets drawing find what belongs to the source object (its
                // decoded picture).
                object->SetSourceLink(s->object);
            }
        } else {
            object = serializer.ObjFromText(*parent, item->Name() + " " + item->Text());
        }
        if (!object)
            continue;
        for (int i = item->Count() - 1; i >= 0; --i)
            work.emplace_back(&item->Items(i), object);
    }
}

void TfrxPreviewPages::cachePage(int index, std::unique_ptr<model::TfrxReportPage> page) {
    pageCache_.insert(pageCache_.begin(), {std::to_string(index), std::move(page)});
    if (static_cast<int>(pageCache_.size()) <= kPageCacheSize)
        return;
    std::int32_t evicted = -1;
    if (useFileCache() && base::tryStrToInt(pageCache_.back().first, evicted) && evicted >= 0 &&
        evicted < Count())
        document_.UnloadItem(pagesItem().Items(evicted));
    pageCache_.pop_back();
}

model::TfrxReportPage* TfrxPreviewPages::GetPage(int index) {
    const int count = Count();
    if (count == 0)
        return nullptr;
    if (index < 0 || index >= count)
        raiseListIndex(index);
    const std::string key = std::to_string(index);
    if (!engineRunning()) {
        for (auto& entry : pageCache_) {
            if (entry.first != key)
                continue;
            // An exchange with the first entry, not a move to the front.
            std::swap(entry, pageCache_.front());
            return pageCache_.front().second.get();
        }
    }
    std::unique_ptr<model::TfrxReportPage> page = restorePage(pagesItem().Items(index));
    model::TfrxReportPage* result = page.get();
    cachePage(index, std::move(page));
    return result;
}

engine::TfrxPageSize TfrxPreviewPages::GetPageSize(int index) const {
    const int count = Count();
    if (count == 0)
        return {};
    if (index < 0 || index >= count)
        raiseListIndex(index);
    const model::TfrxReportPage& source = SourcePages(sourceIndex(pagesItem().Items(index)));
    return {base::roundToInt(source.Width()), base::roundToInt(source.Height())};
}

std::vector<std::string> TfrxPreviewPages::PageCacheKeys() const {
    std::vector<std::string> keys;
    for (const auto& entry : pageCache_)
        keys.push_back(entry.first);
    return keys;
}

} // namespace rq::report::preview
