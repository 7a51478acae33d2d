// Outline entries as nested "item" elements.
#include "report/preview/outline.h"

#include "report/model/float_text.h"

namespace rq::report::preview {

void TfrxOutline::AddItem(const std::string& text, engine::Extended top) {
    model::TfrxXMLItem& item = current().Add();
    item.SetName("item");
    item.SetProp("text", text);
    item.SetProp("page", std::to_string(page_()));
    item.SetProp("top", model::floatText(top));
    current_ = &item;
}

void TfrxOutline::LevelUp() {
    if (!current_)
        return;
    model::TfrxXMLItem* parent = current_->Parent();
    current_ = parent == &root_() ? nullptr : parent;
}

} // namespace rq::report::preview
