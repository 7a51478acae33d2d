// Opening a saved prepared report (".ppg"): the inverse of SaveToStream.
// The document is read as it was written; the source pages are rebuilt from
// "sourcepages" and the alias table from "dictionary", and every page
// element must name an existing source page, so that a damaged or hostile
// file is refused as a whole instead of failing later in the preview.
#include "report/preview/preview_pages.h"

#include "report/model/serializer.h"

#include "base/exceptions.h"
#include "base/number_text.h"
#include "base/text1250.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace rq::report::preview {

using model::TfrxComponent;
using model::TfrxXMLItem;

namespace {

constexpr std::string_view kRootName = "preparedreport";
constexpr std::string_view kPagePrefix = "page";
constexpr std::string_view kFullNamePrefix = "Page";

// n of "page" + n, or -1 when the name is not of that form.
int pageNumber(std::string_view name, std::string_view prefix) {
    std::int32_t n = -1;
    if (name.size() <= prefix.size() || !base::sameText(name.substr(0, prefix.size()), prefix))
        return -1;
    const std::string_view digits = name.substr(prefix.size());
    if (digits.find_first_not_of("0123456789") != std::string_view::npos ||
        !base::tryStrToInt(digits, n))
        return -1;
    return n;
}

std::string baseTextOf(const TfrxComponent& copy) {
    if (copy.FullSerialize())
        return std::string(copy.ClassName());
    return model::TfrxXMLSerializer().ClassAndAttributes(copy);
}

} // namespace

void TfrxPreviewPages::LoadFromStream(std::istream& stream) {
    Clear();
    try {
        document_.LoadFromStream(stream);
        if (!base::sameText(root().Name(), kRootName))
            model::raiseInvalidFileFormat();
        loadSourcePages();
        loadDictionary();
        checkPageElements();
    } catch (...) {
        Clear();
        throw;
    }
    root().SetName(std::string(kRootName));
}

void TfrxPreviewPages::LoadFromFile(const std::string& fileName) {
    std::ifstream file(fileName, std::ios::binary);
    if (!file)
        base::raiseCannotOpenFile(fileName, std::strerror(errno));
    LoadFromStream(file);
}

void TfrxPreviewPages::loadSourcePages() {
    const TfrxXMLItem& pages = child("sourcepages");
    for (int i = 0; i < pages.Count(); ++i) {
        const TfrxXMLItem& item = pages.Items(i);
        const model::ClassInfo* info = model::FindClass(item.Name());
        if (!info || !info->canCreate())
            model::raiseInvalidFileFormat();
        std::unique_ptr<TfrxComponent> created = info->create();
        auto* raw = dynamic_cast<model::TfrxReportPage*>(created.get());
        if (!raw)
            model::raiseInvalidFileFormat();
        std::unique_ptr<model::TfrxReportPage> page(raw);
        created.release();
        model::TfrxXMLSerializer serializer(page.get());
        serializer.ReadComponent(*page, item);
        sourcePages_.push_back(std::move(page));
    }
}

// Each entry: the alias as element name, the full name "Page" + n + "." +
// object name as attribute. The alias is given back to the copy, whose
// BaseText is computed as when the page was registered.
void TfrxPreviewPages::loadDictionary() {
    const TfrxXMLItem& entries = child("dictionary");
    for (int i = 0; i < entries.Count(); ++i) {
        const TfrxXMLItem& entry = entries.Items(i);
        const std::string& alias = entry.Name();
        const std::string fullName = entry.Prop("name");
        const auto dot = fullName.find('.');
        if (alias.empty() || dictionary_.Find(alias) || dot == std::string::npos)
            model::raiseInvalidFileFormat();
        const int n = pageNumber(std::string_view(fullName).substr(0, dot), kFullNamePrefix);
        if (n < 0 || n >= SourcePageCount())
            model::raiseInvalidFileFormat();
        const std::string objectName = fullName.substr(dot + 1);
        TfrxComponent* copy = nullptr;
        for (TfrxComponent* object : SourcePages(n).AllObjects()) {
            if (base::sameText(object->Name(), objectName)) {
                copy = object;
                break;
            }
        }
        if (!copy)
            model::raiseInvalidFileFormat();
        copy->SetAlias(alias);
        dictionary_.Add(alias, fullName, copy, baseTextOf(*copy));
    }
}

void TfrxPreviewPages::checkPageElements() const {
    const TfrxXMLItem& pages = pagesItem();
    for (int i = 0; i < pages.Count(); ++i) {
        const int n = pageNumber(pages.Items(i).Name(), kPagePrefix);
        if (n < 0 || n >= SourcePageCount())
            model::raiseInvalidFileFormat();
    }
}

} // namespace rq::report::preview
