// The store's writing side: source pages and aliases, pages and object
// elements, passes, cutting and pasting, and the questions the engine asks
// about the current page.
#include "report/preview/preview_pages.h"
#include "report/preview/store_errors.h"

#include "report/model/float_text.h"
#include "report/model/serializer.h"

#include "base/exceptions.h"
#include "base/number_text.h"
#include "base/text1250.h"

#include <algorithm>

namespace rq::report::preview {

using model::TfrxComponent;
using model::TfrxXMLItem;

namespace {

constexpr std::string_view kRootName = "preparedreport";

// Kinds of band the model may not define yet are recognised by class name,
// so the store treats them right as soon as they exist.
bool isKindOf(const TfrxComponent& object, std::string_view className) {
    for (const model::ClassInfo* c = &object.ClassType(); c; c = c->parent())
        if (base::sameText(c->name(), className))
            return true;
    return false;
}

bool isPageFooter(const TfrxComponent& c) {
    return isKindOf(c, "TfrxPageFooter");
}
bool isColumnFooter(const TfrxComponent& c) {
    return isKindOf(c, "TfrxColumnFooter");
}

// The alias prefix: "b" for bands, else the first letter of NamePrefix.
std::string aliasPrefix(const TfrxComponent& copy) {
    if (dynamic_cast<const model::TfrxBand*>(&copy))
        return "b";
    const std::string prefix = copy.NamePrefix();
    return base::lowerCase(prefix.substr(0, 1));
}

std::string baseText(const TfrxComponent& copy) {
    if (copy.FullSerialize())
        return std::string(copy.ClassName());
    return model::TfrxXMLSerializer().ClassAndAttributes(copy);
}

// An attribute as a number, 0 when absent; "." and "," both decimal marks.
Extended numberProp(const TfrxXMLItem& item, std::string_view name, Extended absent = 0) {
    const std::string text = item.Prop(name);
    return text.empty() ? absent : model::floatFromText(text);
}

} // namespace

TfrxPreviewPages::TfrxPreviewPages(model::TfrxReport* report)
    : outline_([this]() -> TfrxXMLItem& { return child("outline"); }, [this] { return CurPage; }) {
    Report = report;
    root().SetName(std::string(kRootName));
}

// Members free the cache, the source pages and the dictionary; the
// document deletes its swap file.
TfrxPreviewPages::~TfrxPreviewPages() = default;

bool TfrxPreviewPages::engineRunning() const {
    return Engine && Engine->EngineRunning();
}
bool TfrxPreviewPages::engineFinalPass() const {
    return !Engine || Engine->EngineFinalPass();
}
bool TfrxPreviewPages::useFileCache() const {
    return Report && Report->EngineOptions().UseFileCache;
}

int TfrxPreviewPages::Count() const {
    const int at = root().Find("previewpages");
    return at < 0 ? 0 : root().Items(at).Count();
}

model::TfrxReportPage& TfrxPreviewPages::SourcePages(int index) const {
    return *sourcePages_.at(static_cast<std::size_t>(index));
}

TfrxXMLItem& TfrxPreviewPages::pageItem(int index) const {
    TfrxXMLItem& item = pagesItem().Items(index);
    document_.LoadItem(item);
    return item;
}

TfrxXMLItem& TfrxPreviewPages::currentPageItem() const {
    if (CurPage < 0 || CurPage >= Count())
        raiseListIndex(CurPage);
    return pageItem(CurPage);
}

const TfrxDictionary::Source* TfrxPreviewPages::sourceOf(const TfrxXMLItem& item) const {
    return dictionary_.Find(item.Name());
}

void TfrxPreviewPages::Clear() {
    clearCache();
    pictures_.Clear();
    dictionary_.Clear();
    sourcePages_.clear();
    document_.Clear();
    root().SetName(std::string(kRootName));
    outline_.LevelRoot();
    CurPage = -1;
    sizeEstimate_ = 0;
}

void TfrxPreviewPages::Initialize() {
    document_.TempDir = Report ? Report->EngineOptions().TempDir : std::string();
    Terminated = false;
    if (OnStarted)
        OnStarted();
}

void TfrxPreviewPages::AddSourcePage(model::TfrxReportPage& page) {
    std::unique_ptr<TfrxComponent> created = page.ClassType().create();
    auto* raw = dynamic_cast<model::TfrxReportPage*>(created.get());
    if (!raw)
        throw base::Exception("Invalid class " + std::string(page.ClassName()));
    std::unique_ptr<model::TfrxReportPage> copy(raw);
    created.release();
    copy->CopyWithChildren(page);
    copy->SetSourceLink(&page);
    const std::string pagePrefix = "Page" + std::to_string(sourcePages_.size()) + ".";

    // Both trees in the same depth-first order pair each copy with its template.
    const std::vector<TfrxComponent*> copies = copy->AllObjects();
    const std::vector<TfrxComponent*> templates = page.AllObjects();
    const std::size_t n = std::min(copies.size(), templates.size());
    for (std::size_t i = 0; i < n; ++i) {
        TfrxComponent& c = *copies[i];
        TfrxComponent& t = *templates[i];
        t.SetSourceLink(&c);
        c.SetSourceLink(&t);
        const std::string alias = dictionary_.CreateUniqueName(aliasPrefix(c));
        dictionary_.Add(alias, pagePrefix + c.Name(), &c, baseText(c));
        c.SetAlias(alias);
        t.SetAlias(alias);
    }
    sourcePages_.push_back(std::move(copy));
}

void TfrxPreviewPages::BeginPass() {
    markPage_ = Count() - 1;
    markCount_ = markPage_ >= 0 ? pageItem(markPage_).Count() : 0;
}

void TfrxPreviewPages::AddPage(const model::TfrxReportPage& page) {
    swapCheck();
    ++CurPage;
    if (CurPage < Count() && AddMode == engine::TfrxAddMode::WriteOver)
        return;
    int source = -1;
    for (std::size_t i = 0; i < sourcePages_.size(); ++i)
        if (sourcePages_[i]->SourceLink() == &page) {
            source = static_cast<int>(i);
            break;
        }
    TfrxXMLItem& item = pagesItem().Add();
    item.SetName("page" + std::to_string(source));
    // The first two pages always stay in memory.
    item.Unloadable = Count() > 2;
    if (OnPageAdded)
        OnPageAdded(CurPage);
    AddMode = engine::TfrxAddMode::WriteOver;
    CurPage = Count() - 1;
}

void TfrxPreviewPages::addObject(const TfrxComponent& object, TfrxXMLItem& parent) {
    if (!object.Visible())
        return;
    TfrxXMLItem* target = &parent;
    // A subreport's objects belong to the page it sits on.
    if (!isKindOf(object, "TfrxSubreport")) {
        TfrxXMLItem& item = parent.Add();
        const TfrxComponent* source = object.SourceLink();
        if (source && dictionary_.Find(object.Alias())) {
            item.SetName(object.Alias());
            item.SetText(engineFinalPass() ? model::DiffAttributes(object, *source)
                                           : model::ShortDiffAttributes(object, *source));
        } else {
            item.SetName(std::string(object.ClassName()));
            item.SetText(model::TfrxXMLSerializer().ObjAttributes(object));
        }
        sizeEstimate_ +=
            static_cast<std::int64_t>(item.Name().size() + item.Text().size()) + kElementOverhead;
        target = &item;
    }
    for (int i = 0; i < object.Count(); ++i)
        addObject(*object.Objects(i), *target);
}

void TfrxPreviewPages::AddObject(const TfrxComponent& object) {
    addObject(object, currentPageItem());
}

int TfrxPreviewPages::CurrentObjectCount() const {
    if (CurPage < 0 || CurPage >= Count())
        return 0;
    return pageItem(CurPage).Count();
}

void TfrxPreviewPages::CutObjects(int position) {
    TfrxXMLItem& page = currentPageItem();
    TfrxXMLItem& cut = child("cutted");
    const int from = std::max(position, 0);
    while (page.Count() > from)
        page.Items(from).MoveTo(cut);
}

void TfrxPreviewPages::PasteObjects(Extended x, Extended y) {
    const int at = root().Find("cutted");
    if (at < 0)
        return;
    TfrxXMLItem& cut = root().Items(at);
    if (cut.Count() > 0) {
        TfrxXMLItem& page = currentPageItem();
        const Extended dx = x - numberProp(cut.Items(0), "l");
        const Extended dy = y - numberProp(cut.Items(0), "t");
        while (cut.Count() > 0) {
            TfrxXMLItem& item = cut.Items(0);
            item.SetProp("l", model::floatText(numberProp(item, "l") + dx));
            item.SetProp("t", model::floatText(numberProp(item, "t") + dy));
            item.MoveTo(page);
        }
    }
    cut.Detach();
}

bool TfrxPreviewPages::HasBandOnPage(const model::TfrxBand& band) const {
    if (CurPage < 0 || CurPage >= Count())
        return false;
    const TfrxXMLItem& page = pageItem(CurPage);
    for (int i = 0; i < page.Count(); ++i) {
        const TfrxDictionary::Source* s = sourceOf(page.Items(i));
        if (!s)
            continue;
        const TfrxComponent& source = *s->object;
        if (source.SourceLink() == &band || (isPageFooter(band) && isPageFooter(source)) ||
            (isColumnFooter(band) && isColumnFooter(source)))
            return true;
    }
    return false;
}

Extended TfrxPreviewPages::BottomOfBands() const {
    if (CurPage < 0 || CurPage >= Count())
        return 0;
    const TfrxXMLItem& page = pageItem(CurPage);
    Extended bottom = 0;
    for (int i = 0; i < page.Count(); ++i) {
        const TfrxXMLItem& item = page.Items(i);
        const TfrxDictionary::Source* s = sourceOf(item);
        if (!s || !dynamic_cast<const model::TfrxBand*>(s->object) || isPageFooter(*s->object))
            continue;
        const Extended top = numberProp(item, "t", s->object->Top());
        const Extended height = numberProp(item, "h", s->object->Height());
        bottom = std::max(bottom, top + height);
    }
    return bottom;
}

void TfrxPreviewPages::RewindPass() {
    if (markPage_ < 0) {
        for (int i = 0; i < root().Count(); ++i)
            if (!base::sameText(root().Items(i).Name(), "anchors"))
                root().Items(i).Clear();
        outline_.LevelRoot();
    } else if (markPage_ < Count()) {
        TfrxXMLItem& mark = pageItem(markPage_);
        while (mark.Count() > markCount_)
            mark.Items(mark.Count() - 1).Detach();
        TfrxXMLItem& pages = pagesItem();
        while (pages.Count() > markPage_ + 1)
            pages.Items(pages.Count() - 1).Detach();
    }
    CurPage = markPage_;
    sizeEstimate_ = 0;
}

void TfrxPreviewPages::Finish() {
    clearCache();
    if (OnFinished)
        OnFinished();
}

void TfrxPreviewPages::AddAnchor(const std::string& text, Extended top) {
    TfrxXMLItem& item = child("anchors").Add();
    item.SetName("item");
    item.SetProp("text", text);
    item.SetProp("page", std::to_string(CurPage));
    item.SetProp("top", model::floatText(top));
}

const TfrxXMLItem* TfrxPreviewPages::findAnchor(const std::string& text) const {
    const int at = root().Find("anchors");
    if (at < 0)
        return nullptr;
    const TfrxXMLItem& anchors = root().Items(at);
    for (int i = anchors.Count() - 1; i >= 0; --i)
        if (base::sameText(anchors.Items(i).Prop("text"), text))
            return &anchors.Items(i);
    return nullptr;
}

int TfrxPreviewPages::GetAnchorPage(const std::string& text) const {
    const TfrxXMLItem* anchor = findAnchor(text);
    std::int32_t page = -1;
    if (!anchor || !base::tryStrToInt(anchor->Prop("page"), page))
        return -1;
    return page;
}

Extended TfrxPreviewPages::GetAnchorTop(const std::string& text) const {
    const TfrxXMLItem* anchor = findAnchor(text);
    return anchor ? numberProp(*anchor, "top") : 0;
}

} // namespace rq::report::preview
