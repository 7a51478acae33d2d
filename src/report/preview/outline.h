// TfrxOutline: the prepared report's table of contents, kept as nested
// "item" elements (attributes text, page, top) under the store's "outline"
// element. This program's report makes no entries; the script still sees it.
#pragma once

#include "report/engine/custom_preview_pages.h"
#include "report/model/xml_document.h"

#include <functional>

namespace rq::report::preview {

class TfrxOutline : public engine::TfrxCustomOutline {
public:
    // root yields the "outline" element (created on first use); page the
    // page index that new entries point at.
    TfrxOutline(std::function<model::TfrxXMLItem&()> root, std::function<int()> page)
        : root_(std::move(root)), page_(std::move(page)) {}

    void AddItem(const std::string& text, engine::Extended top) override;
    void LevelRoot() override { current_ = nullptr; }
    void LevelUp() override;
    int Count() const override { return root_().Count(); }

private:
    model::TfrxXMLItem& current() const { return current_ ? *current_ : root_(); }

    std::function<model::TfrxXMLItem&()> root_;
    std::function<int()> page_;
    // The level new entries go under; nullptr stands for the outline element
    // itself. The store resets it whenever it frees outline entries.
    model::TfrxXMLItem* current_ = nullptr;
};

} // namespace rq::report::preview
